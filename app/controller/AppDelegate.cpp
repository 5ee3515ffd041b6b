#include "controller/AppDelegate.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QStatusBar>

AppDelegate::AppDelegate(LoginWindow& loginWindow, MainWindow& window, AlertPresenter& alerts)
    : loginWindow_(loginWindow), window_(window), alerts_(alerts),
      secretClipboard_(QGuiApplication::clipboard()) {
    // Only now, with every member in place: attaching a model to its view
    // asks the data source for rows at once.
    passwordTableModel_ = new ControllerTableModel(window.ui.passwordTableView, this);
    userTableModel_ = new ControllerTableModel(window.ui.userTable, this);
    titleColumn_ = &passwordTableModel_->requiredColumn("Title");
    userColumn_ = &passwordTableModel_->requiredColumn("User");
    passwordColumn_ = &passwordTableModel_->requiredColumn("Password");
    categoryColumn_ = &passwordTableModel_->requiredColumn("Category");
    httpColumn_ = &passwordTableModel_->requiredColumn("Http");
    user1Column_ = &userTableModel_->requiredColumn("User");
    password1Column_ = &userTableModel_->requiredColumn("Password");
    isRootColumn_ = &userTableModel_->requiredColumn("IsRoot");
    entryOrder_.emplace(std::vector<int>{titleColumn_->index(), userColumn_->index()});
    accountOrder_.emplace(std::vector<int>{user1Column_->index()});
    // Enabling sorting sorts at once, by the indicator: show it on the column the lists start in.
    showFirstSortOrder();
    window.ui.passwordTableView->setSortingEnabled(true);
    window.ui.userTable->setSortingEnabled(true);
    connect(window.ui.passwordTableView->selectionModel(), &QItemSelectionModel::selectionChanged,
            this, &AppDelegate::rememberChosenEntry);
    connect(window.ui.passwordTableView->selectionModel(), &QItemSelectionModel::selectionChanged,
            this, &AppDelegate::updateCommands);
    connect(window.ui.userTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &AppDelegate::rememberChosenAccount);
    connectActions();
    connectPasswordTools();
    window.mayClose = [this] { return mayLeaveEditor(); };
    connect(&idleWatch_, &IdleWatch::idle, this, &AppDelegate::logoutUnattended);
    connect(&screenLockWatch_, &ScreenLockWatch::locked, this, &AppDelegate::logoutUnattended);
}

// The windows outlive the controller (they belong to the interface
// description), so the models that ask it must go first: a view repainting
// during teardown must not reach a destroyed data source.
AppDelegate::~AppDelegate() {
    delete passwordTableModel_;
    delete userTableModel_;
}

const TableColumn& AppDelegate::titleColumn() const {
    return *titleColumn_;
}
const TableColumn& AppDelegate::userColumn() const {
    return *userColumn_;
}
const TableColumn& AppDelegate::passwordColumn() const {
    return *passwordColumn_;
}
const TableColumn& AppDelegate::user1Column() const {
    return *user1Column_;
}
const TableColumn& AppDelegate::password1Column() const {
    return *password1Column_;
}
const TableColumn& AppDelegate::isRootColumn() const {
    return *isRootColumn_;
}
const TableColumn& AppDelegate::categoryColumn() const {
    return *categoryColumn_;
}

QList<QAbstractButton*> AppDelegate::categoryButtons() const {
    const Ui::MainWindow& ui = window_.ui;
    return {ui.emailButton,    ui.websiteButton, ui.computerButton, ui.softwareButton,
            ui.bankCardButton, ui.eBankButton,   ui.routerButton,   ui.lockButton,
            ui.safeButton,     ui.otherButton};
}

// What the interface description connects: every control to its action.
// The tables' double actions are set at start-up, as the program's own step.
void AppDelegate::connectActions() {
    const Ui::LoginWindow& login = loginWindow_.ui;
    connect(login.userTextField, &QLineEdit::returnPressed, this, &AppDelegate::userAction);
    connect(login.passwordTextField, &QLineEdit::returnPressed, this, &AppDelegate::passwordAction);
    connect(login.loginButton, &QAbstractButton::clicked, this, &AppDelegate::loginAction);

    const Ui::MainWindow& ui = window_.ui;
    for (QAbstractButton* button : categoryButtons()) {
        connect(button, &QAbstractButton::clicked, this, [this, button] {
            if (mayLeaveEditor()) {
                pwdButtonAction(button);
            }
        });
    }
    connect(ui.usersButton, &QAbstractButton::clicked, this, &AppDelegate::showUsersAction);
    connect(ui.logoutButton, &QAbstractButton::clicked, this, &AppDelegate::logoutAction);

    connect(ui.addButton, &QAbstractButton::clicked, this, &AppDelegate::addPasswordRecord);
    connect(ui.removeButton, &QAbstractButton::clicked, this, &AppDelegate::removePasswordRecord);
    connect(ui.saveButton, &QAbstractButton::clicked, this, &AppDelegate::saveAction);
    connect(ui.cancelButton, &QAbstractButton::clicked, this, &AppDelegate::cancelAction);
    connect(ui.httpOpenButton, &QAbstractButton::clicked, this, &AppDelegate::openEditorHttpAction);
    // Keystrokes that arrive together are searched once, for the last text:
    // typing ahead of a slow search never queues one search per key.
    searchTimer_.setSingleShot(true);
    searchTimer_.setInterval(0);
    connect(ui.searchField, &QLineEdit::textChanged, &searchTimer_,
            static_cast<void (QTimer::*)()>(&QTimer::start));
    connect(&searchTimer_, &QTimer::timeout, this,
            [this] { searchAction(window_.ui.searchField->text()); });

    // Return in an editor's one-line fields saves, as a dialog's default
    // button would (the memo takes Return as a new line).
    for (QLineEdit* field : {ui.titleField, ui.userField, ui.pwdField, ui.httpField}) {
        connect(field, &QLineEdit::returnPressed, this, &AppDelegate::saveAction);
    }
    for (QLineEdit* field : {ui.user1Field, ui.pwd1Field}) {
        connect(field, &QLineEdit::returnPressed, this, &AppDelegate::userSaveAction);
    }

    connect(ui.userAddButton, &QAbstractButton::clicked, this, &AppDelegate::addUserRecord);
    connect(ui.userRemoveButton, &QAbstractButton::clicked, this, &AppDelegate::removeUserRecord);
    connect(ui.userSaveButton, &QAbstractButton::clicked, this, &AppDelegate::userSaveAction);
    connect(ui.userCancelButton, &QAbstractButton::clicked, this, &AppDelegate::userCancelAction);
}

void AppDelegate::showFirstSortOrder() {
    window_.ui.passwordTableView->horizontalHeader()->setSortIndicator(titleColumn_->index(),
                                                                       Qt::AscendingOrder);
    window_.ui.userTable->horizontalHeader()->setSortIndicator(user1Column_->index(),
                                                               Qt::AscendingOrder);
}

void AppDelegate::showBox(QWidget* box) {
    if (hiding_) {
        hiding_->hideAgain(); // a password revealed in one editor is not in the next
    }
    bottomBoxView()->setCurrentWidget(box != nullptr ? box : window_.ui.emptyPage);
    updateCommands();
}

QWidget* AppDelegate::shownBox() const {
    QWidget* page = bottomBoxView()->currentWidget();
    return page == window_.ui.emptyPage ? nullptr : page;
}

// Says what happened out of sight (an entry saved into another list, a copy) for a while, and
// to a screen reader at once.
void AppDelegate::tellInStatusLine(const QString& message) {
    QStatusBar* line = window_.statusBar();
    line->showMessage(message, kStatusSeconds * 1000);
    QAccessibleEvent changed(line, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void AppDelegate::showAlert(const char* messageKey, const char* informativeKey) {
    alerts_.showKeyedAlert(QString::fromLatin1(messageKey), QString::fromLatin1(informativeKey));
}

bool AppDelegate::confirmDeletion(const QString& subject, const char* informativeKey) {
    const int session = session_;
    const bool confirmed = alerts_.runDeleteConfirmationOf(subject, "DelConfirm", informativeKey,
                                                           "OK", "Cancel") == AlertDefaultReturn;
    return confirmed && session == session_;
}
