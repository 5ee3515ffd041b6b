#pragma once

#include <QString>
#include <QStringList>

// The words a passphrase is drawn from: the system's word list (Debian's wamerican package
// installs it), without names, plurals with apostrophes or accented forms.
inline const QString kSystemWordList = QStringLiteral("/usr/share/dict/words");

// Lower-case ASCII words of three to nine letters, each once, in the file's order; empty when
// the file cannot be read.
QStringList loadWordList(const QString& path);
