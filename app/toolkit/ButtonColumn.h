#pragma once

#include <QList>

class QAbstractButton;

// A column of buttons that the keyboard treats as a list: one stop in the Tab order (the button
// that had the focus last), Up and Down (and Home, End) move between the buttons, Return and
// Space press one. Tab then leaves the column at once instead of stopping at every button.
void makeOneTabStop(const QList<QAbstractButton*>& buttons);
