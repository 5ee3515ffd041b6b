#pragma once

#include <QByteArray>
#include <QString>

// How writing a private file ended.
struct PrivateFileWrite {
    enum class Outcome { Written, ForeignLink, Failed };
    Outcome outcome = Outcome::Written;
    int error = 0; // Failed: the errno of the step that failed, for strerror()
};

// Writes `bytes` to `path` as a file that only its owner can read and write (0600 from its
// first byte), atomically: a new file in the same folder, written whole and synced, is renamed
// over the old one. When any step fails the new file is removed and a file already at `path`
// keeps every byte, so a full disk never leaves an empty or half-written file behind.
//
// A symbolic link at `path` that the user owns is followed: its target is replaced (or made,
// when the link dangles) and the link stays. A link that anybody else owns is refused
// (ForeignLink) and nothing is written: in a shared folder such as /tmp it is a trap that would
// have the user overwrite a file of its owner's choosing.
PrivateFileWrite writePrivateFile(const QString& path, const QByteArray& bytes);
