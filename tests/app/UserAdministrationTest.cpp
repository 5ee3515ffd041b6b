// What users see and may do in the user list and the user editor.
#include "AppFixture.h"

#include <QIcon>

using Rows = std::vector<std::vector<std::string>>;
using Texts = std::vector<QString>;
using Keys = std::vector<std::string>;

namespace {
const QString kYes = QString(QChar(0x2714));
const QString kNo = QString(QChar(0x2717));
const QString kMask = QStringLiteral("******");
const std::string kNoPermission = "NoPermissionAlert/NoPermissionAlertInfo";
} // namespace

class UserAdministration : public AppFixture {
protected:
    // Logs out whoever is logged in, logs in as `name` and opens the user list.
    void openUsersAs(const QString& name, const QString& password) {
        if (app().loginUser()) {
            ui().logoutButton->click();
        }
        logIn(name, password);
        ASSERT_TRUE(app().loginUser()) << name.toStdString();
        ui().usersButton->click();
        alerts_.alerts.clear();
    }
    Rows accounts() const {
        return query("SELECT ID, User, Password, IsRoot FROM LM_USER ORDER BY ID");
    }
    QWidget* onShow() { return app().shownBox(); }
    QTableView* table() { return ui().userTable; }
    void clickRemove(int row) {
        selectRow(table(), row);
        ui().userRemoveButton->click();
    }
};

TEST_F(UserAdministration, UsersButtonShowsTheListReadAfreshAndReplacesAnyEditor) {
    start();
    addAccount("anna", "a1", 0);
    openUsersAs("anna", "a1"); // an ordinary account may look too
    EXPECT_EQ(app().currentTable(), table());
    EXPECT_EQ(onShow(), ui().userBox);
    EXPECT_EQ(app().lastBox(), ui().userBox);
    EXPECT_EQ(ui().userImageButton->text(), "Users");
    EXPECT_EQ(ui().userImageButton->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    ASSERT_FALSE(ui().usersButton->icon().isNull());
    EXPECT_EQ(ui().userImageButton->icon().cacheKey(), ui().usersButton->icon().cacheKey());
    EXPECT_EQ(ui().userCountLabel->text(), "2"); // before anything else asks the table

    // Another program adds an account: the next click reads the store again.
    execAsAnotherProgram("INSERT INTO LM_USER(User,Password,IsRoot) VALUES('bob','b1',0)");
    ui().emailButton->click();
    ui().usersButton->click();
    EXPECT_EQ(ui().userCountLabel->text(), "3");
    EXPECT_EQ(columnTexts(table(), 0), (Texts{"root", "anna", "bob"}));

    // An editor on show is replaced, and what was typed is not stored.
    openUsersAs("root", "tiwe");
    const Rows before = accounts();
    ui().userAddButton->click();
    ASSERT_EQ(onShow(), ui().createUserBox);
    ui().user1Field->setText("zed");
    ui().pwd1Field->setText("z1");
    ui().usersButton->click();
    EXPECT_EQ(onShow(), ui().userBox);
    EXPECT_EQ(accounts(), before);
    EXPECT_TRUE(alerts_.alerts.empty());
}

TEST_F(UserAdministration, UserListShowsEveryAccountWithPasswordsMaskedByRights) {
    start();
    addAccount("anna", "a1", 0);
    addAccount("carl", "c1", 1);
    addAccount("dave", "d1", 2); // written by another program: not an administrator

    openUsersAs("anna", "a1");
    EXPECT_EQ(columnTexts(table(), 0), (Texts{"root", "anna", "carl", "dave"}));
    EXPECT_EQ(columnTexts(table(), 1), (Texts{kMask, "a1", kMask, kMask}));
    EXPECT_EQ(columnTexts(table(), 2), (Texts{kYes, kNo, kYes, ""}));

    openUsersAs("dave", "d1");
    EXPECT_EQ(columnTexts(table(), 1), (Texts{kMask, kMask, kMask, "d1"}));

    openUsersAs("carl", "c1");
    EXPECT_EQ(columnTexts(table(), 1), (Texts{"tiwe", "a1", "c1", "d1"}));

    // The name "root" alone shows every password, whatever its IsRoot.
    execAsAnotherProgram("UPDATE LM_USER SET IsRoot=0 WHERE User='root'");
    openUsersAs("root", "tiwe");
    EXPECT_EQ(columnTexts(table(), 1), (Texts{"tiwe", "a1", "c1", "d1"}));
    EXPECT_EQ(columnTexts(table(), 2), (Texts{kNo, kNo, kYes, ""}));
}

TEST_F(UserAdministration, OnlyAdministratorsAddAccountsAndOnlyRootMakesAdministrators) {
    start();
    addAccount("anna", "a1", 0);
    addAccount("carl", "c1", 1);
    addAccount("dave", "d1", 2);
    const Rows seeded = accounts();
    for (const auto& [name, password] :
         std::vector<std::pair<QString, QString>>{{"anna", "a1"}, {"dave", "d1"}}) {
        openUsersAs(name, password);
        ui().userAddButton->click();
        EXPECT_EQ(alertKeys(), Keys{kNoPermission}) << name.toStdString();
        EXPECT_EQ(onShow(), ui().userBox);
        EXPECT_EQ(app().operation(), "");
    }

    openUsersAs("root", "tiwe");
    doubleClickRow(table(), 2); // carl: fields filled and the box checked
    ASSERT_EQ(onShow(), ui().createUserBox);
    ui().userCancelButton->click();
    doubleClickRow(table(), 0); // root itself: the box disabled
    ui().userCancelButton->click();
    ui().userAddButton->click();
    EXPECT_EQ(onShow(), ui().createUserBox);
    EXPECT_EQ(app().operation(), "ADD");
    EXPECT_EQ(app().userSchema().ID(), 0);
    EXPECT_EQ(ui().user1Field->text(), "");
    EXPECT_EQ(ui().pwd1Field->text(), "");
    EXPECT_FALSE(ui().isRootCheckBox->isChecked());
    EXPECT_TRUE(ui().isRootCheckBox->isEnabled());
    EXPECT_EQ(window_->focusWidget(), ui().user1Field);

    // The name is checked first, then the password.
    ui().pwd1Field->setFocus();
    ui().userSaveButton->click();
    EXPECT_EQ(alertKeys(), (Keys{"UserNotNull/UserNotNullInfo"}));
    EXPECT_EQ(window_->focusWidget(), ui().user1Field);
    alerts_.alerts.clear();
    ui().user1Field->setText("eve");
    ui().userSaveButton->click();
    EXPECT_EQ(alertKeys(), (Keys{"PwdNotNull/PwdNotNullInfo"}));
    EXPECT_EQ(window_->focusWidget(), ui().pwd1Field);
    EXPECT_EQ(accounts(), seeded);
    alerts_.alerts.clear();

    ui().pwd1Field->setText("e1");
    ui().isRootCheckBox->setChecked(true);
    ui().userSaveButton->click();
    EXPECT_TRUE(alerts_.alerts.empty());
    EXPECT_EQ(onShow(), ui().userBox);
    EXPECT_EQ(app().lastBox(), ui().userBox);
    EXPECT_EQ(ui().userCountLabel->text(), "5");
    EXPECT_EQ(cell(table(), 4, 0), "eve");
    EXPECT_EQ(query("SELECT Password, IsRoot FROM LM_USER WHERE User='eve'"), (Rows{{"e1", "1"}}));

    // A single blank is a name, stored as typed.
    ui().userAddButton->click();
    ui().user1Field->setText(" ");
    ui().pwd1Field->setText("b");
    ui().userSaveButton->click();
    EXPECT_EQ(query("SELECT IsRoot FROM LM_USER WHERE User=' '"), (Rows{{"0"}}));

    // A taken name keeps the editor open with what was typed; a new name then saves once.
    const Rows beforeClash = accounts();
    ui().userAddButton->click();
    ui().user1Field->setText("anna");
    ui().pwd1Field->setText("x");
    ui().isRootCheckBox->setChecked(true);
    ui().userSaveButton->click();
    EXPECT_EQ(alertKeys(), (Keys{"SaveFailAlert/SaveFailAlertInfo"}));
    EXPECT_EQ(onShow(), ui().createUserBox);
    EXPECT_EQ(ui().user1Field->text(), "anna");
    EXPECT_EQ(ui().pwd1Field->text(), "x");
    EXPECT_EQ(accounts(), beforeClash);
    ui().user1Field->setText("fay");
    ui().userSaveButton->click();
    EXPECT_EQ(query("SELECT Password, IsRoot FROM LM_USER WHERE User='fay'"), (Rows{{"x", "1"}}));
    EXPECT_EQ(query("SELECT Password FROM LM_USER WHERE User='anna'"), (Rows{{"a1"}}));

    // Cancel stores nothing.
    const Rows beforeCancel = accounts();
    ui().userAddButton->click();
    ui().user1Field->setText("gus");
    ui().pwd1Field->setText("g1");
    ui().userCancelButton->click();
    EXPECT_EQ(onShow(), ui().userBox);
    EXPECT_EQ(accounts(), beforeCancel);

    // Another administrator adds accounts, never administrators.
    openUsersAs("carl", "c1");
    ui().userAddButton->click();
    EXPECT_FALSE(ui().isRootCheckBox->isEnabled());
    EXPECT_FALSE(ui().isRootCheckBox->isChecked());
    ui().user1Field->setText("gus");
    ui().pwd1Field->setText("g1");
    ui().userSaveButton->click();
    EXPECT_EQ(query("SELECT IsRoot FROM LM_USER WHERE User='gus'"), (Rows{{"0"}}));

    // The name "root" without IsRoot 1 does not add.
    execAsAnotherProgram("UPDATE LM_USER SET IsRoot=0 WHERE User='root'");
    openUsersAs("root", "tiwe");
    ui().userAddButton->click();
    EXPECT_EQ(alertKeys(), Keys{kNoPermission});
    EXPECT_EQ(onShow(), ui().userBox);
}

TEST_F(UserAdministration, OpeningAnAccountFollowsTheRightsTable) {
    start();
    const int32_t anna = addAccount("anna", "a1", 0);
    addAccount("carl", "c1", 1);
    const int32_t dave = addAccount("dave", "d1", 2);
    struct Expected {
        int row;
        QString user, password;
        bool checked, enabled;
    };
    auto expectOpened = [this](const Expected& e) {
        doubleClickRow(table(), e.row);
        EXPECT_TRUE(alerts_.alerts.empty());
        EXPECT_EQ(onShow(), ui().createUserBox) << e.row;
        EXPECT_EQ(app().operation(), "EDIT");
        EXPECT_EQ(app().userSchema().User(), e.user.toStdString());
        EXPECT_EQ(ui().user1Field->text(), e.user);
        EXPECT_EQ(ui().pwd1Field->text(), e.password);
        EXPECT_EQ(ui().isRootCheckBox->isChecked(), e.checked) << e.user.toStdString();
        EXPECT_EQ(ui().isRootCheckBox->isEnabled(), e.enabled) << e.user.toStdString();
        ui().userCancelButton->click();
        EXPECT_EQ(onShow(), ui().userBox);
    };

    openUsersAs("root", "tiwe");
    expectOpened({2, "carl", "c1", true, true});
    expectOpened({1, "anna", "a1", false, true});
    expectOpened({3, "dave", "d1", false, true}); // IsRoot 2 is not checked
    expectOpened({0, "root", "tiwe", true, false});

    // The opened record is what Save writes back, by its ID.
    doubleClickRow(table(), 3);
    EXPECT_EQ(app().userSchema().ID(), dave);
    EXPECT_EQ(app().userSchema().Password(), "d1");
    EXPECT_EQ(app().userSchema().IsRoot(), 2);
    ui().user1Field->setText("dan");
    ui().userSaveButton->click();
    EXPECT_EQ(onShow(), ui().userBox);
    EXPECT_EQ(cell(table(), 3, 0), "dan");
    EXPECT_EQ(query("SELECT ID, Password, IsRoot FROM LM_USER WHERE User='dan'"),
              (Rows{{std::to_string(dave), "d1", "0"}}));

    // Renaming onto another account's name changes nothing.
    const Rows before = accounts();
    doubleClickRow(table(), 1);
    ui().user1Field->setText("carl");
    ui().userSaveButton->click();
    EXPECT_EQ(alertKeys(), (Keys{"SaveFailAlert/SaveFailAlertInfo"}));
    EXPECT_EQ(onShow(), ui().createUserBox);
    EXPECT_EQ(ui().user1Field->text(), "carl");
    EXPECT_EQ(accounts(), before);

    openUsersAs("carl", "c1");
    expectOpened({1, "anna", "a1", false, false});
    expectOpened({0, "root", "tiwe", true, false});
    expectOpened({2, "carl", "c1", true, false});

    openUsersAs("anna", "a1");
    expectOpened({1, "anna", "a1", false, false});
    EXPECT_EQ(app().userSchema().ID(), anna);
    for (int row : {0, 2, 3}) {
        doubleClickRow(table(), row);
        EXPECT_EQ(alertKeys(), Keys{kNoPermission}) << row;
        EXPECT_EQ(onShow(), ui().userBox);
        EXPECT_EQ(app().operation(), "EDIT");
        EXPECT_EQ(app().userSchema().ID(), anna);
        EXPECT_EQ(ui().user1Field->text(), "anna");
        alerts_.alerts.clear();
    }
}

TEST_F(UserAdministration, DeletingAnAccountRefusesInOrderAndAsksFirst) {
    start();
    addAccount("anna", "a1", 0);
    addAccount("carl", "c1", 1);
    const int32_t eve = addAccount("eve", "e1", 0);
    addAccount("fay", "f1", 0);
    execAsAnotherProgram("INSERT INTO LM_PASSWORD(UserID,CategoryID,Title,Password) VALUES(" +
                         std::to_string(eve) + ",1,'mail','m')");

    openUsersAs("anna", "a1");
    ui().userRemoveButton->click(); // nothing selected: nothing at all
    EXPECT_TRUE(alerts_.alerts.empty());
    clickRemove(4);
    clickRemove(1);
    EXPECT_EQ(alertKeys(), (Keys{kNoPermission, kNoPermission}));

    openUsersAs("root", "tiwe");
    ui().userRemoveButton->click();
    EXPECT_TRUE(alerts_.alerts.empty());
    clickRemove(0); // root itself: the name protects it before the login rule
    clickRemove(3);
    EXPECT_EQ(alertKeys(), (Keys{kNoPermission, "DelUserAlert/UserHasData"}));
    alerts_.alerts.clear();

    alerts_.answerNextConfirmation(AlertOtherReturn);
    clickRemove(4);
    ASSERT_EQ(alerts_.alerts.size(), 1u);
    EXPECT_EQ(alerts_.alerts[0].kind, ScriptedAlerts::Alert::Kind::Confirmation);
    EXPECT_EQ(alertKeys(), (Keys{"DelConfirm/DelInfo"}));
    EXPECT_EQ(alerts_.alerts[0].buttons, (QStringList{"OK", "Cancel"}));
    EXPECT_EQ(query("SELECT User FROM LM_USER WHERE User='fay'"), (Rows{{"fay"}}));

    alerts_.answerNextConfirmation(AlertDefaultReturn);
    clickRemove(4);
    EXPECT_EQ(ui().userCountLabel->text(), "4");
    EXPECT_EQ(columnTexts(table(), 0), (Texts{"root", "anna", "carl", "eve"}));
    EXPECT_TRUE(query("SELECT * FROM LM_USER WHERE User='fay'").empty());
    EXPECT_EQ(alerts_.pendingAnswers(), 0);

    // Another administrator: root is still protected, its own account is refused.
    openUsersAs("carl", "c1");
    clickRemove(0);
    clickRemove(2);
    EXPECT_EQ(alertKeys(), (Keys{kNoPermission, "DelUserAlert/CannotDelLoginUser"}));
    alerts_.alerts.clear();
    alerts_.answerNextConfirmation(AlertDefaultReturn);
    clickRemove(1);
    EXPECT_EQ(alertKeys(), (Keys{"DelConfirm/DelInfo"}));
    EXPECT_EQ(columnTexts(table(), 0), (Texts{"root", "carl", "eve"}));
    alerts_.alerts.clear();

    // The chosen account was removed by another program meanwhile: said, and nothing else goes.
    selectRow(table(), 2);
    execAsAnotherProgram("DELETE FROM LM_USER WHERE User='eve'");
    alerts_.answerNextConfirmation(AlertDefaultReturn);
    ui().userRemoveButton->click();
    EXPECT_EQ(alertKeys(), (Keys{"RecordGone/RecordGoneInfo"}));
    EXPECT_EQ(query("SELECT User FROM LM_USER ORDER BY ID"), (Rows{{"root"}, {"carl"}}));
}

TEST_F(UserAdministration, RenamingRootKeepsItsRightsUntilLogout) {
    start();
    addAccount("carl", "c1", 1);
    addAccount("anna", "a1", 0);

    openUsersAs("root", "tiwe");
    doubleClickRow(table(), 0);
    ASSERT_EQ(onShow(), ui().createUserBox);
    ui().user1Field->setText("boss");
    ui().userSaveButton->click();
    EXPECT_EQ(query("SELECT ID, User, IsRoot FROM LM_USER WHERE Password='tiwe'"),
              (Rows{{"1", "boss", "1"}}));
    EXPECT_EQ(columnTexts(table(), 0), (Texts{"boss", "carl", "anna"}));
    EXPECT_EQ(app().loginUser()->User(), "root");
    EXPECT_EQ(window_->windowTitle(), "root");

    // Still root until logout: it makes administrators and sees every password.
    ui().userAddButton->click();
    EXPECT_TRUE(ui().isRootCheckBox->isEnabled());
    ui().userCancelButton->click();
    doubleClickRow(table(), 1);
    EXPECT_TRUE(ui().isRootCheckBox->isEnabled());
    ui().userCancelButton->click();
    EXPECT_EQ(columnTexts(table(), 1), (Texts{"tiwe", "c1", "a1"}));
    // Its own row has lost the name's protection but is still the logged-in account.
    clickRemove(0);
    EXPECT_EQ(alertKeys(), (Keys{"DelUserAlert/CannotDelLoginUser"}));

    // Under the new name it is an administrator like any other.
    openUsersAs("boss", "tiwe");
    EXPECT_EQ(app().loginUser()->IsRoot(), 1);
    ui().userAddButton->click();
    EXPECT_TRUE(alerts_.alerts.empty());
    EXPECT_EQ(onShow(), ui().createUserBox);
    EXPECT_FALSE(ui().isRootCheckBox->isEnabled());
    ui().userCancelButton->click();
    for (int row : {0, 1, 2}) {
        doubleClickRow(table(), row);
        EXPECT_FALSE(ui().isRootCheckBox->isEnabled()) << row;
        ui().userCancelButton->click();
    }

    // And another administrator may delete it.
    openUsersAs("carl", "c1");
    alerts_.answerNextConfirmation(AlertDefaultReturn);
    clickRemove(0);
    EXPECT_EQ(alertKeys(), (Keys{"DelConfirm/DelInfo"}));
    EXPECT_EQ(query("SELECT User FROM LM_USER ORDER BY ID"), (Rows{{"carl"}, {"anna"}}));
}

TEST_F(UserAdministration, AnOrdinaryAccountKeepsItsOwnRowAndOnlyItsOwnAfterARename) {
    start();
    const int32_t anna = addAccount("anna", "a1", 0);
    openUsersAs("anna", "a1");
    doubleClickRow(table(), 1);
    ui().user1Field->setText("ann");
    ui().userSaveButton->click();
    EXPECT_EQ(query("SELECT ID FROM LM_USER WHERE User='ann'"), (Rows{{std::to_string(anna)}}));

    // Another program gives the old name to a new account.
    execAsAnotherProgram("INSERT INTO LM_USER(User,Password,IsRoot) VALUES('anna','secret',0)");
    ui().usersButton->click();
    EXPECT_EQ(columnTexts(table(), 0), (Texts{"root", "ann", "anna"}));
    EXPECT_EQ(columnTexts(table(), 1), (Texts{kMask, "a1", kMask}));

    doubleClickRow(table(), 1); // still its own account
    EXPECT_TRUE(alerts_.alerts.empty());
    EXPECT_EQ(onShow(), ui().createUserBox);
    ui().userCancelButton->click();
    doubleClickRow(table(), 2); // someone else's, whatever its name
    EXPECT_EQ(alertKeys(), Keys{kNoPermission});
    EXPECT_EQ(onShow(), ui().userBox);
}
