// The store against a real file in a fresh folder, looked at through a second connection as
// another program would: what the program's own tests cannot reach through its windows.
#include "MySQLLite.h"
#include "support/OtherConnection.h"
#include "support/Records.h"

#include <QTemporaryDir>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <sqlite3.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using Rows = OtherConnection::Rows;

class StoreTest : public ::testing::Test {
protected:
    MySQLLite& start(std::map<std::string, std::string> names = {}) {
        store_ = std::make_unique<MySQLLite>(documents_, [names](const std::string& key) {
            const auto found = names.find(key);
            return found == names.end() ? key : found->second;
        });
        store_->createTables();
        return *store_;
    }
    Rows sql(const std::string& query) { return OtherConnection(file_).rows(query); }

    QTemporaryDir folder_;
    std::string documents_ = folder_.filePath("Documents").toStdString();
    std::string file_ = documents_ + "/Lockmere.sqlite3";
    std::unique_ptr<MySQLLite> store_;
};

TEST_F(StoreTest, FirstStartMakesAPrivateFileSeededOnceInTheUsersLanguage) {
    start({{"Email", "E-Mail"}, {"Other", "Sonstiges"}});
    start({{"Email", "E-Mail"}, {"Other", "Sonstiges"}});
    EXPECT_EQ(std::filesystem::status(file_).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(sql("SELECT * FROM LM_USER"), (Rows{{"1", "root", "tiwe", "1"}}));
    EXPECT_EQ(sql("SELECT count(*), min(Category), max(ID) FROM LM_CATEGORY"),
              (Rows{{"10", "BankCard", "10"}}));
    EXPECT_EQ(sql("SELECT Category FROM LM_CATEGORY WHERE ID IN (1,10)"),
              (Rows{{"E-Mail"}, {"Sonstiges"}}));
    // Without a translation at all the categories are named by their keys.
    store_ = std::make_unique<MySQLLite>(folder_.filePath("other").toStdString(), nullptr);
    store_->createTables();
    EXPECT_EQ(store_->getCategories().front().Category(), "Email");
    start();
    EXPECT_EQ(store_->getIDByCategory("Router"), 7);
    EXPECT_EQ(store_->fileProblem(), FileProblem::None);
    // root renamed: no second administrator with the published password at the next start,
    // and the account that bore the name is still known.
    EXPECT_EQ(OtherConnection(file_).exec("UPDATE LM_USER SET User='boss' WHERE ID=1"), "");
    start();
    EXPECT_EQ(sql("SELECT count(*) FROM LM_USER"), Rows{{"1"}});
    EXPECT_EQ(store_->rootAccountID(), 1);
    EXPECT_EQ(store_->getIDByCategory("router") + store_->getIDByCategory("Router ") +
                  store_->getIDByCategory("' OR '1'='1") + store_->getIDByCategory(std::nullopt),
              0);
}

TEST_F(StoreTest, RowsOfAnotherProgramWithIDsBeyond32BitsAreLeftOut) {
    MySQLLite& store = start();
    EXPECT_EQ(OtherConnection(file_).exec(
                  "INSERT INTO LM_USER VALUES(4294967297,'big','b',1);"
                  "INSERT INTO LM_CATEGORY VALUES(4294967298,'Big');"
                  "INSERT INTO LM_PASSWORD VALUES(4294967299,1,1,'big','','','','')"),
              "");
    EXPECT_FALSE(store.login("big", "b"));
    EXPECT_EQ(store.getUsers(true).size(), 1u);
    EXPECT_EQ(store.getCategories().size(), 10u);
    EXPECT_EQ(store.getIDByCategory("Big"), 0);
    EXPECT_TRUE(store.getPasswords(1, std::string("Email")).empty());
    EXPECT_TRUE(store.getAllPasswords(1).empty());
}

TEST_F(StoreTest, AllOfAnAccountsEntriesComeInTheOrderSQLiteSortsThem) {
    MySQLLite& store = start();
    EXPECT_EQ(OtherConnection(file_).exec(
                  "INSERT INTO LM_PASSWORD(UserID,CategoryID,Title,User,Password,Http,Memo) VALUES"
                  "(1,3,'b','x','','',''),(1,1,'ü','a','','',''),(1,9,'b','W','','',''),"
                  "(2,1,'a','','','',''),(1,2,'Z',NULL,'','',''),(1,5,'b','x','','','')"),
              "");
    Rows listed;
    for (const PasswordSchema& entry : store.getAllPasswords(1)) {
        listed.push_back({std::to_string(entry.ID())});
    }
    EXPECT_EQ(listed, sql("SELECT ID FROM LM_PASSWORD WHERE UserID=1 ORDER BY Title,User,ID"));
    EXPECT_EQ(listed.size(), 5u);
}

TEST_F(StoreTest, AWriteWaitsForAShortLockEvenAfterAStartOnALockedFile) {
    start();
    store_.reset();
    OtherConnection other(file_);
    EXPECT_EQ(other.exec("BEGIN IMMEDIATE"), "");
    MySQLLite& store = start(); // gives up on the lock at once rather than hang the start
    EXPECT_FALSE(store.insertUser(makeUser("held", "h", 0)));
    EXPECT_EQ(other.exec("COMMIT; BEGIN IMMEDIATE"), "");
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        other.exec("COMMIT");
    });
    EXPECT_TRUE(store.insertUser(makeUser("waited", "w", 0)));
    release.join();
}

TEST_F(StoreTest, AnUnusableFolderOrFileIsSaidFailsEveryCallAndKeepsEveryByte) {
    const std::string garbage = "not a database, and it stays so\n" + std::string(5000, '\x01');
    const std::string target = folder_.filePath("target").toStdString();
    // A link in the file's place, or (`throughForeign`) one of this user's leading to another
    // user's link on the way to the file.
    const auto link = [&](bool foreign, bool throughForeign = false) {
        std::filesystem::create_directories(documents_);
        const std::string first = throughForeign ? folder_.filePath("theirs").toStdString() : "";
        std::filesystem::create_symlink(target, throughForeign ? first : file_);
        if (throughForeign) {
            std::filesystem::create_symlink(first, file_);
        }
        return !foreign || lchown((throughForeign ? first : file_).c_str(), 65534, 65534) == 0;
    };
    const std::pair<FileProblem, std::function<bool()>> spoil[] = {
        {FileProblem::NoDocumentsFolder,
         [&] { return bool(std::ofstream(documents_) << "a file where the folder goes"); }},
        {FileProblem::CannotOpen, [&] { return std::filesystem::create_directories(file_); }},
        {FileProblem::DanglingLink, [&] { return link(false); }},
        {FileProblem::ForeignLink, [&] { return link(true); }},
        {FileProblem::ForeignLink,
         [&] {
             std::filesystem::remove(folder_.filePath("theirs").toStdString());
             return link(true, true);
         }},
        {FileProblem::NotADatabase,
         [&] {
             std::filesystem::create_directories(documents_);
             return bool(std::ofstream(file_, std::ios::binary) << garbage);
         }},
    };
    for (const auto& [problem, makeUnusable] : spoil) {
        std::filesystem::remove_all(documents_);
        if (!makeUnusable()) {
            continue; // not the owner of a file: a link cannot be made foreign here
        }
        MySQLLite& store = start();
        EXPECT_EQ(store.fileProblem(), problem);
        EXPECT_FALSE(std::filesystem::exists(target)) << "a link was written through";
        EXPECT_EQ(store.readCategories(), std::nullopt);
        EXPECT_TRUE(store.getCategories().empty());
        EXPECT_FALSE(store.login("root", "tiwe"));
        EXPECT_FALSE(store.insertUser(makeUser("a", "b", 0)));
        EXPECT_EQ(store.hasData(1), std::nullopt);
        EXPECT_EQ(store.delPassword(1), WriteResult::Failed);
        EXPECT_FALSE(store.dataStamp().known);
        store_.reset();
    }
    std::ifstream kept(file_, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), garbage);
}

TEST_F(StoreTest, ADeletedPasswordLeavesNoTraceAndAForeignTriggerReadsNothing) {
    MySQLLite& store = start();
    ASSERT_TRUE(store.insertPassword(makeEntry(1, 1, "t", "needle-8d2f")));
    ASSERT_EQ(store.delPassword(store.getPasswords(1, std::string("Email"))[0].ID()),
              WriteResult::Done);
    std::ifstream file(file_, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}).find("needle"),
              std::string::npos);
    // A trigger and a view that another program left behind, reading where the file lies.
    EXPECT_EQ(
        OtherConnection(file_).exec("CREATE TABLE leak(x); CREATE VIEW peek AS SELECT * FROM "
                                    "pragma_database_list; CREATE TRIGGER spy AFTER INSERT ON "
                                    "LM_PASSWORD BEGIN INSERT INTO leak SELECT file FROM "
                                    "pragma_database_list; END"),
        "");
    EXPECT_FALSE(store.insertPassword(makeEntry(1, 1, "t", "p")));
    EXPECT_EQ(sql("SELECT count(*) FROM leak"), Rows{{"0"}});
    EXPECT_TRUE(store.login("root", "tiwe"));
}

TEST_F(StoreTest, ABatchIsAddedWholeOrLeavesTheFileByteForByte) {
    MySQLLite& store = start();
    std::vector<PasswordSchema> batch(600, makeEntry(1, 2, "imported", "pw"));
    auto bytes = [&] {
        std::ifstream file(file_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    OtherConnection other(file_);
    // The 300th entry is refused, as a full disk would refuse it.
    ASSERT_EQ(
        other.exec(
            "CREATE TRIGGER fault BEFORE INSERT ON LM_PASSWORD WHEN "
            "(SELECT count(*) FROM LM_PASSWORD) >= 299 BEGIN SELECT RAISE(ABORT,'full'); END"),
        "");
    const std::string before = bytes();
    EXPECT_EQ(store.insertPasswords(batch, nullptr), MySQLLite::BatchResult::Failed);
    EXPECT_EQ(bytes(), before);
    ASSERT_EQ(other.exec("DROP TRIGGER fault"), "");
    const std::string unlocked = bytes();
    ASSERT_EQ(other.exec("BEGIN IMMEDIATE"), ""); // another copy is writing
    EXPECT_EQ(store.insertPasswords(batch, nullptr), MySQLLite::BatchResult::Failed);
    ASSERT_EQ(other.exec("ROLLBACK"), "");
    // Nothing else this store is asked to write joins the batch to be undone with it, and a
    // list read inside it is known to be stale once it is rolled back.
    std::vector<size_t> asked;
    DataStamp inside;
    EXPECT_EQ(store.insertPasswords(batch,
                                    [&](size_t added) {
                                        asked.push_back(added);
                                        EXPECT_FALSE(store.insertPassword(makeEntry(1, 1, "x")));
                                        EXPECT_EQ(store.delUser(1), WriteResult::Failed);
                                        inside = store.dataStamp();
                                        return added < 512;
                                    }),
              MySQLLite::BatchResult::Cancelled);
    EXPECT_EQ(asked, (std::vector<size_t>{256, 512}));
    EXPECT_EQ(bytes(), unlocked);
    EXPECT_NE(store.dataStamp(), inside);
    EXPECT_EQ(store.insertPasswords(batch, [](size_t) { return true; }),
              MySQLLite::BatchResult::Done);
    EXPECT_EQ(sql("SELECT count(*), min(Title), max(CategoryID) FROM LM_PASSWORD"),
              (Rows{{"600", "imported", "2"}}));
}

TEST_F(StoreTest, TheThreeTablesStayAsTheyWereAndAKilledMoveLeavesEachEntryInOnePlace) {
    // A file as the previous version wrote it: the three tables, nothing else. It opens here,
    // and what this version adds beside them leaves them as they were.
    std::filesystem::create_directories(documents_);
    std::ofstream{file_};
    OtherConnection old(file_);
    ASSERT_EQ(
        old.exec("CREATE TABLE LM_USER(ID INTEGER PRIMARY KEY AUTOINCREMENT,User VARCHAR(255) "
                 "NOT NULL UNIQUE,Password VARCHAR(255) NOT NULL,IsRoot SMALLINT NOT NULL);"
                 "INSERT INTO LM_USER VALUES(1,'root','old',1);"
                 "CREATE TABLE LM_PASSWORD(ID INTEGER PRIMARY KEY AUTOINCREMENT,UserID "
                 "INTEGER NOT NULL,CategoryID INTEGER NOT NULL,Title VARCHAR(100) NOT NULL,"
                 "User VARCHAR(50),Password VARCHAR(50),Http VARCHAR(255),Memo TEXT);"
                 "INSERT INTO LM_PASSWORD VALUES(7,1,1,'kept','u','p','h','m')"),
        "");
    const Rows tables =
        sql("SELECT sql FROM sqlite_master WHERE name IN ('LM_USER','LM_PASSWORD')");
    MySQLLite& store = start();
    EXPECT_TRUE(store.login("root", "old"));
    EXPECT_EQ(store.getAllPasswords(1).size(), 1u);
    EXPECT_EQ(sql("SELECT sql FROM sqlite_master WHERE name IN ('LM_USER','LM_PASSWORD')"), tables);
    // Moved to the bin and back, again and again, by a writer killed at any moment: the entry
    // stands in exactly one of the two places, with its ID.
    for (const int delay : {1, 2, 4, 8}) {
        store_.reset();
        const pid_t writer = fork();
        if (writer == 0) {
            MySQLLite mover(documents_, nullptr);
            mover.createTables();
            for (;;) {
                mover.moveToRecycleBin(7, 1);
                mover.restoreFromRecycleBin(7, 1, 10);
            }
        }
        usleep(delay * 1000);
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);
        start();
        EXPECT_EQ(
            sql("SELECT (SELECT count(*) FROM LM_PASSWORD WHERE ID=7) + (SELECT count(*) FROM "
                "LM_RECYCLE_BIN WHERE ID=7)"),
            Rows{{"1"}})
            << delay;
    }
}
