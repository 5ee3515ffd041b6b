#include "toolkit/PrivateFile.h"

#include "OwnLinks.h"

#include <QFile>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

PrivateFileWrite failed(int error) {
    return {PrivateFileWrite::Outcome::Failed, error};
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// Replaces `path` with the file at the end of its chain of links, refusing at the first link
// that is not the user's. The kernel follows links in sticky folders only for their owner or
// the folder's; this is stricter, and holds in every folder.
PrivateFileWrite followOwnLinks(std::string& path) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) {
            return errno == ENOENT ? PrivateFileWrite{} : failed(errno); // a new file: made
        }
        if (!S_ISLNK(status.st_mode)) {
            return {};
        }
        if (status.st_uid != ::geteuid()) {
            return {PrivateFileWrite::Outcome::ForeignLink};
        }
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0 || length >= PATH_MAX) {
            return failed(length < 0 ? errno : ENAMETOOLONG);
        }
        target.resize(static_cast<size_t>(length));
        path = target.compare(0, 1, "/") == 0 ? target : folderOf(path) + '/' + target;
    }
    return failed(ELOOP);
}

// 0 when every byte reached the file, else the errno that stopped it.
int writeAll(int descriptor, const QByteArray& bytes) {
    for (qsizetype at = 0; at < bytes.size();) {
        const ssize_t written =
            ::write(descriptor, bytes.constData() + at, static_cast<size_t>(bytes.size() - at));
        if (written < 0 && errno != EINTR) {
            return errno;
        }
        at += written > 0 ? written : 0;
    }
    return 0;
}

} // namespace

PrivateFileWrite writePrivateFile(const QString& path, const QByteArray& bytes) {
    std::string target = QFile::encodeName(path).toStdString();
    if (!onlyOwnLinks(target)) { // a folder on the way included
        return {PrivateFileWrite::Outcome::ForeignLink};
    }
    if (const PrivateFileWrite link = followOwnLinks(target);
        link.outcome != PrivateFileWrite::Outcome::Written) {
        return link;
    }
    const std::string folder = folderOf(target);
    const std::string name = target.substr(target.rfind('/') + 1);
    // Beside the target, so that the rename stays on one file system; mkostemp opens it with
    // O_EXCL and mode 0600, so no other user can ever open it.
    std::string temporary = folder + "/." + (name.size() <= 200 ? name + "." : "") + "XXXXXX";
    const int descriptor = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0) {
        return failed(errno);
    }
    int error = writeAll(descriptor, bytes);
    if (error == 0 && ::fsync(descriptor) != 0) {
        error = errno;
    }
    if (::close(descriptor) != 0 && error == 0) {
        error = errno; // a network file system may report a failed write only here
    }
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return failed(error);
    }
    // Makes the rename itself last through a power cut. The new file is in place and whole by
    // now, so a folder that cannot be synced (some network and FUSE file systems refuse) is no
    // reason to call the export failed.
    const int folderDescriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderDescriptor >= 0) {
        ::fsync(folderDescriptor);
        ::close(folderDescriptor);
    }
    return {};
}
