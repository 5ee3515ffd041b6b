// Every command that has a shortcut or a menu entry is one QAction: its shortcut, the context
// menu and any menu that lists it trigger the same object, so the key a menu shows is the key
// that works.
#include "controller/AppDelegate.h"
#include "toolkit/Localizer.h"

#include <QAction>
#include <QMenu>

QAction* AppDelegate::addCommand(QWidget* owner, const char* textKey, QList<QKeySequence> keys,
                                 void (AppDelegate::*command)()) {
    auto* action = new QAction(Localizer::text(textKey), owner);
    action->setShortcuts(keys);
    // A list's or an editor's keys work while the focus is inside it, and nowhere else: Delete in
    // the memo deletes a letter, not the entry.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    // A held-down key must not open or delete row after row.
    action->setAutoRepeat(false);
    owner->addAction(action);
    connect(action, &QAction::triggered, this, command);
    return action;
}

void AppDelegate::makeCommands() {
    const Ui::MainWindow& ui = window_.ui;
    const QList<QKeySequence> returnKeys{Qt::Key_Return, Qt::Key_Enter};
    QTableView* entries = ui.passwordTableView;
    commands_.openEntry = addCommand(entries, "Open", returnKeys, &AppDelegate::clickTableAction);
    commands_.copyPassword =
        addCommand(entries, "CopyPassword", {QKeySequence(Qt::CTRL | Qt::Key_C)},
                   &AppDelegate::copyPasswordAction);
    commands_.copyUser = addCommand(entries, "CopyUser", {QKeySequence(Qt::CTRL | Qt::Key_B)},
                                    &AppDelegate::copyUserAction);
    commands_.copyHttp = addCommand(entries, "CopyHttp", {}, &AppDelegate::copyHttpAction);
    commands_.deleteEntry = addCommand(entries, "Delete", {QKeySequence(Qt::Key_Delete)},
                                       &AppDelegate::removePasswordRecord);

    addCommand(ui.userTable, "Open", returnKeys, &AppDelegate::clickTableAction);
    addCommand(ui.userTable, "Delete", {QKeySequence(Qt::Key_Delete)},
               &AppDelegate::removeUserRecord);

    // Escape closes an editor without saving, as its Cancel button does.
    addCommand(ui.createPasswordBox, "Cancel", {QKeySequence(Qt::Key_Escape)},
               &AppDelegate::cancelAction);
    addCommand(ui.createUserBox, "Cancel", {QKeySequence(Qt::Key_Escape)},
               &AppDelegate::userCancelAction);

    for (QTableView* list : {entries, ui.userTable}) {
        connect(list, &QAbstractItemView::doubleClicked, this, &AppDelegate::clickTableAction);
    }
    entries->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(entries, &QWidget::customContextMenuRequested, this, &AppDelegate::showEntryMenu);
}

void AppDelegate::showEntryMenu(const QPoint& position) {
    QTableView* list = window_.ui.passwordTableView;
    const QModelIndex index = list->indexAt(position);
    if (!index.isValid()) {
        return;
    }
    list->selectRow(index.row());
    QMenu menu(list);
    menu.addAction(commands_.openEntry);
    menu.addSeparator();
    menu.addActions({commands_.copyPassword, commands_.copyUser, commands_.copyHttp});
    menu.addSeparator();
    menu.addAction(commands_.deleteEntry);
    menu.exec(list->viewport()->mapToGlobal(position));
}
