// Start-up: the store, the labels, and the login window in front.
#include "AppDelegate.h"
#include "TextConversion.h"
#include "toolkit/Localizer.h"
#include "toolkit/TableViews.h"

#include <QApplication>
#include <QStandardPaths>

void AppDelegate::applicationDidFinishLaunching() {
    mySQLLite_ = std::make_unique<MySQLLite>(
        toText(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)),
        [](const std::string& key) {
            return toText(Localizer::text(QString::fromStdString(key)));
        });
    mySQLLite_->createTables();

    initButtons();
    initCreateNewPasswordBox();
    initCreateNewUserBox();
    loginWindow_.ui.userTextField->setPlaceholderText(Localizer::text("User"));
    loginWindow_.ui.passwordTextField->setPlaceholderText(Localizer::text("Password"));
    loginWindow_.ui.loginButton->setText(Localizer::text("LogIn"));
    setDoubleAction(window_.ui.passwordTableView, [this] { clickTableAction(); });
    setDoubleAction(window_.ui.userTable, [this] { clickTableAction(); });

    window_.hide();
    loginWindow_.show();
    loginWindow_.raise();
    loginWindow_.activateWindow();
}

void AppDelegate::initButtons() {
    const Ui::MainWindow& ui = window_.ui;
    const std::pair<QAbstractButton*, const char*> buttons[] = {
        {ui.emailButton, "Email"},       {ui.websiteButton, "Website"},
        {ui.computerButton, "Computer"}, {ui.softwareButton, "Software"},
        {ui.bankCardButton, "BankCard"}, {ui.eBankButton, "eBank"},
        {ui.routerButton, "Router"},     {ui.lockButton, "Lock"},
        {ui.safeButton, "Safe"},         {ui.otherButton, "Other"},
        {ui.usersButton, "Users"},       {ui.logoutButton, "Exit"},
    };
    for (const auto& [button, key] : buttons) {
        button->setText(Localizer::text(key));
    }
    const std::pair<TableColumn*, const char*> columns[] = {
        {titleColumn(), "Title"}, {userColumn(), "User"},          {passwordColumn(), "Password"},
        {user1Column(), "User"},  {password1Column(), "Password"}, {isRootColumn(), "IsRoot"},
    };
    for (const auto& [column, key] : columns) {
        column->setHeaderTitle(Localizer::text(key));
    }
}
