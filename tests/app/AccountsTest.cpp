// The user list and editor under each account's rights.
#include "support/AppFixture.h"

namespace {
const QString kYes = QString(QChar(0x2714));
const QString kNo = QString(QChar(0x2717));
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
    void openUsersAs(const QString& name, const QString& password) {
        logIn(name, password);
        ASSERT_TRUE(app().loginUser());
        ui().usersButton->click();
        alerts();
    }
    QTableView* list() { return ui().userTable; }
    int32_t anna_ = 0;
};

TEST_F(AccountsTest, TheListShowsEveryAccountAndOnlyThePasswordsItsViewerMayOpen) {
    const std::pair<QString, Texts> seen[] = {
        {"anna", {kMask, "a1", kMask, kMask}},
        {"dave", {kMask, kMask, kMask, "d1"}},
        {"carl", {"tiwe", "a1", "c1", "d1"}},
    };
    for (const auto& [name, passwords] : seen) {
        openUsersAs(name, name.left(1) + "1");
        EXPECT_EQ(column(list(), 1), passwords) << name.toStdString();
    }
    EXPECT_EQ(column(list(), 0), (Texts{"root", "anna", "carl", "dave"}));
    EXPECT_EQ(column(list(), 2), (Texts{kYes, kNo, kYes, ""}));
    EXPECT_EQ(ui().userCountLabel->text(), "4");
}

TEST_F(AccountsTest, OpeningAnAccountFollowsTheRights) {
    struct Case {
        QString viewer;
        int row;
        bool opens, checked, flagEnabled;
    };
    const Case cases[] = {
        {"root", 2, true, true, true},    {"root", 3, true, false, true},
        {"root", 0, true, true, false},   {"carl", 1, true, false, false},
        {"carl", 0, true, true, false},   {"anna", 1, true, false, false},
        {"anna", 0, false, false, false}, {"dave", 1, false, false, false},
    };
    for (const Case& c : cases) {
        openUsersAs(c.viewer, c.viewer == "root" ? "tiwe" : c.viewer.left(1) + "1");
        openRow(list(), c.row);
        SCOPED_TRACE(c.viewer.toStdString() + " row " + std::to_string(c.row));
        EXPECT_EQ(app().shownBox(), c.opens ? ui().createUserBox : ui().userBox);
        EXPECT_EQ(alerts(), c.opens ? Keys{} : Keys{kNoPermission});
        if (c.opens) {
            EXPECT_EQ(ui().user1Field->text(), column(list(), 0)[c.row]);
            EXPECT_EQ(ui().isRootCheckBox->isChecked(), c.checked);
            EXPECT_EQ(ui().isRootCheckBox->isEnabled(), c.flagEnabled);
        }
    }
    // An opened account is saved back by its ID.
    openUsersAs("anna", "a1");
    openRow(list(), 1);
    ui().user1Field->setText("ann");
    ui().userSaveButton->click();
    EXPECT_EQ(sql("SELECT ID, IsRoot FROM LM_USER WHERE User='ann'"),
              (Rows{{std::to_string(anna_), "0"}}));
}

TEST_F(AccountsTest, OnlyAdministratorsAddAccountsAndOnlyRootMakesAdministrators) {
    for (const QString& name : {"anna", "dave"}) {
        openUsersAs(name, name.left(1) + "1");
        ui().userAddButton->click();
        EXPECT_EQ(alerts(), (Keys{kNoPermission}));
    }
    openUsersAs("root", "tiwe");
    ui().userAddButton->click();
    EXPECT_TRUE(ui().isRootCheckBox->isEnabled());
    ui().userSaveButton->click();
    ui().user1Field->setText("eve");
    ui().userSaveButton->click();
    EXPECT_EQ(alerts(), (Keys{"UserNotNull/UserNotNullInfo", "PwdNotNull/PwdNotNullInfo"}));
    ui().pwd1Field->setText("e1");
    ui().user1Field->setText("eve");
    ui().isRootCheckBox->setChecked(true);
    ui().userSaveButton->click();
    EXPECT_EQ(sql("SELECT IsRoot FROM LM_USER WHERE User='eve'"), Rows{{"1"}});
    EXPECT_EQ(column(list(), 0).back(), "eve");

    openUsersAs("carl", "c1");
    ui().userAddButton->click();
    EXPECT_FALSE(ui().isRootCheckBox->isEnabled());
    ui().user1Field->setText("gus");
    ui().pwd1Field->setText("g1");
    ui().userSaveButton->click();
    EXPECT_EQ(sql("SELECT IsRoot FROM LM_USER WHERE User='gus'"), Rows{{"0"}});
}

TEST_F(AccountsTest, DeletingAnAccountRefusesInOrderAndAsksFirst) {
    addEntry(anna_, 1, "mail");
    const auto remove = [&](int row) {
        list()->selectRow(row);
        ui().userRemoveButton->click();
    };
    openUsersAs("anna", "a1");
    remove(3);
    EXPECT_EQ(alerts(), Keys{kNoPermission});
    openUsersAs("carl", "c1");
    remove(0); // root, whoever asks
    remove(2); // the account logged in
    remove(1); // owns entries
    remove(3); // answered Cancel
    EXPECT_EQ(alerts(), (Keys{kNoPermission, "DelUserAlert/CannotDelLoginUser",
                              "DelUserAlert/UserHasData", "DelConfirm/DelInfo?OK|Cancel"}));
    alerts_.answers = {AlertDefaultReturn};
    list()->selectRow(3);
    press(list(), Qt::Key_Delete);
    EXPECT_EQ(column(list(), 0), (Texts{"root", "anna", "carl"}));
}
