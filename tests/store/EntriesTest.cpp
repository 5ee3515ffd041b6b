// Password entries: the lists the screens index by row number, and the round
// trips of the entry editor.
#include "StoreFixture.h"

using Rows = std::vector<std::vector<std::string>>;

namespace {
std::vector<std::string> titles(const std::vector<PasswordSchema>& entries) {
    std::vector<std::string> result;
    for (const auto& entry : entries) {
        result.push_back(entry.Title().value_or("<absent>"));
    }
    return result;
}
} // namespace

TEST_F(StoreFixture, EntriesRoundTripExactlyAsTyped) {
    auto& store = start();
    const std::string memo(1 << 20, 'm');
    const std::string quoted = "it's '); DELETE FROM LM_PASSWORD; --";
    ASSERT_TRUE(
        store.insertPassword(makeEntry(1, 1, quoted, "ü李", "p'w", "https://x.test/?a='b'", memo)));
    ASSERT_TRUE(store.insertPassword(makeEntry(1, 1, "bare"))); // four empty texts

    auto entries = store.getPasswords(1, "Email");
    ASSERT_EQ(entries.size(), 2u);
    const PasswordSchema& bare = entries[0]; // "bare" < "it's" bytewise
    EXPECT_EQ(bare.Title(), "bare");
    EXPECT_EQ(bare.User(), "");
    EXPECT_EQ(bare.Password(), "");
    EXPECT_EQ(bare.Http(), "");
    EXPECT_EQ(bare.Memo(), "");
    EXPECT_EQ(query("SELECT count(*) FROM LM_PASSWORD WHERE User IS NULL OR Memo IS NULL"),
              (Rows{{"0"}})); // empty is stored as empty, never as NULL

    const PasswordSchema& full = entries[1];
    EXPECT_EQ(full.UserID(), 1);
    EXPECT_EQ(full.CategoryID(), 1);
    EXPECT_EQ(full.Title(), quoted);
    EXPECT_EQ(full.User(), "ü李");
    EXPECT_EQ(full.Password(), "p'w");
    EXPECT_EQ(full.Http(), "https://x.test/?a='b'");
    EXPECT_EQ(full.Memo(), memo);

    auto single = store.getPassword(full.ID());
    ASSERT_TRUE(single);
    EXPECT_EQ(single->Memo()->size(), memo.size());
    EXPECT_FALSE(store.getPassword(12345));

    // Absent texts are refused and nothing is written.
    PasswordSchema incomplete = makeEntry(1, 1, "t");
    incomplete.setMemo(std::nullopt);
    EXPECT_FALSE(store.insertPassword(incomplete));
    incomplete.setID(full.ID());
    EXPECT_EQ(store.updatePassword(incomplete), WriteResult::Failed);
    EXPECT_EQ(store.getPassword(full.ID())->Title(), quoted);
    EXPECT_EQ(store.getPasswords(1, "Email").size(), 2u);
}

TEST_F(StoreFixture, ListsAreOrderedStablyAndHoldOnlyTheOwnersEntries) {
    auto& store = start();
    ASSERT_TRUE(store.insertUser(makeUser("other", "o", 0)));
    for (const char* title : {"b", "A", "a", "B"}) {
        ASSERT_TRUE(store.insertPassword(makeEntry(1, 1, title)));
    }
    ASSERT_TRUE(store.insertPassword(makeEntry(1, 1, "a", "zed")));
    ASSERT_TRUE(store.insertPassword(makeEntry(1, 1, "a", "al")));
    ASSERT_TRUE(store.insertPassword(makeEntry(2, 1, "A"))); // same category, another owner
    ASSERT_TRUE(store.insertPassword(makeEntry(1, 2, "A"))); // same owner, another category

    const auto first = store.getPasswords(1, "Email");
    EXPECT_EQ(titles(first), (std::vector<std::string>{"A", "B", "a", "a", "a", "b"}));
    EXPECT_EQ(first[2].User(), "");
    EXPECT_EQ(first[3].User(), "al");
    EXPECT_EQ(first[4].User(), "zed");
    const auto second = store.getPasswords(1, "Email");
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].ID(), second[i].ID());
    }
    EXPECT_EQ(titles(store.getPasswords(2, "Email")), (std::vector<std::string>{"A"}));
    EXPECT_TRUE(store.getPasswords(3, "Email").empty());

    // A row number taken before a deletion names the next record afterwards.
    ASSERT_EQ(store.delPassword(first[1].ID()), WriteResult::Done);
    EXPECT_EQ(store.getPasswords(1, "Email")[1].ID(), first[2].ID());
}

TEST_F(StoreFixture, UpdatesMoveEntriesBetweenCategoriesButNeverBetweenOwners) {
    auto& store = start();
    ASSERT_TRUE(store.insertPassword(makeEntry(1, 1, "router login", "admin", "pw")));
    PasswordSchema entry = store.getPasswords(1, "Email").at(0);
    entry.setCategoryID(store.getIDByCategory("Router"));
    entry.setUserID(42);
    entry.setPassword("changed");
    ASSERT_EQ(store.updatePassword(entry), WriteResult::Done);

    EXPECT_TRUE(store.getPasswords(1, "Email").empty());
    auto moved = store.getPasswords(1, "Router");
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved[0].UserID(), 1);
    EXPECT_EQ(moved[0].Password(), "changed");

    // An entry filed under a category that does not exist is stored and
    // listed under none.
    EXPECT_TRUE(store.insertPassword(makeEntry(1, 99, "orphan")));
    for (const auto& category : store.getCategories()) {
        for (const auto& listed : store.getPasswords(1, category.Category())) {
            EXPECT_NE(listed.Title(), "orphan");
        }
    }

    // Unknown IDs change nothing and still succeed.
    PasswordSchema ghost = makeEntry(1, 1, "ghost");
    ghost.setID(999);
    EXPECT_EQ(store.updatePassword(ghost), WriteResult::NoRow);
    EXPECT_EQ(store.delPassword(999), WriteResult::NoRow);
    EXPECT_EQ(query("SELECT count(*) FROM LM_PASSWORD"), (Rows{{"2"}}));
}

TEST_F(StoreFixture, RowsWrittenByAnotherProgramReadSafely) {
    auto& store = start();
    exec("INSERT INTO LM_PASSWORD(UserID,CategoryID,Title,User,Password,Http,Memo) "
         "VALUES(1,1,'nulls',NULL,NULL,NULL,NULL)");
    exec("INSERT INTO LM_PASSWORD(UserID,CategoryID,Title,User,Password,Http,Memo) "
         "VALUES(1,1,'numbers',42,3.5,x'41',NULL)");
    exec("INSERT INTO LM_USER(User,Password,IsRoot) VALUES(7,'pw','yes')");

    auto entries = store.getPasswords(1, "Email");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].Title(), "nulls");
    EXPECT_EQ(entries[0].User(), "");
    EXPECT_EQ(entries[0].Memo(), "");
    EXPECT_EQ(entries[1].User(), "42");
    EXPECT_EQ(entries[1].Password(), "3.5");
    EXPECT_EQ(entries[1].Http(), "A");

    auto users = store.getUsers(true);
    ASSERT_EQ(users.size(), 2u);
    EXPECT_EQ(users[1].User(), "7");
    EXPECT_EQ(users[1].IsRoot(), 0);
    // A change made by another program shows at the next read.
    exec("DELETE FROM LM_PASSWORD WHERE Title='nulls'");
    EXPECT_EQ(store.getPasswords(1, "Email").size(), 1u);
}
