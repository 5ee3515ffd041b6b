// The user list and editor under each account's rights.
#include "support/AppFixture.h"

namespace {
const QString kMask = QStringLiteral("******");
const std::string kNoPermission = "NoPermissionAlert/NoPermissionAlertInfo";
} // namespace

class AccountsTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        anna_ = addAccount("anna", "a1", 0);
        addAccount("carl", "c1", 1);
        addAccount("dave", "d1", 2); // a flag another program wrote: not an administrator
    }
    void openUsersAs(const QString& name) {
        logIn(name, name == "root" ? "tiwe" : name.left(1) + "1");
        ui().usersButton->click();
        alerts();
    }
    QTableView* list() { return ui().userTable; }
    int32_t anna_ = 0;
};

TEST_F(AccountsTest, AnAccountShowsItsPasswordAndOpensOnlyUnderTheRights) {
    struct Case {
        QString viewer, account;
        bool opens, checked, flagEnabled;
    };
    const Case cases[] = {
        {"root", "carl", true, true, true},    {"root", "dave", true, false, true},
        {"root", "root", true, true, false},   {"carl", "anna", true, false, false},
        {"carl", "root", true, true, false},   {"anna", "anna", true, false, false},
        {"anna", "root", false, false, false}, {"dave", "anna", false, false, false},
        {"root", "", true, false, true},       {"carl", "", true, false, false},
        {"anna", "", false, false, false},     {"dave", "", false, false, false},
    };
    for (const Case& c : cases) { // no account: the Add button
        openUsersAs(c.viewer);
        SCOPED_TRACE(c.viewer.toStdString() + " opens " + c.account.toStdString());
        const int row = c.account.isEmpty() ? -1 : rowOf(list(), c.account);
        if (row >= 0) { // a password shows to whoever may open its account
            EXPECT_EQ(column(list(), 1)[row] == kMask, !c.opens);
        }
        if (row < 0) { // offered only to whoever may use it, with the reason why not
            EXPECT_EQ(ui().userAddButton->isEnabled(), c.opens);
            EXPECT_EQ(ui().userRemoveButton->isEnabled(), c.opens);
            EXPECT_EQ(ui().userAddButton->toolTip().isEmpty(), c.opens);
            app().addUserRecord(); // and the action itself asks the rights again
        } else {
            openRow(list(), row);
        }
        EXPECT_EQ(app().shownBox(), c.opens ? ui().createUserBox : ui().userBox);
        EXPECT_EQ(alerts(), c.opens ? Keys{} : Keys{kNoPermission});
        if (c.opens) {
            EXPECT_EQ(ui().user1Field->text(), c.account);
            EXPECT_EQ(ui().isRootCheckBox->isChecked(), c.checked);
            EXPECT_EQ(ui().isRootCheckBox->isEnabled(), c.flagEnabled);
        }
    }
    EXPECT_EQ(column(list(), 0), (Texts{"anna", "carl", "dave", "root"}));
    EXPECT_EQ(column(list(), 2), (Texts{QChar(0x2717), QChar(0x2714), "", QChar(0x2714)}));
    EXPECT_EQ(ui().userCountLabel->text(), "4");

    // An opened account is saved back by its ID, once it has a name and a password.
    openUsersAs("anna");
    openRow(list(), rowOf(list(), "anna"));
    ui().user1Field->setText("");
    ui().userSaveButton->click();
    ui().user1Field->setText("ann");
    ui().pwd1Field->setText("");
    ui().userSaveButton->click();
    EXPECT_EQ(alerts(), (Keys{"UserNotNull/UserNotNullInfo", "PwdNotNull/PwdNotNullInfo"}));
    ui().pwd1Field->setText("a2");
    ui().userSaveButton->click();
    EXPECT_EQ(sql("SELECT ID, Password, IsRoot FROM LM_USER WHERE User='ann'"),
              (Rows{{std::to_string(anna_), "a2", "0"}}));
    EXPECT_EQ(column(list(), 0)[0], "ann");

    // An administrator saves an account whose flag is neither 0 nor 1, which it does not
    // change; an account that another copy deleted meanwhile is not saved.
    openUsersAs("carl");
    openRow(list(), rowOf(list(), "dave"));
    ui().pwd1Field->setText("d1!");
    ui().userSaveButton->click(); // a flag of 2 that carl never touched stays 2
    EXPECT_EQ(sql("SELECT Password, IsRoot FROM LM_USER WHERE User='dave'"), (Rows{{"d1!", "2"}}));
    openRow(list(), rowOf(list(), "dave"));
    ui().pwd1Field->setText("d2");
    exec("UPDATE LM_USER SET IsRoot=1 WHERE User='dave'"); // root, in another copy, meanwhile
    ui().userSaveButton->click();
    EXPECT_EQ(alerts(), Keys{"ChangedMeanwhileAlert/ChangedMeanwhileAlertInfo"});
    ui().userSaveButton->click(); // saved over it: the password, not the flag carl never touched
    EXPECT_EQ(sql("SELECT Password, IsRoot FROM LM_USER WHERE User='dave'"), (Rows{{"d2", "1"}}));
    openRow(list(), rowOf(list(), "dave"));
    ui().pwd1Field->setText("d3");
    exec("DELETE FROM LM_USER WHERE User='dave'");
    ui().userSaveButton->click();
    EXPECT_EQ(alerts(), Keys{"DeletedMeanwhileAlert/DeletedMeanwhileAlertInfo"});
    EXPECT_EQ(app().shownBox(), ui().createUserBox);
}

TEST_F(AccountsTest, OnlyTheAccountThatHadTheNameRootMayBearIt) {
    const auto saveName = [&](int row, const QString& name) { // row -1: a new account
        row < 0 ? ui().userAddButton->click() : openRow(list(), row);
        ui().user1Field->setText(name);
        ui().pwd1Field->setText("p");
        ui().userSaveButton->click();
    };
    openUsersAs("root");
    saveName(rowOf(list(), "root"), "admin");
    openUsersAs("anna"); // no account is named root now: anna would gain root's rights
    saveName(rowOf(list(), "anna"), "root");
    logIn("admin", "p");
    ui().usersButton->click();
    saveName(-1, "root");
    EXPECT_EQ(alerts(),
              (Keys{"RootNameAlert/RootNameAlertInfo", "RootNameAlert/RootNameAlertInfo"}));
    EXPECT_EQ(sql("SELECT count(*) FROM LM_USER WHERE User='root'"), Rows{{"0"}});
    ui().userCancelButton->click();
    saveName(rowOf(list(), "admin"), "root"); // the one that had it takes it back
    EXPECT_EQ(sql("SELECT ID FROM LM_USER WHERE User='root'"), Rows{{"1"}});
    EXPECT_EQ(alerts(), Keys{});
}

TEST_F(AccountsTest, DeletingAnAccountRefusesInOrderAsksFirstAndSaysEveryFailure) {
    const std::string owns = "DelUserAlert/UserHasData";
    const auto confirm = [](const std::string& name) { // the account asked about, by its name
        return "DelConfirm[" + name + "]/DelInfo?OK|Cancel";
    };
    addEntry(anna_, 1, "mail");
    const auto remove = [&](const QString& name) {
        list()->selectRow(rowOf(list(), name));
        ui().userRemoveButton->click();
    };
    openUsersAs("anna");
    list()->selectRow(rowOf(list(), "dave"));
    app().removeUserRecord();
    EXPECT_EQ(alerts(), Keys{kNoPermission});
    openUsersAs("carl");
    remove("root"); // root, whoever asks
    remove("carl"); // the account logged in
    remove("anna"); // owns entries
    remove("dave"); // answered Cancel
    EXPECT_EQ(alerts(),
              (Keys{kNoPermission, "DelUserAlert/CannotDelLoginUser", owns, confirm("dave")}));
    alerts_.answers = {AlertDefaultReturn, AlertDefaultReturn, AlertDefaultReturn};
    list()->selectRow(rowOf(list(), "dave"));
    press(list(), Qt::Key_Delete);
    EXPECT_EQ(column(list(), 0), (Texts{"anna", "carl", "root"}));

    // An entry added while the question is open, an ownership that cannot be read, a refusal.
    exec("DELETE FROM LM_PASSWORD");
    alerts();
    alerts_.whileOpen = [&] { addEntry(anna_, 1, "late"); };
    remove("anna");
    alerts_.whileOpen = nullptr;
    exec("DELETE FROM LM_PASSWORD; ALTER TABLE LM_PASSWORD RENAME TO Elsewhere");
    remove("anna");
    exec("ALTER TABLE Elsewhere RENAME TO LM_PASSWORD; CREATE TRIGGER keep BEFORE DELETE ON "
         "LM_USER BEGIN SELECT RAISE(ABORT, 'kept'); END");
    remove("anna");
    EXPECT_EQ(alerts(), (Keys{confirm("anna"), owns, "DelUserAlert/UserDataUnknown",
                              confirm("anna"), "DeleteFailAlert/DeleteFailAlertInfo"}));
    EXPECT_EQ(column(list(), 0), (Texts{"anna", "carl", "root"}));
}
