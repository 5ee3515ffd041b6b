// The lists keep what they read only while nothing was written: whatever
// changes the data, the next question shows it, and the row actions act on
// the data as it is now.
#include "AppFixture.h"

#include <QProcess>

class ListFreshnessTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        start();
        logIn("root", "tiwe");
        for (const char* title : {"alpha", "bravo", "charlie"}) {
            execAsAnotherProgram(std::string("INSERT INTO LM_PASSWORD(UserID,CategoryID,Title,"
                                             "User,Password,Http,Memo) VALUES(1,1,'") +
                                 title + "','u','p','','')");
        }
        ui().emailButton->click();
    }

    std::vector<QString> titles() { return columnTexts(ui().passwordTableView, 0); }
};

TEST_F(ListFreshnessTest, ChangesFromAnotherConnectionOrProcessShowAtTheNextQuestion) {
    EXPECT_EQ(titles(), (std::vector<QString>{"alpha", "bravo", "charlie"}));

    execAsAnotherProgram("UPDATE LM_PASSWORD SET Password='changed' WHERE Title='bravo'");
    EXPECT_EQ(cell(ui().passwordTableView, 1, 2), "changed");

    // Another process: the sqlite3 command-line tool.
    QProcess sqlite;
    sqlite.start("sqlite3", {dbFile(), "DELETE FROM LM_PASSWORD WHERE Title='alpha';"});
    ASSERT_TRUE(sqlite.waitForFinished(10000));
    ASSERT_EQ(sqlite.exitCode(), 0) << sqlite.readAllStandardError().toStdString();
    EXPECT_EQ(rows(ui().passwordTableView), 2);
    EXPECT_EQ(ui().countLabel->text(), "2");
    EXPECT_EQ(cell(ui().passwordTableView, 0, 0), "bravo");

    // The user list follows the same rule.
    ui().usersButton->click();
    EXPECT_EQ(rows(ui().userTable), 1);
    execAsAnotherProgram("INSERT INTO LM_USER(User,Password,IsRoot) VALUES('zoe','z',0)");
    EXPECT_EQ(rows(ui().userTable), 2);
    EXPECT_EQ(cell(ui().userTable, 1, 0), "zoe");
}

TEST_F(ListFreshnessTest, EditsDeletesAndCategoryChangesShowAtOnce) {
    doubleClickRow(ui().passwordTableView, 0);
    ui().titleField->setText("zulu");
    ui().saveButton->click();
    EXPECT_EQ(titles(), (std::vector<QString>{"bravo", "charlie", "zulu"}));

    selectRow(ui().passwordTableView, 0);
    alerts_.answerNextConfirmation(AlertDefaultReturn);
    ui().removeButton->click();
    EXPECT_EQ(titles(), (std::vector<QString>{"charlie", "zulu"}));

    ui().websiteButton->click();
    EXPECT_EQ(rows(ui().passwordTableView), 0);
    ui().emailButton->click();
    EXPECT_EQ(rows(ui().passwordTableView), 2);

    // Another account sees its own list, not the one read for root.
    addAccount("anna", "a", 0);
    ui().logoutButton->click();
    logIn("anna", "a");
    ui().emailButton->click();
    EXPECT_EQ(rows(ui().passwordTableView), 0);
}

TEST_F(ListFreshnessTest, RowActionsActOnTheDataAsItIsNow) {
    EXPECT_EQ(rows(ui().passwordTableView), 3);
    selectRow(ui().passwordTableView, 1);
    // Another program removes the first row after the user chose "bravo":
    // row 1 now names "charlie", but the actions take the entry the row showed.
    execAsAnotherProgram("DELETE FROM LM_PASSWORD WHERE Title='alpha'");
    press(ui().passwordTableView, Qt::Key_Return);
    EXPECT_EQ(ui().titleField->text(), "bravo");
    ui().cancelButton->click();

    selectRow(ui().passwordTableView, 0);
    selectRow(ui().passwordTableView, 1);
    alerts_.answerNextConfirmation(AlertDefaultReturn);
    ui().removeButton->click();
    EXPECT_EQ(query("SELECT Title FROM LM_PASSWORD"),
              (std::vector<std::vector<std::string>>{{"bravo"}}));
}
