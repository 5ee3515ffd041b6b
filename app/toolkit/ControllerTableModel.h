#pragma once

#include "toolkit/TableColumn.h"
#include "toolkit/TableDataSource.h"
#include "toolkit/TableViews.h"

#include <QAbstractTableModel>
#include <QTableView>
#include <vector>

// A table model that stores no rows: every row count and cell text is asked of a data source at
// the moment the view needs it. The controller changes its data, calls reloadData() and the view
// follows. The columns are named in the .ui file through the view's "columnIdentifiers" property.
class ControllerTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // Becomes a child of `view` and installs itself as its model. `source` must outlive the model.
    ControllerTableModel(QTableView* view, TableDataSource* source);
    ~ControllerTableModel() override;

    QTableView* tableView() const;
    // nullptr when out of range or unknown.
    const TableColumn* column(int index) const;
    const TableColumn* columnWithIdentifier(const QString& identifier) const;
    // For the code that knows which columns the table must have: a missing one is a fault in the
    // interface description, so the program stops at start-up instead of showing an empty column.
    const TableColumn& requiredColumn(const QString& identifier) const;

    // Tells the view that everything may have changed, so it asks the source again.
    void reloadData();

    QModelIndex index(int row, int column,
                      const QModelIndex& parent = QModelIndex()) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // A horizontal header's display text; it starts as the column's identifier.
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A header click: the source sorts (the view has no rows of its own to move).
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    QTableView* view_;
    TableDataSource* source_;
    std::vector<TableColumn> columns_;
    std::vector<QString> headerTitles_;
};
