#include "Statement.h"

#include <sqlite3.h>

Statement::Statement(sqlite3* database, const char* sql) {
    if (database == nullptr) {
        prepareResult_ = SQLITE_CANTOPEN;
        return;
    }
    prepareResult_ = sqlite3_prepare_v2(database, sql, -1, &statement_, nullptr);
    if (prepareResult_ != SQLITE_OK) {
        sqlite3_finalize(statement_);
        statement_ = nullptr;
    }
}

Statement::~Statement() {
    sqlite3_finalize(statement_);
}

Statement& Statement::bind(int32_t value) {
    if (statement_ != nullptr && sqlite3_bind_int(statement_, nextParameter_, value) != SQLITE_OK) {
        bindFailed_ = true;
    }
    ++nextParameter_;
    return *this;
}

Statement& Statement::bind(const std::string& value) {
    if (statement_ != nullptr &&
        sqlite3_bind_text64(statement_, nextParameter_, value.data(), value.size(),
                            SQLITE_TRANSIENT, SQLITE_UTF8) != SQLITE_OK) {
        bindFailed_ = true;
    }
    ++nextParameter_;
    return *this;
}

Statement& Statement::bindNull() {
    if (statement_ != nullptr && sqlite3_bind_null(statement_, nextParameter_) != SQLITE_OK) {
        bindFailed_ = true;
    }
    ++nextParameter_;
    return *this;
}

bool Statement::execute() {
    if (statement_ == nullptr || bindFailed_) {
        return false;
    }
    lastStep_ = sqlite3_step(statement_);
    return lastStep_ == SQLITE_DONE;
}

bool Statement::nextRow() {
    if (statement_ == nullptr || bindFailed_) {
        return false;
    }
    lastStep_ = sqlite3_step(statement_);
    return lastStep_ == SQLITE_ROW;
}

void Statement::reset() {
    sqlite3_reset(statement_);
    nextParameter_ = 1; // bound again from the first placeholder
    lastStep_ = SQLITE_OK;
}

bool Statement::failed() const {
    return failure() != SQLITE_OK;
}

int Statement::failure() const {
    if (statement_ == nullptr) {
        return prepareResult_ != SQLITE_OK ? prepareResult_ & 0xff : SQLITE_ERROR;
    }
    if (bindFailed_) {
        return SQLITE_RANGE;
    }
    return lastStep_ == SQLITE_ROW || lastStep_ == SQLITE_DONE ? SQLITE_OK : lastStep_ & 0xff;
}

int64_t Statement::columnInt64(int index) const {
    return sqlite3_column_int64(statement_, index);
}

int32_t Statement::columnInt(int index) const {
    return sqlite3_column_int(statement_, index);
}

std::string Statement::columnText(int index) const {
    const auto* text = sqlite3_column_text(statement_, index);
    if (text == nullptr) {
        return {};
    }
    // Ask for the length after the text: the conversion to text may change it.
    const int length = sqlite3_column_bytes(statement_, index);
    return std::string(reinterpret_cast<const char*>(text), static_cast<size_t>(length));
}
