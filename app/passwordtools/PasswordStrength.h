#pragma once

#include <QString>

// How hard a password is to guess, as zxcvbn estimates it, on zxcvbn's
// scale: 0 too guessable, 1 very guessable, 2 somewhat guessable, 3 safely
// unguessable, 4 very unguessable.
int passwordStrengthScore(const QString& password);

// The localisation key of the word for a score ("StrengthVeryWeak" ...).
const char* passwordStrengthKey(int score);
