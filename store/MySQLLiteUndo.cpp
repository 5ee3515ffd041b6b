// What lets a mistake be undone: every save keeps the entry's previous values (the 20 latest
// versions of each entry), and a deleted entry waits in its account's recycle bin. Both live
// in tables of their own beside the three, so that a file stays readable by what reads it
// today; every statement names the account, so that no account reaches another's.
#include "MySQLLite.h"
#include "ReadRows.h"
#include "Statement.h"
#include "Transactions.h"

#include <sqlite3.h>

namespace {

constexpr const char* kCreateHistory =
    "CREATE TABLE IF NOT EXISTS LM_PASSWORD_HISTORY(ID INTEGER PRIMARY KEY AUTOINCREMENT,"
    "PasswordID INTEGER NOT NULL,UserID INTEGER NOT NULL,CategoryID INTEGER NOT NULL,Title TEXT "
    "NOT NULL,User TEXT,Password TEXT,Http TEXT,Memo TEXT,ChangedAt TEXT NOT NULL)";
constexpr const char* kCreateHistoryIndex =
    "CREATE INDEX IF NOT EXISTS LM_PASSWORD_HISTORY_INDEX ON LM_PASSWORD_HISTORY(PasswordID)";
// A deleted entry keeps its ID here: LM_PASSWORD never gives an ID out twice (AUTOINCREMENT),
// so a restore gives it back.
constexpr const char* kCreateBin =
    "CREATE TABLE IF NOT EXISTS LM_RECYCLE_BIN(ID INTEGER PRIMARY KEY,UserID INTEGER NOT NULL,"
    "CategoryID INTEGER NOT NULL,Title TEXT NOT NULL,User TEXT,Password TEXT,Http TEXT,Memo "
    "TEXT,DeletedAt TEXT NOT NULL)";
constexpr const char* kCreateBinIndex =
    "CREATE INDEX IF NOT EXISTS LM_RECYCLE_BIN_INDEX ON LM_RECYCLE_BIN(UserID)";
constexpr const char* kNow = "strftime('%Y-%m-%dT%H:%M:%SZ','now')";

EntryVersion readVersion(const Statement& row) {
    EntryVersion version;
    version.versionID = row.columnInt(0);
    version.entry.setID(row.columnInt(1));
    version.entry.setUserID(row.columnInt(2));
    version.entry.setCategoryID(row.columnInt(3));
    version.entry.setTitle(row.columnText(4));
    version.entry.setUser(row.columnText(5));
    version.entry.setPassword(row.columnText(6));
    version.entry.setHttp(row.columnText(7));
    version.entry.setMemo(row.columnText(8));
    version.when = row.columnText(9);
    return version;
}

bool sameValues(const PasswordSchema& a, const PasswordSchema& b) {
    return a.CategoryID() == b.CategoryID() && a.Title() == b.Title() && a.User() == b.User() &&
           a.Password() == b.Password() && a.Http() == b.Http() && a.Memo() == b.Memo();
}

} // namespace

void MySQLLite::createUndoTables() {
    for (const char* sql : {kCreateHistory, kCreateHistoryIndex, kCreateBin, kCreateBinIndex}) {
        run(sql);
    }
}

bool MySQLLite::keepVersion(const PasswordSchema& was) {
    const std::string keep =
        std::string("INSERT INTO LM_PASSWORD_HISTORY(PasswordID,UserID,CategoryID,Title,User,"
                    "Password,Http,Memo,ChangedAt) VALUES(?,?,?,?,?,?,?,?,") +
        kNow + ")";
    Statement insert(database_, keep.c_str());
    insert.bind(was.ID()).bind(was.UserID()).bind(was.CategoryID());
    for (const OptionalText* field :
         {&was.Title(), &was.User(), &was.Password(), &was.Http(), &was.Memo()}) {
        insert.bind(field->value_or(""));
    }
    // Past the 20 latest versions the oldest go, overwritten (secure_delete).
    Statement prune(database_, "DELETE FROM LM_PASSWORD_HISTORY WHERE PasswordID=?1 AND ID NOT IN "
                               "(SELECT ID FROM LM_PASSWORD_HISTORY WHERE PasswordID=?1 "
                               "ORDER BY ID DESC LIMIT 20)");
    prune.bind(was.ID());
    return insert.execute() && prune.execute();
}

Listed<EntryVersion> MySQLLite::readHistory(int32_t entryID, int32_t userID) {
    Statement query(database_, "SELECT ID,PasswordID,UserID,CategoryID,Title,User,Password,Http,"
                               "Memo,ChangedAt FROM LM_PASSWORD_HISTORY WHERE PasswordID=? AND "
                               "UserID=? ORDER BY ID DESC");
    query.bind(entryID).bind(userID);
    return readRows<EntryVersion>(query, lastReadFailure_, readVersion);
}

Listed<EntryVersion> MySQLLite::readRecycleBin(int32_t userID) {
    Statement query(database_, "SELECT ID,ID,UserID,CategoryID,Title,User,Password,Http,Memo,"
                               "DeletedAt FROM LM_RECYCLE_BIN WHERE UserID=? ORDER BY DeletedAt "
                               "DESC,ID DESC");
    query.bind(userID);
    return readRows<EntryVersion>(query, lastReadFailure_, readVersion);
}

WriteResult MySQLLite::moveToRecycleBin(int32_t entryID, int32_t userID) {
    return inOneTransaction([&] {
        const std::string move =
            std::string("INSERT INTO LM_RECYCLE_BIN(ID,UserID,CategoryID,Title,User,Password,"
                        "Http,Memo,DeletedAt) SELECT ID,UserID,CategoryID,Title,User,Password,"
                        "Http,Memo,") +
            kNow + " FROM LM_PASSWORD WHERE ID=? AND UserID=?";
        Statement insert(database_, move.c_str());
        insert.bind(entryID).bind(userID);
        if (!insert.execute()) {
            return WriteResult::Failed;
        }
        if (sqlite3_changes(database_) == 0) {
            return WriteResult::NoRow;
        }
        Statement remove(database_, "DELETE FROM LM_PASSWORD WHERE ID=? AND UserID=?");
        remove.bind(entryID).bind(userID);
        return write(remove);
    });
}

WriteResult MySQLLite::restoreFromRecycleBin(int32_t entryID, int32_t userID,
                                             int32_t categoryIfGone) {
    return inOneTransaction([&] {
        // Back under its category, or under `categoryIfGone` when that is no more, or under the
        // first category when that is gone too (never under none: no list would show it).
        Statement insert(database_,
                         "INSERT INTO LM_PASSWORD(ID,UserID,CategoryID,Title,User,Password,Http,"
                         "Memo) SELECT ID,UserID,CASE WHEN EXISTS(SELECT 1 FROM LM_CATEGORY C "
                         "WHERE C.ID=B.CategoryID) THEN CategoryID WHEN EXISTS(SELECT 1 FROM "
                         "LM_CATEGORY WHERE ID=?1) THEN ?1 ELSE (SELECT min(ID) FROM LM_CATEGORY) "
                         "END,Title,User,Password,Http,Memo FROM LM_RECYCLE_BIN B WHERE ID=?2 AND "
                         "UserID=?3");
        insert.bind(categoryIfGone).bind(entryID).bind(userID);
        if (!insert.execute()) {
            return WriteResult::Failed;
        }
        if (sqlite3_changes(database_) == 0) {
            return WriteResult::NoRow;
        }
        Statement remove(database_, "DELETE FROM LM_RECYCLE_BIN WHERE ID=? AND UserID=?");
        remove.bind(entryID).bind(userID);
        return write(remove);
    });
}

WriteResult MySQLLite::deleteFromRecycleBin(const std::optional<std::vector<int32_t>>& entryIDs,
                                            int32_t userID, std::optional<int> olderThanDays) {
    std::string ids = "[";
    for (const int32_t id : entryIDs.value_or(std::vector<int32_t>())) {
        ids += (ids.size() > 1 ? "," : "") + std::to_string(id);
    }
    ids += "]";
    return inOneTransaction([&] {
        // Which of the account's deleted entries go, for good: those chosen, all, or the old
        // ones. Their earlier versions (the account's own) go with them. secure_delete
        // overwrites what they held.
        const std::string which =
            std::string(" FROM LM_RECYCLE_BIN WHERE UserID=?1 AND (?2 IS NULL OR ID IN (SELECT "
                        "value FROM json_each(?2))) AND (?3 IS NULL OR DeletedAt < "
                        "strftime('%Y-%m-%dT%H:%M:%SZ','now','-'||?3||' days'))");
        const std::string history = "DELETE FROM LM_PASSWORD_HISTORY WHERE UserID=?1 AND "
                                    "PasswordID IN (SELECT ID" +
                                    which + ")";
        const std::string bin = "DELETE" + which;
        int removed = 0;
        for (const std::string& sql : {history, bin}) {
            Statement remove(database_, sql.c_str());
            remove.bind(userID);
            entryIDs ? remove.bind(ids) : remove.bindNull();
            olderThanDays ? remove.bind(*olderThanDays) : remove.bindNull();
            if (!remove.execute()) {
                return WriteResult::Failed;
            }
            removed = sqlite3_changes(database_);
        }
        if (!removeLostVersions(userID)) {
            return WriteResult::Failed;
        }
        return removed > 0 || !entryIDs ? WriteResult::Done : WriteResult::NoRow;
    });
}

bool MySQLLite::removeLostVersions(int32_t userID) {
    Statement remove(database_,
                     "DELETE FROM LM_PASSWORD_HISTORY WHERE UserID=?1 AND PasswordID "
                     "NOT IN (SELECT ID FROM LM_PASSWORD WHERE UserID=?1) AND "
                     "PasswordID NOT IN (SELECT ID FROM LM_RECYCLE_BIN WHERE UserID=?1)");
    remove.bind(userID);
    return remove.execute();
}

WriteResult MySQLLite::restoreVersion(int32_t versionID, int32_t userID) {
    return inOneTransaction([&] {
        Statement query(database_, "SELECT ID,PasswordID,UserID,CategoryID,Title,User,Password,"
                                   "Http,Memo,ChangedAt FROM LM_PASSWORD_HISTORY WHERE ID=? AND "
                                   "UserID=?");
        query.bind(versionID).bind(userID);
        const Listed<EntryVersion> version =
            readRows<EntryVersion>(query, lastReadFailure_, readVersion);
        const std::optional<PasswordSchema> now =
            version && !version->empty() ? getPassword(version->front().entry.ID()) : std::nullopt;
        if (!version || version->empty() || !now || now->UserID() != userID) {
            return version ? WriteResult::NoRow : WriteResult::Failed;
        }
        // The values it replaces become a version too: a restore loses nothing either. One
        // that changes nothing keeps no version, which would push an older one out.
        PasswordSchema restored = version->front().entry;
        if (!categoryExists(restored.CategoryID())) {
            restored.setCategoryID(now->CategoryID());
        }
        if (sameValues(restored, *now)) {
            return WriteResult::Done;
        }
        return keepVersion(*now) ? updatePassword(restored) : WriteResult::Failed;
    });
}

bool MySQLLite::categoryExists(int32_t categoryID) {
    Statement query(database_, "SELECT 1 FROM LM_CATEGORY WHERE ID=?");
    query.bind(categoryID);
    return query.nextRow();
}

std::optional<bool> MySQLLite::ownsAnything(int32_t userID) {
    Statement query(database_, "SELECT EXISTS(SELECT 1 FROM LM_PASSWORD WHERE UserID=?1) OR "
                               "EXISTS(SELECT 1 FROM LM_RECYCLE_BIN WHERE UserID=?1)");
    query.bind(userID);
    if (!query.nextRow()) {
        return std::nullopt;
    }
    return query.columnInt(0) != 0;
}
