// The seams between actions, where one account could reach another's data:
// a logout with an editor open, a save checked only when its editor opened,
// a row that moved under the user, a deletion that raced another copy.
#include "AppFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QWindow>
#include <functional>

using Rows = std::vector<std::vector<std::string>>;
using Keys = std::vector<std::string>;

namespace {
const std::string kNoPermission = "NoPermissionAlert/NoPermissionAlertInfo";
const std::string kGone = "RecordGone/RecordGoneInfo";

// Every text the main window holds, shown or not: fields, labels, pop-ups, title.
QStringList textsIn(QWidget* window) {
    QStringList texts{window->windowTitle()};
    for (auto* field : window->findChildren<QLineEdit*>()) {
        texts << field->text();
    }
    for (auto* memo : window->findChildren<QPlainTextEdit*>()) {
        texts << memo->toPlainText();
    }
    for (auto* label : window->findChildren<QLabel*>()) {
        texts << label->text();
    }
    for (auto* popup : window->findChildren<QComboBox*>()) {
        for (int i = 0; i < popup->count(); ++i) {
            texts << popup->itemText(i);
        }
    }
    return texts;
}
} // namespace

class SessionSeamsTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        start();
        anna_ = addAccount("anna", "a", 0);
        carl_ = addAccount("carl", "c", 1);
        logIn("root", "tiwe");
        ui().emailButton->click();
        for (const char* title : {"alpha", "bravo", "charlie"}) {
            ui().addButton->click();
            fillEntryEditor(title, "root-user", QString("secret-") + title, "https://x", "memo");
            ui().saveButton->click();
        }
        ASSERT_EQ(rows(ui().passwordTableView), 3);
    }
    Rows entries() const { return query("SELECT Title, Password FROM LM_PASSWORD ORDER BY ID"); }
    Rows accounts() const {
        return query("SELECT User, Password, IsRoot FROM LM_USER ORDER BY ID");
    }

    int32_t anna_ = 0;
    int32_t carl_ = 0;
};

TEST_F(SessionSeamsTest, TheNextAccountFindsNothingOfTheLastAndCannotSaveIt) {
    const Rows entriesBefore = entries();
    const Rows accountsBefore = accounts();
    // Root leaves each editor open in turn and logs out; anna logs in next.
    const std::function<void()> leaveOpen[] = {
        [&] { doubleClickRow(ui().passwordTableView, 1); },
        [&] {
            ui().usersButton->click();
            doubleClickRow(ui().userTable, 0);
        },
        [&] {
            ui().usersButton->click();
            ui().userAddButton->click();
            fillEntryEditor("", "", "");
            ui().user1Field->setText("mallory");
            ui().pwd1Field->setText("m");
            ui().isRootCheckBox->setChecked(true);
        },
    };
    for (const auto& open : leaveOpen) {
        if (!app().loginUser()) {
            logIn("root", "tiwe");
            ui().emailButton->click();
        }
        open();
        ASSERT_NE(app().shownBox(), nullptr);
        ui().logoutButton->click();
        logIn("anna", "a");
        SCOPED_TRACE(app().operation().toStdString());

        EXPECT_EQ(app().shownBox(), nullptr);
        EXPECT_EQ(app().currentTable(), nullptr);
        EXPECT_EQ(app().lastBox(), nullptr);
        EXPECT_EQ(app().operation(), QString());
        EXPECT_EQ(app().passwordSchema().ID(), 0);
        EXPECT_EQ(app().userSchema().ID(), 0);
        EXPECT_EQ(rows(ui().passwordTableView), 0);
        EXPECT_EQ(rows(ui().userTable), 0);
        for (const QString& text : textsIn(window_.get())) {
            EXPECT_FALSE(text.contains("secret") || text.contains("bravo") ||
                         text.contains("tiwe") || text.contains("root") || text.contains("mallory"))
                << text.toStdString();
        }
        // Whatever Save anna presses, nothing of root's is written.
        ui().saveButton->click();
        ui().userSaveButton->click();
        EXPECT_EQ(entries(), entriesBefore);
        EXPECT_EQ(accounts(), accountsBefore);
        ui().logoutButton->click();
        alerts_.alerts.clear();
    }
}

TEST_F(SessionSeamsTest, EverySaveChecksTheRightsOfTheAccountLoggedInNow) {
    const PasswordSchema rootsEntry = app().mySQLLite()->getPasswords(1, std::string("Email"))[0];
    const UserSchema root = *app().mySQLLite()->login("root", "tiwe");
    UserSchema eve = makeUser("eve", "e", 0, addAccount("eve", "e", 0));
    const Rows entriesBefore = entries();
    const Rows accountsBefore = accounts();
    struct Attempt {
        const char* who;
        const char* password;
        std::function<void()> save;
    };
    // What an editor left over from another session, or one opened under
    // other rights, would try: each is refused at the moment of saving.
    const Attempt attempts[] = {
        {"anna", "a",
         [&] { // root's entry, in an editor anna never opened
             app().setOperation(AppDelegate::kEdit);
             app().setPasswordSchema(rootsEntry);
             ui().emailButton->click();
             app().clickTableAction(); // nothing selected: opens nothing
             fillEntryEditor("mine now", "", "pw");
             ui().categoryPopupButton->setCurrentText("Email");
             app().saveAction();
         }},
        {"anna", "a",
         [&] { // root's own account
             app().setOperation(AppDelegate::kEdit);
             app().setUserSchema(root);
             ui().user1Field->setText("root");
             ui().pwd1Field->setText("taken");
             app().userSaveAction();
         }},
        {"anna", "a",
         [&] { // a new administrator, by an ordinary account
             app().setOperation(AppDelegate::kAdd);
             app().setUserSchema(UserSchema());
             ui().user1Field->setText("mallory");
             ui().pwd1Field->setText("m");
             app().userSaveAction();
         }},
        {"carl", "c",
         [&] { // an administrator other than root makes one
             ui().usersButton->click();
             ui().userAddButton->click();
             ui().user1Field->setText("mallory");
             ui().pwd1Field->setText("m");
             ui().isRootCheckBox->setChecked(true);
             app().userSaveAction();
         }},
        {"carl", "c",
         [&] { // ... or changes eve's flag
             app().setOperation(AppDelegate::kEdit);
             app().setUserSchema(eve);
             ui().user1Field->setText("eve");
             ui().pwd1Field->setText("e");
             ui().isRootCheckBox->setChecked(true);
             app().userSaveAction();
         }},
    };
    for (const Attempt& attempt : attempts) {
        ui().logoutButton->click();
        logIn(attempt.who, attempt.password);
        alerts_.alerts.clear();
        attempt.save();
        EXPECT_EQ(alertKeys(), Keys{kNoPermission}) << attempt.who;
        EXPECT_EQ(entries(), entriesBefore);
        EXPECT_EQ(accounts(), accountsBefore);
    }
    // The same rules let the rightful accounts save.
    ui().logoutButton->click();
    logIn("root", "tiwe");
    app().setOperation(AppDelegate::kEdit);
    app().setUserSchema(eve);
    ui().user1Field->setText("eve");
    ui().pwd1Field->setText("e");
    ui().isRootCheckBox->setChecked(true);
    alerts_.alerts.clear();
    app().userSaveAction();
    EXPECT_TRUE(alerts_.alerts.empty());
    EXPECT_EQ(query("SELECT IsRoot FROM LM_USER WHERE User='eve'"), Rows{{"1"}});
}

TEST_F(SessionSeamsTest, RowActionsTakeTheRecordTheRowShowedOrSayItIsGone) {
    QTableView* list = ui().passwordTableView;
    // Gone before the action: each action says so, reads the list again, and touches nothing.
    const std::function<void()> actions[] = {
        [&] { press(list, Qt::Key_Return); },
        [&] { app().copyPasswordAction(); },
        [&] {
            alerts_.answerNextConfirmation(AlertDefaultReturn);
            ui().removeButton->click();
        },
    };
    for (const auto& act : actions) {
        selectRow(list, 0);
        selectRow(list, 1);
        const std::string chosen = cell(list, 1, 0).toStdString();
        execAsAnotherProgram("DELETE FROM LM_PASSWORD WHERE Title='" + chosen + "'");
        const Rows left = entries();
        alerts_.alerts.clear();
        act();
        EXPECT_EQ(alertKeys().back(), kGone) << chosen;
        EXPECT_EQ(app().shownBox(), ui().passwordBox);
        EXPECT_EQ(entries(), left);
        EXPECT_FALSE(app().secretClipboard().holdsOurCopy());
        EXPECT_EQ(rows(list), static_cast<int>(left.size()));
        execAsAnotherProgram("INSERT INTO LM_PASSWORD(UserID,CategoryID,Title,User,Password,Http,"
                             "Memo) VALUES(1,1,'" +
                             chosen + "','','secret','','')");
        ui().emailButton->click();
    }

    // Gone while the confirmation was open: the deletion removes nothing and says so.
    selectRow(list, 2);
    alerts_.answerNextConfirmation(AlertDefaultReturn);
    alerts_.setWhileOpen([&](const ScriptedAlerts::Alert&) {
        execAsAnotherProgram("DELETE FROM LM_PASSWORD WHERE Title='charlie'");
    });
    alerts_.alerts.clear();
    ui().removeButton->click();
    alerts_.setWhileOpen(nullptr);
    EXPECT_EQ(alertKeys(), (Keys{"DelConfirm/DelInfo", kGone}));
    EXPECT_EQ(entries(), (Rows{{"alpha", "secret-alpha"}, {"bravo", "secret"}}));

    // A logout while the confirmation is open answers no for the next account.
    selectRow(list, 0);
    alerts_.answerNextConfirmation(AlertDefaultReturn);
    alerts_.setWhileOpen([&](const ScriptedAlerts::Alert&) { app().logoutAction(); });
    ui().removeButton->click();
    alerts_.setWhileOpen(nullptr);
    EXPECT_EQ(entries(), (Rows{{"alpha", "secret-alpha"}, {"bravo", "secret"}}));
}

TEST_F(SessionSeamsTest, AnAccountIsDeletedOnlyWhileItOwnsNothingAndAFailureIsSaid) {
    ui().usersButton->click();
    QTableView* list = ui().userTable;
    ASSERT_EQ(cell(list, 1, 0), "anna");

    // An entry another copy adds while the confirmation is open keeps its owner.
    selectRow(list, 1);
    alerts_.answerNextConfirmation(AlertDefaultReturn);
    alerts_.setWhileOpen([&](const ScriptedAlerts::Alert&) {
        execAsAnotherProgram("INSERT INTO LM_PASSWORD(UserID,CategoryID,Title) VALUES(" +
                             std::to_string(anna_) + ",1,'late')");
    });
    ui().userRemoveButton->click();
    alerts_.setWhileOpen(nullptr);
    EXPECT_EQ(alertKeys(), (Keys{"DelConfirm/DelInfo", "DelUserAlert/UserHasData"}));
    EXPECT_EQ(query("SELECT COUNT(*) FROM LM_USER WHERE User='anna'"), Rows{{"1"}});

    // When the entries cannot be read, the account is not deleted.
    execAsAnotherProgram("DELETE FROM LM_PASSWORD WHERE UserID=" + std::to_string(anna_));
    execAsAnotherProgram("ALTER TABLE LM_PASSWORD RENAME TO MOVED_AWAY");
    alerts_.alerts.clear();
    alerts_.answerNextConfirmation(AlertDefaultReturn);
    ui().userRemoveButton->click();
    EXPECT_EQ(alertKeys(), (Keys{"DelUserAlert/UserDataUnknown"}));
    EXPECT_EQ(query("SELECT COUNT(*) FROM LM_USER WHERE User='anna'"), Rows{{"1"}});

    // A deletion the database refuses is said, not passed over.
    execAsAnotherProgram("ALTER TABLE MOVED_AWAY RENAME TO LM_PASSWORD");
    execAsAnotherProgram("CREATE TRIGGER keep BEFORE DELETE ON LM_USER BEGIN "
                         "SELECT RAISE(ABORT, 'kept'); END");
    alerts_.alerts.clear();
    ui().userRemoveButton->click();
    EXPECT_EQ(alertKeys(), (Keys{"DelConfirm/DelInfo", "DeleteFailAlert/DeleteFailAlertInfo"}));
    EXPECT_EQ(query("SELECT COUNT(*) FROM LM_USER WHERE User='anna'"), Rows{{"1"}});
}

TEST_F(SessionSeamsTest, ASaveOfARecordDeletedMeanwhileFailsAndKeepsTheText) {
    doubleClickRow(ui().passwordTableView, 0);
    fillEntryEditor("alpha edited", "u", "new secret", "h", "m");
    execAsAnotherProgram("DELETE FROM LM_PASSWORD WHERE Title='alpha'");
    ui().saveButton->click();
    EXPECT_EQ(alertKeys(), Keys{"SaveFailAlert/SaveFailAlertInfo"});
    EXPECT_EQ(app().shownBox(), ui().createPasswordBox);
    EXPECT_EQ(ui().titleField->text(), "alpha edited");
    EXPECT_EQ(ui().pwdField->text(), "new secret");

    ui().usersButton->click();
    doubleClickRow(ui().userTable, 1);
    ui().pwd1Field->setText("changed");
    execAsAnotherProgram("DELETE FROM LM_USER WHERE User='anna'");
    alerts_.alerts.clear();
    ui().userSaveButton->click();
    EXPECT_EQ(alertKeys(), Keys{"SaveFailAlert/SaveFailAlertInfo"});
    EXPECT_EQ(ui().pwd1Field->text(), "changed");
}

TEST_F(SessionSeamsTest, AWindowTitleShowsTheNameExactly) {
    addAccount("a[*]b", "p", 0);
    ui().logoutButton->click();
    logIn("a[*]b", "p");
    QCoreApplication::processEvents();
    ASSERT_NE(window_->windowHandle(), nullptr);
    EXPECT_EQ(window_->windowHandle()->title(), "a[*]b");
}
