#pragma once

#include "MySQLLite.h"
#include "support/Records.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <vector>

// A store on a fresh temporary documents folder, and a second, independent
// sqlite3 connection to look at the file the way another program would.
class StoreFixture : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "lockmere-XXXXXX").string();
        root_ = mkdtemp(pattern.data());
        documents_ = root_ / "Documents";
    }
    void TearDown() override {
        store_.reset();
        std::error_code ignored;
        std::filesystem::permissions(root_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(root_, ignored);
    }

    // Starts the store the way the program does at start-up.
    MySQLLite& start(std::map<std::string, std::string> translations = {}) {
        store_.reset();
        store_ = std::make_unique<MySQLLite>(
            documents_.string(), [translations](const std::string& key) {
                auto found = translations.find(key);
                return found == translations.end() ? key : found->second;
            });
        store_->createTables();
        return *store_;
    }

    std::filesystem::path dbFile() const { return documents_ / "Lockmere.sqlite3"; }

    // Every row of a query on a second connection, each value as text
    // ("<NULL>" for NULL).
    std::vector<std::vector<std::string>> query(const std::string& sql) const {
        std::vector<std::vector<std::string>> rows;
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open_v2(dbFile().c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
        sqlite3_stmt* stmt = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr), SQLITE_OK) << sql;
        while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                const auto* text = sqlite3_column_text(stmt, i);
                row.push_back(text ? std::string(reinterpret_cast<const char*>(text),
                                                 sqlite3_column_bytes(stmt, i))
                                   : "<NULL>");
            }
            rows.push_back(row);
        }
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        return rows;
    }

    // Runs a statement on a second, writing connection, as another program would.
    void exec(const std::string& sql) const {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(dbFile().c_str(), &db), SQLITE_OK);
        char* error = nullptr;
        EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK)
            << (error ? error : "") << " in " << sql;
        sqlite3_free(error);
        sqlite3_close(db);
    }

    std::filesystem::path root_;
    std::filesystem::path documents_;
    std::unique_ptr<MySQLLite> store_;
};
