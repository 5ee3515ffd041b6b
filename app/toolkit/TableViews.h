#pragma once

#include <functional>

class QTableView;

// Small behaviours every record table shares, whatever its model.

// The row of the current selection (tables select one whole row), or -1 when nothing is selected.
int selectedRow(const QTableView* view);

// Runs `action` when the user double-clicks a row, and when Return or Enter is pressed while the
// table has focus and a row is selected, so a row can be opened without a mouse. A second call
// replaces the earlier action.
void setDoubleAction(QTableView* view, std::function<void()> action);
