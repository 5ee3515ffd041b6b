#include "MySQLLite.h"

#include "IdRange.h"
#include "Statement.h"

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

// The administrator seeded on every start. The UNIQUE constraint on User
// refuses it while an account named "root" exists, so it comes back only when
// that account was deleted or renamed.
constexpr const char* kSeedAdministrator =
    "INSERT INTO LM_USER(User,Password,IsRoot) VALUES('root','tiwe',1)";
constexpr const char* kSeedCategory = "INSERT INTO LM_CATEGORY(Category) VALUES(?)";

// Makes the file, when it does not exist yet, readable and writable by its
// owner only: it holds every account's passwords in clear text on a shared
// computer. An existing file keeps its mode. SQLite gives its journal files
// the mode of the database file.
bool createPrivateFileIfMissing(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    return errno == EEXIST;
}

} // namespace

const std::vector<std::string>& MySQLLite::categoryKeys() {
    static const std::vector<std::string> keys = {"Email",    "Website", "Computer", "Software",
                                                  "BankCard", "eBank",   "Router",   "Lock",
                                                  "Safe",     "Other"};
    return keys;
}

MySQLLite::MySQLLite(std::string documentsDirectory, LocalizedText localizedText)
    : documentsDirectory_(std::move(documentsDirectory)), localizedText_(std::move(localizedText)) {
    if (!localizedText_) {
        localizedText_ = [](const std::string& key) { return key; };
    }
}

MySQLLite::~MySQLLite() {
    closeDB();
}

std::string MySQLLite::dbFilePath() const {
    if (documentsDirectory_.empty()) {
        return {};
    }
    return (std::filesystem::path(documentsDirectory_) / kFileName).string();
}

int MySQLLite::openDB() {
    const std::string path = dbFilePath();
    if (path.empty()) {
        return SQLITE_CANTOPEN;
    }
    std::error_code ignored;
    std::filesystem::create_directories(documentsDirectory_, ignored);
    if (!createPrivateFileIfMissing(path)) {
        return SQLITE_CANTOPEN;
    }
    const int result = sqlite3_open_v2(path.c_str(), &database_,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (result == SQLITE_OK) {
        sqlite3_busy_timeout(database_, kBusyTimeoutMilliseconds);
        // Another program may have written the file: its triggers and views run no function or
        // table that could reach outside it, and the schema cannot be rewritten behind SQLite.
        sqlite3_db_config(database_, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        sqlite3_db_config(database_, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
        // A deleted password is overwritten, not left standing in the file's free pages.
        run("PRAGMA secure_delete=ON");
    }
    return result;
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
    // One transaction for the schema and the seed rows: one lock and one
    // sync instead of one per statement, and a first start that is whole or
    // not at all. A statement that fails inside it is undone alone, so each
    // table still gets what its own statements achieve.
    if (run("BEGIN IMMEDIATE")) {
        createSchema();
        if (run("COMMIT")) {
            return;
        }
        run("ROLLBACK");
    }
    // No transaction to be had (a read-only file, a file that is not a
    // database, another program writing): the statements run one by one, and
    // without waiting for a lock, so that a busy file cannot hold the start
    // up. Refused seed rows are ignored as on every start.
    sqlite3_busy_timeout(database_, 0);
    createSchema();
    sqlite3_busy_timeout(database_, kBusyTimeoutMilliseconds);
}

void MySQLLite::createSchema() {
    createUserTable();
    createCategoryTable();
    createPasswordTable();
}

bool MySQLLite::run(const char* sql) {
    return Statement(database_, sql).execute();
}

WriteResult MySQLLite::write(Statement& statement) {
    if (!statement.execute()) {
        return WriteResult::Failed;
    }
    return sqlite3_changes(database_) > 0 ? WriteResult::Done : WriteResult::NoRow;
}

void MySQLLite::createUserTable() {
    if (run(kCreateUserTable) && run(kCreateUserIndex)) {
        run(kSeedAdministrator); // refused on every start but the first: ignored
    }
}

void MySQLLite::createCategoryTable() {
    if (!run(kCreateCategoryTable) || !run(kCreateCategoryIndex)) {
        return;
    }
    // Names already stored are refused by the UNIQUE constraint; a start in
    // another language adds that language's names after the earlier rows.
    for (const std::string& key : categoryKeys()) {
        Statement(database_, kSeedCategory).bind(localizedText_(key)).execute();
    }
}

void MySQLLite::createPasswordTable() {
    if (run(kCreatePasswordTable)) {
        run(kCreatePasswordIndex);
    }
}

std::vector<CategorySchema> MySQLLite::getCategories() {
    std::vector<CategorySchema> categories;
    // Rows whose IDs do not fit a record are left out, as in every list.
    Statement query(database_,
                    "SELECT * FROM LM_CATEGORY WHERE " LM_ID_FITS_32_BITS " ORDER BY ID");
    while (query.nextRow()) {
        CategorySchema category;
        category.setID(query.columnInt(0));
        category.setCategory(query.columnText(1));
        categories.push_back(std::move(category));
    }
    return categories;
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
