#pragma once

#include "controller/AppDelegate.h"
#include "support/QtPrinters.h"
#include "support/Records.h"
#include "support/ScriptedAlerts.h"
#include "toolkit/Localizer.h"
#include "toolkit/TableViews.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <vector>

// The real program, windows and all, offscreen, on a fresh HOME: tests act
// as a user would and look at what the user would see and at the file.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        savedHome_ = qgetenv("HOME");
        qputenv("HOME", home_.path().toUtf8());
        Localizer::install(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void TearDown() override {
        stop();
        Localizer::uninstall();
        qputenv("HOME", savedHome_);
    }

    // Starts the program as main() does.
    AppDelegate& start() {
        stop();
        loginWindow_ = std::make_unique<LoginWindow>();
        window_ = std::make_unique<MainWindow>();
        delegate_ = std::make_unique<AppDelegate>(*loginWindow_, *window_, alerts_);
        delegate_->applicationDidFinishLaunching();
        return *delegate_;
    }

    void stop() {
        delegate_.reset();
        window_.reset();
        loginWindow_.reset();
    }

    AppDelegate& app() { return *delegate_; }
    const Ui::MainWindow& ui() { return delegate_->ui(); }
    const Ui::LoginWindow& loginUi() { return delegate_->loginUi(); }

    QString dbFile() const { return home_.filePath("Documents/Lockmere.sqlite3"); }

    // Types into the login window and presses Return in the password field.
    void logIn(const QString& user, const QString& password) {
        loginUi().userTextField->setText(user);
        loginUi().passwordTextField->setText(password);
        QTest::keyClick(loginUi().passwordTextField, Qt::Key_Return);
    }

    // A key pressed as a user presses it: in the active window, with the focus on `widget`, so the
    // window's shortcuts see it first.
    void press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        widget->window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(widget->window()));
        widget->setFocus();
        QTest::keyClick(widget, key, modifiers);
    }

    // Adds an account straight through the store; returns its ID.
    int32_t addAccount(const std::string& name, const std::string& password, int32_t isRoot) {
        EXPECT_TRUE(app().mySQLLite()->insertUser(makeUser(name, password, isRoot)));
        return app().mySQLLite()->login(name, password)->ID();
    }

    // What the table shows: its row count and each cell's text, as the view asks.
    int rows(QTableView* view) { return view->model()->rowCount(); }
    QString cell(QTableView* view, int row, int column) {
        return view->model()->index(row, column).data().toString();
    }
    std::vector<QString> columnTexts(QTableView* view, int column) {
        std::vector<QString> texts;
        for (int row = 0; row < rows(view); ++row) {
            texts.push_back(cell(view, row, column));
        }
        return texts;
    }
    void selectRow(QTableView* view, int row) { view->selectRow(row); }
    void doubleClickRow(QTableView* view, int row) {
        QCoreApplication::processEvents(); // lay out a box that has just been shown
        view->selectRow(row);
        const QRect rect = view->visualRect(view->model()->index(row, 0));
        // QTest sends the second press of the pair and the double-click; the
        // view opens a row only when both landed on it.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }

    // The editor's fields, typed into as a user would.
    void fillEntryEditor(const QString& title, const QString& user, const QString& password,
                         const QString& http = {}, const QString& memo = {}) {
        ui().titleField->setText(title);
        ui().userField->setText(user);
        ui().pwdField->setText(password);
        ui().httpField->setText(http);
        ui().memoField->setPlainText(memo);
    }

    // The keys of the alerts shown so far, as "Message/Informative".
    std::vector<std::string> alertKeys() const {
        std::vector<std::string> keys;
        for (const auto& alert : alerts_.alerts) {
            keys.push_back((alert.messageKey + "/" + alert.informativeKey).toStdString());
        }
        return keys;
    }

    // Rows of a query on a second connection, as another program sees the file.
    std::vector<std::vector<std::string>> query(const std::string& sql) const {
        std::vector<std::vector<std::string>> rows;
        sqlite3* db = nullptr;
        sqlite3_open_v2(dbFile().toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK) {
            while (sqlite3_step(stmt) == SQLITE_ROW) {
                std::vector<std::string> row;
                for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                    const auto* text = sqlite3_column_text(stmt, i);
                    row.emplace_back(text ? reinterpret_cast<const char*>(text) : "<NULL>");
                }
                rows.push_back(row);
            }
        }
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        return rows;
    }

    // Runs a statement as another program would, on its own connection.
    void execAsAnotherProgram(const std::string& sql) const {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(dbFile().toUtf8().constData(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sql;
        sqlite3_close(db);
    }

    QTemporaryDir home_;
    QByteArray savedHome_;
    ScriptedAlerts alerts_;
    std::unique_ptr<LoginWindow> loginWindow_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<AppDelegate> delegate_;
};
