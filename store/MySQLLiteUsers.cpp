// The account operations of the record store, on LM_USER.
#include "IdRange.h"
#include "MySQLLite.h"
#include "ReadRows.h"
#include "Statement.h"
#include "Transactions.h"

#include <tuple>

namespace {

UserSchema readUser(const Statement& row) {
    UserSchema user;
    user.setID(row.columnInt(0));
    user.setUser(row.columnText(1));
    user.setPassword(row.columnText(2));
    user.setIsRoot(row.columnInt(3));
    return user;
}

bool hasEveryText(const UserSchema& user) {
    return user.User().has_value() && user.Password().has_value();
}

} // namespace

std::optional<UserSchema> MySQLLite::login(const std::string& user, const std::string& password) {
    const Listed<UserSchema> found = readLogin(user, password);
    return found && !found->empty() ? std::optional<UserSchema>(found->back()) : std::nullopt;
}

Listed<UserSchema> MySQLLite::readLogin(const std::string& user, const std::string& password) {
    // Compared byte by byte: letter case counts in both texts, and an empty
    // password matches only a stored empty password. An account whose ID
    // another program made too large for a record would log in under that ID
    // cut to 32 bits, another account's: it cannot log in.
    Statement query(database_, "SELECT * FROM LM_USER WHERE USER=? AND PASSWORD=? "
                               "AND " LM_ID_FITS_32_BITS);
    query.bind(user).bind(password);
    return readRows<UserSchema>(query, lastReadFailure_, readUser);
}

// Every account, for administrators and others alike: what an ordinary account may see of the
// others is the list's business.
std::vector<UserSchema> MySQLLite::getUsers(bool /*isAdministrator*/) {
    return readUsers().value_or(std::vector<UserSchema>());
}

Listed<UserSchema> MySQLLite::readUsers() {
    // Without the accounts whose IDs do not fit a record (see readLogin()).
    Statement query(database_, "SELECT * FROM LM_USER WHERE " LM_ID_FITS_32_BITS " ORDER BY ID");
    return readRows<UserSchema>(query, lastReadFailure_, readUser);
}

bool MySQLLite::insertUser(const UserSchema& user) {
    if (!hasEveryText(user)) {
        return false;
    }
    Statement insert(database_, "INSERT INTO LM_USER(User,Password,IsRoot) VALUES(?,?,?)");
    insert.bind(*user.User()).bind(*user.Password()).bind(user.IsRoot());
    return write(insert) == WriteResult::Done;
}

WriteResult MySQLLite::updateUser(const UserSchema& user) {
    if (!hasEveryText(user)) {
        return WriteResult::Failed;
    }
    Statement update(database_, "UPDATE LM_USER SET User=?,Password=?,IsRoot=? WHERE ID=?");
    update.bind(*user.User()).bind(*user.Password()).bind(user.IsRoot()).bind(user.ID());
    return write(update);
}

WriteResult MySQLLite::updateUserIfUnchanged(const UserSchema& user, const UserSchema& asRead) {
    const auto fields = [](const UserSchema& u) {
        return std::make_tuple(u.User(), u.Password(), u.IsRoot());
    };
    return writeIfUnchanged(
        asRead,
        [this](int32_t id) {
            Statement query(database_, "SELECT * FROM LM_USER WHERE ID=?");
            query.bind(id);
            return readRows<UserSchema>(query, lastReadFailure_, readUser);
        },
        [&](const UserSchema& a, const UserSchema& b) { return fields(a) == fields(b); },
        [&](const UserSchema&) { return updateUser(user); });
}

WriteResult MySQLLite::delUser(int32_t id) {
    // The ownership test and the deletion are one statement: an entry that
    // another program adds (or moves to its bin) between an earlier hasData()
    // and this keeps the account it belongs to. What is left of it then is
    // versions of entries that are nowhere any more: they go with it.
    return inOneTransaction([&] {
        Statement remove(database_, "DELETE FROM LM_USER WHERE ID=?1 AND NOT EXISTS "
                                    "(SELECT 1 FROM LM_PASSWORD WHERE UserID=?1) AND NOT EXISTS "
                                    "(SELECT 1 FROM LM_RECYCLE_BIN WHERE UserID=?1)");
        remove.bind(id);
        const WriteResult result = write(remove);
        return result == WriteResult::Done && !removeLostVersions(id) ? WriteResult::Failed
                                                                      : result;
    });
}

std::optional<bool> MySQLLite::hasData(int32_t id) {
    Statement query(database_, "SELECT EXISTS(SELECT 1 FROM LM_PASSWORD WHERE UserID=?)");
    query.bind(id);
    if (!query.nextRow()) {
        return std::nullopt; // not prepared, or the read failed: no answer
    }
    return query.columnInt(0) != 0;
}
