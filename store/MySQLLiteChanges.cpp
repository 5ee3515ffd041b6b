// Telling whether anything was written since an earlier moment, cheaply
// enough to ask before every answer a list gives.
#include "MySQLLite.h"
#include "Statement.h"

#include <sqlite3.h>

DataStamp MySQLLite::dataStamp() {
    DataStamp stamp;
    if (database_ == nullptr || fileMoved()) {
        lastReadFailure_ = SQLITE_CANTOPEN;
        return stamp;
    }
    // Kept prepared: this is asked for every cell a list paints. Reading the
    // pragma takes a read lock, so the pager looks at the file and notices a
    // commit made by another program since the last question.
    if (dataVersionQuery_ == nullptr || !dataVersionQuery_->prepared()) {
        dataVersionQuery_ = std::make_unique<Statement>(database_, "PRAGMA data_version");
    }
    if (dataVersionQuery_->nextRow()) {
        stamp.dataVersion = dataVersionQuery_->columnInt64(0);
        stamp.ownChanges = sqlite3_total_changes64(database_);
        stamp.rollbacks = rollbacks_;
        stamp.known = true;
    } else {
        lastReadFailure_ = dataVersionQuery_->failure();
    }
    dataVersionQuery_->reset();
    return stamp;
}

// Another copy that protected the file, a user who renamed or deleted it: this connection would
// go on reading and writing a file that is no longer the one the next start opens. From the
// moment that is seen, the store neither reads nor writes.
bool MySQLLite::fileMoved() {
    int moved = 0;
    if (database_ != nullptr && fileProblem_ != FileProblem::Moved &&
        sqlite3_file_control(database_, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK &&
        moved != 0) {
        fileProblem_ = FileProblem::Moved;
    }
    return fileProblem_ == FileProblem::Moved;
}
