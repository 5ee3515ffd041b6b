#include "passwordtools/PasswordStrength.h"

#include <algorithm>
#include <cmath>
#include <zxcvbn.h>

int passwordStrengthScore(const QString& password) {
    if (password.isEmpty()) {
        return 0;
    }
    const QByteArray text = password.toUtf8();
    // zxcvbn answers in bits: log2 of the guesses an attacker needs.
    const double bits = ZxcvbnMatch(text.constData(), nullptr, nullptr);
    const double guessesLog10 = bits * std::log10(2.0);
    // zxcvbn's own thresholds between its scores.
    if (guessesLog10 < 3) {
        return 0;
    }
    if (guessesLog10 < 6) {
        return 1;
    }
    if (guessesLog10 < 8) {
        return 2;
    }
    if (guessesLog10 < 10) {
        return 3;
    }
    return 4;
}

const char* passwordStrengthKey(int score) {
    static const char* const keys[] = {"StrengthVeryWeak", "StrengthWeak", "StrengthFair",
                                       "StrengthGood", "StrengthStrong"};
    return keys[std::clamp(score, 0, 4)];
}
