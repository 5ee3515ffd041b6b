// The password generator and the strength estimate behind the editors.
#include "passwordtools/PasswordGenerator.h"
#include "passwordtools/PasswordStrength.h"

#include <gtest/gtest.h>
#include <set>
#include <sys/random.h>

namespace {
bool hasAny(const QString& text, const QString& alphabet) {
    return std::any_of(text.begin(), text.end(), [&](QChar c) { return alphabet.contains(c); });
}
} // namespace

TEST(PasswordGenerator, MakesDistinctPasswordsWithEveryClassFromTheSystemSource) {
    std::size_t bytesDrawn = 0;
    PasswordGenerator generator([&](unsigned char* buffer, std::size_t length) {
        bytesDrawn += length;
        ASSERT_EQ(getrandom(buffer, length, 0), static_cast<ssize_t>(length));
    });
    const QString allowed = PasswordGenerator::uppercase() + PasswordGenerator::lowercase() +
                            PasswordGenerator::digits() + PasswordGenerator::symbols();
    std::set<QString> seen;
    for (int i = 0; i < 10000; ++i) {
        const QString password = generator.generate();
        ASSERT_EQ(password.size(), 20);
        ASSERT_TRUE(hasAny(password, PasswordGenerator::uppercase())) << password.toStdString();
        ASSERT_TRUE(hasAny(password, PasswordGenerator::lowercase())) << password.toStdString();
        ASSERT_TRUE(hasAny(password, PasswordGenerator::digits())) << password.toStdString();
        ASSERT_TRUE(hasAny(password, PasswordGenerator::symbols())) << password.toStdString();
        for (QChar c : password) {
            ASSERT_TRUE(allowed.contains(c));
        }
        seen.insert(password);
    }
    EXPECT_EQ(seen.size(), 10000u);
    EXPECT_GE(bytesDrawn, 10000u * 20u * 4u); // every character came from the source

    // The default generator draws from the kernel too, and short requests
    // still get one character of each class.
    const QString four = PasswordGenerator().generate(1);
    EXPECT_EQ(four.size(), 4);
    EXPECT_NE(PasswordGenerator().generate(), PasswordGenerator().generate());
}

TEST(PasswordGenerator, EveryCharacterComesFromTheSourceAndNothingElse) {
    // The same bytes from the source give the same password: no other,
    // weaker randomness is mixed in behind the source's back.
    unsigned char next = 0;
    PasswordGenerator stepping([&](unsigned char* buffer, std::size_t length) {
        for (std::size_t i = 0; i < length; ++i) {
            buffer[i] = static_cast<unsigned char>(next++ * 97 + 13);
        }
    });
    const QString first = stepping.generate();
    next = 0;
    EXPECT_EQ(stepping.generate(), first);
    next = 1;
    EXPECT_NE(stepping.generate(), first);
}

TEST(PasswordStrength, WeakAndStrongPasswordsGetTheExpectedScores) {
    EXPECT_EQ(passwordStrengthScore(""), 0);
    EXPECT_EQ(passwordStrengthScore("password"), 0);
    EXPECT_EQ(passwordStrengthScore("123456"), 0);
    EXPECT_LE(passwordStrengthScore("qwertyuiop"), 1);
    EXPECT_LE(passwordStrengthScore("Password1"), 1);
    EXPECT_EQ(passwordStrengthScore("correct horse battery staple"), 4);
    EXPECT_EQ(passwordStrengthScore("q8#Lx!2vR@9mZt$4wK&p"), 4);
    EXPECT_EQ(passwordStrengthScore(PasswordGenerator().generate()), 4);
    EXPECT_STREQ(passwordStrengthKey(0), "StrengthVeryWeak");
    EXPECT_STREQ(passwordStrengthKey(4), "StrengthStrong");
}
