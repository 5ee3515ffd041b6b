#pragma once

#include <QString>
#include <cstddef>
#include <functional>

// Makes new passwords from the operating system's cryptographic random
// source: upper- and lower-case letters, digits and symbols, at least one of
// each, every such password of the length equally likely.
class PasswordGenerator {
public:
    static constexpr int kDefaultLength = 20;

    // Fills a buffer with random bytes. The default is getrandom(2), the
    // kernel's cryptographic source; tests hand in their own to watch it.
    using RandomBytes = std::function<void(unsigned char* buffer, std::size_t length)>;

    PasswordGenerator();
    explicit PasswordGenerator(RandomBytes source);

    // `length` is at least 4, one character of each class.
    QString generate(int length = kDefaultLength) const;

    static const QString& uppercase();
    static const QString& lowercase();
    static const QString& digits();
    static const QString& symbols();

private:
    // A uniformly drawn index below `bound`.
    int uniformBelow(int bound) const;

    RandomBytes source_;
};
