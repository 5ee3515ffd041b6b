#pragma once

// Changes that are made whole or not at all, and saving a record that the user opened a while
// ago: another copy of the program may have changed it since, and a save must not undo that
// change without the user knowing.
#include "MySQLLite.h"
#include "ReadRows.h"
#include "Statement.h"

#include <sqlite3.h>

template <typename Change> WriteResult MySQLLite::inOneTransaction(Change change) {
    if (fileMoved() || batchOpen_ || !run("BEGIN IMMEDIATE")) {
        lastWriteFailure_ = fileMoved()  ? SQLITE_CANTOPEN
                            : batchOpen_ ? SQLITE_BUSY
                                         : sqlite3_errcode(database_) & 0xff;
        return WriteResult::Failed;
    }
    const WriteResult result = change();
    if (result == WriteResult::Done && run("COMMIT")) {
        return result;
    }
    rollBack();
    return result == WriteResult::Done ? WriteResult::Failed : result;
}

// `read` gives the stored record with the caller's ID (a list of none or one, or none when it
// could not be read), `same` compares two records, `change` writes, given the stored record.
// Under the write lock from the look to the change: no other copy writes in between.
template <typename Record, typename Read, typename Same, typename Change>
WriteResult MySQLLite::writeIfUnchanged(const Record& asRead, Read read, Same same, Change change) {
    return inOneTransaction([&] {
        const Listed<Record> stored = read(asRead.ID());
        if (!stored) {
            return WriteResult::Failed;
        }
        if (stored->empty()) {
            return WriteResult::NoRow;
        }
        return same(stored->front(), asRead) ? change(stored->front()) : WriteResult::Changed;
    });
}
