#pragma once

#include "CategorySchema.h"
#include "DataStamp.h"
#include "PasswordSchema.h"
#include "UserSchema.h"
#include "WriteResult.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct sqlite3;
class Statement;

// The record store: the one class that touches the database file
// "Lockmere.sqlite3". It never raises, shows or logs anything; every failure
// is reported by its result (false, an empty list, no record, or 0).
//
// The two things it needs from the platform are handed in, so that it can be
// used and tested without a window system: the user's documents directory,
// and the localised text of a key (for the names of the seeded categories).
class MySQLLite {
public:
    using LocalizedText = std::function<std::string(const std::string& key)>;

    static constexpr const char* kFileName = "Lockmere.sqlite3";
    // The password the first start gives root; published, so it must be changed.
    static constexpr const char* kPublishedRootPassword = "tiwe";
    // The ten category keys, in the order their rows are seeded.
    static const std::vector<std::string>& categoryKeys();

    MySQLLite(std::string documentsDirectory, LocalizedText localizedText);
    ~MySQLLite();
    MySQLLite(const MySQLLite&) = delete;
    MySQLLite& operator=(const MySQLLite&) = delete;

    // --- The file and its schema ---------------------------------------
    // Full path of the database file; empty when no documents directory is known.
    std::string dbFilePath() const;
    // Opens (creating when missing) the file. Returns SQLite's result code,
    // 0 on success. A missing documents directory is created first; a new
    // file is made readable and writable by its owner only.
    int openDB();
    void closeDB();
    // Opens the file and ensures the three tables, their indexes and the seed
    // rows. On a failed open nothing is created and every later operation
    // gives its failure result.
    void createTables();
    void createUserTable();
    void createCategoryTable();
    void createPasswordTable();

    // --- Categories -----------------------------------------------------
    std::vector<CategorySchema> getCategories();
    // 0 when no category has exactly this name, or no name is given.
    int32_t getIDByCategory(const OptionalText& name);

    // --- Accounts -------------------------------------------------------
    // The account with exactly this name and password, or none.
    std::optional<UserSchema> login(const std::string& user, const std::string& password);
    // Every account in ID order. The flag does not narrow the list.
    std::vector<UserSchema> getUsers(bool isAdministrator);
    // Refused (false, nothing written) when a text field is absent, when the
    // name is taken, or when the database cannot be written.
    bool insertUser(const UserSchema& user);
    // NoRow when no account has the record's ID (nothing changes then).
    WriteResult updateUser(const UserSchema& user);
    // Deletes the account only while it owns no entry, in one statement, so an
    // entry that another program adds meanwhile never loses its owner: NoRow
    // when the account is gone or owns entries now.
    WriteResult delUser(int32_t id);
    // Whether at least one entry belongs to this account; none when the store
    // cannot tell (a failed read must never pass for "no entries").
    std::optional<bool> hasData(int32_t id);

    // --- Password entries -----------------------------------------------
    // One account's entries in the named category, ordered by Title, then
    // User, then ID (bytewise). Empty for an unknown or absent category.
    std::vector<PasswordSchema> getPasswords(int32_t userID, const OptionalText& category);
    // One account's entries in every category, in the same order; empty when
    // the store cannot be read.
    std::vector<PasswordSchema> getAllPasswords(int32_t userID);
    std::optional<PasswordSchema> getPassword(int32_t id);
    // Refused (false, nothing written) when a text field is absent.
    bool insertPassword(const PasswordSchema& entry);
    // Never changes the owner. NoRow when no entry has the record's ID.
    WriteResult updatePassword(const PasswordSchema& entry);
    WriteResult delPassword(int32_t id);
    // Adds every entry in one transaction: all of them, or (on a refused
    // entry, a lock another program holds, a full disk, or `keepGoing`
    // answering false) none, with the file as it was.
    enum class BatchResult { Done, Cancelled, Failed };
    BatchResult insertPasswords(const std::vector<PasswordSchema>& entries,
                                const std::function<bool(size_t added)>& keepGoing);

    // --- Changes -----------------------------------------------------------
    // Where the database stands now; see DataStamp.
    DataStamp dataStamp();

private:
    bool run(const char* sql);
    WriteResult write(Statement& statement);
    void createSchema();

    std::string documentsDirectory_;
    LocalizedText localizedText_;
    sqlite3* database_ = nullptr;
    std::unique_ptr<Statement> dataVersionQuery_;
};
