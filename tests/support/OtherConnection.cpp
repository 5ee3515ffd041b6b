#include "support/OtherConnection.h"

#include <sqlite3.h>

OtherConnection::OtherConnection(const std::filesystem::path& file) {
    sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_busy_timeout(db_, 2000);
}

OtherConnection::~OtherConnection() {
    sqlite3_close(db_);
}

OtherConnection::Rows OtherConnection::rows(const std::string& sql) {
    Rows rows;
    sqlite3_stmt* statement = nullptr;
    const int prepared = sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr);
    int result = prepared;
    while (prepared == SQLITE_OK && (result = sqlite3_step(statement)) == SQLITE_ROW) {
        std::vector<std::string>& row = rows.emplace_back();
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
            row.push_back(text ? std::string(text, sqlite3_column_bytes(statement, i)) : "<NULL>");
        }
    }
    sqlite3_finalize(statement);
    if (result != SQLITE_DONE) {
        return {{std::string("error: ") + sqlite3_errmsg(db_)}};
    }
    return rows;
}

std::string OtherConnection::exec(const std::string& sql) {
    return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK
               ? ""
               : sqlite3_errmsg(db_);
}
