#pragma once

#include <QWidget>
#include <functional>

// Runs `action` when `key` (with exactly `modifiers`) is pressed in `widget`, or in one of its children
// that leaves the key unused (a line edit does not use Escape, so Escape in
// an editor's field reaches the editor). Unlike a QShortcut it needs no
// active window, so it behaves the same on every platform and in tests.
void setKeyAction(QWidget* widget, Qt::Key key, std::function<void()> action,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier);
