#include "passwordtools/WordList.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <functional>

namespace {

struct Shipped {
    QLocale::Language language;
    const char* path;
};
// Debian's word list packages, by the language they are in.
constexpr Shipped kShipped[] = {
    {QLocale::German, "/usr/share/dict/ngerman"},
    {QLocale::French, "/usr/share/dict/french"},
    {QLocale::Spanish, "/usr/share/dict/spanish"},
    {QLocale::Italian, "/usr/share/dict/italian"},
    {QLocale::Dutch, "/usr/share/dict/dutch"},
    {QLocale::Polish, "/usr/share/dict/polish"},
    {QLocale::Portuguese, "/usr/share/dict/brazilian"},
};
constexpr const char* kEnglish[] = {"/usr/share/dict/american-english", "/usr/share/dict/words"};

// The word a line holds, in lower case, or nothing.
QString wordOf(QByteArrayView line, bool capitalisedNouns) {
    if (line.size() < 3 || line.size() > 9 * 4) { // nine letters take at most 36 bytes
        return {};
    }
    const QString text = QString::fromUtf8(line);
    if (text.size() < 3 || text.size() > 9) {
        return {};
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool capitalNoun = i == 0 && capitalisedNouns && c.isUpper();
        if (!c.isLetter() || (!c.isLower() && !capitalNoun)) {
            return {};
        }
    }
    return text.toLower();
}

void eachWord(const QByteArray& lines, bool capitalisedNouns,
              const std::function<void(QString)>& take) {
    for (qsizetype start = 0; start < lines.size();) {
        qsizetype end = lines.indexOf('\n', start);
        end = end < 0 ? lines.size() : end;
        QString word =
            wordOf(QByteArrayView(lines).sliced(start, end - start).trimmed(), capitalisedNouns);
        if (!word.isEmpty()) {
            take(std::move(word));
        }
        start = end + 1;
    }
}

} // namespace

WordListFile wordListFor(const QLocale& locale) {
    for (const Shipped& list : kShipped) {
        if (list.language == locale.language() && QFileInfo(list.path).isReadable()) {
            return {QString::fromLatin1(list.path), list.language,
                    list.language == QLocale::German};
        }
    }
    for (const char* path : kEnglish) {
        if (QFileInfo(path).isReadable()) {
            return {QString::fromLatin1(path), QLocale::English, false};
        }
    }
    return {};
}

QStringList loadWordList(const WordListFile& list) {
    QFile file(list.path);
    if (list.path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    // Read whole (the longest, Polish, is 60 MB, for a moment) and counted first, so that a long
    // list is thinned evenly without all its words being held.
    const QByteArray lines = file.readAll();
    qsizetype count = 0;
    eachWord(lines, list.capitalisedNouns, [&](const QString&) { ++count; });
    const qsizetype stride = (count + kMostWords - 1) / kMostWords;
    QStringList words;
    QSet<QString> seen;
    qsizetype index = 0;
    eachWord(lines, list.capitalisedNouns, [&](QString word) {
        if (index++ % stride == 0 && !seen.contains(word)) {
            seen.insert(word);
            words.append(std::move(word));
        }
    });
    return words;
}
