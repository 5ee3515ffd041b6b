// The stamp the lists rely on to know that nothing was written since they
// were read.
#include "StoreFixture.h"

TEST_F(StoreFixture, TheStampMovesWithEveryWriteFromAnyConnectionAndOnlyThen) {
    auto& store = start();
    const DataStamp first = store.dataStamp();
    ASSERT_TRUE(first.known);
    store.getPasswords(1, "Email");
    store.getUsers(true);
    EXPECT_EQ(store.dataStamp(), first); // reading writes nothing

    ASSERT_TRUE(store.insertPassword(makeEntry(1, 1, "own write")));
    const DataStamp afterOwnWrite = store.dataStamp();
    EXPECT_NE(afterOwnWrite, first);

    EXPECT_FALSE(store.insertUser(makeUser("root", "x", 0))); // refused: nothing changed
    EXPECT_EQ(store.dataStamp(), afterOwnWrite);

    exec("UPDATE LM_PASSWORD SET Title='changed elsewhere'");
    const DataStamp afterOtherWrite = store.dataStamp();
    EXPECT_NE(afterOtherWrite, afterOwnWrite);
    EXPECT_EQ(store.dataStamp(), afterOtherWrite);

    MySQLLite closed("", nullptr);
    EXPECT_FALSE(closed.dataStamp().known);
    EXPECT_NE(closed.dataStamp(), closed.dataStamp()); // unknown never matches
}
