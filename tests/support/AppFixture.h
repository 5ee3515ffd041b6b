#pragma once

#include "LockmereMain.h"
#include "controller/AppDelegate.h"
#include "support/OtherConnection.h"
#include "support/ScriptedAlerts.h"
#include "toolkit/Localizer.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QLocale>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// The real program, windows and all, offscreen, on a fresh HOME; tests act as a user would and
// look at what the user would see and at the file, through a connection of their own.
class AppFixture : public ::testing::Test {
protected:
    using Rows = OtherConnection::Rows;
    using Texts = std::vector<QString>;
    using Keys = std::vector<std::string>;

    void SetUp() override {
        qputenv("HOME", home_.path().toUtf8());
        Localizer::install(QLocale(QLocale::English, QLocale::UnitedStates), kTranslationTables);
        start();
    }
    void TearDown() override {
        delegate_.reset(); // before the windows it answers for
        Localizer::uninstall();
    }

    // Starts the program as main() does; every answer its lists give is checked against Qt's
    // model contract.
    void start() {
        delegate_.reset();
        loginWindow_ = std::make_unique<LoginWindow>();
        window_ = std::make_unique<MainWindow>();
        delegate_ = std::make_unique<AppDelegate>(*loginWindow_, *window_, alerts_);
        delegate_->applicationDidFinishLaunching();
        for (QTableView* list : {ui().passwordTableView, ui().userTable}) {
            new QAbstractItemModelTester(list->model(),
                                         QAbstractItemModelTester::FailureReportingMode::Fatal,
                                         list->model());
        }
        other_ = std::make_unique<OtherConnection>(
            home_.filePath("Documents/Lockmere.sqlite3").toStdString());
    }

    AppDelegate& app() { return *delegate_; }
    const Ui::MainWindow& ui() { return delegate_->ui(); }
    const Ui::LoginWindow& loginUi() { return delegate_->loginUi(); }

    // Logs out whoever is logged in (discarding an editor's changes), then types the name and
    // password and presses Return. The offer to change root's published password is answered
    // Later; neither question is kept among the alerts.
    void logIn(const QString& user, const QString& password) {
        if (app().loginUser()) {
            const bool changed = app().editorChanged();
            if (changed) {
                alerts_.answers.push_front(AlertDefaultReturn);
            }
            ui().logoutButton->click();
            if (changed) {
                alerts_.shown.pop_back();
            }
        }
        loginUi().userTextField->setText(user);
        loginUi().passwordTextField->setText(password);
        const size_t shown = alerts_.shown.size();
        QTest::keyClick(loginUi().passwordTextField, Qt::Key_Return);
        QCoreApplication::sendPostedEvents(&app());
        if (alerts_.shown.size() > shown &&
            alerts_.shown.back().rfind("DefaultPasswordAlert/", 0) == 0) {
            alerts_.shown.pop_back();
        }
    }

    // Another program's view of the file, and its writes.
    Rows sql(const std::string& query) { return other_->rows(query); }
    void exec(const std::string& statements) {
        EXPECT_EQ(other_->exec(statements), "") << statements;
    }
    int32_t addAccount(const std::string& name, const std::string& password, int isRoot) {
        exec("INSERT INTO LM_USER(User,Password,IsRoot) VALUES('" + name + "','" + password + "'," +
             std::to_string(isRoot) + ")");
        return std::stoi(sql("SELECT ID FROM LM_USER WHERE User='" + name + "'")[0][0]);
    }
    void addEntry(int32_t userID, int categoryID, const std::string& title,
                  const std::string& password = "pw") {
        exec("INSERT INTO LM_PASSWORD(UserID,CategoryID,Title,User,Password,Http,Memo) VALUES(" +
             std::to_string(userID) + "," + std::to_string(categoryID) + ",'" + title + "','u','" +
             password + "','','')");
    }

    // What a list shows, cell by cell, as the view asks.
    Texts column(QTableView* list, int column) {
        Texts texts;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            texts.push_back(list->model()->index(row, column).data().toString());
        }
        return texts;
    }
    // The row whose first column reads `text` (the lists are sorted), or -1.
    int rowOf(QTableView* list, const QString& text) {
        const Texts first = column(list, 0);
        const auto found = std::find(first.begin(), first.end(), text);
        return found == first.end() ? -1 : static_cast<int>(found - first.begin());
    }
    void openRow(QTableView* list, int row) {
        QCoreApplication::processEvents(); // lay out a box that has just been shown
        list->selectRow(row);
        const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
        // QTest sends only the second press of a double click: the first comes before it.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    // A key pressed as a user presses it: in the active window, with the focus on `widget`, so
    // the window's shortcuts see it first.
    void press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QCoreApplication::processEvents(); // a window hidden or shown just now settles first
        widget->window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(widget->window()));
        widget->setFocus();
        QTest::keyClick(widget, key, modifiers);
    }
    void fillEntryEditor(const QString& title, const QString& user, const QString& password,
                         const QString& http = {}, const QString& memo = {}) {
        ui().titleField->setText(title);
        ui().userField->setText(user);
        ui().pwdField->setText(password);
        ui().httpField->setText(http);
        ui().memoField->setPlainText(memo);
    }
    // The alerts shown since the last call.
    Keys alerts() { return std::exchange(alerts_.shown, {}); }

    QTemporaryDir home_;
    ScriptedAlerts alerts_;
    std::unique_ptr<LoginWindow> loginWindow_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<AppDelegate> delegate_;
    std::unique_ptr<OtherConnection> other_;
};
