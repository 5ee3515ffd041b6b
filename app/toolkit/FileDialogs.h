#pragma once

#include <QString>

class QWidget;

// Asks for a file to open or (`forSaving`) to save, in Qt's own dialog (the same on every
// desktop, and reachable by screen readers), starting in `folder` with `suggestedName` every
// time. It leaves nothing behind for the next person at the computer: no last folder or history
// kept in the program, and no settings file written (Qt's file dialog keeps both in
// ~/.config/QtProject.conf). Empty when the user cancelled.
QString askForFile(QWidget* parent, const QString& title, const QString& folder,
                   const QString& suggestedName, const QString& filter, bool forSaving);
