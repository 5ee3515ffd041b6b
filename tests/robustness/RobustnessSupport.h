#pragma once

#include "FaultVfs.h"
#include "MySQLLite.h"
#include "support/Records.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sqlite3.h>
#include <string>
#include <system_error>
#include <vector>

// Helpers shared by the robustness tests: temporary folders, whole files, and
// a look at the database the way another program sees it.
namespace robust {

// A fresh folder under the temporary directory, removed with everything in it.
class TempFolder {
public:
    // In `base`, or the system's temporary directory.
    explicit TempFolder(std::filesystem::path base = {}) {
        if (base.empty()) {
            base = std::filesystem::temp_directory_path();
        }
        std::string pattern = (base / "lockmere-robust-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A folder in memory where there is one: for tests that make hundreds of
// files whose durability on disk they do not test.
inline std::filesystem::path memoryFolder() {
    std::error_code error;
    return std::filesystem::is_directory("/dev/shm", error) ? "/dev/shm" : "";
}

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// A connection of another program: its own, read-write (so that it rolls back
// a journal a failed or killed writer left), on the real VFS so that no armed
// fault touches it.
class OtherConnection {
public:
    // `create`: makes the file when it is missing, as a tool writing its own would.
    explicit OtherConnection(const std::filesystem::path& file, bool create = false) {
        const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
        if (sqlite3_open_v2(file.c_str(), &db_, flags, faultvfs::kRealVfs) != SQLITE_OK) {
            error_ = db_ ? sqlite3_errmsg(db_) : "cannot open";
        }
    }
    ~OtherConnection() { sqlite3_close(db_); }
    OtherConnection(const OtherConnection&) = delete;
    OtherConnection& operator=(const OtherConnection&) = delete;

    // Every row as one line of values, each shown with its type, so that
    // 1, '1' and NULL differ; an error reads "error: ...".
    std::vector<std::string> rows(const std::string& sql) {
        std::vector<std::string> lines;
        if (!error_.empty()) {
            return {"error: " + error_};
        }
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
            return {std::string("error: ") + sqlite3_errmsg(db_)};
        }
        int result;
        while ((result = sqlite3_step(statement)) == SQLITE_ROW) {
            std::string line;
            for (int i = 0; i < sqlite3_column_count(statement); ++i) {
                line += i ? " | " : "";
                line += valueText(statement, i);
            }
            lines.push_back(line);
        }
        if (result != SQLITE_DONE) {
            lines.push_back(std::string("error: ") + sqlite3_errmsg(db_));
        }
        sqlite3_finalize(statement);
        return lines;
    }

    std::string integrity() {
        const std::vector<std::string> result = rows("PRAGMA integrity_check");
        std::string text;
        for (std::string line : result) {
            if (line.size() >= 2 && line.front() == '\'' && line.back() == '\'') {
                line = line.substr(1, line.size() - 2); // a text, unquoted
            }
            text += (text.empty() ? "" : "\n") + line;
        }
        return text;
    }

    // The schema and every row of the three tables, as one text to compare.
    std::string dump() {
        std::string text;
        for (const char* sql :
             {"SELECT type, name, sql FROM sqlite_master ORDER BY name",
              "SELECT * FROM LM_USER ORDER BY ID", "SELECT * FROM LM_CATEGORY ORDER BY ID",
              "SELECT * FROM LM_PASSWORD ORDER BY ID"}) {
            text += std::string("-- ") + sql + "\n";
            for (const std::string& line : rows(sql)) {
                text += line + "\n";
            }
        }
        return text;
    }

    // Runs statements; "" when they all ran, else SQLite's message.
    std::string exec(const std::string& sql) {
        if (!error_.empty()) {
            return error_;
        }
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
            return sqlite3_errmsg(db_);
        }
        return "";
    }

private:
    static std::string valueText(sqlite3_stmt* statement, int column) {
        switch (sqlite3_column_type(statement, column)) {
        case SQLITE_NULL:
            return "NULL";
        case SQLITE_INTEGER:
            return std::to_string(sqlite3_column_int64(statement, column));
        case SQLITE_FLOAT:
            return std::to_string(sqlite3_column_double(statement, column));
        default: {
            const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
            const int size = sqlite3_column_bytes(statement, column);
            const bool blob = sqlite3_column_type(statement, column) == SQLITE_BLOB;
            return (blob ? "x'" : "'") +
                   std::string(bytes ? bytes : "", static_cast<size_t>(size)) + "'";
        }
        }
    }

    sqlite3* db_ = nullptr;
    std::string error_;
};

} // namespace robust
