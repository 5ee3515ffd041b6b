#pragma once

#include <cstdint>

// Where the database stands: SQLite's data version (moves when another
// connection or program commits a change) and this connection's own count of
// changed rows. Two equal stamps mean nothing was written in between, so a
// list read under the first is still what the store holds. A stamp that
// could not be read equals no other stamp.
struct DataStamp {
    int64_t dataVersion = 0;
    int64_t ownChanges = 0;
    bool known = false;

    bool operator==(const DataStamp& other) const {
        return known && other.known && dataVersion == other.dataVersion &&
               ownChanges == other.ownChanges;
    }
    bool operator!=(const DataStamp& other) const { return !(*this == other); }
};
