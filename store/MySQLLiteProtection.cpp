// Protecting the file at rest: opening a protected file with its passphrase or recovery code,
// writing the file protected (or plain again), and wrapping its key under a new secret.
#include "MySQLLite.h"
#include "Statement.h"
#include "sealed/SealedVfs.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Beside the file while a conversion or a change of secret runs; found after a kill, they are
// cleared up at the next start.
constexpr const char* kProtecting = ".protecting";
constexpr const char* kUnprotecting = ".unprotecting";
constexpr const char* kPlainToWipe = ".plain-wipe";
constexpr const char* kNewHeader = ".new-header";

// A path as SQLite's URI filenames take it, through `vfs`.
std::string uriOf(const std::string& path, const char* vfs) {
    std::string uri = "file:";
    for (const unsigned char c : path) {
        if (std::isalnum(c) != 0 || std::strchr("/-._~", c) != nullptr) {
            uri += static_cast<char>(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            uri += escaped;
        }
    }
    return uri + "?vfs=" + vfs;
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

bool sync(const std::string& path, int flags = O_RDONLY) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return synced;
}

bool exists(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

// Overwrites a file's bytes (a plain copy of every password) before it is let go. Flash storage
// may still keep the blocks it held before; the README says so.
void wipe(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd >= 0) {
        struct stat status {};
        ::fstat(fd, &status);
        const std::vector<char> zeros(1 << 16, 0);
        for (off_t at = 0; at < status.st_size;) {
            const ssize_t written = ::pwrite(
                fd, zeros.data(),
                static_cast<size_t>(std::min<off_t>(zeros.size(), status.st_size - at)), at);
            if (written <= 0) {
                break;
            }
            at += written;
        }
        ::fsync(fd);
        ::close(fd);
    }
    ::unlink(path.c_str());
}

// Held while a copy of the program converts the file, changes its secret or clears what such a
// change left after a kill: two copies never do these at once, and one that starts meanwhile
// leaves another's files in the middle of their work alone. A lock on the folder (flock, apart
// from SQLite's own locks on the file) goes with the process, so a kill never leaves it held.
class FolderLock {
public:
    // Waits up to `patience` seconds for a copy that converts meanwhile.
    FolderLock(const std::string& folder, int patience)
        : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        for (int tries = patience * 10; fd_ >= 0; --tries) {
            if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
                held_ = true;
                return;
            }
            if (errno != EWOULDBLOCK || tries <= 0) {
                held_ = errno != EWOULDBLOCK; // a folder without flock: as before there was one
                return;
            }
            ::usleep(100000);
        }
    }
    ~FolderLock() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool held() const { return held_; }

private:
    int fd_;
    bool held_ = false;
};

// Whether `other` is the file at `path` itself under another name: a link made just before the
// rename that a kill stopped.
bool sameFile(const std::string& path, const std::string& other) {
    struct stat one {
    }, two{};
    return ::stat(path.c_str(), &one) == 0 && ::lstat(other.c_str(), &two) == 0 &&
           one.st_dev == two.st_dev && one.st_ino == two.st_ino;
}

// Whether the new file opens on its own, is sound, and holds as many rows as the old one.
bool sameAndSound(sqlite3* old, const std::string& target, const char* vfs) {
    sqlite3* copy = nullptr;
    bool sound = sqlite3_open_v2(target.c_str(), &copy, SQLITE_OPEN_READONLY, vfs) == SQLITE_OK;
    if (sound) {
        Statement check(copy, "PRAGMA integrity_check");
        sound = check.nextRow() && check.columnText(0) == "ok";
    }
    for (const char* table : {"LM_USER", "LM_CATEGORY", "LM_PASSWORD"}) {
        const std::string count = std::string("SELECT count(*) FROM ") + table;
        Statement there(copy, count.c_str()), here(old, count.c_str());
        sound = sound && there.nextRow() && here.nextRow() &&
                there.columnInt64(0) == here.columnInt64(0);
    }
    sqlite3_close(copy);
    return sound;
}

} // namespace

void MySQLLite::clearLeftovers() {
    const std::string path = dbFilePath();
    const FolderLock conversion(folderOf(path), 0);
    if (!conversion.held()) {
        return; // another copy is converting: what lies beside the file is its work
    }
    // A change of secret stopped between its two writes: the whole new header is put in place,
    // over the header of the same protected file only.
    if (const std::optional<SealedHeader> header = SealedHeader::read(path + kNewHeader)) {
        const std::optional<SealedHeader> now = SealedHeader::read(path);
        const int fd =
            now && std::memcmp(now->fileId(), header->fileId(), SealedHeader::kFileIdBytes) == 0
                ? ::open(path.c_str(), O_WRONLY | O_CLOEXEC)
                : -1;
        const auto bytes = header->bytes();
        if (fd >= 0 &&
            ::pwrite(fd, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size())) {
            ::fsync(fd);
        }
        if (fd >= 0) {
            ::close(fd);
        }
    }
    ::unlink((path + kNewHeader).c_str());
    for (const std::string& plain : {std::string(kPlainToWipe), std::string(kUnprotecting),
                                     std::string(kUnprotecting) + "-journal"}) {
        if (sameFile(path, path + plain)) {
            ::unlink((path + plain).c_str()); // killed before the rename: the file is still this
        } else if (exists(path + plain)) {
            wipe(path + plain);
        }
    }
    ::unlink((path + kProtecting).c_str());
    ::unlink((path + kProtecting + "-journal").c_str());
}

MySQLLite::Unlock MySQLLite::unlock(const std::string& secret) {
    const std::string path = dbFilePath();
    if (fileProblem_ == FileProblem::Damaged) {
        return Unlock::Damaged;
    }
    if (database_ != nullptr || fileProblem_ != FileProblem::Protected) {
        return database_ != nullptr && key_ != nullptr ? Unlock::Opened : Unlock::Refused;
    }
    std::optional<SealedHeader> header = SealedHeader::read(path);
    if (!header) {
        fileProblem_ = FileProblem::Damaged;
        return Unlock::Damaged;
    }
    SealedHeader::Slot opened = SealedHeader::Slot::Passphrase;
    std::shared_ptr<FileKey> key = header->unlock(secret, &opened);
    if (key == nullptr) {
        return Unlock::Refused;
    }
    sealedvfs::admit(path, key, header->bytes());
    if (!sealedvfs::everyPageOpens(path)) {
        sealedvfs::forget(path);
        fileProblem_ = FileProblem::Damaged;
        return Unlock::Damaged;
    }
    key_ = std::move(key);
    header_ = std::move(header);
    createTables();
    if (database_ == nullptr || fileProblem_ == FileProblem::Damaged) {
        closeDB();
        key_.reset();
        header_.reset();
        sealedvfs::forget(path);
        fileProblem_ = FileProblem::Damaged;
        return Unlock::Damaged;
    }
    return opened == SealedHeader::Slot::RecoveryCode ? Unlock::OpenedWithRecoveryCode
                                                      : Unlock::Opened;
}

MySQLLite::Conversion MySQLLite::protect(const std::string& passphrase,
                                         const std::string& recoveryCode, KdfCost cost) {
    std::shared_ptr<FileKey> key = FileKey::random();
    SealedHeader header = SealedHeader::fresh();
    if (database_ == nullptr || key_ != nullptr || batchOpen_ || key == nullptr ||
        !sealedvfs::install() ||
        !header.setSlot(SealedHeader::Slot::Passphrase, *key, passphrase, cost) ||
        !header.setSlot(SealedHeader::Slot::RecoveryCode, *key,
                        SealedHeader::normalRecoveryCode(recoveryCode), cost)) {
        return Conversion::Failed;
    }
    const std::string target = dbFilePath() + kProtecting;
    sealedvfs::admit(target, key, header.bytes());
    // Every page of the new file is as long as the sealing takes it to be (a plain file made
    // elsewhere may have others), and keeps room at its end for its nonce and tag.
    const std::string pageSize = "PRAGMA page_size=" + std::to_string(SealedHeader::kPageSize);
    int reserved = SealedHeader::kReservedBytes;
    if (!run(pageSize.c_str()) ||
        sqlite3_file_control(database_, "main", SQLITE_FCNTL_RESERVE_BYTES, &reserved) !=
            SQLITE_OK) {
        sealedvfs::forget(target);
        return Conversion::Failed;
    }
    key_ = key;
    header_ = header;
    const Conversion done = convertInto(target, sealedvfs::kName, true);
    sealedvfs::forget(target);
    if (done != Conversion::Done) {
        key_.reset();
        header_.reset();
    }
    return done;
}

MySQLLite::Conversion MySQLLite::removeProtection() {
    if (database_ == nullptr || key_ == nullptr || batchOpen_) {
        return Conversion::Failed;
    }
    const std::shared_ptr<FileKey> key = key_;
    const std::optional<SealedHeader> header = header_;
    key_.reset();
    header_.reset();
    const Conversion done =
        convertInto(dbFilePath() + kUnprotecting, sqlite3_vfs_find(nullptr)->zName, false);
    if (done != Conversion::Done) {
        key_ = key;
        header_ = header;
    } else {
        sealedvfs::forget(dbFilePath());
    }
    return done;
}

MySQLLite::Conversion MySQLLite::convertInto(const std::string& target, const char* vfs,
                                             bool wipeOld) {
    const std::string path = dbFilePath();
    const FolderLock conversion(folderOf(path), 5);
    if (!conversion.held()) {
        return Conversion::Busy;
    }
    ::unlink(target.c_str());
    // Made empty first, readable by its owner only: SQLite would make it with the usual 0644.
    const int made = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (made < 0) {
        return Conversion::Failed;
    }
    ::close(made);
    const DataStamp before = dataStamp();
    bool done = false;
    { // finalized before the connection is closed below, or the close fails and leaks it
        Statement copy(database_, "VACUUM INTO ?");
        copy.bind(uriOf(target, vfs));
        done = before.known && copy.execute();
    }
    // From here until the new file is in place no other program writes the old one; one that
    // wrote while the copy was made has its change in the old file only: it is made again.
    if (done && !run("BEGIN IMMEDIATE")) {
        ::unlink(target.c_str());
        return Conversion::Busy;
    }
    if (done && dataStamp() != before) {
        rollBack();
        ::unlink(target.c_str());
        return Conversion::Busy;
    }
    done = done && sameAndSound(database_, target, vfs) &&
           (!wipeOld || sealedvfs::everyPageOpens(target)) && sync(target) &&
           (!wipeOld || ::link(path.c_str(), (path + kPlainToWipe).c_str()) == 0) &&
           ::rename(target.c_str(), path.c_str()) == 0;
    if (!done) {
        if (sqlite3_get_autocommit(database_) == 0) {
            rollBack();
        }
        ::unlink((path + kPlainToWipe).c_str());
        wipeOld ? (void)::unlink(target.c_str()) : wipe(target);
        return Conversion::Failed;
    }
    sync(folderOf(path), O_RDONLY | O_DIRECTORY);
    rollBack(); // the old file's lock goes with its connection
    if (key_ != nullptr) {
        sealedvfs::admit(path, key_, header_->bytes());
    }
    closeDB();
    createTables();
    if (wipeOld) {
        wipe(path + kPlainToWipe);
    }
    return database_ != nullptr ? Conversion::Done : Conversion::Failed;
}

bool MySQLLite::opensWith(const std::string& secret) const {
    // The header as it is now: another copy may have changed a secret since this one unlocked.
    const std::optional<SealedHeader> now =
        header_ ? SealedHeader::read(dbFilePath()) : std::nullopt;
    return now && std::memcmp(now->fileId(), header_->fileId(), SealedHeader::kFileIdBytes) == 0 &&
           now->unlock(secret) != nullptr;
}

bool MySQLLite::changeSecret(SealedHeader::Slot slot, const std::string& secret, KdfCost cost) {
    if (database_ == nullptr || key_ == nullptr || !header_) {
        return false;
    }
    SealedHeader withNewSlot = *header_;
    const std::string typed = slot == SealedHeader::Slot::RecoveryCode
                                  ? SealedHeader::normalRecoveryCode(secret)
                                  : secret;
    if (!withNewSlot.setSlot(slot, *key_, typed, cost)) {
        return false;
    }
    // Argon2id done, the header as it is now is changed, under the conversions' lock: another
    // copy may have changed the other slot meanwhile (kept), or converted the file (then this
    // copy's key is not the file's, and nothing is written). SQLite's pages are not touched.
    const std::string path = dbFilePath(), side = path + kNewHeader;
    const FolderLock conversion(folderOf(path), 5);
    std::optional<SealedHeader> changed =
        conversion.held() && !fileMoved() ? SealedHeader::read(path) : std::nullopt;
    if (!changed ||
        std::memcmp(changed->fileId(), header_->fileId(), SealedHeader::kFileIdBytes) != 0) {
        return false;
    }
    changed->takeSlot(slot, withNewSlot);
    // Written whole beside the file first: a kill in the middle of the write in place leaves the
    // whole header there, which the next start puts in place.
    const auto bytes = changed->bytes();
    const int sideFd = ::open(side.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    bool sideWritten =
        sideFd >= 0 &&
        ::write(sideFd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
        ::fsync(sideFd) == 0;
    if (sideFd >= 0) {
        ::close(sideFd);
    }
    const int fd = sideWritten ? ::open(path.c_str(), O_WRONLY | O_CLOEXEC) : -1;
    const bool written =
        fd >= 0 &&
        ::pwrite(fd, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size()) &&
        ::fsync(fd) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    if (!written) {
        // Not opened for writing: nothing of the file changed, and the side file must not change
        // it at the next start. A write begun and failed is finished then.
        if (fd < 0) {
            ::unlink(side.c_str());
        }
        return false;
    }
    ::unlink(side.c_str());
    header_ = std::move(changed);
    sealedvfs::admit(path, key_, bytes);
    return true;
}
