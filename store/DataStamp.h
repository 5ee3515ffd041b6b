#pragma once

#include <cstdint>

// Where the database stands: SQLite's data version (moves when another
// connection or program commits a change), this connection's own count of
// changed rows, and its count of rolled-back transactions (rows that a list
// read inside a transaction showed are gone after its rollback, which moves
// neither of the other two). Two equal stamps mean nothing was written in
// between, so a list read under the first is still what the store holds. A
// stamp that could not be read equals no other stamp.
struct DataStamp {
    int64_t dataVersion = 0;
    int64_t ownChanges = 0;
    int64_t rollbacks = 0;
    bool known = false;

    bool operator==(const DataStamp& other) const {
        return known && other.known && dataVersion == other.dataVersion &&
               ownChanges == other.ownChanges && rollbacks == other.rollbacks;
    }
    bool operator!=(const DataStamp& other) const { return !(*this == other); }
};
