// Nothing lost by a mistake: every save keeps the entry's earlier values, and a deleted entry
// waits in its account's recycle bin, seen and restored by that account alone.
#include "support/AppFixture.h"

#include <QDialog>
#include <QPushButton>
#include <QTableWidget>
#include <fstream>

class UndoTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        anna_ = addAccount("anna", "a", 0);
        addAccount("carl", "c", 1);
        addEntry(anna_, 1, "mail", "first-pw");
        logIn("anna", "a");
        ui().emailButton->click();
    }
    // Opens the first entry, gives it `password` and saves.
    void savePassword(const QString& password) {
        openRow(ui().passwordTableView, 0);
        ui().pwdField->setText(password);
        ui().saveButton->click();
    }
    // The table of a history or bin dialog, column by column.
    static Texts cells(QTableWidget* table, int column) {
        Texts texts;
        for (int row = 0; table != nullptr && row < table->rowCount(); ++row) {
            texts.push_back(table->item(row, column)->text());
        }
        return texts;
    }
    static void press(QDialog* dialog, const char* key) {
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->text() == Localizer::text(key)) {
                button->click();
            }
        }
    }
    std::string fileBytes() {
        std::ifstream file(home_.filePath("Documents/Lockmere.sqlite3").toStdString(),
                           std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    int32_t anna_ = 0;
};

TEST_F(UndoTest, EverySaveKeepsTheEarlierValuesAndARestoreLosesNothing) {
    savePassword("second-pw");
    savePassword("third-pw");
    openRow(ui().passwordTableView, 0);
    ui().historyButton->click();
    EntryHistory& history = app().history();
    EXPECT_EQ(cells(history.table(), 1), (Texts{"● Password", "● Password"}));
    history.table()->selectRow(1); // the oldest: the first password
    press(history.dialog(), "CopyOldPassword");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "first-pw");
    EXPECT_TRUE(app().secretClipboard().holdsOurCopy());
    press(history.dialog(), "RestoreVersion");
    EXPECT_EQ(ui().pwdField->text(), "first-pw"); // the editor shows what is stored now
    EXPECT_EQ(sql("SELECT Password FROM LM_PASSWORD"), Rows{{"first-pw"}});
    EXPECT_EQ(sql("SELECT group_concat(Password) FROM (SELECT Password FROM LM_PASSWORD_HISTORY "
                  "ORDER BY ID)"),
              Rows{{"first-pw,second-pw,third-pw"}});
    ui().cancelButton->click();
    for (int save = 0; save < 21; ++save) {
        savePassword("pw-" + QString::number(save));
    }
    EXPECT_EQ(sql("SELECT count(*), min(Password) FROM LM_PASSWORD_HISTORY"),
              (Rows{{"20", "pw-0"}})); // the 20 latest; "first-pw" and older are gone
    EXPECT_EQ(fileBytes().find("second-pw"), std::string::npos); // and overwritten
}

TEST_F(UndoTest, ADeletedEntryWaitsInItsAccountsBinAndIsRestoredWithItsID) {
    const Rows before = sql("SELECT ID, CategoryID FROM LM_PASSWORD");
    ui().passwordTableView->selectRow(0);
    alerts_.answers = {AlertDefaultReturn};
    ui().removeButton->click();
    EXPECT_EQ(column(ui().passwordTableView, 0), Texts{});
    ui().searchField->setText("mail");
    QCoreApplication::processEvents();
    EXPECT_EQ(column(ui().passwordTableView, 0), Texts{}); // not found in search either
    // Nobody else sees it, nor empties it: not another account, not an administrator, not root.
    for (const auto& [user, password] :
         {std::pair<QString, QString>{"carl", "c"}, {"root", "tiwe"}}) {
        logIn(user, password);
        app().recycleBinAction();
        EXPECT_EQ(cells(app().recycleBin().table(), 0), Texts{});
        alerts_.answers = {AlertDefaultReturn};
        app().recycleBin().empty();
    }
    logIn("anna", "a");
    app().recycleBinAction();
    RecycleBin& bin = app().recycleBin();
    EXPECT_EQ(cells(bin.table(), 0), Texts{"mail"});
    EXPECT_EQ(cells(bin.table(), 2), Texts{"Email"});
    press(bin.dialog(), "RestoreEntry");
    EXPECT_EQ(sql("SELECT ID, CategoryID FROM LM_PASSWORD"), before);

    // Deleted for good, and emptied: not a byte of the password stays in the file.
    for (const char* how : {"DeleteForGood", "EmptyRecycleBin"}) {
        addEntry(anna_, 1, "doomed", "doomed-pw");
        ui().emailButton->click();
        ui().passwordTableView->selectRow(0);
        alerts_.answers = {AlertDefaultReturn, AlertDefaultReturn};
        ui().removeButton->click();
        app().recycleBinAction();
        app().recycleBin().table()->selectRow(0);
        press(app().recycleBin().dialog(), how);
        EXPECT_EQ(cells(app().recycleBin().table(), 0), Texts{}) << how;
        EXPECT_EQ(fileBytes().find("doomed-pw"), std::string::npos) << how;
    }
}

TEST_F(UndoTest, NothingIsTakenUnseenLeftBehindOrPushedOutByWhatHappensMeanwhile) {
    // A restore that changes nothing keeps no version: it would push an older one out.
    savePassword("second-pw");
    openRow(ui().passwordTableView, 0);
    ui().historyButton->click();
    press(app().history().dialog(), "RestoreVersion"); // first-pw back, second-pw kept
    ui().historyButton->click();
    app().history().table()->selectRow(1); // first-pw: what the entry holds now
    press(app().history().dialog(), "RestoreVersion");
    EXPECT_EQ(sql("SELECT count(*) FROM LM_PASSWORD_HISTORY"), Rows{{"2"}});
    ui().cancelButton->click();

    // Empty takes only what the bin showed when the user confirmed; another copy's is kept.
    const std::string a = std::to_string(anna_);
    const auto binned = [&](int id, const std::string& title, int category = 1) {
        exec("INSERT INTO LM_RECYCLE_BIN(ID,UserID,CategoryID,Title,Password,DeletedAt) VALUES(" +
             std::to_string(id) + "," + a + "," + std::to_string(category) + ",'" + title + "','" +
             title + "-pw','2026-12-01T00:00:00Z')");
    };
    binned(900, "shown");
    app().recycleBinAction();
    binned(901, "unseen");
    // The versions of an entry another program deleted outright go with the next emptying;
    // another account's versions stay whatever ID they carry.
    exec("DELETE FROM LM_PASSWORD; INSERT INTO LM_PASSWORD_HISTORY(PasswordID,UserID,"
         "CategoryID,Title,Password,ChangedAt) VALUES(900,3,1,'x','carl-old','2026')");
    alerts_.answers = {AlertDefaultReturn};
    press(app().recycleBin().dialog(), "EmptyRecycleBin");
    EXPECT_EQ(sql("SELECT Title FROM LM_RECYCLE_BIN"), Rows{{"unseen"}});
    EXPECT_EQ(sql("SELECT Password FROM LM_PASSWORD_HISTORY"), Rows{{"carl-old"}});
    EXPECT_EQ(fileBytes().find("second-pw"), std::string::npos);

    // With its category and Other gone, a restored entry lands in a category, never in none.
    exec("DELETE FROM LM_RECYCLE_BIN; DELETE FROM LM_CATEGORY WHERE ID=10");
    binned(902, "lost", 99);
    app().recycleBinAction();
    press(app().recycleBin().dialog(), "RestoreEntry");
    EXPECT_EQ(sql("SELECT ID, CategoryID FROM LM_PASSWORD"), (Rows{{"902", "1"}}));

    // An account whose bin another copy fills while its deletion is asked is not deleted.
    exec("DELETE FROM LM_PASSWORD");
    logIn("carl", "c");
    ui().usersButton->click();
    ui().userTable->selectRow(rowOf(ui().userTable, "anna"));
    alerts();
    alerts_.answers = {AlertDefaultReturn};
    alerts_.whileOpen = [&] { binned(903, "late"); };
    ui().userRemoveButton->click();
    alerts_.whileOpen = nullptr;
    EXPECT_EQ(alerts(), (Keys{"DelConfirm[anna]/DelInfo?OK|Cancel", "DelUserAlert/UserHasData"}));
    EXPECT_EQ(sql("SELECT count(*) FROM LM_USER WHERE User='anna'"), Rows{{"1"}});
}
