#pragma once

#include <QByteArray>
#include <QString>

// The bytes of a file chosen for import, or why they cannot be had. Only an ordinary file is
// read: a device can give bytes forever and a pipe none, never ending. Its text is read whole,
// so no more than kLargestImport bytes are read, counted as they come (the size a file reports
// can be smaller than what it gives).
struct ImportFile {
    static constexpr qint64 kLargestImport = 64 * 1024 * 1024;
    enum class Problem { None, Folder, NotAFile, TooLarge, Unreadable };

    QByteArray bytes;
    Problem problem = Problem::None;
    int error = 0; // errno, for Unreadable
};

ImportFile readImportFile(const QString& path);
