// The seams between actions, where one account could reach another's data: a logout with an
// editor open, a save checked only when its editor opened, a row that moved under the user, a
// deletion or a save that raced another copy.
#include "support/AppFixture.h"
#include "support/Records.h"

#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <functional>

namespace {
const std::string kNoPermission = "NoPermissionAlert/NoPermissionAlertInfo";
const std::string kGone = "RecordGone/RecordGoneInfo";

// Every text the window holds, shown or not: title, fields, memo.
QString textsIn(QWidget* window) {
    QStringList texts{window->windowTitle()};
    for (auto* field : window->findChildren<QLineEdit*>()) {
        texts << field->text();
    }
    return texts.join('|') + window->findChild<QPlainTextEdit*>()->toPlainText();
}
} // namespace

class SeamsTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        addAccount("anna", "a", 0);
        addAccount("carl", "c", 1);
        for (const char* title : {"alpha", "bravo", "charlie"}) {
            addEntry(1, 1, title, std::string("secret-") + title);
        }
        logIn("root", "tiwe");
        ui().emailButton->click();
    }
    Rows everything() {
        return sql(
            "SELECT * FROM LM_USER UNION ALL SELECT ID,Title,Password,UserID FROM LM_PASSWORD");
    }
    QTableView* list() { return ui().passwordTableView; }
};

TEST_F(SeamsTest, TheNextAccountFindsNothingOfTheLastAndCannotSaveIt) {
    const Rows before = everything();
    const std::function<void()> leaveOpen[] = {
        [&] { openRow(list(), 1); },
        [&] {
            ui().usersButton->click();
            openRow(ui().userTable, 0);
        },
        [&] {
            ui().usersButton->click();
            ui().userAddButton->click();
            ui().user1Field->setText("mallory");
            ui().pwd1Field->setText("m");
            ui().isRootCheckBox->setChecked(true);
        },
    };
    for (const auto& open : leaveOpen) {
        logIn("root", "tiwe");
        ui().emailButton->click();
        open();
        ASSERT_NE(app().shownBox(), nullptr);
        logIn("anna", "a");
        EXPECT_EQ(app().shownBox(), nullptr);
        EXPECT_EQ(app().operation(), QString());
        EXPECT_EQ(list()->model()->rowCount(), 0);
        EXPECT_EQ(ui().userTable->model()->rowCount(), 0);
        const QString left = textsIn(window_.get());
        EXPECT_FALSE(left.contains(QRegularExpression("secret|bravo|tiwe|root|mallory")))
            << left.toStdString();
        ui().saveButton->click();
        ui().userSaveButton->click();
        EXPECT_EQ(everything(), before);
    }
}

TEST_F(SeamsTest, EverySaveChecksTheRightsOfTheAccountLoggedInNow) {
    const PasswordSchema rootsEntry = app().mySQLLite()->getPasswords(1, std::string("Email"))[0];
    const UserSchema root = *app().mySQLLite()->login("root", "tiwe");
    const UserSchema eve = makeUser("eve", "e", 0, addAccount("eve", "e", 0));
    const Rows before = everything();
    const auto saveAccount = [&](const QString& operation, const UserSchema& account, bool admin) {
        app().setOperation(operation);
        app().setUserSchema(account);
        ui().user1Field->setText("mallory");
        ui().pwd1Field->setText("m");
        ui().isRootCheckBox->setChecked(admin);
        app().userSaveAction();
    };
    const std::pair<QString, std::function<void()>> attempts[] = {
        {"anna",
         [&] {
             app().setOperation(AppDelegate::kEdit);
             app().setPasswordSchema(rootsEntry);
             fillEntryEditor("mine now", "", "pw");
             ui().categoryPopupButton->addItem("Email");
             app().saveAction();
         }},
        {"anna", [&] { saveAccount(AppDelegate::kEdit, root, true); }},
        {"anna", [&] { saveAccount(AppDelegate::kAdd, UserSchema(), false); }},
        {"carl", [&] { saveAccount(AppDelegate::kAdd, UserSchema(), true); }},
        {"carl", [&] { saveAccount(AppDelegate::kEdit, eve, true); }},
    };
    for (const auto& [who, save] : attempts) {
        logIn(who, who.left(1));
        save();
        EXPECT_EQ(alerts(), Keys{kNoPermission}) << who.toStdString();
        EXPECT_EQ(everything(), before);
    }
    logIn("root", "tiwe");
    saveAccount(AppDelegate::kEdit, eve, true);
    EXPECT_TRUE(alerts().empty());
    EXPECT_EQ(sql("SELECT IsRoot FROM LM_USER WHERE User='mallory'"), Rows{{"1"}});
}

TEST_F(SeamsTest, RowActionsTakeTheRecordTheRowShowedOrSayItIsGone) {
    list()->selectRow(1);
    exec("DELETE FROM LM_PASSWORD WHERE Title='alpha'"); // row 1 now shows "charlie"
    press(list(), Qt::Key_Return);
    EXPECT_EQ(ui().titleField->text(), "bravo");
    ui().cancelButton->click();

    const std::function<void()> actions[] = {
        [&] { press(list(), Qt::Key_Return); },
        [&] { press(list(), Qt::Key_C, Qt::ControlModifier); },
        [&] {
            alerts_.answers = {AlertDefaultReturn};
            ui().removeButton->click();
        },
    };
    for (const auto& act : actions) {
        addEntry(1, 1, "bravo", "secret-bravo");
        ui().emailButton->click();
        list()->selectRow(0);
        exec("DELETE FROM LM_PASSWORD WHERE Title='bravo'");
        alerts();
        act();
        EXPECT_EQ(alerts(), Keys{kGone});
        EXPECT_EQ(app().shownBox(), ui().passwordBox);
        EXPECT_EQ(sql("SELECT Title FROM LM_PASSWORD"), Rows{{"charlie"}});
        EXPECT_FALSE(app().secretClipboard().holdsOurCopy());
        EXPECT_EQ(column(list(), 0), Texts{"charlie"});
    }

    // Gone while the confirmation is open; a logout while it is open answers no.
    list()->selectRow(0);
    alerts_.answers = {AlertDefaultReturn};
    alerts_.whileOpen = [&] { exec("DELETE FROM LM_PASSWORD"); };
    ui().removeButton->click();
    EXPECT_EQ(alerts(), (Keys{"DelConfirm/DelInfo?OK|Cancel", kGone}));
    addEntry(1, 1, "delta");
    list()->selectRow(0);
    alerts_.answers = {AlertDefaultReturn};
    alerts_.whileOpen = [&] { // root comes back, but the question was asked of the last session
        logIn("root", "tiwe");
        ui().emailButton->click();
        list()->selectRow(0);
    };
    ui().removeButton->click();
    alerts_.whileOpen = nullptr;
    EXPECT_EQ(sql("SELECT Title FROM LM_PASSWORD"), Rows{{"delta"}});
}

TEST_F(SeamsTest, ASaveOfAnEntryDeletedMeanwhileFailsAndKeepsTheText) {
    openRow(list(), 0);
    ui().pwdField->setText("new secret");
    exec("DELETE FROM LM_PASSWORD WHERE Title='alpha'");
    ui().saveButton->click();
    EXPECT_EQ(alerts(), Keys{"SaveFailAlert/SaveFailAlertInfo"});
    EXPECT_EQ(ui().pwdField->text(), "new secret");
    EXPECT_EQ(app().shownBox(), ui().createPasswordBox);
}

TEST_F(SeamsTest, FiveMinutesWithoutInputLogOutWhateverIsOpen) {
    std::chrono::milliseconds now{0};
    app().idleWatch().setClock([&] { return now; });
    openRow(list(), 1);
    QTest::keyClicks(ui().titleField, " changed"); // discarded without asking: nobody is there
    app().secretClipboard().copy("secret-bravo");
    QMessageBox alert; // an alert left open does not keep the session
    alert.show();
    now += AppDelegate::kIdleLogout - std::chrono::seconds(1);
    QTest::keyClick(&alert, Qt::Key_Shift); // input puts it off
    now += AppDelegate::kIdleLogout - std::chrono::seconds(1);
    app().idleWatch().check();
    ASSERT_TRUE(app().loginUser());
    now += std::chrono::seconds(1);
    app().idleWatch().check();
    EXPECT_FALSE(app().loginUser());
    EXPECT_TRUE(loginWindow_->isVisible());
    EXPECT_FALSE(alert.isVisible());
    EXPECT_FALSE(textsIn(window_.get()).contains("bravo"));
    EXPECT_FALSE(app().secretClipboard().holdsOurCopy());
    EXPECT_EQ(alerts(), Keys{});
}

TEST_F(SeamsTest, AnEditorsChangesAreAskedAboutOnEveryWayOutButSaveAndCancel) {
    const Keys asked{"DiscardAlert/DiscardAlertInfo?Discard|KeepEditing"};
    const auto left = [&] { return app().shownBox() != ui().createPasswordBox; };
    const std::tuple<const char*, std::function<void()>, std::function<bool()>> waysOut[] = {
        {"category", [&] { ui().websiteButton->click(); }, left},
        {"users", [&] { ui().usersButton->click(); }, left},
        {"new entry", [&] { press(ui().titleField, Qt::Key_N, Qt::ControlModifier); },
         [&] { return ui().titleField->text().isEmpty(); }},
        {"log out", [&] { press(ui().titleField, Qt::Key_L, Qt::ControlModifier); }, left},
        {"close", [&] { window_->close(); }, [&] { return !window_->isVisible(); }},
        {"search",
         [&] {
             QTest::keyClick(ui().searchField, Qt::Key_A);
             QCoreApplication::processEvents(); // the search runs once the keys are in
         },
         left},
    };
    for (const auto& [name, leave, hasLeft] : waysOut) {
        SCOPED_TRACE(name);
        logIn("root", "tiwe");
        window_->show();
        ui().emailButton->click();
        openRow(list(), 0);
        QTest::keyClicks(ui().titleField, "!");
        leave(); // Keep Editing
        EXPECT_EQ(alerts(), asked);
        EXPECT_EQ(app().shownBox(), ui().createPasswordBox);
        EXPECT_TRUE(window_->isVisible());
        EXPECT_EQ(ui().titleField->text(), "alpha!");
        EXPECT_EQ(ui().searchField->text(), "");
        alerts_.answers = {AlertDefaultReturn}; // Discard
        leave();
        EXPECT_EQ(alerts(), asked);
        EXPECT_TRUE(hasLeft());
    }
    EXPECT_EQ(sql("SELECT Title FROM LM_PASSWORD WHERE Title LIKE '%!'"), Rows{});

    // Not asked: nothing changed (or changed back), or Cancel, Escape and Save.
    logIn("root", "tiwe");
    const std::function<void()> noQuestion[] = {
        [&] { ui().websiteButton->click(); },
        [&] {
            QTest::keyClicks(ui().titleField, "!");
            QTest::keyClick(ui().titleField, Qt::Key_Backspace);
            ui().usersButton->click();
        },
        [&] {
            QTest::keyClicks(ui().titleField, "!");
            ui().cancelButton->click();
        },
        [&] {
            QTest::keyClicks(ui().titleField, "!");
            press(ui().titleField, Qt::Key_Escape);
        },
        [&] {
            QTest::keyClicks(ui().titleField, "?");
            ui().saveButton->click();
            ui().websiteButton->click();
        },
    };
    for (const auto& leave : noQuestion) {
        ui().emailButton->click();
        openRow(list(), 0);
        leave();
        EXPECT_NE(app().shownBox(), ui().createPasswordBox);
    }
    EXPECT_EQ(alerts(), Keys{});
    EXPECT_EQ(sql("SELECT Title FROM LM_PASSWORD ORDER BY ID"),
              (Rows{{"alpha?"}, {"bravo"}, {"charlie"}}));

    // The account editor too: a changed password is asked about.
    ui().usersButton->click();
    openRow(ui().userTable, 0);
    QTest::keyClicks(ui().pwd1Field, "x");
    ui().emailButton->click();
    EXPECT_EQ(alerts(), asked);
    EXPECT_EQ(app().shownBox(), ui().createUserBox);
}
