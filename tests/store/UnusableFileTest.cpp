// A store that cannot use its file gives every operation's failure result and
// never changes a byte of what is there.
#include "StoreFixture.h"

#include <fstream>
#include <iterator>
#include <random>

namespace {

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every operation, answering its failure result.
void expectEveryOperationFails(MySQLLite& store) {
    EXPECT_TRUE(store.getCategories().empty());
    EXPECT_EQ(store.getIDByCategory("Email"), 0);
    EXPECT_FALSE(store.login("root", "tiwe"));
    EXPECT_TRUE(store.getUsers(true).empty());
    EXPECT_FALSE(store.insertUser(makeUser("a", "b", 0)));
    UserSchema user = makeUser("a", "b", 0);
    user.setID(1);
    EXPECT_EQ(store.updateUser(user), WriteResult::Failed);
    EXPECT_EQ(store.delUser(1), WriteResult::Failed);
    EXPECT_EQ(store.hasData(1), std::nullopt); // unknown, never "no entries"
    EXPECT_TRUE(store.getPasswords(1, "Email").empty());
    EXPECT_FALSE(store.getPassword(1));
    EXPECT_FALSE(store.insertPassword(makeEntry(1, 1, "t")));
    PasswordSchema entry = makeEntry(1, 1, "t");
    entry.setID(1);
    EXPECT_EQ(store.updatePassword(entry), WriteResult::Failed);
    EXPECT_EQ(store.delPassword(1), WriteResult::Failed);
}

} // namespace

TEST_F(StoreFixture, AFolderThatCannotBeWrittenOpensNothing) {
    if (geteuid() == 0) {
        // root writes anywhere; make the folder path unusable another way.
        std::filesystem::create_directories(documents_.parent_path());
        std::ofstream(documents_) << "a file where the folder should be";
    } else {
        std::filesystem::create_directories(documents_);
        std::filesystem::permissions(documents_, std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::owner_exec);
    }
    auto& store = start();
    EXPECT_FALSE(std::filesystem::exists(dbFile()));
    expectEveryOperationFails(store);
}

TEST_F(StoreFixture, APathThatIsAFolderIsLeftAlone) {
    std::filesystem::create_directories(dbFile());
    auto& store = start();
    expectEveryOperationFails(store);
    EXPECT_TRUE(std::filesystem::is_directory(dbFile()));
    EXPECT_TRUE(std::filesystem::is_empty(dbFile()));
}

TEST_F(StoreFixture, AFileThatIsNotADatabaseKeepsEveryByte) {
    std::filesystem::create_directories(documents_);
    std::string noise(64 * 1024, '\0');
    std::mt19937 random(7);
    for (char& byte : noise) {
        byte = static_cast<char>(random());
    }
    std::ofstream(dbFile(), std::ios::binary) << noise;

    auto& store = start();
    expectEveryOperationFails(store);
    store_.reset();
    EXPECT_EQ(readAll(dbFile()), noise);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(documents_), {}), 1);
}

TEST_F(StoreFixture, NoDocumentsFolderMeansNoDatabase) {
    MySQLLite store("", nullptr);
    store.createTables();
    EXPECT_EQ(store.dbFilePath(), "");
    expectEveryOperationFails(store);
}

TEST_F(StoreFixture, AWriteLockHeldByAnotherProgramFailsTheWriteTruthfully) {
    auto& store = start();
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(dbFile().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);

    EXPECT_FALSE(store.insertPassword(makeEntry(1, 1, "blocked")));
    EXPECT_TRUE(store.login("root", "tiwe")); // reading still works

    ASSERT_EQ(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    EXPECT_TRUE(store.insertPassword(makeEntry(1, 1, "after")));
    ASSERT_EQ(store.getPasswords(1, "Email").size(), 1u);
    EXPECT_EQ(store.getPasswords(1, "Email")[0].Title(), "after");
}
