#pragma once

#include "PasswordSchema.h"
#include "controller/TextConversion.h"

// How an entry is named where no row shows it (a confirmation): its title and its user name,
// whichever it has, on one line.
inline QString entryName(const PasswordSchema& entry) {
    QStringList parts;
    for (const OptionalText* field : {&entry.Title(), &entry.User()}) {
        const QString text = toQString(*field).simplified();
        if (!text.isEmpty()) {
            parts << text;
        }
    }
    return parts.join(QStringLiteral(" \u2014 ")); // —
}
