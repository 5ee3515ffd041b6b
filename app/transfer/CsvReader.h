#pragma once

#include <string>
#include <string_view>
#include <vector>

// Reads CSV as RFC 4180 and the password managers' exports write it: fields
// separated by commas, records by LF or CRLF; a field in double quotes may
// hold commas, line breaks and doubled quotes. Blank lines are skipped.
//
// Strict, because a file read wrongly would be imported wrongly: a quote in
// the middle of an unquoted field, text after a closing quote, or a file that
// ends inside quotes stops the reading with the line where it happened.
// Reads one record at a time, so a large file is never held twice.
class CsvReader {
public:
    enum class Error { None, StrayQuote, UnclosedQuote };

    explicit CsvReader(std::string_view text) : text_(text) {}

    // The next record's fields; false at the end of the text or at an error.
    bool next(std::vector<std::string>& fields);
    // The line (from 1) where the record next() returned last begins.
    int recordLine() const { return recordLine_; }
    Error error() const { return error_; }
    // The line where the error was found: for an unclosed quote, where it opened.
    int errorLine() const { return errorLine_; }

private:
    bool readQuoted(std::string& field);
    bool fail(Error error, int line);

    std::string_view text_;
    size_t at_ = 0;
    int line_ = 1;
    int recordLine_ = 0;
    Error error_ = Error::None;
    int errorLine_ = 0;
};
