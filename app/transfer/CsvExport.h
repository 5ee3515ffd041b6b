#pragma once

#include "PasswordSchema.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

// Entries as KeePassXC's ten-column CSV export, which KeePassXC, Bitwarden
// and Lockmere itself import: UTF-8, every field quoted, quotes doubled, line
// breaks kept inside the quotes; the group is the entry's category name.
QByteArray exportCsv(const std::vector<PasswordSchema>& entries,
                     const std::function<QString(int32_t categoryID)>& categoryName);
