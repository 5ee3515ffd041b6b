#include "toolkit/TableViews.h"

#include <QItemSelectionModel>
#include <QTableView>
#include <algorithm>

int selectedRow(const QTableView* view) {
    const QItemSelectionModel* selection = view->selectionModel();
    if (selection == nullptr) {
        return -1;
    }
    const QModelIndexList indexes = selection->selectedIndexes();
    if (indexes.isEmpty()) {
        return -1;
    }
    const auto lowest = std::min_element(
        indexes.begin(), indexes.end(),
        [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    return lowest->row();
}
