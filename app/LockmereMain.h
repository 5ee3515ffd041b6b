#pragma once

#include <QString>

// The program's translation tables, embedded from resources/i18n: <this>_<language>.qm.
inline const QString kTranslationTables = QStringLiteral(":/i18n/lockmere");

// The whole program: the windows, the controller, the event loop. Returns the
// exit status.
int runLockmere(int argc, char* argv[]);
