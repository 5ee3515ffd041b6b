#pragma once

#include "OptionalText.h"

#include <QString>

// The store speaks UTF-8 std::string, the screens QString.
inline QString toQString(const OptionalText& text) {
    return text ? QString::fromStdString(*text) : QString();
}

inline std::string toText(const QString& text) {
    return text.toStdString();
}

inline OptionalText toText(const std::optional<QString>& text) {
    return text ? OptionalText(text->toStdString()) : std::nullopt;
}

// Qt takes "[*]" in a window title for the place of its modified mark and
// drops it; doubled, it shows as typed, so a name is shown exactly.
inline QString literalWindowTitle(QString text) {
    return text.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}
