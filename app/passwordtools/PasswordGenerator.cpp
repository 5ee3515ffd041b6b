#include "passwordtools/PasswordGenerator.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <stdexcept>
#include <sys/random.h>

namespace {

void systemRandomBytes(unsigned char* buffer, std::size_t length) {
    while (length > 0) {
        const ssize_t got = getrandom(buffer, length, 0);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            // Without the kernel's source there is no password worth making.
            throw std::runtime_error("no cryptographic random source");
        }
        buffer += got;
        length -= static_cast<std::size_t>(got);
    }
}

bool containsAny(const QString& text, const QString& alphabet) {
    for (const QChar c : text) {
        if (alphabet.contains(c)) {
            return true;
        }
    }
    return false;
}

} // namespace

PasswordGenerator::PasswordGenerator() : source_(systemRandomBytes) {}

PasswordGenerator::PasswordGenerator(RandomBytes source) : source_(std::move(source)) {}

const QString& PasswordGenerator::uppercase() {
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    return letters;
}
const QString& PasswordGenerator::lowercase() {
    static const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    return letters;
}
const QString& PasswordGenerator::digits() {
    static const QString numbers = QStringLiteral("0123456789");
    return numbers;
}
const QString& PasswordGenerator::symbols() {
    // No quotes, backslash or space: they trip up forms and shells.
    static const QString marks = QStringLiteral("!#$%&()*+,-./:;<=>?@[]^_{|}~");
    return marks;
}

int PasswordGenerator::uniformBelow(int bound) const {
    // Rejection sampling: a plain modulo would favour the first characters.
    const uint32_t limit = UINT32_MAX - (UINT32_MAX % static_cast<uint32_t>(bound));
    uint32_t value = 0;
    do {
        source_(reinterpret_cast<unsigned char*>(&value), sizeof value);
    } while (value >= limit);
    return static_cast<int>(value % static_cast<uint32_t>(bound));
}

QString PasswordGenerator::generate(int length) const {
    PasswordRecipe everyClass;
    everyClass.length = length;
    return generate(everyClass, {});
}

QString PasswordGenerator::generate(const PasswordRecipe& recipe,
                                    const QStringList& wordList) const {
    if (recipe.passphrase) {
        return passphrase(wordList, std::clamp(recipe.words, PasswordRecipe::kMinWords,
                                               PasswordRecipe::kMaxWords));
    }
    QStringList alphabets;
    for (const auto& [chosen, alphabet] :
         {std::pair{recipe.uppercase, &uppercase()}, std::pair{recipe.lowercase, &lowercase()},
          std::pair{recipe.digits, &digits()}, std::pair{recipe.symbols, &symbols()}}) {
        if (chosen) {
            alphabets.append(*alphabet);
        }
    }
    if (alphabets.isEmpty()) {
        alphabets = {uppercase(), lowercase(), digits(), symbols()};
    }
    return fromAlphabets(alphabets, std::min(recipe.length, PasswordRecipe::kMaxLength));
}

QString PasswordGenerator::fromAlphabets(const QStringList& alphabets, int length) const {
    length = std::max(length, static_cast<int>(alphabets.size()));
    const QString alphabet = alphabets.join(QString());
    // Drawing whole passwords until one has every class keeps every valid
    // password equally likely; at 20 characters nearly every draw has.
    for (;;) {
        QString password;
        password.reserve(length);
        for (int i = 0; i < length; ++i) {
            password.append(alphabet.at(uniformBelow(static_cast<int>(alphabet.size()))));
        }
        if (std::all_of(alphabets.begin(), alphabets.end(),
                        [&](const QString& each) { return containsAny(password, each); })) {
            return password;
        }
    }
}

QString PasswordGenerator::passphrase(const QStringList& wordList, int words) const {
    if (wordList.isEmpty()) {
        return {};
    }
    QStringList drawn;
    for (int i = 0; i < words; ++i) {
        drawn.append(wordList.at(uniformBelow(static_cast<int>(wordList.size()))));
    }
    return drawn.join(u'-');
}
