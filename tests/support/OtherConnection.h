#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct sqlite3;

// The database file as another program sees it: a connection of its own, read-write, so that
// it also plays the other copy that writes while the program looks.
class OtherConnection {
public:
    using Rows = std::vector<std::vector<std::string>>;

    explicit OtherConnection(const std::filesystem::path& file);
    ~OtherConnection();
    OtherConnection(const OtherConnection&) = delete;
    OtherConnection& operator=(const OtherConnection&) = delete;

    // Every row, each value as its text (NUL bytes kept, NULL as "<NULL>"); a statement that
    // fails reads as the one row {"error: <SQLite's message>"}, never as no rows.
    Rows rows(const std::string& sql);
    // Runs statements; "" when they all ran, else SQLite's message.
    std::string exec(const std::string& sql);

private:
    sqlite3* db_ = nullptr;
};
