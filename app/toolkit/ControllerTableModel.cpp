#include "toolkit/ControllerTableModel.h"

#include <QStringList>

ControllerTableModel::ControllerTableModel(QTableView* view, TableDataSource* source)
    : QAbstractTableModel(view), view_(view), source_(source) {
    const QStringList identifiers = view->property("columnIdentifiers").toStringList();
    for (int i = 0; i < identifiers.size(); ++i) {
        // The constructor is private to the model, hence no make_unique.
        columns_.emplace_back(new TableColumn(this, i, identifiers.at(i)));
    }
    view->setModel(this);
}

ControllerTableModel::~ControllerTableModel() = default;

QTableView* ControllerTableModel::tableView() const {
    return view_;
}

TableColumn* ControllerTableModel::column(int index) const {
    if (index < 0 || index >= static_cast<int>(columns_.size())) {
        return nullptr;
    }
    return columns_[index].get();
}

TableColumn* ControllerTableModel::columnWithIdentifier(const QString& identifier) const {
    for (const auto& column : columns_) {
        if (column->identifier() == identifier) {
            return column.get();
        }
    }
    return nullptr;
}

void ControllerTableModel::reloadData() {
    beginResetModel();
    endResetModel();
}

// The view makes an index for every cell it paints; the inherited index()
// would ask the source for the row count each time, and that is a question to
// the store. The view only asks for rows it was told of at the last reload; a
// row the source no longer has answers with an empty cell until the next one.
QModelIndex ControllerTableModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || column < 0 || column >= columnCount()) {
        return {};
    }
    return createIndex(row, column);
}

int ControllerTableModel::rowCount(const QModelIndex& parent) const {
    // A table has no children below its cells.
    if (parent.isValid() || source_ == nullptr) {
        return 0;
    }
    return source_->numberOfRowsInTableView(view_);
}

int ControllerTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant ControllerTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    const TableColumn* tableColumn = column(index.column());
    if (!index.isValid() || tableColumn == nullptr || source_ == nullptr) {
        return {};
    }
    return source_->objectValueForTableColumn(view_, *tableColumn, index.row());
}

QVariant ControllerTableModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        const TableColumn* tableColumn = column(section);
        return tableColumn != nullptr ? QVariant(tableColumn->headerTitle()) : QVariant();
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags ControllerTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

void ControllerTableModel::headerTitleDidChange(int column) {
    emit headerDataChanged(Qt::Horizontal, column, column);
}
