// User administration: the user list, the user editor, opening and deleting
// accounts.
#include "AccountRights.h"
#include "AppDelegate.h"
#include "TextConversion.h"
#include "toolkit/Localizer.h"
#include "toolkit/TableViews.h"

void AppDelegate::usersAction(QAbstractButton* sender) {
    const Ui::MainWindow& ui = window_.ui;
    // First, or the reload would be answered for the previous list.
    setCurrentTable(ui.userTable);
    userTableModel_->reloadData();
    ui.userImageButton->setText(sender->text());
    ui.userImageButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    ui.userImageButton->setIcon(sender->icon());
    bottomBoxView_.setContentView(ui.userBox);
    setLastBox(ui.userBox);
}

const std::vector<UserSchema>& AppDelegate::allAccounts() {
    const bool administrator = isAdministrator(loginUser_);
    return accountList_.get(administrator, mySQLLite_->dataStamp(),
                            [&] { return mySQLLite_->getUsers(administrator); });
}

void AppDelegate::initCreateNewUserBox() {
    const Ui::MainWindow& ui = window_.ui;
    ui.user1Label->setText(Localizer::text("User"));
    ui.pwd1Label->setText(Localizer::text("Password"));
    ui.isRootLabel->setText(Localizer::text("IsRoot"));
    ui.userCancelButton->setText(Localizer::text("Cancel"));
    ui.userSaveButton->setText(Localizer::text("Save"));
    ui.createUserBox->setTitle(Localizer::text("AccountEditor"));
    ui.userBox->setTitle(Localizer::text("Users"));
}

void AppDelegate::addUserRecord() {
    const Ui::MainWindow& ui = window_.ui;
    if (!isAdministrator(loginUser_)) {
        showAlert("NoPermissionAlert", "NoPermissionAlertInfo");
        return;
    }
    setOperation("ADD");
    setUserSchema(UserSchema());
    ui.user1Field->setText(QString());
    ui.pwd1Field->setText(QString());
    ui.isRootCheckBox->setChecked(false);
    // The same rule as when editing: only the account named "root" makes
    // administrators, whichever account was opened before.
    ui.isRootCheckBox->setEnabled(loginUser_ && isNamedRoot(*loginUser_));
    bottomBoxView_.setContentView(ui.createUserBox);
    ui.user1Field->setFocus();
}

bool AppDelegate::userVerify() {
    const Ui::MainWindow& ui = window_.ui;
    if (ui.user1Field->text().isEmpty()) {
        showAlert("UserNotNull", "UserNotNullInfo");
        ui.user1Field->setFocus();
        return false;
    }
    if (ui.pwd1Field->text().isEmpty()) {
        showAlert("PwdNotNull", "PwdNotNullInfo");
        ui.pwd1Field->setFocus();
        return false;
    }
    return true;
}

void AppDelegate::userSaveAction() {
    if (!userVerify()) {
        return;
    }
    const Ui::MainWindow& ui = window_.ui;
    userSchema_.setUser(toText(ui.user1Field->text()));
    userSchema_.setPassword(toText(ui.pwd1Field->text()));
    userSchema_.setIsRoot(ui.isRootCheckBox->isChecked() ? 1 : 0);

    bool saved = false;
    if (operation_ == "ADD") {
        saved = mySQLLite_->insertUser(userSchema_);
    } else if (operation_ == "EDIT") {
        saved = mySQLLite_->updateUser(userSchema_);
    }
    if (!saved) {
        showAlert("SaveFailAlert", "SaveFailAlertInfo");
        return;
    }
    closeEditor(ui.createUserBox);
    userTableModel_->reloadData();
}

void AppDelegate::userCancelAction() {
    closeEditor(window_.ui.createUserBox);
}

void AppDelegate::openAccount() {
    const Ui::MainWindow& ui = window_.ui;
    const int row = selectedRow(ui.userTable);
    if (row < 0) {
        return;
    }
    const std::vector<UserSchema>& accounts = allAccounts();
    if (row >= static_cast<int>(accounts.size())) {
        return; // the list changed since the table last asked: open nothing
    }
    const UserSchema account = accounts[static_cast<size_t>(row)];
    if (!mayOpenAccount(loginUser_, account)) {
        showAlert("NoPermissionAlert", "NoPermissionAlertInfo");
        return;
    }
    ui.user1Field->setText(toQString(account.User()));
    ui.pwd1Field->setText(toQString(account.Password()));
    // Only 1 is an administrator; any other stored value shows unchecked.
    ui.isRootCheckBox->setChecked(account.IsRoot() == 1);
    ui.isRootCheckBox->setEnabled(mayChangeAdministratorFlag(loginUser_, account));
    setOperation("EDIT");
    setUserSchema(account);
    bottomBoxView_.setContentView(ui.createUserBox);
    ui.user1Field->setFocus(); // as for entries: the hidden list keeps no focus
}

void AppDelegate::removeUserRecord() {
    QTableView* table = window_.ui.userTable;
    if (selectedRow(table) < 0) {
        return;
    }
    if (!isAdministrator(loginUser_)) {
        showAlert("NoPermissionAlert", "NoPermissionAlertInfo");
        return;
    }
    const int row = selectedRow(table);
    const std::vector<UserSchema>& accounts = allAccounts();
    if (row >= static_cast<int>(accounts.size())) {
        return; // the list changed since the table last asked: refuse silently
    }
    const UserSchema account = accounts[static_cast<size_t>(row)];
    if (isNamedRoot(account)) {
        showAlert("NoPermissionAlert", "NoPermissionAlertInfo");
        return;
    }
    if (account.ID() == loginUser_->ID()) {
        showAlert("DelUserAlert", "CannotDelLoginUser");
        return;
    }
    if (mySQLLite_->hasData(account.ID())) {
        showAlert("DelUserAlert", "UserHasData");
        return;
    }
    if (!confirmDeletion()) {
        return;
    }
    if (mySQLLite_->delUser(account.ID())) {
        userTableModel_->reloadData();
    }
}
