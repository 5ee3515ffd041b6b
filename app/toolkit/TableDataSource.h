#pragma once

#include <QString>
#include <Qt>

class QTableView;
class TableColumn;

// Answers a table's questions on demand. The table keeps no copy of the rows, so whatever the
// source answers now is what the user sees at the next repaint.
class TableDataSource {
public:
    virtual ~TableDataSource() = default;
    virtual int numberOfRowsInTableView(QTableView* table) = 0;
    // May be asked for a row the source no longer has while the view has not yet been reloaded;
    // the source must answer something (an empty string will do).
    virtual QString objectValueForTableColumn(QTableView* table, const TableColumn& column,
                                              int row) = 0;
    // A header was clicked: the table is to show its rows sorted by `column` in `order`. The
    // source reorders its answers and tells the table to ask again; by default nothing sorts.
    virtual void sortTableView(QTableView* /*table*/, int /*column*/, Qt::SortOrder /*order*/) {}
};
