#include "sorting/RowOrder.h"

#include "toolkit/Localizer.h"

#include <QCollatorSortKey>
#include <algorithm>
#include <numeric>

RowOrder::RowOrder(std::vector<int> tieBreaks)
    : tieBreaks_(std::move(tieBreaks)), column_(tieBreaks_.empty() ? 0 : tieBreaks_.front()) {}

void RowOrder::sortBy(int column, Qt::SortOrder order) {
    if (column != column_ || order != order_) {
        column_ = column;
        order_ = order;
        arranged_ = false;
    }
}

const std::vector<uint32_t>& RowOrder::positions(size_t count, uint64_t generation,
                                                 const CellText& text) {
    // Asked for every cell painted: only numbers are compared here.
    if (!arranged_ || generation != generation_ || count != positions_.size() ||
        Localizer::installs() != languageInstalls_) {
        arrange(count, text);
        generation_ = generation;
        languageInstalls_ = Localizer::installs();
        arranged_ = true;
    }
    return positions_;
}

void RowOrder::forget() {
    std::vector<uint32_t>().swap(positions_);
    arranged_ = false;
}

// Each record's text in the sorted column is turned into a sort key once, so a list of n
// records costs n collations and n log n cheap key comparisons, not n log n collations. The
// next columns are asked only among records that read the same: titles seldom tie.
void RowOrder::arrange(size_t count, const CellText& text) {
    QCollator collator(Localizer::locale());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::vector<int> columns{column_};
    for (int column : tieBreaks_) {
        if (column != column_) {
            columns.push_back(column);
        }
    }
    positions_.resize(count);
    std::iota(positions_.begin(), positions_.end(), 0U);
    arrangeRun(positions_.begin(), positions_.end(), columns, 0, collator, text);
}

// Sorts [first, last) by columns[level], then each run of equal texts by the next column.
// Records that read the same in every column keep the store's order, whichever way the list is
// sorted.
void RowOrder::arrangeRun(std::vector<uint32_t>::iterator first,
                          std::vector<uint32_t>::iterator last, const std::vector<int>& columns,
                          size_t level, const QCollator& collator, const CellText& text) {
    if (last - first < 2 || level == columns.size()) {
        return; // ties in every column: the stable sorts kept them in the store's order
    }
    std::vector<std::pair<QCollatorSortKey, uint32_t>> keyed;
    keyed.reserve(static_cast<size_t>(last - first));
    for (auto at = first; at != last; ++at) {
        keyed.emplace_back(collator.sortKey(text(*at, columns[level])), *at);
    }
    const bool ascending = order_ == Qt::AscendingOrder;
    std::stable_sort(keyed.begin(), keyed.end(), [ascending](const auto& a, const auto& b) {
        const int compared = a.first.compare(b.first);
        return ascending ? compared < 0 : compared > 0;
    });
    auto out = first;
    for (size_t run = 0; run < keyed.size();) {
        size_t end = run + 1;
        while (end < keyed.size() && keyed[end].first.compare(keyed[run].first) == 0) {
            ++end;
        }
        const auto runStart = out;
        for (size_t i = run; i < end; ++i) {
            *out++ = keyed[i].second;
        }
        if (end - run > 1) {
            arrangeRun(runStart, out, columns, level + 1, collator, text);
        }
        run = end;
    }
}
