#pragma once

#include "DataStamp.h"

#include <vector>

// The last list read from the store, kept together with the arguments it was
// read for and the store's stamp at that moment. Asked again with the same
// arguments while the stamp has not moved, it answers from what it kept;
// otherwise it reads afresh. So every answer is as fresh as the store, a
// change made by this program or by another shows at the next question, and
// painting a list costs one stamp check per cell instead of a whole read.
template <typename Record, typename Arguments> class FreshList {
public:
    // `now` must be taken before `read` runs: a write that lands in between
    // then moves the stamp again, and the next question reads once more.
    template <typename Read>
    const std::vector<Record>& get(const Arguments& arguments, const DataStamp& now, Read read) {
        if (!held_ || !(arguments_ == arguments) || stamp_ != now) {
            // Let go of the old list first: two lists of 100,000 entries at
            // once would double the peak memory for nothing.
            std::vector<Record>().swap(records_);
            held_ = false;
            records_ = read();
            arguments_ = arguments;
            stamp_ = now;
            held_ = true;
        }
        return records_;
    }

    // The list the last answer came from, without asking the store: what the
    // view shows now. Empty before the first question and after forget().
    const std::vector<Record>& held() const { return records_; }

    // Lets go of the list, so that nothing of it outlives a session.
    void forget() {
        std::vector<Record>().swap(records_);
        held_ = false;
    }

private:
    std::vector<Record> records_;
    Arguments arguments_{};
    DataStamp stamp_;
    bool held_ = false;
};
