#pragma once

#include "MySQLLite.h"
#include "controller/TextConversion.h"
#include "toolkit/TableColumn.h"
#include "toolkit/TableDataSource.h"

// The straightforward data source, kept only to measure against: it reads the
// whole password list from the store for the row count and again for every
// cell, as a source that keeps nothing must.
class ReadPerQuestionSource : public TableDataSource {
public:
    ReadPerQuestionSource(MySQLLite& store, int32_t userID, std::string category)
        : store_(store), userID_(userID), category_(std::move(category)) {}

    int numberOfRowsInTableView(QTableView*) override {
        return static_cast<int>(store_.getPasswords(userID_, category_).size());
    }

    QString objectValueForTableColumn(QTableView*, const TableColumn& column, int row) override {
        const auto entries = store_.getPasswords(userID_, category_);
        if (row < 0 || row >= static_cast<int>(entries.size())) {
            return {};
        }
        const PasswordSchema& entry = entries[static_cast<size_t>(row)];
        if (column.identifier() == "Title") {
            return toQString(entry.Title());
        }
        if (column.identifier() == "User") {
            return toQString(entry.User());
        }
        if (column.identifier() == "Password") {
            return toQString(entry.Password());
        }
        return {};
    }

private:
    MySQLLite& store_;
    int32_t userID_;
    std::string category_;
};
