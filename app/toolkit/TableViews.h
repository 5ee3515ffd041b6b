#pragma once

#include <initializer_list>

class QTableView;

// Small behaviours every record table shares, whatever its model.

// The row of the current selection (tables select one whole row), or -1 when nothing is selected.
int selectedRow(const QTableView* view);

// An item view copies its current cell's text on the standard Copy key when no command takes the
// key first. A table of secrets must not: a password would land on the clipboard as plain text,
// never cleared. After this the key does nothing unless a command of the view takes it.
void keepCellsOffTheClipboard(QTableView* view);

// Every row one line high, whatever its texts: a long cell ends in "…" (its model gives the whole
// text as the tooltip), and the `sharing` columns share alike whatever width the others leave.
void showOneLinePerRow(QTableView* view, std::initializer_list<int> sharing);
