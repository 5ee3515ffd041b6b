#include "undo/UndoHooks.h"

#include <QDateTime>
#include <QLocale>

QString localTime(const std::string& utc) {
    const QDateTime when = QDateTime::fromString(QString::fromStdString(utc), Qt::ISODate);
    return when.isValid() ? QLocale().toString(when.toLocalTime(), QLocale::ShortFormat)
                          : QString::fromStdString(utc);
}
