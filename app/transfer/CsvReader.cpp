#include "transfer/CsvReader.h"

#include <algorithm>

bool CsvReader::fail(Error error, int line) {
    error_ = error;
    errorLine_ = line;
    return false;
}

bool CsvReader::readQuoted(std::string& field) {
    const int opened = line_;
    ++at_; // the opening quote
    for (;;) {
        const size_t quote = text_.find('"', at_);
        if (quote == std::string_view::npos) {
            return fail(Error::UnclosedQuote, opened);
        }
        const std::string_view chunk = text_.substr(at_, quote - at_);
        line_ += static_cast<int>(std::count(chunk.begin(), chunk.end(), '\n'));
        field.append(chunk);
        at_ = quote + 1;
        if (at_ < text_.size() && text_[at_] == '"') {
            field += '"'; // a doubled quote stands for one
            ++at_;
            continue;
        }
        if (at_ < text_.size() && text_[at_] != ',' && text_[at_] != '\r' && text_[at_] != '\n') {
            return fail(Error::StrayQuote, line_);
        }
        return true;
    }
}

bool CsvReader::next(std::vector<std::string>& fields) {
    fields.clear();
    if (error_ != Error::None) {
        return false;
    }
    while (at_ < text_.size() && (text_[at_] == '\r' || text_[at_] == '\n')) {
        line_ += text_[at_] == '\n' ? 1 : 0;
        ++at_;
    }
    if (at_ >= text_.size()) {
        return false;
    }
    recordLine_ = line_;
    for (;;) {
        std::string field;
        if (at_ < text_.size() && text_[at_] == '"') {
            if (!readQuoted(field)) {
                return false;
            }
        } else {
            size_t end = text_.find_first_of(",\r\n\"", at_);
            end = end == std::string_view::npos ? text_.size() : end;
            if (end < text_.size() && text_[end] == '"') {
                return fail(Error::StrayQuote, line_);
            }
            field.assign(text_.substr(at_, end - at_));
            at_ = end;
        }
        fields.push_back(std::move(field));
        if (at_ >= text_.size()) {
            return true;
        }
        const char separator = text_[at_++];
        if (separator == ',') {
            continue;
        }
        if (separator == '\r' && at_ < text_.size() && text_[at_] == '\n') {
            ++at_;
        }
        ++line_;
        return true;
    }
}
