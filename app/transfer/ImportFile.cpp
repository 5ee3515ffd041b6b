#include "transfer/ImportFile.h"

#include <QFile>
#include <QScopeGuard>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
ImportFile refused(ImportFile::Problem problem, int error = 0) {
    return {QByteArray(), problem, error};
}
} // namespace

ImportFile readImportFile(const QString& path) {
    // Not blocking, so that opening a pipe with no writer returns at once.
    const int file = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0) {
        return refused(ImportFile::Problem::Unreadable, errno);
    }
    const auto closing = qScopeGuard([file] { ::close(file); });
    struct stat status {};
    if (::fstat(file, &status) != 0) {
        return refused(ImportFile::Problem::Unreadable, errno);
    }
    if (S_ISDIR(status.st_mode)) {
        return refused(ImportFile::Problem::Folder);
    }
    if (!S_ISREG(status.st_mode)) {
        return refused(ImportFile::Problem::NotAFile);
    }
    constexpr qint64 kPiece = 1 << 20;
    ImportFile read;
    read.bytes.reserve(std::min<qint64>(status.st_size, ImportFile::kLargestImport) + kPiece);
    qint64 size = 0;
    for (;;) {
        const qint64 piece = std::min(kPiece, ImportFile::kLargestImport + 1 - size);
        read.bytes.resize(size + piece);
        const ssize_t got = ::read(file, read.bytes.data() + size, static_cast<size_t>(piece));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return refused(ImportFile::Problem::Unreadable, errno);
        }
        size += got;
        if (size > ImportFile::kLargestImport) {
            return refused(ImportFile::Problem::TooLarge);
        }
        if (got == 0) {
            read.bytes.resize(size);
            return read;
        }
    }
}
