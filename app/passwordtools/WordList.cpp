#include "passwordtools/WordList.h"

#include <QFile>
#include <QSet>

namespace {

bool isPlainWord(const QByteArray& line) {
    if (line.size() < 3 || line.size() > 9) {
        return false;
    }
    return std::all_of(line.begin(), line.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

} // namespace

QStringList loadWordList(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList words;
    QSet<QByteArray> seen;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (isPlainWord(line) && !seen.contains(line)) {
            seen.insert(line);
            words.append(QString::fromLatin1(line));
        }
    }
    return words;
}
