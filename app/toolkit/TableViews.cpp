#include "toolkit/TableViews.h"

#include <QEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QTableView>
#include <algorithm>

namespace {

const char* const doubleActionName = "lockmere-double-action";

// Carries the action for both triggers: it filters the view's key presses, and it is the context
// of the doubleClicked connection, so deleting it withdraws the action completely.
class DoubleActionFilter : public QObject {
public:
    DoubleActionFilter(QTableView* view, std::function<void()> action)
        : QObject(view), view_(view), action_(std::move(action)) {
        setObjectName(QString::fromLatin1(doubleActionName));
    }

    void run() { action_(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != view_ || event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) {
            return false;
        }
        // A held-down key must not open the same row over and over.
        if (key->isAutoRepeat() || selectedRow(view_) < 0) {
            return false;
        }
        action_();
        return true;
    }

private:
    QTableView* view_;
    std::function<void()> action_;
};

} // namespace

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

void setDoubleAction(QTableView* view, std::function<void()> action) {
    // Find the earlier filter by name: without a Q_OBJECT macro there is no qobject_cast.
    const QList<QObject*> earlier = view->findChildren<QObject*>(
        QString::fromLatin1(doubleActionName), Qt::FindDirectChildrenOnly);
    for (QObject* filter : earlier) {
        delete filter;
    }

    auto* filter = new DoubleActionFilter(view, std::move(action));
    view->installEventFilter(filter);
    QObject::connect(view, &QAbstractItemView::doubleClicked, filter,
                     [filter](const QModelIndex& index) {
                         if (index.isValid()) {
                             filter->run();
                         }
                     });
}
