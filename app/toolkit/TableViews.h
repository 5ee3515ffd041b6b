#pragma once

class QTableView;

// Small behaviours every record table shares, whatever its model.

// The row of the current selection (tables select one whole row), or -1 when nothing is selected.
int selectedRow(const QTableView* view);
