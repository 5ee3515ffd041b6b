#pragma once

#include <vector>

// The record a list row stands for, or nullptr for a row the list does not have: a view may ask
// for a row of the list it was last told of, and another copy may have shortened the list since.
template <typename Record> const Record* recordAtRow(const std::vector<Record>& list, int row) {
    if (row < 0 || row >= static_cast<int>(list.size())) {
        return nullptr;
    }
    return &list[static_cast<size_t>(row)];
}
