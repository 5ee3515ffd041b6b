// Start-up: the store, the labels, and the login window in front.
#include "LockmereMain.h"
#include "controller/AppDelegate.h"
#include "controller/TextConversion.h"
#include "toolkit/ButtonColumn.h"
#include "toolkit/Localizer.h"
#include "toolkit/TableViews.h"

#include <QApplication>
#include <QHeaderView>
#include <QStandardPaths>
#include <map>
#include <tuple>
#include <utility>

namespace {

// What a screen reader speaks for the controls whose own text says too little
// or nothing: the login fields (a placeholder is no accessible name in Qt), the
// "+" and "−" buttons (also their tool tips) and the lists, and what the two
// numbers beside the lists count. The editors' fields, the category pop-up and
// the Administrator box are named by their labels, whose buddies they are.
void nameControlsForAssistiveTechnology(const Ui::LoginWindow& login, const Ui::MainWindow& ui) {
    login.userTextField->setAccessibleName(Localizer::text("User"));
    login.passwordTextField->setAccessibleName(Localizer::text("Password"));

    const std::pair<QAbstractButton*, const char*> buttons[] = {
        {ui.addButton, "AddEntry"},
        {ui.removeButton, "RemoveEntry"},
        {ui.userAddButton, "AddUser"},
        {ui.userRemoveButton, "RemoveUser"},
    };
    for (const auto& [button, key] : buttons) {
        button->setAccessibleName(Localizer::text(key));
        button->setToolTip(Localizer::text(key));
    }

    ui.searchField->setAccessibleName(Localizer::text("SearchField"));
    ui.httpOpenButton->setAccessibleName(Localizer::text("OpenHttp"));
    ui.httpOpenButton->setToolTip(Localizer::text("OpenHttp"));
    ui.passwordTableView->setAccessibleName(Localizer::text("EntryList"));
    ui.userTable->setAccessibleName(Localizer::text("UserList"));
    ui.countLabel->setAccessibleDescription(Localizer::text("EntryCount"));
    ui.userCountLabel->setAccessibleDescription(Localizer::text("UserCount"));
}

} // namespace

void AppDelegate::applicationDidFinishLaunching() {
    // A category is found by its name in every language the program speaks, so that a start in
    // another language finds the rows an earlier start stored. Read from the tables once.
    std::map<std::string, std::vector<std::string>> knownNames;
    for (const std::string& key : CategoryKeys::keys()) {
        for (const QString& text :
             Localizer::textsInEveryTable(QString::fromStdString(key), kTranslationTables)) {
            knownNames[key].push_back(toText(text));
        }
    }
    mySQLLite_ = std::make_unique<MySQLLite>(
        toText(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)),
        [](const std::string& key) { return toText(Localizer::text(QString::fromStdString(key))); },
        [knownNames](const std::string& key) {
            const auto found = knownNames.find(key);
            return found == knownNames.end() ? std::vector<std::string>() : found->second;
        });
    mySQLLite_->createTables();

    initButtons();
    initCreateNewPasswordBox();
    initCreateNewUserBox();
    initPasswordTools();
    loginWindow_.ui.userTextField->setPlaceholderText(Localizer::text("User"));
    loginWindow_.ui.passwordTextField->setPlaceholderText(Localizer::text("Password"));
    loginWindow_.ui.loginButton->setText(Localizer::text("LogIn"));
    nameControlsForAssistiveTechnology(loginWindow_.ui, window_.ui);
    protection_ = std::make_unique<FileProtection>(
        *mySQLLite_, alerts_,
        FileProtection::Hooks{[this] { return mayChangeFile(); },
                              [this](const QString& secret) { secretClipboard_.copy(secret); },
                              [this] { updateCommands(); }},
        &window_);
    makeUndo();
    makeCommands();

    window_.hide();
    // A protected file is opened with its passphrase first: until then no account can log in.
    if (mySQLLite_->fileProblem() == FileProblem::Protected) {
        protection_->askToUnlock([this] { showLoginWindow(); });
    } else {
        showLoginWindow();
    }
}

void AppDelegate::showLoginWindow() {
    loginWindow_.show();
    loginWindow_.raise();
    loginWindow_.activateWindow();
    // Once the login window is on screen, so that the alert stands over it.
    QMetaObject::invokeMethod(this, &AppDelegate::sayFileProblem, Qt::QueuedConnection);
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
    QList<QAbstractButton*> sidebar;
    for (const auto& [button, key] : buttons) {
        button->setText(Localizer::text(key));
        sidebar.append(button);
    }
    makeOneTabStop(sidebar);
    const std::tuple<ControllerTableModel*, const TableColumn&, const char*> columns[] = {
        {passwordTableModel_, titleColumn(), "Title"},
        {passwordTableModel_, userColumn(), "User"},
        {passwordTableModel_, passwordColumn(), "Password"},
        {passwordTableModel_, categoryColumn(), "Category"},
        {passwordTableModel_, *httpColumn_, "Http"},
        {userTableModel_, user1Column(), "User"},
        {userTableModel_, password1Column(), "Password"},
        {userTableModel_, isRootColumn(), "IsRoot"},
    };
    for (const auto& [model, column, key] : columns) {
        model->setHeaderData(column.index(), Qt::Horizontal, Localizer::text(key));
    }
    // Only search results come from more than one category; a category name
    // is short, and the column fits beside the others in the window's width.
    ui.passwordTableView->setColumnHidden(categoryColumn().index(), true);
    ui.passwordTableView->horizontalHeader()->resizeSection(categoryColumn().index(), 120);
    // The web address is offered in the View menu; it crowds the others out by default.
    ui.passwordTableView->setColumnHidden(httpColumn_->index(), true);
    showOneLinePerRow(ui.passwordTableView, {titleColumn().index(), userColumn().index(),
                                             passwordColumn().index(), httpColumn_->index()});
    showOneLinePerRow(ui.userTable, {user1Column().index(), password1Column().index()});
    ui.searchField->setPlaceholderText(Localizer::text("SearchField"));
    ui.httpOpenButton->setText(Localizer::text("Open"));
}
