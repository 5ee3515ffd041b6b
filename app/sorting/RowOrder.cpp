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
    const QString language = Localizer::locale().name();
    if (!arranged_ || generation != generation_ || count != positions_.size() ||
        language != language_) {
        arrange(count, text);
        generation_ = generation;
        language_ = language;
        arranged_ = true;
    }
    return positions_;
}

void RowOrder::forget() {
    std::vector<uint32_t>().swap(positions_);
    arranged_ = false;
}

// Each record's texts are turned into sort keys once, so a list of n records costs n keys per
// column and n log n cheap key comparisons, not n log n collations.
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
    std::vector<std::vector<QCollatorSortKey>> keys(columns.size());
    for (size_t c = 0; c < columns.size(); ++c) {
        keys[c].reserve(count);
        for (size_t position = 0; position < count; ++position) {
            keys[c].push_back(collator.sortKey(text(position, columns[c])));
        }
    }

    positions_.resize(count);
    std::iota(positions_.begin(), positions_.end(), 0U);
    const bool ascending = order_ == Qt::AscendingOrder;
    // Records that read the same keep the store's order whichever way the list is sorted.
    std::sort(positions_.begin(), positions_.end(), [&](uint32_t a, uint32_t b) {
        for (const std::vector<QCollatorSortKey>& column : keys) {
            const int compared = column[a].compare(column[b]);
            if (compared != 0) {
                return ascending ? compared < 0 : compared > 0;
            }
        }
        return a < b;
    });
}
