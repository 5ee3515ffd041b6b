#pragma once

#include "MySQLLite.h"
#include "undo/UndoHooks.h"

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class AlertPresenter;

class QTableWidget;

// The account's deleted entries, in a dialog: each with its category and when it was deleted,
// put back with its ID under its category (or Other, when that is gone), or deleted for good;
// or all of them at once. Deleted entries older than 30 days go at their account's next login.
class RecycleBin : public QObject {
    Q_OBJECT
public:
    static constexpr int kKeptDays = 30;

    RecycleBin(MySQLLite& store, AlertPresenter& alerts, UndoHooks hooks);

    void open(QWidget* parent);
    QDialog* dialog() const { return dialog_; }
    QTableWidget* table() const { return table_; }
    void restore();
    void deleteForGood();
    void empty();
    // At a login: the account's entries deleted more than kKeptDays ago go for good.
    void clearOld(int32_t account);

private:
    void fill();
    const EntryVersion* chosen() const;
    bool done(WriteResult result);

    MySQLLite& store_;
    AlertPresenter& alerts_;
    UndoHooks hooks_;
    QPointer<QDialog> dialog_;
    QTableWidget* table_ = nullptr;
    // Enables the dialog's buttons for what applies now; set while a dialog is open.
    std::function<void()> updateButtons_;
    std::vector<EntryVersion> entries_;
};
