// Every command that has a shortcut or a menu entry is one QAction: its shortcut, the menu bar,
// the context menu and any button that stands for it trigger the same object, so the key a menu
// shows is the key that works, and a command that does not apply is disabled everywhere at once.
#include "controller/AccountRights.h"
#include "controller/AppDelegate.h"
#include "help/HelpWindows.h"
#include "toolkit/Localizer.h"
#include "toolkit/TableViews.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

QAction* AppDelegate::addCommand(QWidget* owner, const char* textKey, QList<QKeySequence> keys,
                                 void (AppDelegate::*command)()) {
    auto* action = new QAction(Localizer::text(textKey), owner);
    action->setShortcuts(keys);
    // A list's or an editor's keys work while the focus is inside it, and nowhere else: Delete in
    // the memo deletes a letter, not the entry.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    // A held-down key must not open or delete row after row.
    action->setAutoRepeat(false);
    owner->addAction(action);
    connect(action, &QAction::triggered, this, command);
    return action;
}

QAction* AppDelegate::addWindowCommand(const char* textKey, QList<QKeySequence> keys,
                                       void (AppDelegate::*command)()) {
    QAction* action = addCommand(&window_, textKey, keys, command);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

namespace {

// The desktop's key for a standard command, or `fallback` where the platform names none (the
// offscreen platform knows no Quit key).
QList<QKeySequence> standardKeys(QKeySequence::StandardKey command, QKeySequence fallback) {
    const QList<QKeySequence> keys = QKeySequence::keyBindings(command);
    return keys.isEmpty() ? QList<QKeySequence>{fallback} : keys;
}

} // namespace

void AppDelegate::makeCommands() {
    const Ui::MainWindow& ui = window_.ui;
    hiding_ =
        std::make_unique<PasswordHiding>(QList<QLineEdit*>{ui.pwdField, ui.pwd1Field}, nullptr);
    // Sorting again reloads the list on show (and leaves a sort by passwords that now all read
    // the same).
    connect(hiding_.get(), &PasswordHiding::changed, this, [this] {
        for (QTableView* list : {window_.ui.passwordTableView, window_.ui.userTable}) {
            const QHeaderView* header = list->horizontalHeader();
            sortTableView(list, header->sortIndicatorSection(), header->sortIndicatorOrder());
        }
    });
    const QList<QKeySequence> returnKeys{Qt::Key_Return, Qt::Key_Enter};
    QTableView* entries = ui.passwordTableView;
    commands_.openEntry = addCommand(entries, "Open", returnKeys, &AppDelegate::clickTableAction);
    commands_.copyPassword =
        addCommand(entries, "CopyPassword", QKeySequence::keyBindings(QKeySequence::Copy),
                   &AppDelegate::copyPasswordAction);
    commands_.copyUser = addCommand(entries, "CopyUser", {QKeySequence(Qt::CTRL | Qt::Key_B)},
                                    &AppDelegate::copyUserAction);
    commands_.copyHttp =
        addCommand(entries, "CopyHttp", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_U)},
                   &AppDelegate::copyHttpAction);
    commands_.openHttp = addCommand(entries, "OpenHttp", {QKeySequence(Qt::CTRL | Qt::Key_U)},
                                    &AppDelegate::openHttpAction);
    commands_.deleteEntry =
        addCommand(entries, "Delete", QKeySequence::keyBindings(QKeySequence::Delete),
                   &AppDelegate::removePasswordRecord);

    commands_.newEntry =
        addWindowCommand("NewEntry", standardKeys(QKeySequence::New, Qt::CTRL | Qt::Key_N),
                         &AppDelegate::addPasswordRecord);
    commands_.find = addWindowCommand(
        "Find", standardKeys(QKeySequence::Find, Qt::CTRL | Qt::Key_F), &AppDelegate::findAction);
    commands_.users =
        addWindowCommand("Users", {Qt::CTRL | Qt::ALT | Qt::Key_U}, &AppDelegate::showUsersAction);
    commands_.logout = addWindowCommand("Exit", {Qt::CTRL | Qt::Key_L}, &AppDelegate::logoutAction);
    commands_.importEntries =
        addWindowCommand("ImportMenu", {Qt::CTRL | Qt::Key_I}, &AppDelegate::importAction);
    commands_.exportEntries =
        addWindowCommand("ExportMenu", {Qt::CTRL | Qt::Key_E}, &AppDelegate::exportAction);
    commands_.recycleBin = addWindowCommand(
        "RecycleBinMenu", {Qt::CTRL | Qt::SHIFT | Qt::Key_Delete}, &AppDelegate::recycleBinAction);
    commands_.quit = addWindowCommand(
        "Quit", standardKeys(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q), &AppDelegate::quitAction);

    addCommand(ui.userTable, "Open", returnKeys, &AppDelegate::clickTableAction);
    // As Return in the editors' text fields does (with the category's list open, Return picks).
    addCommand(ui.isRootCheckBox, "Save", returnKeys, &AppDelegate::userSaveAction);
    addCommand(ui.categoryPopupButton, "Save", returnKeys, &AppDelegate::saveAction);
    commands_.deleteAccount =
        addCommand(ui.userTable, "Delete", QKeySequence::keyBindings(QKeySequence::Delete),
                   &AppDelegate::removeUserRecord);
    commands_.newAccount = addWindowCommand("NewAccount", {Qt::CTRL | Qt::SHIFT | Qt::Key_N},
                                            &AppDelegate::newAccountAction);

    // Escape closes an editor without saving, as its Cancel button does, and
    // leaves a search for the list that was on show before it.
    addCommand(ui.createPasswordBox, "Cancel", QKeySequence::keyBindings(QKeySequence::Cancel),
               &AppDelegate::escapeEditor);
    addCommand(ui.createUserBox, "Cancel", QKeySequence::keyBindings(QKeySequence::Cancel),
               &AppDelegate::escapeEditor);
    addCommand(ui.searchField, "Cancel", QKeySequence::keyBindings(QKeySequence::Cancel),
               &AppDelegate::endSearch);
    // In the results too (a key, not a command of the list's menu); in a category's list it
    // does nothing.
    auto* leaveResults = new QShortcut(QKeySequence::Cancel, entries, nullptr, nullptr,
                                       Qt::WidgetWithChildrenShortcut);
    connect(leaveResults, &QShortcut::activated, this, &AppDelegate::endSearch);
    addCommand(ui.searchField, "Open", {QKeySequence(Qt::Key_Down), Qt::Key_Return, Qt::Key_Enter},
               &AppDelegate::goToResults);

    for (QTableView* list : {entries, ui.userTable}) {
        connect(list, &QAbstractItemView::doubleClicked, this, &AppDelegate::clickTableAction);
        keepCellsOffTheClipboard(list);
    }
    entries->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(entries, &QWidget::customContextMenuRequested, this, &AppDelegate::showEntryMenu);
    connect(passwordTableModel_, &QAbstractItemModel::modelReset, this,
            &AppDelegate::updateCommands);
    // A column of the password list, off by default: its width is the others' first.
    commands_.showWebAddresses = new QAction(Localizer::text("ShowWebAddresses"), this);
    commands_.showWebAddresses->setCheckable(true);
    commands_.showWebAddresses->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W));
    window_.addAction(commands_.showWebAddresses);
    connect(commands_.showWebAddresses, &QAction::toggled, this, [this](bool shown) {
        window_.ui.passwordTableView->setColumnHidden(httpColumn_->index(), !shown);
    });
    makeMenuBar();
    updateCommands();
}

void AppDelegate::addEntryCommands(QMenu* menu) const {
    menu->addAction(commands_.openEntry);
    menu->addSeparator();
    menu->addActions({commands_.copyPassword, commands_.copyUser, commands_.copyHttp});
    menu->addAction(commands_.openHttp);
    menu->addSeparator();
    menu->addAction(commands_.deleteEntry);
}

void AppDelegate::makeMenuBar() {
    QMenuBar* bar = window_.menuBar();
    QMenu* file = bar->addMenu(Localizer::text("FileMenu"));
    file->addActions({commands_.importEntries, commands_.exportEntries});
    file->addSeparator();
    file->addActions(protection_->commands());
    file->addSeparator();
    file->addActions({commands_.logout, commands_.quit});
    QMenu* entry = bar->addMenu(Localizer::text("EntryMenu"));
    entry->addAction(commands_.newEntry);
    addEntryCommands(entry);
    QMenu* view = bar->addMenu(Localizer::text("ViewMenu"));
    view->addActions({commands_.find, commands_.users, commands_.newAccount, commands_.recycleBin});
    view->addSeparator();
    view->addActions({hiding_->command(), commands_.showWebAddresses});
    QMenu* help = bar->addMenu(Localizer::text("HelpMenu"));
    QAction* keys = help->addAction(Localizer::text("KeyboardShortcuts"), this, [this] {
        help::showKeyboardShortcuts(&window_, window_.menuBar());
    });
    keys->setShortcuts(QKeySequence::keyBindings(QKeySequence::HelpContents));
    help->addAction(Localizer::text("AboutLockmere"), this, [this] {
        help::showAbout(&window_, QString::fromStdString(mySQLLite_->dbFilePath()),
                        mySQLLite_->isProtected());
    });
}

// A row command applies to the row selected in the password list on show;
// the others apply while someone is logged in.
void AppDelegate::updateCommands() {
    if (commands_.quit == nullptr) {
        return; // not made yet: start-up makes them and then asks again
    }
    const bool loggedIn = loginUser_.has_value();
    const bool rowChosen = loggedIn && shownBox() == window_.ui.passwordBox &&
                           selectedRow(window_.ui.passwordTableView) >= 0;
    for (QAction* command : {commands_.openEntry, commands_.copyPassword, commands_.copyUser,
                             commands_.copyHttp, commands_.openHttp, commands_.deleteEntry}) {
        command->setEnabled(rowChosen);
    }
    for (QAction* command : {commands_.newEntry, commands_.find, commands_.users, commands_.logout,
                             commands_.importEntries, commands_.exportEntries, commands_.recycleBin,
                             hiding_->command(), commands_.showWebAddresses}) {
        command->setEnabled(loggedIn);
    }
    // Only what the account may use is offered; the rights are checked again at the action.
    const bool administrator = isAdministrator(loginUser_);
    commands_.newAccount->setEnabled(administrator);
    commands_.deleteAccount->setEnabled(administrator);
    const QString why = administrator ? QString() : Localizer::text("AdministratorsOnly");
    for (QAbstractButton* button : {window_.ui.userAddButton, window_.ui.userRemoveButton}) {
        button->setEnabled(administrator);
        button->setToolTip(why);
    }
    protection_->updateCommands(administrator);
}

// Protecting the file changes it for every account: an administrator's, as the file holds the
// account now.
bool AppDelegate::mayChangeFile() {
    if (!sessionStillValid()) {
        return false;
    }
    if (!isAdministrator(loginUser_)) {
        showAlert("NoPermissionAlert", "NoPermissionAlertInfo");
        return false;
    }
    return true;
}

void AppDelegate::showUsersAction() {
    if (mayLeaveEditor()) {
        usersAction(window_.ui.usersButton);
    }
}

void AppDelegate::newAccountAction() {
    if (mayLeaveEditor()) {
        usersAction(window_.ui.usersButton);
        addUserRecord();
    }
}

// Logging out first clears a pending copy and everything of the session.
void AppDelegate::quitAction() {
    if (!mayLeaveEditor()) {
        return;
    }
    if (loginUser_) {
        endSession();
    }
    QApplication::quit();
}

// Escape is easily pressed by mistake: it closes an open list of the editor (the category
// pop-up) and nothing more, and asks before it discards changes, as every way out but Cancel
// and Save does.
void AppDelegate::escapeEditor() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        return;
    }
    if (mayLeaveEditor()) {
        closeEditor(shownBox());
    }
}

void AppDelegate::showEntryMenu(const QPoint& position) {
    QTableView* list = window_.ui.passwordTableView;
    const QModelIndex index = list->indexAt(position);
    if (!index.isValid()) {
        return;
    }
    list->selectRow(index.row());
    QMenu menu(list);
    addEntryCommands(&menu);
    menu.exec(list->viewport()->mapToGlobal(position));
}
