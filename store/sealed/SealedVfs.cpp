#include "sealed/SealedVfs.h"

#include "sealed/SealedHeader.h"
#include "sealed/SealedJournal.h"
#include "sealed/SealedPage.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <new>
#include <sodium.h>
#include <sqlite3.h>
#include <vector>

namespace sealedvfs {
namespace {

using page::kHeader;
using page::SealedFile;
constexpr int kPage = page::kSize;
constexpr const char* kJournalSuffix = "-journal";

struct Admitted {
    std::shared_ptr<FileKey> key;
    std::array<unsigned char, SealedHeader::kSize> header{};
    std::shared_ptr<std::atomic<bool>> damaged;
};

std::mutex& lock() {
    static std::mutex mutex;
    return mutex;
}
std::map<std::string, Admitted>& admitted() {
    static std::map<std::string, Admitted> files;
    return files;
}

sqlite3_vfs* root() {
    static sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
    return vfs;
}

// A file is admitted under the name SQLite gives it when it opens it: absolute, with links in
// its folders followed. A Documents folder reached through a link is the same folder.
std::string canonical(const std::string& path) {
    if (root() == nullptr || path.empty()) {
        return path;
    }
    std::vector<char> full(static_cast<size_t>(root()->mxPathname) + 1);
    const int rc =
        root()->xFullPathname(root(), path.c_str(), static_cast<int>(full.size()), full.data());
    return (rc & 0xff) == SQLITE_OK ? std::string(full.data()) : path; // or SQLITE_OK_SYMLINK
}

SealedFile* sealed(sqlite3_file* file) {
    return reinterpret_cast<SealedFile*>(file);
}

bool allZero(const unsigned char* bytes, int n) {
    for (int i = 0; i < n; ++i) {
        if (bytes[i] != 0) {
            return false;
        }
    }
    return true;
}

// --- The database ----------------------------------------------------------

// Page `index` (from 0) in the clear; SQLITE_IOERR_SHORT_READ (zeros) past the end of the file,
// SQLITE_IOERR_DATA when it fails authentication.
int readPage(SealedFile& file, sqlite3_int64 index, unsigned char* plain) {
    int rc =
        file.real->pMethods->xRead(file.real, file.scratch.data(), kPage, kHeader + index * kPage);
    if (rc == SQLITE_IOERR_SHORT_READ && allZero(file.scratch.data(), kPage)) {
        std::memset(plain, 0, kPage);
        return rc;
    }
    if (rc != SQLITE_OK && rc != SQLITE_IOERR_SHORT_READ) {
        return rc;
    }
    if (rc == SQLITE_IOERR_SHORT_READ ||
        !page::open(file, index + 1, 0, file.scratch.data(), plain)) {
        file.markDamaged();
        return SQLITE_IOERR_DATA;
    }
    return SQLITE_OK;
}

int databaseRead(SealedFile& file, unsigned char* into, int amount, sqlite3_int64 offset) {
    std::vector<unsigned char> plain(kPage);
    int result = SQLITE_OK;
    for (sqlite3_int64 at = offset; at < offset + amount;) {
        const sqlite3_int64 index = at / kPage;
        const int from = static_cast<int>(at - index * kPage);
        const int part =
            static_cast<int>(std::min<sqlite3_int64>(kPage - from, offset + amount - at));
        const int rc = readPage(file, index, plain.data());
        if (rc != SQLITE_OK && rc != SQLITE_IOERR_SHORT_READ) {
            return rc;
        }
        result = rc == SQLITE_IOERR_SHORT_READ ? rc : result;
        std::memcpy(into + (at - offset), plain.data() + from, static_cast<size_t>(part));
        at += part;
    }
    return result;
}

int databaseWrite(SealedFile& file, const unsigned char* from, int amount, sqlite3_int64 offset) {
    std::vector<unsigned char> plain(kPage), stored(kPage);
    for (sqlite3_int64 at = offset; at < offset + amount;) {
        const sqlite3_int64 index = at / kPage;
        const int into = static_cast<int>(at - index * kPage);
        const int part =
            static_cast<int>(std::min<sqlite3_int64>(kPage - into, offset + amount - at));
        if (part < kPage) { // SQLite writes whole pages; anything else is read, changed, sealed
            const int rc = readPage(file, index, plain.data());
            if (rc != SQLITE_OK && rc != SQLITE_IOERR_SHORT_READ) {
                return SQLITE_IOERR_WRITE;
            }
        }
        std::memcpy(plain.data() + into, from + (at - offset), static_cast<size_t>(part));
        page::seal(file, index + 1, 0, plain.data(), stored.data());
        const int rc =
            file.real->pMethods->xWrite(file.real, stored.data(), kPage, kHeader + index * kPage);
        if (rc != SQLITE_OK) {
            return rc;
        }
        at += part;
    }
    return SQLITE_OK;
}

// --- The io methods --------------------------------------------------------

int xClose(sqlite3_file* file) {
    SealedFile* f = sealed(file);
    const int rc = f->real->pMethods != nullptr ? f->real->pMethods->xClose(f->real) : SQLITE_OK;
    f->~SealedFile();
    return rc;
}

int xRead(sqlite3_file* file, void* into, int amount, sqlite3_int64 offset) {
    SealedFile& f = *sealed(file);
    auto* bytes = static_cast<unsigned char*>(into);
    return f.kind == page::Database ? databaseRead(f, bytes, amount, offset)
                                    : journal::read(f, bytes, amount, offset);
}

int xWrite(sqlite3_file* file, const void* from, int amount, sqlite3_int64 offset) {
    SealedFile& f = *sealed(file);
    if (f.isDamaged()) {
        return SQLITE_IOERR_WRITE; // a damaged file is never written to
    }
    const auto* bytes = static_cast<const unsigned char*>(from);
    return f.kind == page::Database ? databaseWrite(f, bytes, amount, offset)
                                    : journal::write(f, bytes, amount, offset);
}

int xTruncate(sqlite3_file* file, sqlite3_int64 size) {
    SealedFile& f = *sealed(file);
    return f.real->pMethods->xTruncate(f.real, f.kind == page::Database ? size + kHeader : size);
}

int xSync(sqlite3_file* file, int flags) {
    return sealed(file)->real->pMethods->xSync(sealed(file)->real, flags);
}

int xFileSize(sqlite3_file* file, sqlite3_int64* size) {
    SealedFile& f = *sealed(file);
    const int rc = f.real->pMethods->xFileSize(f.real, size);
    if (rc == SQLITE_OK && f.kind == page::Database) {
        *size = *size > kHeader ? *size - kHeader : 0;
    }
    return rc;
}

int xLock(sqlite3_file* file, int level) {
    return sealed(file)->real->pMethods->xLock(sealed(file)->real, level);
}

int xUnlock(sqlite3_file* file, int level) {
    return sealed(file)->real->pMethods->xUnlock(sealed(file)->real, level);
}

int xCheckReservedLock(sqlite3_file* file, int* held) {
    return sealed(file)->real->pMethods->xCheckReservedLock(sealed(file)->real, held);
}

int xFileControl(sqlite3_file* file, int op, void* argument) {
    SealedFile& f = *sealed(file);
    if (op == SQLITE_FCNTL_SIZE_HINT && f.kind == page::Database) {
        sqlite3_int64 size = *static_cast<sqlite3_int64*>(argument) + kHeader;
        return f.real->pMethods->xFileControl(f.real, op, &size);
    }
    return f.real->pMethods->xFileControl(f.real, op, argument);
}

int xSectorSize(sqlite3_file* file) {
    return sealed(file)->real->pMethods->xSectorSize(sealed(file)->real);
}

int xDeviceCharacteristics(sqlite3_file* file) {
    // No promise that would let SQLite skip a journal or write less than it would otherwise.
    return sealed(file)->real->pMethods->xDeviceCharacteristics(sealed(file)->real) &
           ~(SQLITE_IOCAP_ATOMIC | SQLITE_IOCAP_ATOMIC512 | SQLITE_IOCAP_ATOMIC1K |
             SQLITE_IOCAP_ATOMIC2K | SQLITE_IOCAP_ATOMIC4K | SQLITE_IOCAP_ATOMIC8K |
             SQLITE_IOCAP_ATOMIC16K | SQLITE_IOCAP_ATOMIC32K | SQLITE_IOCAP_ATOMIC64K |
             SQLITE_IOCAP_SAFE_APPEND | SQLITE_IOCAP_BATCH_ATOMIC);
}

// Version 1: no shared memory (no WAL) and no memory mapping, which would hand SQLite the
// sealed bytes without passing through xRead.
const sqlite3_io_methods kMethods = {
    1,
    xClose,
    xRead,
    xWrite,
    xTruncate,
    xSync,
    xFileSize,
    xLock,
    xUnlock,
    xCheckReservedLock,
    xFileControl,
    xSectorSize,
    xDeviceCharacteristics,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
};

std::string databaseOf(const char* name, int flags) {
    std::string path = name;
    if ((flags & SQLITE_OPEN_MAIN_JOURNAL) != 0 && path.size() > std::strlen(kJournalSuffix)) {
        path.resize(path.size() - std::strlen(kJournalSuffix));
    }
    return path;
}

// A new file gets its header; an existing one must carry the admitted file's ID.
int prepareDatabase(SealedFile& f, const Admitted& entry) {
    sqlite3_int64 size = 0;
    int rc = f.real->pMethods->xFileSize(f.real, &size);
    if (rc == SQLITE_OK && size == 0) {
        return f.real->pMethods->xWrite(f.real, entry.header.data(), kHeader, 0);
    }
    std::array<unsigned char, SealedHeader::kSize> header{};
    rc = rc != SQLITE_OK ? rc : f.real->pMethods->xRead(f.real, header.data(), kHeader, 0);
    return rc == SQLITE_OK && std::memcmp(header.data() + SealedHeader::kFileIdAt, f.fileId.data(),
                                          SealedHeader::kFileIdBytes) == 0
               ? SQLITE_OK
               : SQLITE_NOTADB;
}

int xOpen(sqlite3_vfs* vfs, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
    auto* f = new (file) SealedFile;
    f->base.pMethods = nullptr;
    f->real = reinterpret_cast<sqlite3_file*>(reinterpret_cast<char*>(file) + sizeof(SealedFile));
    f->real->pMethods = nullptr;
    const bool database = (flags & SQLITE_OPEN_MAIN_DB) != 0;
    const bool journal = (flags & SQLITE_OPEN_MAIN_JOURNAL) != 0;
    Admitted entry;
    if (name != nullptr && (database || journal)) {
        f->path = databaseOf(name, flags);
        const std::lock_guard<std::mutex> held(lock());
        const auto found = admitted().find(f->path);
        if (found != admitted().end()) {
            entry = found->second;
        }
    }
    if (entry.key == nullptr) {
        f->~SealedFile();
        return SQLITE_CANTOPEN; // a temporary file, or one that no key was admitted for
    }
    f->kind = database ? page::Database : page::Journal;
    f->key = entry.key;
    f->damaged = entry.damaged;
    std::memcpy(f->fileId.data(), entry.header.data() + SealedHeader::kFileIdAt,
                SealedHeader::kFileIdBytes);
    int rc = root()->xOpen(root(), name, f->real, flags, outFlags);
    if (rc == SQLITE_OK && database) {
        rc = prepareDatabase(*f, entry);
    }
    if (rc != SQLITE_OK) {
        if (f->real->pMethods != nullptr) {
            f->real->pMethods->xClose(f->real);
        }
        f->~SealedFile();
        return rc;
    }
    f->base.pMethods = &kMethods;
    (void)vfs;
    return SQLITE_OK;
}

int xDelete(sqlite3_vfs*, const char* name, int syncDirectory) {
    return root()->xDelete(root(), name, syncDirectory);
}
int xAccess(sqlite3_vfs*, const char* name, int flags, int* result) {
    return root()->xAccess(root(), name, flags, result);
}
int xFullPathname(sqlite3_vfs*, const char* name, int size, char* out) {
    return root()->xFullPathname(root(), name, size, out);
}
void* xDlOpen(sqlite3_vfs*, const char* name) {
    return root()->xDlOpen(root(), name);
}
void xDlError(sqlite3_vfs*, int size, char* out) {
    root()->xDlError(root(), size, out);
}
void (*xDlSym(sqlite3_vfs*, void* handle, const char* symbol))(void) {
    return root()->xDlSym(root(), handle, symbol);
}
void xDlClose(sqlite3_vfs*, void* handle) {
    root()->xDlClose(root(), handle);
}
int xRandomness(sqlite3_vfs*, int size, char* out) {
    return root()->xRandomness(root(), size, out);
}
int xSleep(sqlite3_vfs*, int microseconds) {
    return root()->xSleep(root(), microseconds);
}
int xCurrentTime(sqlite3_vfs*, double* now) {
    return root()->xCurrentTime(root(), now);
}
int xGetLastError(sqlite3_vfs*, int size, char* out) {
    return root()->xGetLastError != nullptr ? root()->xGetLastError(root(), size, out) : 0;
}
int xCurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* now) {
    return root()->xCurrentTimeInt64(root(), now);
}

} // namespace

bool install() {
    static const bool installed = [] {
        if (!sodiumReady() || root() == nullptr) {
            return false;
        }
        static sqlite3_vfs vfs = {
            2,
            static_cast<int>(sizeof(SealedFile)) + root()->szOsFile,
            root()->mxPathname,
            nullptr,
            kName,
            nullptr,
            xOpen,
            xDelete,
            xAccess,
            xFullPathname,
            xDlOpen,
            xDlError,
            xDlSym,
            xDlClose,
            xRandomness,
            xSleep,
            xCurrentTime,
            xGetLastError,
            xCurrentTimeInt64,
            nullptr,
            nullptr,
            nullptr,
        };
        return sqlite3_vfs_register(&vfs, 0) == SQLITE_OK;
    }();
    return installed;
}

void admit(const std::string& path, std::shared_ptr<FileKey> key,
           const std::array<unsigned char, 4096>& header) {
    const std::string name = canonical(path);
    const std::lock_guard<std::mutex> held(lock());
    Admitted& entry = admitted()[name];
    entry.key = std::move(key);
    entry.header = header;
    entry.damaged = std::make_shared<std::atomic<bool>>(false);
}

void forget(const std::string& path) {
    const std::string name = canonical(path);
    const std::lock_guard<std::mutex> held(lock());
    const auto found = admitted().find(name);
    if (found != admitted().end()) {
        found->second.damaged->store(true); // a file still open is not written to any more
        admitted().erase(found);
    }
}

bool everyPageOpens(const std::string& path) {
    Admitted entry;
    {
        const std::lock_guard<std::mutex> held(lock());
        const auto found = admitted().find(canonical(path));
        if (found == admitted().end()) {
            return false;
        }
        entry = found->second;
    }
    SealedFile file;
    file.kind = page::Database;
    file.path = canonical(path);
    file.key = entry.key;
    file.damaged = entry.damaged;
    std::memcpy(file.fileId.data(), entry.header.data() + SealedHeader::kFileIdAt,
                SealedHeader::kFileIdBytes);
    FILE* stream = std::fopen(path.c_str(), "rb");
    if (stream == nullptr) {
        return false;
    }
    std::fseek(stream, 0, SEEK_END);
    const long size = std::ftell(stream);
    std::fseek(stream, kHeader, SEEK_SET);
    const long pages = (size - kHeader) / kPage;
    bool whole = size >= kHeader && (size - kHeader) % kPage == 0;
    std::vector<unsigned char> plain(kPage);
    unsigned char first[100] = {};
    for (long index = 0; whole && index < pages; ++index) {
        whole = std::fread(file.scratch.data(), 1, kPage, stream) == static_cast<size_t>(kPage) &&
                page::open(file, index + 1, 0, file.scratch.data(), plain.data());
        if (index == 0) {
            std::memcpy(first, plain.data(), sizeof first);
        }
    }
    std::fclose(stream);
    // The page count in the database's header, when it is valid (its change counter matches).
    const auto big32 = [](const unsigned char* at) {
        return static_cast<long>(static_cast<uint32_t>(at[0]) << 24 | at[1] << 16 | at[2] << 8 |
                                 at[3]);
    };
    // Pages of the length and reserved room that sealing takes them to have.
    const bool shaped = pages == 0 || (first[16] == kPage >> 8 && first[17] == (kPage & 0xff) &&
                                       first[20] == SealedHeader::kReservedBytes);
    const bool countValid = pages > 0 && std::memcmp(first + 24, first + 92, 4) == 0;
    FILE* journal = std::fopen((path + kJournalSuffix).c_str(), "rb");
    const bool journalWaits = journal != nullptr && std::fgetc(journal) != EOF;
    if (journal != nullptr) {
        std::fclose(journal);
    }
    return whole && shaped && (!countValid || journalWaits || big32(first + 28) == pages);
}

bool damaged(const std::string& path) {
    const std::string name = canonical(path);
    const std::lock_guard<std::mutex> held(lock());
    const auto found = admitted().find(name);
    return found != admitted().end() && found->second.damaged->load();
}

} // namespace sealedvfs
