#pragma once

#include <string>

// A test-only SQLite VFS over the default "unix" one that fails chosen file
// operations, as a failing disk, a full disk or a lock that cannot be taken
// would. Installed as the process's default VFS, so every connection opened
// without naming a VFS (the store's) goes through it; it passes every call
// straight on while no fault is armed. Connections that must see the file
// untouched by faults (the tests' own checks) open it with kRealVfs.
namespace faultvfs {

inline constexpr const char* kRealVfs = "unix";

enum class Kind {
    Read,  // xRead fails with SQLITE_IOERR_READ
    Write, // xWrite fails with SQLITE_IOERR_WRITE
    Full,  // xWrite fails with SQLITE_FULL: the disk is full
    Sync,  // xSync fails with SQLITE_IOERR_FSYNC
    Lock,  // xLock fails with the given code (SQLITE_BUSY or SQLITE_IOERR_LOCK)
};

struct Fault {
    Kind kind;
    // The call of that kind, counted from 1 since arm(), that fails first.
    int nth;
    // Every later call of that kind fails too (a disk that stays full or
    // broken), instead of only the nth one (a passing glitch).
    bool persistent;
    // Only for Kind::Lock: the code xLock answers.
    int lockError = 0;
};

std::string describe(const Fault& fault);

// Makes the fault VFS the default one; once per process, later calls do nothing.
void install();
// Starts counting calls of the fault's kind; from its nth on, they fail.
void arm(const Fault& fault);
// Stops failing; calls pass again.
void disarm();
// Whether the armed fault failed at least one call since arm().
bool fired();
// How many calls of the armed fault's kind were made since arm().
int calls();

} // namespace faultvfs
