#pragma once

#include "DataStamp.h"
#include "PasswordSchema.h"

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

// A text as a person compares it when looking for something: without case
// (Unicode case folding, so "ß" matches "SS") and without accents ("müller"
// matches "Müller"), as UTF-8.
std::string foldForSearch(const QString& text);

// Finds one account's entries by what a person remembers of them: a piece of
// the title, the user name, the web address or the memo; never the password.
//
// The entries and their folded texts are kept while the store's stamp stays
// where it was when they were read, so a keystroke costs one scan of the
// folded texts in memory, and a change by any program shows at the next one.
class EntrySearch {
public:
    // Reads the account's entries afresh (`read` lists them in the order the
    // results keep, or gives none when the store cannot read them) unless
    // those kept were read for the same account under the same stamp. `now`
    // must be taken before `read` runs. False when they could not be read:
    // nothing is kept then, rather than entries that may be stale.
    template <typename Read> bool refresh(int32_t userID, const DataStamp& now, Read read) {
        if (userID_ == userID && stamp_ == now) {
            return true;
        }
        forget();
        auto entries = read();
        if (!entries) {
            return false;
        }
        index(std::move(*entries));
        userID_ = userID;
        stamp_ = now;
        return true;
    }

    // Where the kept entries that contain `text` in a searched field stand in
    // entries(); none for a text that folds to nothing. Positions, not
    // copies: a text that most entries contain would otherwise copy them all
    // at every keystroke.
    std::vector<uint32_t> find(const QString& text) const;
    const std::vector<PasswordSchema>& entries() const { return entries_; }

    // Lets go of every entry, so that nothing of them outlives a session.
    void forget();

private:
    void index(std::vector<PasswordSchema> entries);

    std::vector<PasswordSchema> entries_;
    // Every entry's searched fields, folded, one after another; a NUL ends
    // each field, so a match never spans two fields or two entries.
    std::string folded_;
    // Where each entry's folded text ends in folded_.
    std::vector<size_t> ends_;
    int32_t userID_ = 0;
    DataStamp stamp_;
};
