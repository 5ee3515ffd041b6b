#include "toolkit/TableViews.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
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

namespace {

class CopyKeyFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        return event->type() == QEvent::KeyPress &&
                       static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)
                   ? true
                   : QObject::eventFilter(watched, event);
    }
};

} // namespace

void keepCellsOffTheClipboard(QTableView* view) {
    view->installEventFilter(new CopyKeyFilter(view));
}

void showOneLinePerRow(QTableView* view, std::initializer_list<int> sharing) {
    view->setWordWrap(false);
    view->setTextElideMode(Qt::ElideRight);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* columns = view->horizontalHeader();
    columns->setStretchLastSection(false);
    for (const int column : sharing) {
        columns->setSectionResizeMode(column, QHeaderView::Stretch);
    }
}
