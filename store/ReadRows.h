#pragma once

#include "MySQLLite.h"
#include "Statement.h"

// Every row of `query`, each made a record by `readRow`; none when the reading failed, with
// SQLite's result code in `failure`. Rows read before a failure are not handed on: a list cut
// short must not pass for the whole list.
template <typename Record, typename ReadRow>
Listed<Record> readRows(Statement& query, int& failure, ReadRow readRow) {
    std::vector<Record> records;
    while (query.nextRow()) {
        records.push_back(readRow(query));
    }
    if (query.failed()) {
        failure = query.failure();
        return std::nullopt;
    }
    return records;
}
