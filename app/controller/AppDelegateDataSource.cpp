// The lists' data source. Both tables ask here; the answer is always for the
// list that currentTable names, never for the table that asks, and always as
// the store holds it at the moment of the question: the lists are kept only
// while the store's stamp says nothing was written since they were read.
// Rows are shown sorted (app/sorting); the records stay in the store's order.
#include "controller/AccountRights.h"
#include "controller/AppDelegate.h"
#include "controller/RecordAtRow.h"
#include "controller/TextConversion.h"

#include <QHeaderView>
#include <QLabel>

namespace {
const QString kMasked = QStringLiteral("******");
const QString kAdministratorMark = QString(QChar(0x2714)); // ✔
const QString kOrdinaryMark = QString(QChar(0x2717));      // ✗
const QString kUnknownCount = QStringLiteral("–");
} // namespace

// While the store cannot be read (another program holds its lock), a list goes on showing what
// it held, and its count says that it does not know: the status line says why. A list that could
// not be read is never shown as an empty one.
int AppDelegate::numberOfRowsInTableView(QTableView* /*table*/) {
    if (currentTable_ == window_.ui.passwordTableView) {
        const std::optional<EntryRows> entries = currentEntries();
        const int count = static_cast<int>((entries ? *entries : heldEntries()).size());
        window_.ui.countLabel->setText(entries ? QString::number(count) : kUnknownCount);
        // An empty list asks for no cell, so the count is where it learns that rows came.
        entryListMoved();
        return count;
    }
    if (currentTable_ == window_.ui.userTable) {
        const std::vector<UserSchema>* accounts = allAccounts();
        const int count = static_cast<int>((accounts ? *accounts : accountList_.held()).size());
        window_.ui.userCountLabel->setText(accounts ? QString::number(count) : kUnknownCount);
        if (accounts != nullptr && !stillAsLoggedIn(loginUser_, *accounts)) {
            // Another copy changed this account: the session ends once the view is answered.
            QMetaObject::invokeMethod(this, &AppDelegate::sessionStillValid, Qt::QueuedConnection);
        }
        return count;
    }
    return 0;
}

QString AppDelegate::objectValueForTableColumn(QTableView* /*table*/, const TableColumn& column,
                                               int row) {
    if (currentTable_ == window_.ui.passwordTableView) {
        const std::optional<EntryRows> entries = currentEntries();
        const EntryRows rows = entries ? *entries : heldEntries();
        const PasswordSchema* entry = recordAtRow(entriesInOrder(rows), row);
        entryListMoved();
        return entry != nullptr ? entryCell(*entry, column) : QString();
    }
    if (currentTable_ == window_.ui.userTable) {
        const std::vector<UserSchema>* accounts = allAccounts();
        const std::vector<UserSchema>& rows = accounts ? *accounts : accountList_.held();
        const UserSchema* account = recordAtRow(accountsInOrder(rows), row);
        return account != nullptr ? accountCell(*account, column, accounts != nullptr) : QString();
    }
    return QString();
}

QString AppDelegate::entryCell(const PasswordSchema& entry, const TableColumn& column) const {
    if (&column == titleColumn_) {
        return toQString(entry.Title());
    }
    if (&column == userColumn_) {
        return toQString(entry.User());
    }
    if (&column == passwordColumn_) {
        return hiding_ && hiding_->hidden() ? kMasked : toQString(entry.Password());
    }
    if (&column == categoryColumn_) {
        return categoryName(entry.CategoryID());
    }
    if (&column == httpColumn_) {
        return toQString(entry.Http());
    }
    return QString();
}

// `current`: the accounts were read just now, not held from an earlier read.
QString AppDelegate::accountCell(const UserSchema& account, const TableColumn& column,
                                 bool current) const {
    if (&column == user1Column_) {
        return toQString(account.User());
    }
    if (&column == password1Column_) {
        // The rights of the account as the file holds it now: a password is masked the moment
        // another copy takes the right away.
        const bool mayOpen = current && stillAsLoggedIn(loginUser_, accountList_.held()) &&
                             mayOpenAccount(loginUser_, account);
        return mayOpen && !(hiding_ && hiding_->hidden()) ? toQString(account.Password()) : kMasked;
    }
    if (&column == isRootColumn_) {
        if (account.IsRoot() == 1) {
            return kAdministratorMark;
        }
        return account.IsRoot() == 0 ? kOrdinaryMark : QString();
    }
    return QString();
}

// The generation moves whenever the rows may differ: another list read, or a search begun or
// ended (a category's list may be held unchanged across a search).
InOrder<EntryRows> AppDelegate::entriesInOrder(const EntryRows& rows) {
    const uint64_t generation = (uint64_t{searching()} << 63) |
                                (uint64_t(uint32_t(entryList_.reads())) << 32) |
                                uint32_t(searchHits_.reads());
    return InOrder<EntryRows>(
        rows, entryOrder_->positions(rows.size(), generation, [&](size_t position, int column) {
            const TableColumn* shown = passwordTableModel_->column(column);
            return shown != nullptr ? entryCell(rows[position], *shown) : QString();
        }));
}

// Sorted by what the rows show: another account's masked password tells nothing of its order.
InOrder<std::vector<UserSchema>>
AppDelegate::accountsInOrder(const std::vector<UserSchema>& accounts) {
    const uint64_t generation = uint32_t(accountList_.reads());
    return InOrder<std::vector<UserSchema>>(
        accounts,
        accountOrder_->positions(accounts.size(), generation, [&](size_t position, int column) {
            const TableColumn* shown = userTableModel_->column(column);
            return shown != nullptr ? accountCell(accounts[position], *shown, true) : QString();
        }));
}

void AppDelegate::sortTableView(QTableView* table, int column, Qt::SortOrder order) {
    // Hidden passwords all read the same: a list is not sorted by them (its arrow would order
    // nothing) but goes back to its first order.
    const bool passwords =
        (table == window_.ui.passwordTableView && column == passwordColumn_->index()) ||
        (table == window_.ui.userTable && column == password1Column_->index());
    if (passwords && hiding_ && hiding_->hidden()) {
        const TableColumn* first =
            table == window_.ui.passwordTableView ? titleColumn_ : user1Column_;
        table->horizontalHeader()->setSortIndicator(first->index(), Qt::AscendingOrder);
        return; // the header's change sorts again, by the first column
    }
    if (table == window_.ui.passwordTableView) {
        entryOrder_->sortBy(column, order);
        if (currentTable_ == table) {
            reloadEntryList(); // the chosen entry stays chosen
        }
    } else if (table == window_.ui.userTable) {
        accountOrder_->sortBy(column, order);
        if (currentTable_ == table) {
            userTableModel_->reloadData();
        }
    }
}
