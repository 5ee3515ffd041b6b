// What a user relies on from the first start and every later start: the file,
// its schema and the seed rows.
#include "StoreFixture.h"

#include <sys/stat.h>

using Rows = std::vector<std::vector<std::string>>;

TEST_F(StoreFixture, FirstStartCreatesAPrivateFileWithTheSchemaAndSeedRows) {
    ASSERT_FALSE(std::filesystem::exists(documents_)); // a fresh account has no Documents yet
    start();
    ASSERT_TRUE(std::filesystem::exists(dbFile()));

    struct stat info {};
    ASSERT_EQ(stat(dbFile().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    // SQLite keeps the statement text, with only "IF NOT EXISTS " taken out.
    EXPECT_EQ(
        query("SELECT type, name, sql FROM sqlite_master WHERE name LIKE 'LM_%' ORDER BY rowid"),
        (Rows{{"table", "LM_USER",
               "CREATE TABLE LM_USER(ID INTEGER PRIMARY KEY AUTOINCREMENT,User VARCHAR(255) "
               "NOT NULL UNIQUE,Password VARCHAR(255) NOT NULL,IsRoot SMALLINT NOT NULL)"},
              {"index", "LM_USER_INDEX", "CREATE INDEX LM_USER_INDEX ON LM_USER(User,Password)"},
              {"table", "LM_CATEGORY",
               "CREATE TABLE LM_CATEGORY(ID INTEGER PRIMARY KEY AUTOINCREMENT,Category "
               "VARCHAR(255) UNIQUE NOT NULL)"},
              {"index", "LM_CATEGORY_INDEX",
               "CREATE INDEX LM_CATEGORY_INDEX ON LM_CATEGORY(Category)"},
              {"table", "LM_PASSWORD",
               "CREATE TABLE LM_PASSWORD(ID INTEGER PRIMARY KEY AUTOINCREMENT,UserID INTEGER "
               "NOT NULL,CategoryID INTEGER NOT NULL,Title VARCHAR(100) NOT NULL,User "
               "VARCHAR(50),Password VARCHAR(50),Http VARCHAR(255),Memo TEXT)"},
              {"index", "LM_PASSWORD_INDEX",
               "CREATE INDEX LM_PASSWORD_INDEX ON LM_PASSWORD(UserID,CategoryID,Title,User)"}}));

    EXPECT_EQ(query("SELECT * FROM LM_USER"), (Rows{{"1", "root", "tiwe", "1"}}));
    EXPECT_EQ(query("SELECT * FROM LM_CATEGORY ORDER BY ID"), (Rows{{"1", "Email"},
                                                                    {"2", "Website"},
                                                                    {"3", "Computer"},
                                                                    {"4", "Software"},
                                                                    {"5", "BankCard"},
                                                                    {"6", "eBank"},
                                                                    {"7", "Router"},
                                                                    {"8", "Lock"},
                                                                    {"9", "Safe"},
                                                                    {"10", "Other"}}));
    EXPECT_TRUE(query("SELECT * FROM LM_PASSWORD").empty());

    auto categories = store_->getCategories();
    ASSERT_EQ(categories.size(), 10u);
    EXPECT_EQ(categories.front().ID(), 1);
    EXPECT_EQ(categories.back().Category(), "Other");
}

TEST_F(StoreFixture, LaterStartsSeedOnceAndRestoreRoot) {
    start();
    start();
    EXPECT_EQ(query("SELECT count(*) FROM LM_USER"), (Rows{{"1"}}));
    EXPECT_EQ(query("SELECT count(*) FROM LM_CATEGORY"), (Rows{{"10"}}));

    // A deleted root comes back at the next start, under a new ID.
    ASSERT_EQ(store_->delUser(1), WriteResult::Done);
    start();
    EXPECT_EQ(query("SELECT * FROM LM_USER"), (Rows{{"2", "root", "tiwe", "1"}}));

    // A renamed root gets a second administrator named root beside it.
    auto root = store_->login("root", "tiwe");
    ASSERT_TRUE(root);
    root->setUser("admin");
    ASSERT_EQ(store_->updateUser(*root), WriteResult::Done);
    start();
    EXPECT_EQ(query("SELECT * FROM LM_USER ORDER BY ID"),
              (Rows{{"2", "admin", "tiwe", "1"}, {"3", "root", "tiwe", "1"}}));

    // The file's mode is the owner's choice once it exists.
    std::filesystem::permissions(dbFile(), std::filesystem::perms::owner_read |
                                               std::filesystem::perms::owner_write |
                                               std::filesystem::perms::group_read);
    start();
    struct stat info {};
    ASSERT_EQ(stat(dbFile().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(StoreFixture, AStartInAnotherLanguageAddsItsCategoriesAndKeepsEarlierEntries) {
    auto& english = start();
    ASSERT_TRUE(english.insertPassword(makeEntry(1, english.getIDByCategory("Email"), "mail")));

    auto& german = start({{"Email", "E-Mail"}, {"Computer", "Computer"}, {"Other", "Sonstiges"}});
    // Only the texts not stored yet are added, from ID 11 on.
    EXPECT_EQ(query("SELECT * FROM LM_CATEGORY WHERE ID > 10 ORDER BY ID"),
              (Rows{{"11", "E-Mail"}, {"12", "Sonstiges"}}));
    EXPECT_EQ(german.getIDByCategory("E-Mail"), 11);
    EXPECT_TRUE(german.getPasswords(1, "E-Mail").empty());
    ASSERT_EQ(german.getPasswords(1, "Email").size(), 1u);
    EXPECT_EQ(german.getPasswords(1, "Email")[0].Title(), "mail");
}

TEST_F(StoreFixture, CategoryLookupIsExact) {
    auto& store = start();
    EXPECT_EQ(store.getIDByCategory("Router"), 7);
    EXPECT_EQ(store.getIDByCategory("router"), 0);
    EXPECT_EQ(store.getIDByCategory("Router "), 0);
    EXPECT_EQ(store.getIDByCategory(std::nullopt), 0);
    EXPECT_EQ(store.getIDByCategory("' OR '1'='1"), 0);
    EXPECT_TRUE(store.getPasswords(1, std::nullopt).empty());
    EXPECT_TRUE(store.getPasswords(1, "Nowhere").empty());
}
