#include "FaultVfs.h"

#include <cstring>
#include <mutex>
#include <sqlite3.h>

namespace faultvfs {
namespace {

// The file object SQLite allocates for the fault VFS: our header, followed by
// the real VFS's own file object.
struct FaultFile {
    sqlite3_file base;
    sqlite3_file* real;
};

sqlite3_vfs* realVfs = nullptr;
sqlite3_vfs faultVfs;
sqlite3_io_methods faultMethods;

std::mutex stateMutex;
bool armed = false;
Fault armedFault{Kind::Read, 0, false, 0};
int callsOfKind = 0;
bool hasFired = false;

// Counts a call of `kind`; true when it is to fail.
bool shouldFail(Kind kind) {
    std::lock_guard<std::mutex> lock(stateMutex);
    if (!armed || armedFault.kind != kind) {
        return false;
    }
    ++callsOfKind;
    const bool fail =
        armedFault.persistent ? callsOfKind >= armedFault.nth : callsOfKind == armedFault.nth;
    hasFired = hasFired || fail;
    return fail;
}

// Write and Full are both faults of xWrite; at most one of them is armed.
int writeFault() {
    if (shouldFail(Kind::Write)) {
        return SQLITE_IOERR_WRITE;
    }
    if (shouldFail(Kind::Full)) {
        return SQLITE_FULL;
    }
    return SQLITE_OK;
}

sqlite3_file* real(sqlite3_file* file) {
    return reinterpret_cast<FaultFile*>(file)->real;
}

// --- File methods: fault, or pass to the real file ------------------------

int faultClose(sqlite3_file* file) {
    return real(file)->pMethods->xClose(real(file));
}
int faultRead(sqlite3_file* file, void* buffer, int amount, sqlite3_int64 offset) {
    if (shouldFail(Kind::Read)) {
        return SQLITE_IOERR_READ;
    }
    return real(file)->pMethods->xRead(real(file), buffer, amount, offset);
}
int faultWrite(sqlite3_file* file, const void* buffer, int amount, sqlite3_int64 offset) {
    if (const int error = writeFault(); error != SQLITE_OK) {
        return error;
    }
    return real(file)->pMethods->xWrite(real(file), buffer, amount, offset);
}
int faultTruncate(sqlite3_file* file, sqlite3_int64 size) {
    return real(file)->pMethods->xTruncate(real(file), size);
}
int faultSync(sqlite3_file* file, int flags) {
    if (shouldFail(Kind::Sync)) {
        return SQLITE_IOERR_FSYNC;
    }
    return real(file)->pMethods->xSync(real(file), flags);
}
int faultFileSize(sqlite3_file* file, sqlite3_int64* size) {
    return real(file)->pMethods->xFileSize(real(file), size);
}
int faultLock(sqlite3_file* file, int level) {
    if (shouldFail(Kind::Lock)) {
        std::lock_guard<std::mutex> lock(stateMutex);
        return armedFault.lockError;
    }
    return real(file)->pMethods->xLock(real(file), level);
}
int faultUnlock(sqlite3_file* file, int level) {
    return real(file)->pMethods->xUnlock(real(file), level);
}
int faultCheckReservedLock(sqlite3_file* file, int* result) {
    return real(file)->pMethods->xCheckReservedLock(real(file), result);
}
int faultFileControl(sqlite3_file* file, int op, void* arg) {
    return real(file)->pMethods->xFileControl(real(file), op, arg);
}
int faultSectorSize(sqlite3_file* file) {
    return real(file)->pMethods->xSectorSize(real(file));
}
int faultDeviceCharacteristics(sqlite3_file* file) {
    return real(file)->pMethods->xDeviceCharacteristics(real(file));
}
int faultShmMap(sqlite3_file* file, int page, int size, int extend, void volatile** mapped) {
    return real(file)->pMethods->xShmMap(real(file), page, size, extend, mapped);
}
int faultShmLock(sqlite3_file* file, int offset, int n, int flags) {
    return real(file)->pMethods->xShmLock(real(file), offset, n, flags);
}
void faultShmBarrier(sqlite3_file* file) {
    real(file)->pMethods->xShmBarrier(real(file));
}
int faultShmUnmap(sqlite3_file* file, int deleteFlag) {
    return real(file)->pMethods->xShmUnmap(real(file), deleteFlag);
}
int faultFetch(sqlite3_file* file, sqlite3_int64 offset, int amount, void** pointer) {
    // No memory-mapped reads: they would bypass xRead and its faults.
    (void)file;
    (void)offset;
    (void)amount;
    *pointer = nullptr;
    return SQLITE_OK;
}
int faultUnfetch(sqlite3_file* file, sqlite3_int64 offset, void* pointer) {
    (void)file;
    (void)offset;
    (void)pointer;
    return SQLITE_OK;
}

// --- VFS methods: open wraps the real file, the rest pass through ---------

int faultOpen(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags) {
    std::memset(file, 0, static_cast<size_t>(faultVfs.szOsFile));
    auto* wrapper = reinterpret_cast<FaultFile*>(file);
    wrapper->real = reinterpret_cast<sqlite3_file*>(wrapper + 1);
    const int result = realVfs->xOpen(realVfs, name, wrapper->real, flags, outFlags);
    // SQLite closes a file only when its methods are set, whatever xOpen answered.
    wrapper->base.pMethods = wrapper->real->pMethods != nullptr ? &faultMethods : nullptr;
    return result;
}
int faultDelete(sqlite3_vfs*, const char* name, int syncDir) {
    return realVfs->xDelete(realVfs, name, syncDir);
}
int faultAccess(sqlite3_vfs*, const char* name, int flags, int* result) {
    return realVfs->xAccess(realVfs, name, flags, result);
}
int faultFullPathname(sqlite3_vfs*, const char* name, int size, char* out) {
    return realVfs->xFullPathname(realVfs, name, size, out);
}
void* faultDlOpen(sqlite3_vfs*, const char* name) {
    return realVfs->xDlOpen(realVfs, name);
}
void faultDlError(sqlite3_vfs*, int size, char* message) {
    realVfs->xDlError(realVfs, size, message);
}
void (*faultDlSym(sqlite3_vfs*, void* handle, const char* symbol))(void) {
    return realVfs->xDlSym(realVfs, handle, symbol);
}
void faultDlClose(sqlite3_vfs*, void* handle) {
    realVfs->xDlClose(realVfs, handle);
}
int faultRandomness(sqlite3_vfs*, int size, char* out) {
    return realVfs->xRandomness(realVfs, size, out);
}
int faultSleep(sqlite3_vfs*, int microseconds) {
    return realVfs->xSleep(realVfs, microseconds);
}
int faultCurrentTime(sqlite3_vfs*, double* now) {
    return realVfs->xCurrentTime(realVfs, now);
}
int faultGetLastError(sqlite3_vfs*, int size, char* message) {
    return realVfs->xGetLastError(realVfs, size, message);
}
int faultCurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* now) {
    return realVfs->xCurrentTimeInt64(realVfs, now);
}

} // namespace

std::string describe(const Fault& fault) {
    static const char* const names[] = {"read", "write", "full disk", "sync", "lock"};
    std::string text = names[static_cast<int>(fault.kind)];
    if (fault.kind == Kind::Lock) {
        text += fault.lockError == SQLITE_BUSY ? " (busy)" : " (I/O error)";
    }
    text += fault.persistent ? ", from call " : ", call ";
    text += std::to_string(fault.nth);
    text += fault.persistent ? " on" : " only";
    return text;
}

void install() {
    static std::once_flag once;
    std::call_once(once, [] {
        realVfs = sqlite3_vfs_find(kRealVfs);
        faultMethods = sqlite3_io_methods{};
        faultMethods.iVersion = 3;
        faultMethods.xClose = faultClose;
        faultMethods.xRead = faultRead;
        faultMethods.xWrite = faultWrite;
        faultMethods.xTruncate = faultTruncate;
        faultMethods.xSync = faultSync;
        faultMethods.xFileSize = faultFileSize;
        faultMethods.xLock = faultLock;
        faultMethods.xUnlock = faultUnlock;
        faultMethods.xCheckReservedLock = faultCheckReservedLock;
        faultMethods.xFileControl = faultFileControl;
        faultMethods.xSectorSize = faultSectorSize;
        faultMethods.xDeviceCharacteristics = faultDeviceCharacteristics;
        faultMethods.xShmMap = faultShmMap;
        faultMethods.xShmLock = faultShmLock;
        faultMethods.xShmBarrier = faultShmBarrier;
        faultMethods.xShmUnmap = faultShmUnmap;
        faultMethods.xFetch = faultFetch;
        faultMethods.xUnfetch = faultUnfetch;

        faultVfs = sqlite3_vfs{};
        faultVfs.iVersion = 2;
        faultVfs.szOsFile = static_cast<int>(sizeof(FaultFile)) + realVfs->szOsFile;
        faultVfs.mxPathname = realVfs->mxPathname;
        faultVfs.zName = "lockmere-faults";
        faultVfs.xOpen = faultOpen;
        faultVfs.xDelete = faultDelete;
        faultVfs.xAccess = faultAccess;
        faultVfs.xFullPathname = faultFullPathname;
        faultVfs.xDlOpen = faultDlOpen;
        faultVfs.xDlError = faultDlError;
        faultVfs.xDlSym = faultDlSym;
        faultVfs.xDlClose = faultDlClose;
        faultVfs.xRandomness = faultRandomness;
        faultVfs.xSleep = faultSleep;
        faultVfs.xCurrentTime = faultCurrentTime;
        faultVfs.xGetLastError = faultGetLastError;
        faultVfs.xCurrentTimeInt64 = faultCurrentTimeInt64;
        sqlite3_vfs_register(&faultVfs, /*makeDflt=*/1);
    });
}

void arm(const Fault& fault) {
    std::lock_guard<std::mutex> lock(stateMutex);
    armedFault = fault;
    armed = true;
    callsOfKind = 0;
    hasFired = false;
}

void disarm() {
    std::lock_guard<std::mutex> lock(stateMutex);
    armed = false;
}

bool fired() {
    std::lock_guard<std::mutex> lock(stateMutex);
    return hasFired;
}

int calls() {
    std::lock_guard<std::mutex> lock(stateMutex);
    return callsOfKind;
}

} // namespace faultvfs
