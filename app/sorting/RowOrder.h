#pragma once

#include <QCollator>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

// The order a list shows its records in. The store lists records as it keeps them; people read a
// list sorted as their language sorts text: case aside, accents and other scripts in their place,
// numbers by their value. A list starts sorted by its tie-break columns (title, then user name);
// a header click sorts it by that column, ties broken by the tie-break columns in turn.
class RowOrder {
public:
    // The text a record (by its position in the list) shows in a column.
    using CellText = std::function<QString(size_t position, int column)>;

    explicit RowOrder(std::vector<int> tieBreaks);

    void sortBy(int column, Qt::SortOrder order);
    int column() const { return column_; }
    Qt::SortOrder order() const { return order_; }

    // The positions of a list's `count` records in the order shown. Sorting a list of 100,000
    // takes a moment, so it is done again only when `generation` (which moves whenever the list
    // may have changed), the count, the sort or the language changed.
    const std::vector<uint32_t>& positions(size_t count, uint64_t generation, const CellText& text);

    // Lets go of the order, so nothing of a session's list outlives it.
    void forget();

private:
    void arrange(size_t count, const CellText& text);
    void arrangeRun(std::vector<uint32_t>::iterator first, std::vector<uint32_t>::iterator last,
                    const std::vector<int>& columns, size_t level, const QCollator& collator,
                    const CellText& text);

    std::vector<int> tieBreaks_;
    int column_;
    Qt::SortOrder order_ = Qt::AscendingOrder;
    std::vector<uint32_t> positions_;
    uint64_t generation_ = 0;
    int languageInstalls_ = -1;
    bool arranged_ = false;
};

// A list seen in a RowOrder's order: row r is the record at positions[r]. Anything with size()
// and operator[] can be seen so; nothing is copied.
template <typename List> class InOrder {
public:
    InOrder(const List& list, const std::vector<uint32_t>& positions)
        : list_(list), positions_(positions) {}
    size_t size() const { return positions_.size(); }
    decltype(auto) operator[](size_t row) const { return list_[positions_[row]]; }

private:
    const List& list_;
    const std::vector<uint32_t>& positions_;
};
