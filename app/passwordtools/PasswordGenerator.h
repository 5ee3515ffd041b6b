#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <functional>

// What the user asked the generator for: so many characters of the chosen classes, or so many
// words of a word list.
struct PasswordRecipe {
    static constexpr int kMinLength = 8;
    static constexpr int kMaxLength = 128;
    static constexpr int kDefaultLength = 20;
    static constexpr int kMinWords = 3;
    static constexpr int kMaxWords = 12;
    static constexpr int kDefaultWords = 5;

    bool passphrase = false;
    int length = kDefaultLength;
    bool uppercase = true;
    bool lowercase = true;
    bool digits = true;
    bool symbols = true;
    int words = kDefaultWords;
};

// Makes new passwords from the operating system's cryptographic random
// source: characters of the chosen classes (upper- and lower-case letters,
// digits, symbols), at least one of each, every such password of the length
// equally likely; or words drawn from a word list, joined by hyphens.
class PasswordGenerator {
public:
    static constexpr int kDefaultLength = PasswordRecipe::kDefaultLength;

    // Fills a buffer with random bytes. The default is getrandom(2), the
    // kernel's cryptographic source; tests hand in their own to watch it.
    using RandomBytes = std::function<void(unsigned char* buffer, std::size_t length)>;

    PasswordGenerator();
    explicit PasswordGenerator(RandomBytes source);

    // Every class, `length` characters (at least one of each class, at most 128).
    QString generate(int length = kDefaultLength) const;
    // No class chosen counts as every class; an empty word list makes no passphrase (an
    // empty text).
    QString generate(const PasswordRecipe& recipe, const QStringList& wordList) const;

    static const QString& uppercase();
    static const QString& lowercase();
    static const QString& digits();
    static const QString& symbols();

private:
    QString fromAlphabets(const QStringList& alphabets, int length) const;
    QString passphrase(const QStringList& wordList, int words) const;
    // A uniformly drawn index below `bound`.
    int uniformBelow(int bound) const;

    RandomBytes source_;
};
