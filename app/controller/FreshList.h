#pragma once

#include "DataStamp.h"

#include <optional>
#include <vector>

// The last list read from the store, kept together with the arguments it was
// read for and the store's stamp at that moment. Asked again with the same
// arguments while the stamp has not moved, it answers from what it kept;
// otherwise it reads afresh. So every answer is as fresh as the store, a
// change made by this program or by another shows at the next question, and
// painting a list costs one stamp check per cell instead of a whole read.
template <typename Record, typename Arguments> class FreshList {
public:
    // The list, or nullptr when the store could not read it: a list that
    // could not be read is never answered as an empty one. `now` must be
    // taken before `read` runs: a write that lands in between then moves the
    // stamp again, and the next question reads once more.
    template <typename Read>
    const std::vector<Record>* get(const Arguments& arguments, const DataStamp& now, Read read) {
        if (current_ && arguments_ == arguments && stamp_ == now) {
            return &records_;
        }
        if (!(arguments_ == arguments)) {
            // Let go of another list first: two lists of 100,000 entries at
            // once would double the peak memory for nothing.
            forget();
        }
        current_ = false;
        std::optional<std::vector<Record>> fresh = read();
        if (!fresh) {
            return nullptr; // what was held for these arguments stays, as last read
        }
        records_ = std::move(*fresh);
        arguments_ = arguments;
        stamp_ = now;
        current_ = true;
        hasRecords_ = true;
        ++reads_;
        return &records_;
    }

    // The list the last answer came from, without asking the store: what the
    // view shows now. Empty before the first question and after forget().
    const std::vector<Record>& held() const { return records_; }
    // The list last read for these arguments, however old; nullptr when none was.
    const std::vector<Record>* heldFor(const Arguments& arguments) const {
        return hasRecords_ && arguments_ == arguments ? &records_ : nullptr;
    }
    // How many lists were read so far: it moves whenever the rows may have changed.
    int reads() const { return reads_; }

    // Lets go of the list, so that nothing of it outlives a session.
    void forget() {
        std::vector<Record>().swap(records_);
        current_ = false;
        hasRecords_ = false;
    }

private:
    std::vector<Record> records_;
    Arguments arguments_{};
    DataStamp stamp_;
    bool current_ = false;    // read under the stamp it keeps
    bool hasRecords_ = false; // records_ were read for arguments_
    int reads_ = 0;
};
