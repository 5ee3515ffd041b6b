// An editor's unsaved changes: kept from a stray click on anything but Save or Cancel.
#include "controller/AppDelegate.h"

// What the user sees in `editor`, as a list to compare with what it opened with; empty for any
// other page.
QStringList AppDelegate::editorContents(QWidget* editor) const {
    const Ui::MainWindow& ui = window_.ui;
    if (editor == ui.createPasswordBox) {
        return {ui.categoryPopupButton->currentText(),
                ui.titleField->text(),
                ui.userField->text(),
                ui.pwdField->text(),
                ui.httpField->text(),
                ui.memoField->toPlainText()};
    }
    if (editor == ui.createUserBox) {
        return {ui.user1Field->text(), ui.pwd1Field->text(),
                ui.isRootCheckBox->isChecked() ? QStringLiteral("1") : QStringLiteral("0")};
    }
    return {};
}

void AppDelegate::rememberEditorContents() {
    openedContents_ = editorContents(shownBox());
}

// Typing a text and deleting it again changes nothing.
bool AppDelegate::editorChanged() const {
    const QStringList shown = editorContents(shownBox());
    return !shown.isEmpty() && shown != openedContents_;
}

bool AppDelegate::mayLeaveEditor() {
    if (!editorChanged()) {
        return true;
    }
    const int session = session_;
    const bool discard =
        alerts_.runDeleteConfirmation("DiscardAlert", "DiscardAlertInfo", "Discard",
                                      "KeepEditing") == AlertDefaultReturn;
    // A logout while the question was open (the idle guard, a locked screen) took the editor
    // and its changes with it: there is nothing left to leave. Keep editing goes on where the
    // user was, as the sidebar's buttons take no focus from a click.
    return discard && session == session_;
}
