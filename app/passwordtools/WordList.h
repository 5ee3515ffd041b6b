#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The words a passphrase is drawn from: the word list Debian ships for the desktop's language
// (wngerman, wfrench, wspanish, witalian, wdutch, wpolish, wbrazilian), or the English one
// (wamerican) for any other language or when that package is not installed.
struct WordListFile {
    QString path; // empty when no list is installed at all
    QLocale::Language language = QLocale::English;
    // German lists write nouns capitalised; they are words like any other in lower case.
    bool capitalisedNouns = false;
};
WordListFile wordListFor(const QLocale& locale);

// More words add nothing a person would notice and cost memory: 65,536 give 16 bits a word.
inline constexpr int kMostWords = 65536;

// Lower-case words of three to nine letters (accented letters too), each once, in the file's
// order; not names, abbreviations, words with apostrophes, digits or hyphens. A list longer
// than kMostWords (Polish lists every inflected form: millions) is thinned evenly through the
// file. Empty when the file cannot be read.
QStringList loadWordList(const WordListFile& list);
