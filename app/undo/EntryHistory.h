#pragma once

#include "MySQLLite.h"
#include "undo/UndoHooks.h"

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <vector>

class AlertPresenter;

class QTableWidget;

// An entry's earlier versions, newest first, in a dialog over its editor: when each was
// replaced and what changed (a changed password marked), an old password copied as a secret,
// a version put back (the values it replaces become a version too, so a restore loses nothing).
class EntryHistory : public QObject {
    Q_OBJECT
public:
    EntryHistory(MySQLLite& store, AlertPresenter& alerts, UndoHooks hooks);

    // Shows `current`'s history over `parent`; `restored` is called with the entry after a
    // version was put back.
    void open(const PasswordSchema& current, QWidget* parent,
              std::function<void(const PasswordSchema&)> restored);
    QDialog* dialog() const { return dialog_; }
    QTableWidget* table() const { return table_; }
    void copyPassword();
    void restore();

private:
    const EntryVersion* chosen() const;

    MySQLLite& store_;
    AlertPresenter& alerts_;
    UndoHooks hooks_;
    QPointer<QDialog> dialog_;
    QTableWidget* table_ = nullptr;
    std::vector<EntryVersion> versions_;
    std::function<void(const PasswordSchema&)> restored_;
};
