// The password entry operations of the record store, on LM_PASSWORD.
#include "IdRange.h"
#include "MySQLLite.h"
#include "ReadRows.h"
#include "Statement.h"
#include "Transactions.h"

#include <algorithm>
#include <string>
#include <tuple>

namespace {

PasswordSchema readEntry(const Statement& row) {
    PasswordSchema entry;
    entry.setID(row.columnInt(0));
    entry.setUserID(row.columnInt(1));
    entry.setCategoryID(row.columnInt(2));
    entry.setTitle(row.columnText(3));
    entry.setUser(row.columnText(4));
    entry.setPassword(row.columnText(5));
    entry.setHttp(row.columnText(6));
    entry.setMemo(row.columnText(7));
    return entry;
}

bool hasEveryText(const PasswordSchema& entry) {
    return entry.Title() && entry.User() && entry.Password() && entry.Http() && entry.Memo();
}

// The category and the five texts, in the order both writing statements take them.
Statement& bindCategoryAndTexts(Statement& statement, const PasswordSchema& entry) {
    return statement.bind(entry.CategoryID())
        .bind(*entry.Title())
        .bind(*entry.User())
        .bind(*entry.Password())
        .bind(*entry.Http())
        .bind(*entry.Memo());
}

} // namespace

std::vector<PasswordSchema> MySQLLite::getPasswords(int32_t userID, const OptionalText& category) {
    const int32_t categoryID = getIDByCategory(category);
    if (categoryID <= 0) {
        return {};
    }
    return readPasswords(userID, {categoryID}).value_or(std::vector<PasswordSchema>());
}

Listed<PasswordSchema> MySQLLite::readPasswords(int32_t userID,
                                                const std::vector<int32_t>& categoryIDs) {
    if (categoryIDs.empty()) {
        return std::vector<PasswordSchema>();
    }
    // The row number the list shows is looked up again in a later read, so
    // the order must not depend on the query plan: it is the order the index
    // LM_PASSWORD_INDEX keeps, written out. An ID that another program made
    // too large for a record would read cut to 32 bits, as the ID of another
    // entry that an edit or a delete would then hit: such rows are not listed.
    std::string sql = "SELECT * FROM LM_PASSWORD WHERE UserID=? AND CategoryID IN (?";
    for (size_t i = 1; i < categoryIDs.size(); ++i) {
        sql += ",?";
    }
    sql += ") AND " LM_ID_FITS_32_BITS " ORDER BY Title,User,ID";
    Statement query(database_, sql.c_str());
    query.bind(userID);
    for (const int32_t id : categoryIDs) {
        query.bind(id);
    }
    return readRows<PasswordSchema>(query, lastReadFailure_, readEntry);
}

std::vector<PasswordSchema> MySQLLite::getAllPasswords(int32_t userID) {
    return readAllPasswords(userID).value_or(std::vector<PasswordSchema>());
}

Listed<PasswordSchema> MySQLLite::readAllPasswords(int32_t userID) {
    // Narrowed as a category's list is, for the same reason, and found through
    // LM_PASSWORD_INDEX, whose first column is the owner: an account with five
    // entries in a file of millions reads five rows, not the whole table. No
    // index keeps the lists' order over all categories, and SQLite's sorter
    // spills 100,000 rows to temporary files, so the rows are sorted here:
    // std::string compares bytewise like SQLite's BINARY collation.
    Statement query(database_, "SELECT * FROM LM_PASSWORD WHERE UserID=? AND " LM_ID_FITS_32_BITS);
    query.bind(userID);
    Listed<PasswordSchema> entries = readRows<PasswordSchema>(query, lastReadFailure_, readEntry);
    if (entries) {
        std::sort(entries->begin(), entries->end(),
                  [](const PasswordSchema& a, const PasswordSchema& b) {
                      return std::forward_as_tuple(*a.Title(), *a.User(), a.ID()) <
                             std::forward_as_tuple(*b.Title(), *b.User(), b.ID());
                  });
    }
    return entries;
}

std::optional<PasswordSchema> MySQLLite::getPassword(int32_t id) {
    Statement query(database_, "SELECT * FROM LM_PASSWORD WHERE ID=?");
    query.bind(id);
    std::optional<PasswordSchema> found;
    while (query.nextRow()) {
        found = readEntry(query);
    }
    return found;
}

bool MySQLLite::insertPassword(const PasswordSchema& entry) {
    if (!hasEveryText(entry)) {
        return false;
    }
    Statement insert(database_, "INSERT INTO LM_PASSWORD(UserID,CategoryID,Title,User,Password,"
                                "Http,Memo) VALUES(?,?,?,?,?,?,?)");
    insert.bind(entry.UserID());
    return write(bindCategoryAndTexts(insert, entry)) == WriteResult::Done;
}

MySQLLite::BatchResult
MySQLLite::insertPasswords(const std::vector<PasswordSchema>& entries,
                           const std::function<bool(size_t added)>& keepGoing) {
    if (fileMoved() || batchOpen_ || !run("BEGIN IMMEDIATE")) {
        return BatchResult::Failed;
    }
    batchOpen_ = true;
    // One statement prepared for all of them, stepped again for each.
    Statement insert(database_, "INSERT INTO LM_PASSWORD(UserID,CategoryID,Title,User,Password,"
                                "Http,Memo) VALUES(?,?,?,?,?,?,?)");
    BatchResult result = BatchResult::Done;
    for (size_t i = 0; i < entries.size() && result == BatchResult::Done; ++i) {
        insert.reset();
        if (!hasEveryText(entries[i]) ||
            !bindCategoryAndTexts(insert.bind(entries[i].UserID()), entries[i]).execute()) {
            result = BatchResult::Failed;
        } else if (keepGoing && (i + 1) % 256 == 0 && !keepGoing(i + 1)) {
            result = BatchResult::Cancelled;
        }
    }
    batchOpen_ = false;
    if (result == BatchResult::Done && run("COMMIT")) {
        return result;
    }
    rollBack();
    return result == BatchResult::Done ? BatchResult::Failed : result;
}

WriteResult MySQLLite::updatePassword(const PasswordSchema& entry) {
    if (!hasEveryText(entry)) {
        return WriteResult::Failed;
    }
    // UserID is not written: an update never hands an entry to another account.
    Statement update(database_, "UPDATE LM_PASSWORD SET CategoryID=?,Title=?,User=?,Password=?,"
                                "Http=?,Memo=? WHERE ID=?");
    bindCategoryAndTexts(update, entry).bind(entry.ID());
    return write(update);
}

WriteResult MySQLLite::updatePasswordIfUnchanged(const PasswordSchema& entry,
                                                 const PasswordSchema& asRead) {
    const auto fields = [](const PasswordSchema& e) {
        return std::make_tuple(e.UserID(), e.CategoryID(), e.Title(), e.User(), e.Password(),
                               e.Http(), e.Memo());
    };
    return writeIfUnchanged(
        asRead,
        [this](int32_t id) {
            Statement query(database_, "SELECT * FROM LM_PASSWORD WHERE ID=?");
            query.bind(id);
            return readRows<PasswordSchema>(query, lastReadFailure_, readEntry);
        },
        [&](const PasswordSchema& a, const PasswordSchema& b) { return fields(a) == fields(b); },
        // What it held before is kept as a version, unless nothing changes.
        [&](const PasswordSchema& stored) {
            return fields(stored) == fields(entry) || keepVersion(stored) ? updatePassword(entry)
                                                                          : WriteResult::Failed;
        });
}

WriteResult MySQLLite::delPassword(int32_t id) {
    Statement remove(database_, "DELETE FROM LM_PASSWORD WHERE ID=?");
    remove.bind(id);
    return write(remove);
}
