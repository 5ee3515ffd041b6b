#pragma once

#include <QString>

class ControllerTableModel;

// One column of a table driven by a ControllerTableModel. The identifier names the column for the
// code ("Title"); the header title is what the user reads and may change with the language.
class TableColumn {
public:
    QString identifier() const { return identifier_; }
    QString headerTitle() const { return headerTitle_; }
    // Also tells the view to repaint this column's header.
    void setHeaderTitle(const QString& title);
    int index() const { return index_; }

private:
    // Only the model creates columns: it owns them and must hear of title changes.
    friend class ControllerTableModel;
    TableColumn(ControllerTableModel* model, int index, const QString& identifier);

    ControllerTableModel* model_;
    int index_;
    QString identifier_;
    QString headerTitle_;
};
