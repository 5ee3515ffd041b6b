// User administration: the user list, the user editor, opening and deleting
// accounts.
#include "controller/AccountRights.h"
#include "controller/AppDelegate.h"
#include "controller/TextConversion.h"
#include "toolkit/Localizer.h"
#include "toolkit/TableViews.h"
#include "transfer/FieldLimits.h"

void AppDelegate::usersAction(QAbstractButton* sender) {
    const Ui::MainWindow& ui = window_.ui;
    leaveSearch();
    // First, or the reload would be answered for the previous list.
    setCurrentTable(ui.userTable);
    userTableModel_->reloadData();
    ui.userImageButton->setText(sender->text());
    ui.userImageButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    ui.userImageButton->setIcon(sender->icon());
    showBox(ui.userBox);
    setLastBox(ui.userBox);
}

const std::vector<UserSchema>* AppDelegate::allAccounts() {
    const std::optional<DataStamp> now = storeStamp();
    const std::vector<UserSchema>* accounts =
        now ? accountList_.get(true, *now, [&] { return mySQLLite_->readUsers(); }) : nullptr;
    if (accounts == nullptr && now) {
        storeUnreadable();
    }
    return accounts;
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
    if (!sessionStillValid()) {
        return;
    }
    if (!isAdministrator(loginUser_)) {
        showAlert("NoPermissionAlert", "NoPermissionAlertInfo");
        return;
    }
    setOperation(kAdd);
    setUserSchema(UserSchema());
    ui.user1Field->setText(QString());
    ui.pwd1Field->setText(QString());
    ui.isRootCheckBox->setChecked(false);
    // The same rule as when editing: only the account named "root" makes
    // administrators, whichever account was opened before.
    ui.isRootCheckBox->setEnabled(loginUser_ && isNamedRoot(*loginUser_));
    showBox(ui.createUserBox);
    rememberEditorContents();
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
    for (QLineEdit* field : {ui.user1Field, ui.pwd1Field}) {
        if (field->text().size() > kLongestField) {
            alerts_.showTextAlert(
                Localizer::text("FieldTooLong"),
                Localizer::text("FieldTooLongInfo")
                    .arg(field == ui.user1Field ? ui.user1Label->text() : ui.pwd1Label->text())
                    .arg(kLongestField));
            field->setFocus();
            return false;
        }
    }
    if (ui.user1Field->text() == QLatin1String("root") &&
        !(operation_ == kEdit && mayBeNamedRoot(userSchema_, mySQLLite_->rootAccountID()))) {
        showAlert("RootNameAlert", "RootNameAlertInfo");
        ui.user1Field->setFocus();
        return false;
    }
    return true;
}

// The rights table, applied at the moment of saving to the account logged in
// now: adding takes an administrator, editing takes the right to open that
// account, and a changed administrator flag takes the account named "root".
bool AppDelegate::maySaveAccount() const {
    const bool makesAdministrator = window_.ui.isRootCheckBox->isChecked();
    if (operation_ == kAdd) {
        return isAdministrator(loginUser_) &&
               (!makesAdministrator || mayChangeAdministratorFlag(loginUser_, userSchema_));
    }
    if (operation_ == kEdit) {
        // Changed by the user in this editor: a box left as it was opened keeps the stored flag.
        const bool flagChanged =
            editorContents(window_.ui.createUserBox).value(2) != openedContents_.value(2);
        return mayOpenAccount(loginUser_, userSchema_) &&
               (!flagChanged || mayChangeAdministratorFlag(loginUser_, userSchema_));
    }
    return false;
}

void AppDelegate::userSaveAction() {
    if (!sessionStillValid()) {
        return;
    }
    if (!maySaveAccount()) {
        showAlert("NoPermissionAlert", "NoPermissionAlertInfo");
        return;
    }
    if (!userVerify()) {
        return;
    }
    const Ui::MainWindow& ui = window_.ui;
    // As for entries: what was left as opened is stored as it was (a flag of 2 that another
    // program wrote stays 2), and the account as opened stays in userSchema_ until saved.
    const QStringList shown = editorContents(ui.createUserBox);
    const bool edit = operation_ == kEdit;
    UserSchema edited = userSchema_;
    edited.setUser(edit && shown[0] == openedContents_.value(0) ? userSchema_.User()
                                                                : toText(shown[0]));
    edited.setPassword(edit && shown[1] == openedContents_.value(1) ? userSchema_.Password()
                                                                    : toText(shown[1]));
    edited.setIsRoot(edit && shown[2] == openedContents_.value(2)
                         ? userSchema_.IsRoot()
                         : (ui.isRootCheckBox->isChecked() ? 1 : 0));

    // An account that another copy changed since it was opened is not saved over unseen, and
    // one that another copy deleted is not saved at all.
    WriteResult saved = WriteResult::Failed;
    if (operation_ == kAdd) {
        saved = mySQLLite_->insertUser(edited) ? WriteResult::Done : WriteResult::Failed;
    } else if (edit) {
        saved = mySQLLite_->updateUserIfUnchanged(edited, userSchema_);
    }
    if (saved == WriteResult::Changed) {
        const std::vector<UserSchema> now = mySQLLite_->getUsers(true);
        for (const UserSchema& account : now) {
            if (account.ID() == userSchema_.ID()) {
                setUserSchema(account);
            }
        }
        showAlert("ChangedMeanwhileAlert", "ChangedMeanwhileAlertInfo");
        return;
    }
    if (saved != WriteResult::Done) {
        saved == WriteResult::NoRow
            ? showAlert("DeletedMeanwhileAlert", "DeletedMeanwhileAlertInfo")
            : showWriteTrouble();
        return;
    }
    setUserSchema(edited);
    // The account renamed itself: the session goes on under the new name, with the rights the
    // new name gives, and does not take its own change for another copy's.
    if (operation_ == kEdit && userSchema_.ID() == loginUser_->ID()) {
        setLoginUser(userSchema_);
        window_.setWindowTitle(literalWindowTitle(toQString(userSchema_.User())));
    }
    closeEditor(ui.createUserBox);
    userTableModel_->reloadData();
}

void AppDelegate::userCancelAction() {
    closeEditor(window_.ui.createUserBox);
}

void AppDelegate::openAccount() {
    const Ui::MainWindow& ui = window_.ui;
    const std::optional<UserSchema> account = chosenAccount();
    if (!account || !sessionStillValid()) {
        return;
    }
    if (!mayOpenAccount(loginUser_, *account)) {
        showAlert("NoPermissionAlert", "NoPermissionAlertInfo");
        return;
    }
    ui.user1Field->setText(toQString(account->User()));
    ui.pwd1Field->setText(toQString(account->Password()));
    // Only 1 is an administrator; any other stored value shows unchecked.
    ui.isRootCheckBox->setChecked(account->IsRoot() == 1);
    ui.isRootCheckBox->setEnabled(mayChangeAdministratorFlag(loginUser_, *account));
    setOperation(kEdit);
    setUserSchema(*account);
    showBox(ui.createUserBox);
    rememberEditorContents();
    ui.user1Field->setFocus(); // as for entries: the hidden list keeps no focus
}

void AppDelegate::removeUserRecord() {
    if (selectedRow(window_.ui.userTable) < 0 || !sessionStillValid()) {
        return;
    }
    if (!isAdministrator(loginUser_)) {
        showAlert("NoPermissionAlert", "NoPermissionAlertInfo");
        return;
    }
    const std::optional<UserSchema> account = chosenAccount();
    if (!account) {
        return;
    }
    if (isNamedRoot(*account)) {
        showAlert("NoPermissionAlert", "NoPermissionAlertInfo");
        return;
    }
    if (account->ID() == loginUser_->ID()) {
        showAlert("DelUserAlert", "CannotDelLoginUser");
        return;
    }
    if (!ownsNoEntries(account->ID()) || !confirmDeletion(toQString(account->User())) ||
        !sessionStillValid()) {
        return;
    }
    switch (mySQLLite_->delUser(account->ID())) {
    case WriteResult::Done:
        userTableModel_->reloadData();
        break;
    case WriteResult::NoRow:
    case WriteResult::Changed:
        // Another copy deleted the account, or gave it an entry, while the
        // confirmation was open.
        if (ownsNoEntries(account->ID())) {
            recordGone(userTableModel_);
        }
        break;
    case WriteResult::Failed:
        showAlert("DeleteFailAlert", "DeleteFailAlertInfo");
        break;
    }
}

// True when the account owns no entry; otherwise says why it cannot be
// deleted: it owns entries, or they could not be read.
bool AppDelegate::ownsNoEntries(int32_t accountID) {
    const std::optional<bool> owns = mySQLLite_->ownsAnything(accountID);
    if (owns == false) {
        return true;
    }
    showAlert("DelUserAlert", owns ? "UserHasData" : "UserDataUnknown");
    return false;
}
