#pragma once

#include <cstdint>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

// One SQL statement, prepared, bound, stepped and finalized in one place.
//
// Every value reaches SQLite as a bound parameter, never pasted into the
// statement text, so a quote or an SQL fragment inside a value is stored and
// matched as exactly that text. A statement that could not be prepared (no
// open connection, a damaged file, a foreign schema) reports failure from
// every call and touches nothing.
class Statement {
public:
    Statement(sqlite3* database, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool prepared() const { return statement_ != nullptr; }

    // Binds the next parameter, in the order the placeholders stand.
    Statement& bind(int32_t value);
    Statement& bind(const std::string& value);
    Statement& bindNull();

    // Steps a statement that returns no rows. True only when SQLite ran it to
    // the end; a refused write (a constraint, a lock, a read-only file, a
    // full disk) is false and SQLite has rolled it back.
    bool execute();

    // Steps to the next row: true while there is one. The first other result
    // (the end, or an error) ends the reading; rows read before an error stay
    // with the caller.
    bool nextRow();

    // Makes a statement that is kept prepared ready to be bound and stepped again.
    void reset();

    // Whether the statement could not be run to its end: it was not prepared, a value could not
    // be bound, or its last step ended in an error (a lock held too long, a damaged page, a full
    // disk) rather than with a row or at the end. A reading that failed must not pass for one
    // that found nothing.
    bool failed() const;
    // SQLite's primary result code of the failure; SQLITE_OK when nothing failed.
    int failure() const;

    int32_t columnInt(int index) const;
    int64_t columnInt64(int index) const;
    // A NULL reads as the empty text; a number stored in a text column reads
    // as its decimal text.
    std::string columnText(int index) const;

private:
    sqlite3_stmt* statement_ = nullptr;
    int nextParameter_ = 1;
    bool bindFailed_ = false;
    int prepareResult_ = 0;
    int lastStep_ = 0; // SQLITE_OK until the first step
};
