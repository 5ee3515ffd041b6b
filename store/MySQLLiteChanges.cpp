// Telling whether anything was written since an earlier moment, cheaply
// enough to ask before every answer a list gives.
#include "MySQLLite.h"

#include <sqlite3.h>

DataStamp MySQLLite::dataStamp() {
    DataStamp stamp;
    if (database_ == nullptr) {
        return stamp;
    }
    // Kept prepared: this is asked for every cell a list paints. Reading the
    // pragma takes a read lock, so the pager looks at the file and notices a
    // commit made by another program since the last question.
    if (dataVersionQuery_ == nullptr &&
        sqlite3_prepare_v2(database_, "PRAGMA data_version", -1, &dataVersionQuery_, nullptr) !=
            SQLITE_OK) {
        sqlite3_finalize(dataVersionQuery_);
        dataVersionQuery_ = nullptr;
        return stamp;
    }
    if (sqlite3_step(dataVersionQuery_) == SQLITE_ROW) {
        stamp.dataVersion = sqlite3_column_int64(dataVersionQuery_, 0);
        stamp.ownChanges = sqlite3_total_changes64(database_);
        stamp.known = true;
    }
    sqlite3_reset(dataVersionQuery_);
    return stamp;
}
