#include "CategorySchema.h"
#include "PasswordSchema.h"
#include "UserSchema.h"

#include <gtest/gtest.h>

TEST(RecordTypes, NewRecordsHoldZerosAndAbsentTextsDistinctFromEmpty) {
    PasswordSchema entry;
    EXPECT_EQ(entry.ID(), 0);
    EXPECT_EQ(entry.UserID(), 0);
    EXPECT_EQ(entry.CategoryID(), 0);
    EXPECT_FALSE(entry.Title() || entry.User() || entry.Password() || entry.Http() || entry.Memo());
    entry.setMemo("");
    EXPECT_TRUE(entry.Memo().has_value());
    EXPECT_EQ(entry.Memo(), "");

    UserSchema user;
    EXPECT_EQ(user.IsRoot(), 0);
    EXPECT_FALSE(user.User() || user.Password());
    CategorySchema category;
    EXPECT_EQ(category.ID(), 0);
    EXPECT_FALSE(category.Category());
}
