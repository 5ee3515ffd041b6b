#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` to `path` as a file that only its owner can read and write
// (0600), atomically: the new file appears whole or not at all, and a file
// already there is left untouched when anything fails. False on failure.
bool writePrivateFile(const QString& path, const QByteArray& bytes);
