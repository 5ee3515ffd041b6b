#include "MySQLLite.h"

#include "IdRange.h"
#include "OwnLinks.h"
#include "ReadRows.h"
#include "Statement.h"
#include "sealed/SealedVfs.h"

#include <fcntl.h>
#include <filesystem>
#include <sqlite3.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

// Another copy of the program (or any other tool) may hold the write lock for
// a moment; wait this long for it before a write is reported as failed.
constexpr int kBusyTimeoutMilliseconds = 1500;

// The schema. Other tools and later versions read these texts from the file,
// so they stay exactly as they are.
constexpr const char* kCreateUserTable =
    "CREATE TABLE IF NOT EXISTS LM_USER(ID INTEGER PRIMARY KEY AUTOINCREMENT,User VARCHAR(255) "
    "NOT NULL UNIQUE,Password VARCHAR(255) NOT NULL,IsRoot SMALLINT NOT NULL)";
constexpr const char* kCreateUserIndex =
    "CREATE INDEX IF NOT EXISTS LM_USER_INDEX ON LM_USER(User,Password)";
constexpr const char* kCreateCategoryTable =
    "CREATE TABLE IF NOT EXISTS LM_CATEGORY(ID INTEGER PRIMARY KEY AUTOINCREMENT,Category "
    "VARCHAR(255) UNIQUE NOT NULL)";
constexpr const char* kCreateCategoryIndex =
    "CREATE INDEX IF NOT EXISTS LM_CATEGORY_INDEX ON LM_CATEGORY(Category)";
constexpr const char* kCreatePasswordTable =
    "CREATE TABLE IF NOT EXISTS LM_PASSWORD(ID INTEGER PRIMARY KEY AUTOINCREMENT,UserID INTEGER "
    "NOT NULL,CategoryID INTEGER NOT NULL,Title VARCHAR(100) NOT NULL,User VARCHAR(50),Password "
    "VARCHAR(50),Http VARCHAR(255),Memo TEXT)";
constexpr const char* kCreatePasswordIndex =
    "CREATE INDEX IF NOT EXISTS LM_PASSWORD_INDEX ON LM_PASSWORD(UserID,CategoryID,Title,User)";

// The administrator of a new file, with the published password that its first login is asked to
// change.
constexpr const char* kSeedAdministrator =
    "INSERT INTO LM_USER(User,Password,IsRoot) VALUES('root','tiwe',1)";
// Which account bears (or last bore) the name "root": a table of one row beside the three.
constexpr const char* kCreateRootTable =
    "CREATE TABLE IF NOT EXISTS LM_ROOT_ACCOUNT(Only INTEGER PRIMARY KEY CHECK(Only=1),"
    "UserID INTEGER NOT NULL)";
// Written only when it changes: a start writes nothing to a file that is as it was.
constexpr const char* kRememberRoot =
    "INSERT OR REPLACE INTO LM_ROOT_ACCOUNT(Only,UserID) SELECT 1,ID FROM LM_USER WHERE "
    "User='root' AND ID IS NOT (SELECT UserID FROM LM_ROOT_ACCOUNT)";
constexpr const char* kSeedCategory = "INSERT INTO LM_CATEGORY(Category) VALUES(?)";

// Makes the file, when it does not exist yet, readable and writable by its
// owner only: it holds every account's passwords in clear text on a shared
// computer. An existing file keeps its mode. SQLite gives its journal files
// the mode of the database file. Symbolic links on the way are followed only
// when this user (or the system) made them, and one in the file's place only
// when it leads to a file: a link of another user would hand the passwords to
// wherever that user points it, and a dangling one would have SQLite make the
// file with the usual 0644.
FileProblem createPrivateFileIfMissing(const std::string& path) {
    if (!onlyOwnLinks(path)) {
        return FileProblem::ForeignLink;
    }
    struct stat link {};
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        struct stat target {};
        return ::stat(path.c_str(), &target) == 0 ? FileProblem::None : FileProblem::DanglingLink;
    }
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return FileProblem::None;
    }
    return errno == EEXIST ? FileProblem::None : FileProblem::CannotCreate;
}

FileProblem problemOf(int result) {
    switch (result & 0xff) {
    case SQLITE_OK:
        return FileProblem::None;
    case SQLITE_NOTADB:
        return FileProblem::NotADatabase;
    case SQLITE_CORRUPT:
        return FileProblem::Damaged;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return FileProblem::Busy;
    default:
        return FileProblem::CannotOpen;
    }
}

} // namespace

const std::vector<std::string>& MySQLLite::categoryKeys() {
    return CategoryKeys::keys();
}

MySQLLite::MySQLLite(std::string documentsDirectory, LocalizedText localizedText,
                     KnownNames knownNames)
    : documentsDirectory_(std::move(documentsDirectory)), localizedText_(std::move(localizedText)),
      knownNames_(std::move(knownNames)) {
    if (!localizedText_) {
        localizedText_ = [](const std::string& key) { return key; };
    }
}

MySQLLite::~MySQLLite() {
    closeDB();
    if (key_ != nullptr) {
        sealedvfs::forget(dbFilePath()); // the last holder of the key: it is wiped now
    }
}

std::string MySQLLite::dbFilePath() const {
    if (documentsDirectory_.empty()) {
        return {};
    }
    return (std::filesystem::path(documentsDirectory_) / kFileName).string();
}

int MySQLLite::openDB() {
    const std::string path = dbFilePath();
    std::error_code failed;
    if (path.empty() || (!std::filesystem::create_directories(documentsDirectory_, failed) &&
                         !std::filesystem::is_directory(documentsDirectory_))) {
        fileProblem_ = FileProblem::NoDocumentsFolder;
        return SQLITE_CANTOPEN;
    }
    fileProblem_ = createPrivateFileIfMissing(path);
    if (fileProblem_ != FileProblem::None) {
        return SQLITE_CANTOPEN;
    }
    clearLeftovers();
    // A protected file opens through the sealing VFS once its key is known, and not before.
    const char* vfs = nullptr;
    switch (SealedHeader::kindOf(path)) {
    case SealedHeader::Kind::Plain:
        key_.reset();
        break;
    case SealedHeader::Kind::Damaged:
        fileProblem_ = FileProblem::Damaged;
        return SQLITE_CORRUPT;
    case SealedHeader::Kind::Sealed:
        if (key_ == nullptr || !sealedvfs::install()) {
            fileProblem_ = FileProblem::Protected;
            return SQLITE_AUTH;
        }
        vfs = sealedvfs::kName;
        break;
    }
    const int result =
        sqlite3_open_v2(path.c_str(), &database_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI, vfs);
    fileProblem_ = result == SQLITE_OK ? FileProblem::None : FileProblem::CannotOpen;
    if (result == SQLITE_OK) {
        configureConnection();
    }
    return result;
}

void MySQLLite::configureConnection() {
    sqlite3_busy_timeout(database_, kBusyTimeoutMilliseconds);
    // Another program may have written the file: its triggers and views run no function or
    // table that could reach outside it, and the schema cannot be rewritten behind SQLite.
    sqlite3_db_config(database_, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(database_, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    // A deleted password is overwritten, not left standing in the file's free pages.
    run("PRAGMA secure_delete=ON");
    // Sorts and statement journals stay in memory: no temporary file holds a table's text
    // (a protected file's VFS refuses to make one).
    run("PRAGMA temp_store=MEMORY");
    // Every commit synced whole before it counts: a protected file's journal is only trusted
    // where SQLite marked it synced.
    run("PRAGMA synchronous=FULL");
}

void MySQLLite::closeDB() {
    dataVersionQuery_.reset();
    sqlite3_close(database_);
    database_ = nullptr;
}

void MySQLLite::createTables() {
    if (database_ != nullptr) {
        return; // opened already: the one connection lives as long as the store
    }
    if (openDB() != SQLITE_OK) {
        closeDB();
        return;
    }
    fileProblem_ = checkFile();
    if (fileProblem_ != FileProblem::None && fileProblem_ != FileProblem::ReadOnly &&
        fileProblem_ != FileProblem::Busy) {
        return; // a file that is no database, or a damaged one, is not written to at all
    }
    // One transaction for the schema and the seed rows: one lock and one
    // sync instead of one per statement, and a first start that is whole or
    // not at all. A statement that fails inside it is undone alone, so each
    // table still gets what its own statements achieve.
    if (run("BEGIN IMMEDIATE")) {
        createSchema();
        if (run("COMMIT")) {
            return;
        }
        rollBack();
    }
    // No transaction to be had (a read-only file, a file that is not a
    // database, another program writing): the statements run one by one, and
    // without waiting for a lock, so that a busy file cannot hold the start
    // up. Refused seed rows are ignored as on every start.
    sqlite3_busy_timeout(database_, 0);
    createSchema();
    sqlite3_busy_timeout(database_, kBusyTimeoutMilliseconds);
}

// Whether the file can be used, before anything is written to it: reading its schema is where
// SQLite finds that it is no database, or that its first pages are damaged.
FileProblem MySQLLite::checkFile() {
    Statement schema(database_, "SELECT count(*) FROM sqlite_master");
    while (schema.nextRow()) {
    }
    if (schema.failed()) {
        // A protected file's page or journal that fails authentication is damage, not a lock.
        return key_ != nullptr && sealedvfs::damaged(dbFilePath()) ? FileProblem::Damaged
                                                                   : problemOf(schema.failure());
    }
    return sqlite3_db_readonly(database_, "main") == 1 ? FileProblem::ReadOnly : FileProblem::None;
}

bool MySQLLite::isSound() {
    Statement check(database_, "PRAGMA quick_check");
    return check.nextRow() && check.columnText(0) == "ok";
}

void MySQLLite::createSchema() {
    createUserTable();
    createCategoryTable();
    createPasswordTable();
    createUndoTables();
}

bool MySQLLite::run(const char* sql) {
    return Statement(database_, sql).execute();
}

void MySQLLite::rollBack() {
    run("ROLLBACK");
    ++rollbacks_; // rows read inside the transaction are gone: no list may keep them
}

WriteResult MySQLLite::write(Statement& statement) {
    if (fileMoved()) {
        lastWriteFailure_ = SQLITE_CANTOPEN;
        return WriteResult::Failed;
    }
    if (batchOpen_ || !statement.execute()) {
        lastWriteFailure_ = batchOpen_ ? SQLITE_BUSY : statement.failure();
        return WriteResult::Failed;
    }
    return sqlite3_changes(database_) > 0 ? WriteResult::Done : WriteResult::NoRow;
}

// The administrator is seeded into a file without accounts only. Seeding it again whenever no
// account is named "root" (it renamed itself) would hand an administrator with the published
// password, and root's right to make administrators, to whoever logs in with it first.
void MySQLLite::createUserTable() {
    if (!run(kCreateUserTable) || !run(kCreateUserIndex)) {
        return;
    }
    Statement accounts(database_, "SELECT EXISTS(SELECT 1 FROM LM_USER)");
    if (accounts.nextRow() && accounts.columnInt(0) == 0) {
        run(kSeedAdministrator);
    }
    if (run(kCreateRootTable)) {
        run(kRememberRoot);
    }
}

int32_t MySQLLite::rootAccountID() {
    Statement query(database_, "SELECT UserID FROM LM_ROOT_ACCOUNT");
    return query.nextRow() ? query.columnInt(0) : 0;
}

void MySQLLite::createCategoryTable() {
    if (!run(kCreateCategoryTable) || !run(kCreateCategoryIndex)) {
        return;
    }
    // A key already stored under any of its names (a start in another
    // language) gets no second row: its button lists the row it has. Should
    // the rows not be readable, a name already stored is still refused by the
    // UNIQUE constraint.
    const std::optional<CategoryKeys> stored = readCategoryKeys();
    for (size_t key = 0; key < CategoryKeys::kCount; ++key) {
        if (!stored || stored->idsOf(key).empty()) {
            Statement(database_, kSeedCategory).bind(localizedText_(categoryKeys()[key])).execute();
        }
    }
}

void MySQLLite::createPasswordTable() {
    if (run(kCreatePasswordTable)) {
        run(kCreatePasswordIndex);
    }
}

std::vector<CategorySchema> MySQLLite::getCategories() {
    return readCategories().value_or(std::vector<CategorySchema>());
}

Listed<CategorySchema> MySQLLite::readCategories() {
    // Rows whose IDs do not fit a record are left out, as in every list.
    Statement query(database_,
                    "SELECT * FROM LM_CATEGORY WHERE " LM_ID_FITS_32_BITS " ORDER BY ID");
    return readRows<CategorySchema>(query, lastReadFailure_, [](const Statement& row) {
        CategorySchema category;
        category.setID(row.columnInt(0));
        category.setCategory(row.columnText(1));
        return category;
    });
}

std::optional<CategoryKeys> MySQLLite::readCategoryKeys() {
    Listed<CategorySchema> rows = readCategories();
    if (!rows) {
        return std::nullopt;
    }
    return CategoryKeys(std::move(*rows), localizedText_, knownNames_);
}

int32_t MySQLLite::getIDByCategory(const OptionalText& name) {
    if (!name) {
        return 0;
    }
    Statement query(database_,
                    "SELECT * FROM LM_CATEGORY WHERE Category=? AND " LM_ID_FITS_32_BITS);
    query.bind(*name);
    int32_t id = 0;
    while (query.nextRow()) {
        id = query.columnInt(0);
    }
    return id;
}
