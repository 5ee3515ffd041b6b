#pragma once

#include <QString>

class QMenuBar;
class QWidget;

// Help → About Lockmere and Help → Keyboard Shortcuts.
namespace help {

// The version, the licence, where the file is and whether it is protected.
void showAbout(QWidget* parent, const QString& filePath, bool isProtected);

// Every command of `menus` that has a key, menu by menu, read from the commands themselves (so
// the table is never out of date), and the keys that belong to no command.
void showKeyboardShortcuts(QWidget* parent, const QMenuBar* menus);

} // namespace help
