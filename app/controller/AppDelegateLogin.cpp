// Logging in and out.
#include "controller/AccountRights.h"
#include "controller/AppDelegate.h"
#include "controller/TextConversion.h"
#include "toolkit/Localizer.h"
#include "toolkit/OpenWindows.h"
#include "toolkit/SaidLabel.h"
#include "toolkit/WindowShaker.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QToolButton>

void AppDelegate::userAction() {
    loginWindow_.ui.passwordTextField->setFocus();
}

void AppDelegate::passwordAction() {
    loginAction();
}

void AppDelegate::loginAction() {
    // Used exactly as typed: no trimming, no change of case.
    const QString user = loginWindow_.ui.userTextField->text();
    const QString password = loginWindow_.ui.passwordTextField->text();
    if (user.isEmpty()) {
        return;
    }
    const Listed<UserSchema> matches = mySQLLite_->readLogin(toText(user), toText(password));
    if (!matches) {
        // Not a refusal: the file could not answer. Saying so keeps a right password from
        // looking wrong.
        if (mySQLLite_->fileProblem() != FileProblem::None) {
            sayFileProblem();
        } else {
            showStoreTrouble();
        }
        return;
    }
    std::optional<UserSchema> found =
        matches->empty() ? std::nullopt : std::optional<UserSchema>(matches->back());
    if (!found) {
        // Said in words too, for whoever cannot see the shake.
        sayInLabel(loginWindow_.ui.refusalLabel, Localizer::text("LoginRefused"));
        shakeWindow(&loginWindow_);
        // The next try replaces what was typed, as in any login window.
        loginWindow_.ui.passwordTextField->setFocus();
        loginWindow_.ui.passwordTextField->selectAll();
        return;
    }
    ++session_;
    loginWindow_.ui.refusalLabel->setVisible(false);
    const QString title = toQString(found->User());
    recycleBin_->clearOld(found->ID()); // what waited there more than 30 days goes for good
    setLoginUser(std::move(found));
    idleWatch_.restart();
    loginWindow_.hide();
    window_.setWindowTitle(literalWindowTitle(title));
    window_.show();
    window_.raise();
    window_.activateWindow();
    // The window opens on a list, with the keyboard in it.
    const auto last = lastCategoryOf_.find(loginUser_->ID());
    categoryButtons().value(last != lastCategoryOf_.end() ? last->second : 0)->click();
    window_.ui.passwordTableView->setFocus();
    updateCommands();
    if (isNamedRoot(*loginUser_) && password == QLatin1String(MySQLLite::kPublishedRootPassword)) {
        // Asked once the press that logged in has returned: a screen reader that pressed the
        // button waits for its answer, and would wait for the whole question.
        QMetaObject::invokeMethod(this, &AppDelegate::offerPasswordChange, Qt::QueuedConnection);
    }
}

// Everyone who has read the README knows root's first password: say so at once, and offer
// root's own account in the editor, with the keyboard in its password.
void AppDelegate::offerPasswordChange() {
    const int session = session_;
    if (!loginUser_ ||
        alerts_.runDeleteConfirmation("DefaultPasswordAlert", "DefaultPasswordAlertInfo",
                                      "ChangePasswordNow", "Later") != AlertDefaultReturn ||
        session != session_) {
        return;
    }
    usersAction(window_.ui.usersButton);
    const InOrder<std::vector<UserSchema>> accounts = accountsInOrder(accountList_.held());
    for (size_t row = 0; row < accounts.size(); ++row) {
        if (accounts[row].ID() == loginUser_->ID()) {
            window_.ui.userTable->selectRow(static_cast<int>(row));
            openAccount();
            window_.ui.pwd1Field->setFocus();
            window_.ui.pwd1Field->selectAll();
            return;
        }
    }
}

void AppDelegate::logoutUnattended() {
    if (loginUser_) {
        endSession();
    }
}

void AppDelegate::logoutAction() {
    if (mayLeaveEditor()) {
        endSession();
    }
}

void AppDelegate::endSession() {
    ++session_;
    secretClipboard_.clearNow(); // a copied password does not outlive its session
    closeDialogsAndMenus();
    window_.hide();
    setCurrentCategory(std::nullopt);
    setLoginUser(std::nullopt);
    forgetTheSession();
    loginWindow_.ui.userTextField->setText(QString());
    loginWindow_.ui.userTextField->setFocus();
    loginWindow_.ui.passwordTextField->setText(QString());
    loginWindow_.show();
    loginWindow_.raise();
    loginWindow_.activateWindow();
}

// The next account starts from a main window that shows nothing of this
// one: no editor, no list, no field text (setText also drops the undo
// history, which would give the text back), no record held for a save.
void AppDelegate::forgetTheSession() {
    const Ui::MainWindow& ui = window_.ui;
    for (QLineEdit* field :
         {ui.titleField, ui.userField, ui.pwdField, ui.httpField, ui.user1Field, ui.pwd1Field}) {
        field->setText(QString());
    }
    ui.memoField->setPlainText(QString());
    ui.categoryPopupButton->clear();
    ui.isRootCheckBox->setChecked(false);
    setOperation(QString());
    setPasswordSchema(PasswordSchema());
    setUserSchema(UserSchema());

    setCurrentTable(nullptr);
    setLastBox(nullptr);
    showBox(nullptr);
    leaveSearch();
    entrySearch_.forget();
    entryList_.forget();
    accountList_.forget();
    if (hiding_) {
        hiding_->reset(); // passwords show again, as at start
        commands_.showWebAddresses->setChecked(false);
    }
    // The next account's lists start sorted by title (and by name), as on a first login.
    entryOrder_->forget();
    accountOrder_->forget();
    showFirstSortOrder();
    chosenEntryID_.reset();
    chosenAccountID_.reset();
    passwordTableModel_->reloadData();
    userTableModel_->reloadData();
    categoryKeys_.reset();
    ui.countLabel->setNum(0);
    ui.userCountLabel->setNum(0);
    window_.setWindowTitle(QGuiApplication::applicationName());
    // Nor what the last account said, chose or copied: the status line, the generator's options.
    window_.statusBar()->clearMessage();
    for (GeneratorOptions* options : {ui.pwdGeneratorOptions, ui.pwd1GeneratorOptions}) {
        options->reset();
    }
    for (QToolButton* fold : {ui.generatorOptionsButton, ui.generatorOptions1Button}) {
        fold->setChecked(false);
    }
}

void AppDelegate::shakeWindow(QWidget* window) {
    WindowShaker::shakeWindow(window);
}
