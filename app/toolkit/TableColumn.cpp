#include "toolkit/TableColumn.h"

#include "toolkit/ControllerTableModel.h"

TableColumn::TableColumn(ControllerTableModel* model, int index, const QString& identifier)
    : model_(model), index_(index), identifier_(identifier), headerTitle_(identifier) {}

void TableColumn::setHeaderTitle(const QString& title) {
    if (title == headerTitle_) {
        return;
    }
    headerTitle_ = title;
    model_->headerTitleDidChange(index_);
}
