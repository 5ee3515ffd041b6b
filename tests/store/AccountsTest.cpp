// Accounts: logging in, and the round trips the user editor relies on.
#include "StoreFixture.h"

using Rows = std::vector<std::vector<std::string>>;

TEST_F(StoreFixture, LoginMatchesNameAndPasswordExactly) {
    auto& store = start();
    auto root = store.login("root", "tiwe");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->ID(), 1);
    EXPECT_EQ(root->User(), "root");
    EXPECT_EQ(root->Password(), "tiwe");
    EXPECT_EQ(root->IsRoot(), 1);

    EXPECT_FALSE(store.login("Root", "tiwe"));
    EXPECT_FALSE(store.login("root", "TIWE"));
    EXPECT_FALSE(store.login("root", "tiwe "));
    EXPECT_FALSE(store.login("root", ""));
    EXPECT_FALSE(store.login("root", "' OR '1'='1"));
    EXPECT_FALSE(store.login("' OR 1=1 --", "x"));

    ASSERT_TRUE(store.insertUser(makeUser("guest", "", 0)));
    EXPECT_TRUE(store.login("guest", ""));
    EXPECT_FALSE(store.login("guest", " "));
}

TEST_F(StoreFixture, AccountsRoundTripExactlyAsTyped) {
    auto& store = start();
    const std::string quoted = "O'Brien'); DROP TABLE LM_USER; --";
    const std::string cyrillic = "Пётр 李 🔑";
    ASSERT_TRUE(store.insertUser(makeUser(quoted, "it's", 0)));
    ASSERT_TRUE(store.insertUser(makeUser(cyrillic, "пароль", 1)));
    ASSERT_TRUE(store.insertUser(makeUser(" ", "", 2))); // IsRoot is written as given

    auto users = store.getUsers(false);
    ASSERT_EQ(users.size(), 4u);
    EXPECT_EQ(users[0].User(), "root"); // the seeded administrator first, then in order added
    EXPECT_EQ(users[1].User(), quoted);
    EXPECT_EQ(users[1].Password(), "it's");
    EXPECT_EQ(users[2].User(), cyrillic);
    EXPECT_EQ(users[3].User(), " ");
    EXPECT_EQ(users[3].Password(), "");
    EXPECT_EQ(users[3].IsRoot(), 2);
    EXPECT_EQ(store.getUsers(true).size(), users.size());
    EXPECT_EQ(store.getUsers(true).size(), users.size());
    EXPECT_TRUE(store.login(quoted, "it's"));

    // A record handed in is only read: its ID stays what it was.
    UserSchema fresh = makeUser("fresh", "pw", 0);
    ASSERT_TRUE(store.insertUser(fresh));
    EXPECT_EQ(fresh.ID(), 0);

    UserSchema edited = users[2];
    edited.setUser("Petr");
    edited.setPassword("new");
    edited.setIsRoot(0);
    ASSERT_EQ(store.updateUser(edited), WriteResult::Done);
    EXPECT_EQ(
        query("SELECT User, Password, IsRoot FROM LM_USER WHERE ID=" + std::to_string(edited.ID())),
        (Rows{{"Petr", "new", "0"}}));
}

TEST_F(StoreFixture, RefusedAccountWritesChangeNothing) {
    auto& store = start();
    ASSERT_TRUE(store.insertUser(makeUser("anna", "a", 0)));
    const auto before = query("SELECT * FROM LM_USER ORDER BY ID");

    EXPECT_FALSE(store.insertUser(makeUser("anna", "other", 1))); // name taken
    auto anna = store.login("anna", "a");
    ASSERT_TRUE(anna);
    anna->setUser("root");
    EXPECT_EQ(store.updateUser(*anna), WriteResult::Failed); // renamed onto another account

    UserSchema noPassword;
    noPassword.setUser("nopass");
    EXPECT_FALSE(store.insertUser(noPassword)); // absent is not empty
    UserSchema noName = makeUser("x", "y", 0);
    noName.setUser(std::nullopt);
    noName.setID(2);
    EXPECT_EQ(store.updateUser(noName), WriteResult::Failed);
    EXPECT_EQ(query("SELECT * FROM LM_USER ORDER BY ID"), before);

    // Unknown IDs: the statement runs and changes nothing.
    UserSchema ghost = makeUser("ghost", "g", 0);
    ghost.setID(999);
    EXPECT_EQ(store.updateUser(ghost), WriteResult::NoRow);
    EXPECT_EQ(store.delUser(999), WriteResult::NoRow);
    EXPECT_EQ(store.hasData(999), false);
    EXPECT_EQ(query("SELECT * FROM LM_USER ORDER BY ID"), before);
}

TEST_F(StoreFixture, DeletingAnAccountKeepsItsEntries) {
    auto& store = start();
    ASSERT_TRUE(store.insertUser(makeUser("bob", "b", 0)));
    const int32_t bob = store.login("bob", "b")->ID();
    EXPECT_EQ(store.hasData(bob), false);
    ASSERT_TRUE(store.insertPassword(makeEntry(bob, 1, "mail")));
    EXPECT_EQ(store.hasData(bob), true);
    EXPECT_EQ(store.hasData(1), false);

    // An account that owns entries is never deleted, so no entry loses its owner.
    EXPECT_EQ(store.delUser(bob), WriteResult::NoRow);
    EXPECT_TRUE(store.login("bob", "b"));
    exec("DELETE FROM LM_PASSWORD WHERE UserID=" + std::to_string(bob));
    EXPECT_EQ(store.delUser(bob), WriteResult::Done);
    EXPECT_FALSE(store.login("bob", "b"));
    // AUTOINCREMENT: the ID of a deleted account is never handed out again.
    ASSERT_TRUE(store.insertUser(makeUser("carl", "c", 0)));
    EXPECT_GT(store.login("carl", "c")->ID(), bob);
}
