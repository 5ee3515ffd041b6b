// The program started, offscreen, on a database file it did not write or
// cannot use: random bytes, a cut-off database, a folder, a file it may only
// read, tables of another program, and rows holding NULLs and values of the
// wrong type. It always starts into the login window, never crashes, shows
// what it can, and leaves the bytes of a file it cannot use as they were.
#include "AppFixture.h"
#include "RobustnessSupport.h"

#include <QFileInfo>
#include <iostream>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

using namespace robust;
using Rows = std::vector<std::vector<std::string>>;

namespace {

std::string randomBytes(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    return bytes;
}

// Makes a file that even root cannot change, when the file system allows it.
bool makeImmutable(const std::filesystem::path& file, bool immutable) {
    const std::string command =
        std::string("chattr ") + (immutable ? "+i" : "-i") + " '" + file.string() + "' 2>/dev/null";
    return std::system(command.c_str()) == 0;
}

// Makes the file changeable again when the test ends, however it ends, so
// that its folder can be removed.
struct MutableAgain {
    std::filesystem::path file;
    ~MutableAgain() { makeImmutable(file, false); }
};

} // namespace

class DamagedFileTest : public AppFixture {
protected:
    std::filesystem::path documents() const { return home_.filePath("Documents").toStdString(); }
    std::filesystem::path file() const { return dbFile().toStdString(); }

    // Starts the program on what is at the file's path now.
    void startOnIt() {
        start();
        EXPECT_TRUE(loginWindow_->isVisible());
        EXPECT_FALSE(window_->isVisible());
    }

    // Goes everywhere a logged-in user can and reads every cell shown, as the
    // screens would.
    void visitEveryScreen() {
        for (QAbstractButton* button :
             {ui().emailButton, ui().websiteButton, ui().computerButton, ui().softwareButton,
              ui().bankCardButton, ui().eBankButton, ui().routerButton, ui().lockButton,
              ui().safeButton, ui().otherButton, ui().usersButton}) {
            button->click();
            QTableView* table = app().currentTable();
            for (int row = 0; row < rows(table); ++row) {
                for (int column = 0; column < table->model()->columnCount(); ++column) {
                    cell(table, row, column);
                }
            }
            if (rows(table) > 0) {
                doubleClickRow(table, 0); // opens it in the editor, as far as allowed
                if (app().shownBox() == ui().createPasswordBox) {
                    ui().cancelButton->click();
                } else if (app().shownBox() == ui().createUserBox) {
                    ui().userCancelButton->click();
                }
            }
        }
    }

    std::vector<std::string> filesInDocuments() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(documents())) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    // A database the program wrote, in the test's language: three accounts
    // and entries in every category, on ten or more pages of 4096 bytes.
    // Returns its bytes and leaves no file behind.
    std::string realDatabase() {
        start();
        MySQLLite& store = *app().mySQLLite();
        store.insertUser(makeUser("alice", "a", 0));
        store.insertUser(makeUser("bob", "b", 1));
        for (int i = 0; i < 30; ++i) {
            store.insertPassword(makeEntry(1 + i % 3, 1 + i % 10, "entry " + std::to_string(i),
                                           "user", "pw", "https://x", std::string(300, 'm')));
        }
        stop();
        const std::string bytes = readFile(file());
        std::filesystem::remove_all(documents());
        return bytes;
    }

    // A new entry saved in Email is refused with the alert, and what was
    // typed stays in the editor.
    void expectANewEntryRefusedKeepingWhatWasTyped() {
        ui().emailButton->click();
        ui().addButton->click();
        fillEntryEditor("New", "me", "pw");
        ui().saveButton->click();
        EXPECT_EQ(alertKeys(), std::vector<std::string>{"SaveFailAlert/SaveFailAlertInfo"});
        EXPECT_EQ(ui().titleField->text(), "New");
        EXPECT_EQ(ui().pwdField->text(), "pw");
    }

    // The program's own tables, then `sql` run on them by another program.
    // Returns that program's error, "" when all of it ran.
    std::string anotherProgramWritesToOurTables(const std::string& sql) {
        {
            MySQLLite store(documents().string(), nullptr);
            store.createTables();
        }
        return OtherConnection(file()).exec(sql);
    }

    // Back to no file at all, for the next case of a test.
    void reset() {
        stop();
        alerts_.alerts.clear();
        std::filesystem::remove_all(documents());
    }
};

TEST_F(DamagedFileTest, AFileThatIsNoDatabaseOfOursIsLeftAsItWas) {
    const std::string database = realDatabase();
    // SQLite refuses a cut-off file as a whole (its schema names pages that
    // are not there), so no case leaves an account to log in with.
    struct Case {
        std::string name;
        std::string bytes;
    };
    std::vector<Case> cases = {
        {"random bytes", randomBytes(64 * 1024, 1)},
        {"random bytes behind a database header",
         database.substr(0, 100) + randomBytes(database.size() - 100, 2)},
        {"the first page of a database", database.substr(0, 4096)},
        {"the first two pages of a database", database.substr(0, 2 * 4096)},
        {"the first three pages of a database", database.substr(0, 3 * 4096)},
        // (An empty file is a new database: the program sets it up.)
    };
    for (const Case& item : cases) {
        SCOPED_TRACE(item.name);
        writeFile(file(), item.bytes);
        startOnIt();
        logIn("root", "tiwe");
        EXPECT_FALSE(app().loginUser());
        stop();
        EXPECT_TRUE(readFile(file()) == item.bytes) << "the file was changed";
        EXPECT_EQ(filesInDocuments(), std::vector<std::string>{"Lockmere.sqlite3"});
        reset();
    }
}

TEST_F(DamagedFileTest, ADamagedEntriesPageLeavesTheAccountsUsableAndTheFileAsItWas) {
    std::string database = realDatabase();
    writeFile(file(), database);
    const std::vector<std::string> root =
        OtherConnection(file()).rows("SELECT rootpage FROM sqlite_master WHERE name='LM_PASSWORD'");
    ASSERT_EQ(root.size(), 1u);
    const size_t page = std::stoul(root[0]);
    database.replace((page - 1) * 4096, 4096, randomBytes(4096, 3));
    writeFile(file(), database);

    startOnIt();
    logIn("root", "tiwe");
    ASSERT_TRUE(app().loginUser());
    visitEveryScreen();
    ui().emailButton->click();
    EXPECT_EQ(rows(ui().passwordTableView), 0);
    expectANewEntryRefusedKeepingWhatWasTyped();
    ui().usersButton->click();
    EXPECT_EQ(columnTexts(ui().userTable, 0), (std::vector<QString>{"root", "alice", "bob"}));
    stop();
    EXPECT_TRUE(readFile(file()) == database) << "the damaged file was changed";
}

TEST_F(DamagedFileTest, APathThatIsAFolderStaysAnEmptyFolder) {
    std::filesystem::create_directories(file());
    startOnIt();
    logIn("root", "tiwe");
    EXPECT_FALSE(app().loginUser());
    stop();
    EXPECT_TRUE(std::filesystem::is_directory(file()));
    EXPECT_TRUE(std::filesystem::is_empty(file()));
    EXPECT_EQ(filesInDocuments(), std::vector<std::string>{"Lockmere.sqlite3"});
}

TEST_F(DamagedFileTest, AFileThatMayOnlyBeReadShowsItsEntriesAndRefusesSaves) {
    const std::string database = realDatabase();
    writeFile(file(), database);
    std::filesystem::permissions(file(), std::filesystem::perms::owner_read);
    bool readOnly = geteuid() != 0;
    if (!readOnly) {
        // Modes do not bind root; an immutable file does, where the file
        // system has the flag.
        readOnly = makeImmutable(file(), true);
        if (!readOnly) {
            std::cout << "NOTE: running as root on a file system without chattr +i: the "
                         "read-only file case is not run"
                      << std::endl;
            return;
        }
    }
    const MutableAgain cleanUp{file()};
    startOnIt();
    logIn("root", "tiwe");
    ASSERT_TRUE(app().loginUser());
    ui().emailButton->click();
    EXPECT_EQ(rows(ui().passwordTableView), 1); // "entry 0"
    visitEveryScreen();

    expectANewEntryRefusedKeepingWhatWasTyped();
    stop();
    EXPECT_TRUE(readFile(file()) == database) << "the read-only file was changed";
}

TEST_F(DamagedFileTest, TablesOfAnotherProgramAreUsedAsFarAsTheyFit) {
    // Every table has other columns: no account can log in, and nothing is
    // written, not even the seed rows.
    {
        std::filesystem::create_directories(documents());
        OtherConnection other(file(), /*create=*/true);
        ASSERT_EQ(
            "", other.exec("CREATE TABLE LM_USER(ID INTEGER PRIMARY KEY, Login TEXT, Secret TEXT);"
                           "INSERT INTO LM_USER VALUES(1, 'root', 'tiwe');"
                           "CREATE TABLE LM_CATEGORY(ID INTEGER PRIMARY KEY, Name TEXT);"
                           "INSERT INTO LM_CATEGORY VALUES(1, 'Email');"
                           "CREATE TABLE LM_PASSWORD(ID INTEGER PRIMARY KEY, Title TEXT);"
                           "INSERT INTO LM_PASSWORD VALUES(1, 'foreign');"));
    }
    const std::string foreign = readFile(file());
    startOnIt();
    logIn("root", "tiwe");
    EXPECT_FALSE(app().loginUser());
    stop();
    EXPECT_TRUE(readFile(file()) == foreign) << "a foreign file was changed";
    reset();

    // Accounts and categories as the program makes them, entries of another
    // program with only an ID and a title: root logs in, the lists are empty,
    // and a save is refused with the alert instead of writing half a row.
    ASSERT_EQ("", anotherProgramWritesToOurTables(
                      "DROP TABLE LM_PASSWORD;"
                      "CREATE TABLE LM_PASSWORD(ID INTEGER PRIMARY KEY, Title TEXT);"
                      "INSERT INTO LM_PASSWORD VALUES(1, 'foreign');"));
    startOnIt();
    logIn("root", "tiwe");
    ASSERT_TRUE(app().loginUser());
    visitEveryScreen();
    ui().emailButton->click();
    EXPECT_EQ(rows(ui().passwordTableView), 0);
    expectANewEntryRefusedKeepingWhatWasTyped();
    EXPECT_EQ(query("SELECT * FROM LM_PASSWORD"), (Rows{{"1", "foreign"}}));
    // The account screens still work on the program's own table.
    ui().usersButton->click();
    EXPECT_EQ(columnTexts(ui().userTable, 0), std::vector<QString>{"root"});
}

TEST_F(DamagedFileTest, NullsAndValuesOfTheWrongTypeShowAsTextAndNeverCrash) {
    // The columns' types are only affinities.
    ASSERT_EQ("",
              anotherProgramWritesToOurTables(
                  "INSERT INTO LM_USER(User,Password,IsRoot) VALUES(7, x'7069', 'yes');"
                  "INSERT INTO LM_USER(User,Password,IsRoot) VALUES('half', '', 2.5);"
                  "INSERT INTO LM_CATEGORY(Category) VALUES(3.5);"
                  "INSERT INTO LM_PASSWORD(UserID,CategoryID,Title,User,Password,Http,Memo) VALUES"
                  "(1, 1, 'nulls', NULL, NULL, NULL, NULL),"
                  "('1', 1, 42, 4.5, x'00ff', 7, x'4d656d6f'),"
                  "(1, '1', x'', '', '', '', ''),"
                  "(1.0, 1, 'real owner', '', '', '', ''),"
                  "(1, 'Email', 'category as text', '', '', '', ''),"
                  "(x'01', 1, 'blob owner', '', '', '', '')"));
    startOnIt();
    logIn("7", "pi");                // a number and a blob, compared as the bytes they hold
    EXPECT_FALSE(app().loginUser()); // affinity: 7 is an integer, not the text '7'
    logIn("root", "tiwe");
    ASSERT_TRUE(app().loginUser());
    visitEveryScreen();

    // What SQLite stores as root's e-mail, numbers and blobs read as text.
    ui().emailButton->click();
    EXPECT_EQ(columnTexts(ui().passwordTableView, 0),
              (std::vector<QString>{"42", "nulls", "real owner", ""}));
    EXPECT_EQ(cell(ui().passwordTableView, 1, 1), "");
    EXPECT_EQ(cell(ui().passwordTableView, 0, 1), "4.5");

    // An entry with NULLs opens, and saves with empty texts in their place.
    doubleClickRow(ui().passwordTableView, 1);
    ASSERT_EQ(app().shownBox(), ui().createPasswordBox);
    EXPECT_EQ(ui().titleField->text(), "nulls");
    ui().pwdField->setText("now set");
    ui().saveButton->click();
    EXPECT_TRUE(alerts_.alerts.empty());
    EXPECT_EQ(query("SELECT User, Password, Http, Memo FROM LM_PASSWORD WHERE Title='nulls'"),
              (Rows{{"", "now set", "", ""}}));

    // The category whose name is a number shows in the editor's list.
    ui().addButton->click();
    EXPECT_GE(ui().categoryPopupButton->findText("3.5"), 10);
    ui().cancelButton->click();

    ui().usersButton->click();
    EXPECT_EQ(columnTexts(ui().userTable, 0), (std::vector<QString>{"root", "7", "half"}));
    EXPECT_EQ(query("PRAGMA integrity_check"), Rows{{"ok"}});
}

TEST_F(DamagedFileTest, AnIDTooLargeForTheRecordsIsNeverTakenForAnother) {
    // 2^32 + 1 reads as 1 when cut to 32 bits: the same ID as root and
    // as root's first entry.
    ASSERT_EQ("", anotherProgramWritesToOurTables(
                      "INSERT INTO LM_PASSWORD VALUES(1, 1, 1, 'first', '', 'p1', '', '');"
                      "INSERT INTO LM_PASSWORD VALUES(4294967297, 1, 1, 'big', '', 'p2', '', '');"
                      "INSERT INTO LM_USER VALUES(4294967297, 'huge', 'h', 1);"));
    startOnIt();
    logIn("huge", "h"); // would log in as root's ID
    EXPECT_FALSE(app().loginUser());
    logIn("root", "tiwe");
    ASSERT_TRUE(app().loginUser());
    ui().emailButton->click();
    ASSERT_EQ(columnTexts(ui().passwordTableView, 0), std::vector<QString>{"first"});

    // Editing and deleting what is listed touches that row and no other.
    doubleClickRow(ui().passwordTableView, 0);
    ui().pwdField->setText("changed");
    ui().saveButton->click();
    ASSERT_TRUE(alerts_.alerts.empty());
    EXPECT_EQ(query("SELECT ID, Title, Password FROM LM_PASSWORD ORDER BY ID"),
              (Rows{{"1", "first", "changed"}, {"4294967297", "big", "p2"}}));
    selectRow(ui().passwordTableView, 0);
    alerts_.answerNextConfirmation(AlertDefaultReturn);
    ui().removeButton->click();
    EXPECT_EQ(query("SELECT ID, Title FROM LM_PASSWORD"), (Rows{{"4294967297", "big"}}));

    ui().usersButton->click();
    EXPECT_EQ(columnTexts(ui().userTable, 0), std::vector<QString>{"root"});
}
