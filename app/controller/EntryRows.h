#pragma once

#include "PasswordSchema.h"

#include <cstdint>
#include <vector>

// The password list as the view shows it: a category's entries as the store
// listed them, or search results picked out of all of an account's entries by
// their positions. Refers to lists that its owner keeps; it copies nothing.
class EntryRows {
public:
    explicit EntryRows(const std::vector<PasswordSchema>& entries) : entries_(&entries) {}
    EntryRows(const std::vector<PasswordSchema>& entries, const std::vector<uint32_t>& picked)
        : entries_(&entries), picked_(&picked) {}

    size_t size() const { return picked_ != nullptr ? picked_->size() : entries_->size(); }
    const PasswordSchema& operator[](size_t row) const {
        return (*entries_)[picked_ != nullptr ? (*picked_)[row] : row];
    }

private:
    const std::vector<PasswordSchema>* entries_;
    const std::vector<uint32_t>* picked_ = nullptr;
};
