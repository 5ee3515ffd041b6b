#include "toolkit/OpenWindows.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>

void closeDialogsAndMenus() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible()) {
            continue;
        }
        if (auto* dialog = qobject_cast<QDialog*>(widget)) {
            dialog->reject();
        } else if (qobject_cast<QMenu*>(widget) != nullptr) {
            widget->close();
        }
    }
}
