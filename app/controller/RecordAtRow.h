#pragma once

// The record a list row stands for, or nullptr for a row the list does not have: a view may ask
// for a row of the list it was last told of, and another copy may have shortened the list since.
// A list is anything with size() and operator[].
template <typename List> auto recordAtRow(const List& list, int row) -> decltype(&list[0]) {
    if (row < 0 || row >= static_cast<int>(list.size())) {
        return nullptr;
    }
    return &list[static_cast<size_t>(row)];
}
