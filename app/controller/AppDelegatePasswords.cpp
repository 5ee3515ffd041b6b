// Password records: choosing a category, the entry editor, opening and
// deleting entries.
#include "controller/AppDelegate.h"
#include "controller/TextConversion.h"
#include "toolkit/Localizer.h"
#include "toolkit/TableViews.h"

#include <QIcon>

namespace {

struct CategoryIcon {
    const char* key;
    const char* image;
};

// Tested in this order; the first key whose localised text is the category
// name gives the icon.
constexpr CategoryIcon kCategoryIcons[] = {
    {"Email", "email24.png"},       {"Website", "website24.png"},   {"Computer", "computer24.png"},
    {"Software", "software24.png"}, {"BankCard", "bankcard24.png"}, {"eBank", "ebank24.png"},
    {"Router", "router24.png"},     {"Lock", "lock24.png"},         {"Safe", "safe24.png"},
    {"Other", "other24.png"},
};

} // namespace

void AppDelegate::pwdButtonAction(QAbstractButton* sender) {
    const Ui::MainWindow& ui = window_.ui;
    leaveSearch();
    setCurrentTable(ui.passwordTableView);
    setCurrentCategory(sender->text());
    ui.passwordBox->setTitle(sender->text());
    ui.imageButton->setText(*currentCategory_);
    ui.imageButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (const CategoryIcon& row : kCategoryIcons) {
        if (*currentCategory_ == Localizer::text(row.key)) {
            ui.imageButton->setIcon(QIcon(QStringLiteral(":/images/") + row.image));
            break;
        }
    }
    showBox(ui.passwordBox);
    setLastBox(ui.passwordBox);
    // The view keeps the row count it was last told: the new category's
    // entries show only once it asks again.
    passwordTableModel_->reloadData();
}

EntryRows AppDelegate::currentEntries() {
    const int32_t userID = loginUser_ ? loginUser_->ID() : 0;
    if (searching()) {
        return searchResults(userID, mySQLLite_->dataStamp());
    }
    const OptionalText category = toText(currentCategory_);
    return EntryRows(entryList_.get({userID, category}, mySQLLite_->dataStamp(),
                                    [&] { return mySQLLite_->getPasswords(userID, category); }));
}

EntryRows AppDelegate::heldEntries() const {
    return searching() ? EntryRows(entrySearch_.entries(), searchHits_.held())
                       : EntryRows(entryList_.held());
}

void AppDelegate::initCreateNewPasswordBox() {
    const Ui::MainWindow& ui = window_.ui;
    ui.categoryLabel->setText(Localizer::text("Category"));
    ui.titleLabel->setText(Localizer::text("Title"));
    ui.userLabel->setText(Localizer::text("User"));
    ui.pwdLabel->setText(Localizer::text("Password"));
    ui.httpLabel->setText(Localizer::text("Http"));
    ui.memoLabel->setText(Localizer::text("Memo"));
    ui.cancelButton->setText(Localizer::text("Cancel"));
    ui.saveButton->setText(Localizer::text("Save"));
    ui.createPasswordBox->setTitle(Localizer::text("EntryEditor"));
}

// Every category in store order, with the entry's own category selected, or
// for a new entry the current category by its exact title. When none fits (no
// category chosen since login, or a new entry among search results) none is
// selected, and saving asks for a category instead of filing the entry under
// a category that no list shows.
void AppDelegate::fillCategoryPopup(std::optional<int32_t> entryCategoryID) {
    QComboBox* popup = window_.ui.categoryPopupButton;
    popup->clear();
    for (const CategorySchema& category : mySQLLite_->getCategories()) {
        popup->addItem(toQString(category.Category()), category.ID());
    }
    int selected = -1;
    if (entryCategoryID) {
        selected = popup->findData(*entryCategoryID);
    } else if (currentCategory_ && !searching()) {
        selected = popup->findText(*currentCategory_, Qt::MatchExactly | Qt::MatchCaseSensitive);
    }
    popup->setCurrentIndex(selected);
}

void AppDelegate::addPasswordRecord() {
    const Ui::MainWindow& ui = window_.ui;
    if (!mayLeaveEditor()) { // Ctrl+N reaches an open editor too
        return;
    }
    setOperation(kAdd);
    setPasswordSchema(PasswordSchema());
    fillCategoryPopup(std::nullopt);
    for (QLineEdit* field : {ui.titleField, ui.userField, ui.pwdField, ui.httpField}) {
        field->setText(QString());
    }
    ui.memoField->setPlainText(QString());
    showBox(ui.createPasswordBox);
    rememberEditorContents();
    ui.titleField->setFocus();
}

bool AppDelegate::verify() {
    const Ui::MainWindow& ui = window_.ui;
    if (ui.titleField->text().isEmpty()) {
        showAlert("TitleNotNull", "TitleNotNullInfo");
        ui.titleField->setFocus();
        return false;
    }
    if (ui.pwdField->text().isEmpty()) {
        showAlert("PwdNotNull", "PwdNotNullInfo");
        ui.pwdField->setFocus();
        return false;
    }
    if (ui.categoryPopupButton->currentIndex() < 0) {
        showAlert("CategoryNotNull", "CategoryNotNullInfo");
        ui.categoryPopupButton->setFocus();
        return false;
    }
    return true;
}

void AppDelegate::saveAction() {
    // Checked again now, not only when the editor opened: an entry is saved
    // only by the account it belongs to, and a new one belongs to the
    // account that saves it.
    const bool mayWrite =
        loginUser_ && (operation_ == kAdd ||
                       (operation_ == kEdit && passwordSchema_.UserID() == loginUser_->ID()));
    if (!mayWrite) {
        showAlert("NoPermissionAlert", "NoPermissionAlertInfo");
        return;
    }
    if (!verify()) {
        return;
    }
    const Ui::MainWindow& ui = window_.ui;
    const QString category = ui.categoryPopupButton->currentText();
    // The list the entry came from, by its ID, or for a new one the list on show by its name.
    const bool staysInSight =
        operation_ == kEdit
            ? passwordSchema_.CategoryID() == ui.categoryPopupButton->currentData().toInt()
            : currentCategory_ == category && !searching();
    passwordSchema_.setUserID(loginUser_->ID());
    passwordSchema_.setCategoryID(mySQLLite_->getIDByCategory(toText(category)));
    passwordSchema_.setTitle(toText(ui.titleField->text()));
    passwordSchema_.setUser(toText(ui.userField->text()));
    passwordSchema_.setPassword(toText(ui.pwdField->text()));
    passwordSchema_.setHttp(toText(ui.httpField->text()));
    passwordSchema_.setMemo(toText(ui.memoField->toPlainText()));

    // A chosen category that the store cannot name (it failed to read, or
    // the row is gone) must not file the entry under ID 0, where no list
    // would ever show it: that is a failed save.
    const bool categoryKnown = passwordSchema_.CategoryID() > 0;
    // An update that finds no row (another copy deleted the entry meanwhile)
    // saved nothing: the editor stays open with everything typed.
    bool saved = false;
    if (categoryKnown && operation_ == kAdd) {
        saved = mySQLLite_->insertPassword(passwordSchema_);
    } else if (categoryKnown && operation_ == kEdit) {
        saved = mySQLLite_->updatePassword(passwordSchema_) == WriteResult::Done;
    }
    if (!saved) {
        showAlert("SaveFailAlert", "SaveFailAlertInfo");
        return;
    }
    closeEditor(ui.createPasswordBox);
    passwordTableModel_->reloadData();
    if (!staysInSight && !searching()) {
        tellInStatusLine(Localizer::text("MovedTo").arg(category));
    }
}

void AppDelegate::cancelAction() {
    closeEditor(window_.ui.createPasswordBox);
}

// The editor leaves the content area and the list box it was opened from
// comes back; the keyboard goes on in that list.
void AppDelegate::closeEditor(QWidget* editor) {
    // A stale close request (the editor was replaced meanwhile) leaves the
    // page on show alone.
    if (shownBox() != editor) {
        return;
    }
    showBox(lastBox_);
    if (lastBox_ == window_.ui.passwordBox) {
        window_.ui.passwordTableView->setFocus();
    } else if (lastBox_ == window_.ui.userBox) {
        window_.ui.userTable->setFocus();
    }
}

void AppDelegate::clickTableAction() {
    if (currentTable_ == window_.ui.passwordTableView) {
        openEntry();
    } else if (currentTable_ == window_.ui.userTable) {
        openAccount();
    }
}

void AppDelegate::openEntry() {
    const Ui::MainWindow& ui = window_.ui;
    const std::optional<PasswordSchema> entry = chosenEntry();
    if (!entry) {
        return;
    }
    fillCategoryPopup(entry->CategoryID());
    ui.titleField->setText(toQString(entry->Title()));
    ui.userField->setText(toQString(entry->User()));
    ui.pwdField->setText(toQString(entry->Password()));
    ui.httpField->setText(toQString(entry->Http()));
    ui.memoField->setPlainText(toQString(entry->Memo()));
    setOperation(kEdit);
    setPasswordSchema(*entry);
    showBox(ui.createPasswordBox);
    rememberEditorContents();
    // The list that had the focus is hidden now; without this the focus
    // would wander to the sidebar and Escape would not reach the editor.
    ui.titleField->setFocus();
}

void AppDelegate::removePasswordRecord() {
    // An entry already gone is said at once, without asking about it first.
    const std::optional<PasswordSchema> entry = chosenEntry();
    if (!entry || !confirmDeletion()) {
        return;
    }
    switch (mySQLLite_->delPassword(entry->ID())) {
    case WriteResult::Done:
        passwordTableModel_->reloadData();
        break;
    case WriteResult::NoRow: // deleted by another copy while the confirmation was open
        recordGone(passwordTableModel_);
        break;
    case WriteResult::Failed:
        showAlert("DeleteFailAlert", "DeleteFailAlertInfo");
        break;
    }
}
