#pragma once

#include "CategoryKeys.h"
#include "CategorySchema.h"
#include "DataStamp.h"
#include "EntryVersion.h"
#include "FileProblem.h"
#include "PasswordSchema.h"
#include "UserSchema.h"
#include "WriteResult.h"
#include "sealed/SealedHeader.h"

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
// A list the store could read, or none when it could not (another program held the file's lock
// longer than the store waits, a damaged page, a file that is gone). Nothing that writes a file,
// reports a count or decides a right may take a list that could not be read for an empty one.
template <typename Record> using Listed = std::optional<std::vector<Record>>;

class MySQLLite {
public:
    using LocalizedText = CategoryKeys::LocalizedText;
    using KnownNames = CategoryKeys::KnownNames;

    static constexpr const char* kFileName = "Lockmere.sqlite3";
    // The password the first start gives root; published, so it must be changed.
    static constexpr const char* kPublishedRootPassword = "tiwe";
    // The ten category keys, in the order their rows are seeded.
    static const std::vector<std::string>& categoryKeys();

    // `knownNames` gives every name a category key has in the languages the program speaks, so
    // that a start in another language finds the categories stored in an earlier one; without
    // it only the key itself and its text in the user's language are known.
    MySQLLite(std::string documentsDirectory, LocalizedText localizedText,
              KnownNames knownNames = nullptr);
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
    // Whether SQLite finds every page and index of the file sound (its quick check: it reads
    // the whole file).
    bool isSound();
    // Why the file cannot be used (or only read) as createTables() found it; None when it can.
    FileProblem fileProblem() const { return fileProblem_; }
    void createUserTable();
    void createCategoryTable();
    void createPasswordTable();

    // --- Categories -----------------------------------------------------
    std::vector<CategorySchema> getCategories();
    Listed<CategorySchema> readCategories();
    // The stored rows grouped by the ten keys, whatever language each was stored in.
    std::optional<CategoryKeys> readCategoryKeys();
    // 0 when no category has exactly this name, or no name is given.
    int32_t getIDByCategory(const OptionalText& name);

    // --- Accounts -------------------------------------------------------
    // The account with exactly this name and password, or none.
    std::optional<UserSchema> login(const std::string& user, const std::string& password);
    // The accounts with exactly this name and password: none or one; none read when the store
    // could not tell.
    Listed<UserSchema> readLogin(const std::string& user, const std::string& password);
    // Every account in ID order. The flag does not narrow the list.
    std::vector<UserSchema> getUsers(bool isAdministrator);
    Listed<UserSchema> readUsers();
    // Refused (false, nothing written) when a text field is absent, when the
    // name is taken, or when the database cannot be written.
    bool insertUser(const UserSchema& user);
    // NoRow when no account has the record's ID (nothing changes then).
    WriteResult updateUser(const UserSchema& user);
    // updateUser() only while the stored account is still `asRead` (another copy may have
    // changed it since): Changed, with nothing written, when it is not.
    WriteResult updateUserIfUnchanged(const UserSchema& user, const UserSchema& asRead);
    // Deletes the account only while it owns no entry (nor one in its recycle bin, nor an
    // entry's earlier version), in one statement, so an entry that another program adds
    // meanwhile never loses its owner: NoRow when the account is gone or owns entries now.
    WriteResult delUser(int32_t id);
    // The account that bears the name "root", or bore it last (it may take it back); 0 when
    // none is known.
    int32_t rootAccountID();
    // Whether at least one entry belongs to this account; none when the store
    // cannot tell (a failed read must never pass for "no entries").
    std::optional<bool> hasData(int32_t id);

    // --- Password entries -----------------------------------------------
    // One account's entries in the named category, ordered by Title, then
    // User, then ID (bytewise). Empty for an unknown or absent category.
    std::vector<PasswordSchema> getPasswords(int32_t userID, const OptionalText& category);
    // One account's entries filed under any of these category rows, in the same order.
    Listed<PasswordSchema> readPasswords(int32_t userID, const std::vector<int32_t>& categoryIDs);
    // One account's entries in every category, in the same order.
    std::vector<PasswordSchema> getAllPasswords(int32_t userID);
    Listed<PasswordSchema> readAllPasswords(int32_t userID);
    std::optional<PasswordSchema> getPassword(int32_t id);
    // Refused (false, nothing written) when a text field is absent.
    bool insertPassword(const PasswordSchema& entry);
    // Never changes the owner. NoRow when no entry has the record's ID.
    WriteResult updatePassword(const PasswordSchema& entry);
    // updatePassword() only while the stored entry is still `asRead` (another copy may have
    // changed it since): Changed, with nothing written, when it is not.
    WriteResult updatePasswordIfUnchanged(const PasswordSchema& entry,
                                          const PasswordSchema& asRead);
    WriteResult delPassword(int32_t id);
    // Adds every entry in one transaction: all of them, or (on a refused
    // entry, a lock another program holds, a full disk, or `keepGoing`
    // answering false) none, with the file as it was. While it runs, every
    // other write of this store is refused: nothing may join the batch and be
    // undone with it.
    enum class BatchResult { Done, Cancelled, Failed };
    BatchResult insertPasswords(const std::vector<PasswordSchema>& entries,
                                const std::function<bool(size_t added)>& keepGoing);

    // --- Earlier versions and the recycle bin (MySQLLiteUndo.cpp) ------------
    // Every save of an entry through updatePasswordIfUnchanged() keeps what it held before;
    // the 20 latest versions of each entry are kept. Each call acts on `userID`'s records only.
    Listed<EntryVersion> readHistory(int32_t entryID, int32_t userID);
    // Puts a version's values back; the values it replaces become a version too.
    WriteResult restoreVersion(int32_t versionID, int32_t userID);
    // Moves the entry, with its ID, to the account's recycle bin, in one transaction.
    WriteResult moveToRecycleBin(int32_t entryID, int32_t userID);
    Listed<EntryVersion> readRecycleBin(int32_t userID);
    // Back to its category, or to `categoryIfGone`, with its ID.
    WriteResult restoreFromRecycleBin(int32_t entryID, int32_t userID, int32_t categoryIfGone);
    // Deletes for good the bin's entries of `entryIDs` (those the user saw and confirmed; NoRow
    // when none of them is there any more), or (no IDs) all of the account's, or only those
    // deleted more than `olderThanDays` ago; with their earlier versions. Versions of entries
    // that are nowhere any more (another program deleted them) go too: nothing shows them, so
    // nothing else would ever remove them.
    WriteResult deleteFromRecycleBin(const std::optional<std::vector<int32_t>>& entryIDs,
                                     int32_t userID,
                                     std::optional<int> olderThanDays = std::nullopt);
    // Removes the account's versions of entries that are neither in LM_PASSWORD nor in the bin.
    bool removeLostVersions(int32_t userID);
    // Whether the account owns an entry or one in its recycle bin (every version kept is of
    // one of those); none when the store cannot tell.
    std::optional<bool> ownsAnything(int32_t userID);

    // --- Protection of the file at rest (MySQLLiteProtection.cpp) ------------
    // A protected file is sealed page by page with a random file key, which two key slots in
    // its header keep wrapped: one under the file passphrase, one under a recovery code.
    bool isProtected() const { return key_ != nullptr; }
    enum class Unlock { Opened, OpenedWithRecoveryCode, Refused, Damaged };
    // Opens a protected file (fileProblem() Protected) with its passphrase or recovery code:
    // Refused, with nothing read past the header and nothing written, for any other secret;
    // Damaged when a page fails authentication or the file was cut short.
    Unlock unlock(const std::string& secret);
    enum class Conversion { Done, Busy, Failed };
    // Rewrites the file protected by `passphrase` and `recoveryCode`, or (removeProtection) plain
    // again, all or nothing: the new file is written beside the old one, checked, synced and
    // renamed over it, and a plain file's bytes are overwritten before they are let go. A kill at
    // any moment leaves the old file or the new one. Busy when another program writes meanwhile.
    Conversion protect(const std::string& passphrase, const std::string& recoveryCode,
                       KdfCost cost = KdfCost::forUnlocking());
    Conversion removeProtection();
    // Whether `secret` is the protected file's passphrase or recovery code now (Argon2id: about
    // a second).
    bool opensWith(const std::string& secret) const;
    // Wraps the file key anew under another passphrase or recovery code: only that key slot is
    // written, no page.
    bool changeSecret(SealedHeader::Slot slot, const std::string& secret,
                      KdfCost cost = KdfCost::forUnlocking());

    // --- Changes -----------------------------------------------------------
    // Where the database stands now; see DataStamp.
    DataStamp dataStamp();

    // SQLite's result code of the last read that failed; SQLITE_OK before any did.
    int lastReadFailure() const { return lastReadFailure_; }
    // SQLite's result code of the last write that failed (a lock, a read-only file, a full
    // disk); SQLITE_OK before any did.
    int lastWriteFailure() const { return lastWriteFailure_; }

private:
    bool run(const char* sql);
    WriteResult write(Statement& statement);
    void rollBack();
    bool fileMoved();
    // Runs `change` inside one transaction, after `stillAsRead` says the row is as the caller
    // read it: NoRow when it is gone, Changed when it is not as read.
    template <typename Record, typename Read, typename Same, typename Change>
    WriteResult writeIfUnchanged(const Record& asRead, Read read, Same same, Change change);
    template <typename Change> WriteResult inOneTransaction(Change change);
    void createUndoTables();
    bool keepVersion(const PasswordSchema& was);
    bool categoryExists(int32_t categoryID);
    void createSchema();
    FileProblem checkFile();
    // Sets the connection up as every read and write expects it.
    void configureConnection();
    // Whether every page of the protected file opens and none is missing.
    bool everyPageOpens();
    // Writes the database as it stands into `target` (through `vfs`), checked, then renames it
    // over the file and opens that; Busy when another program wrote meanwhile.
    Conversion convertInto(const std::string& target, const char* vfs, bool wipeOld);
    // What an earlier conversion left behind when it was stopped: removed, a plain file's bytes
    // overwritten first.
    void clearLeftovers();

    std::string documentsDirectory_;
    LocalizedText localizedText_;
    KnownNames knownNames_;
    sqlite3* database_ = nullptr;
    std::unique_ptr<Statement> dataVersionQuery_;
    FileProblem fileProblem_ = FileProblem::None;
    int lastReadFailure_ = 0;
    int lastWriteFailure_ = 0;
    int64_t rollbacks_ = 0;
    bool batchOpen_ = false;
    std::shared_ptr<FileKey> key_;
    std::optional<SealedHeader> header_;
};
