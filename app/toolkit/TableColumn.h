#pragma once

#include <QString>

// One column of a table driven by a ControllerTableModel: the identifier names it for the code
// ("Title"), the index is where it stands. What the header shows is the model's header data.
class TableColumn {
public:
    TableColumn(int index, const QString& identifier) : index_(index), identifier_(identifier) {}
    QString identifier() const { return identifier_; }
    int index() const { return index_; }

private:
    int index_;
    QString identifier_;
};
