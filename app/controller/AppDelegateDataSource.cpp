// The lists' data source. Both tables ask here; the answer is always for the
// list that currentTable names, never for the table that asks, and always as
// the store holds it at the moment of the question: the lists are kept only
// while the store's stamp says nothing was written since they were read.
#include "controller/AccountRights.h"
#include "controller/AppDelegate.h"
#include "controller/TextConversion.h"

#include <QLabel>

namespace {
const QString kMasked = QStringLiteral("******");
const QString kAdministratorMark = QString(QChar(0x2714)); // ✔
const QString kOrdinaryMark = QString(QChar(0x2717));      // ✗
} // namespace

int AppDelegate::numberOfRowsInTableView(QTableView* /*table*/) {
    if (currentTable_ == window_.ui.passwordTableView) {
        const int count = static_cast<int>(currentEntries().size());
        window_.ui.countLabel->setNum(count);
        return count;
    }
    if (currentTable_ == window_.ui.userTable) {
        const int count = static_cast<int>(allAccounts().size());
        window_.ui.userCountLabel->setNum(count);
        return count;
    }
    return 0;
}

QString AppDelegate::objectValueForTableColumn(QTableView* /*table*/, const TableColumn& column,
                                               int row) {
    const QString identifier = column.identifier();
    if (currentTable_ == window_.ui.passwordTableView) {
        const std::vector<PasswordSchema>& entries = currentEntries();
        if (row < 0 || row >= static_cast<int>(entries.size())) {
            return QString();
        }
        const PasswordSchema& entry = entries[static_cast<size_t>(row)];
        if (identifier == "Title") {
            return toQString(entry.Title());
        }
        if (identifier == "User") {
            return toQString(entry.User());
        }
        if (identifier == "Password") {
            return toQString(entry.Password());
        }
        return QString();
    }
    if (currentTable_ == window_.ui.userTable) {
        const std::vector<UserSchema>& accounts = allAccounts();
        if (row < 0 || row >= static_cast<int>(accounts.size())) {
            return QString();
        }
        const UserSchema& account = accounts[static_cast<size_t>(row)];
        if (identifier == "User") {
            return toQString(account.User());
        }
        if (identifier == "Password") {
            return mayOpenAccount(loginUser_, account) ? toQString(account.Password()) : kMasked;
        }
        if (identifier == "IsRoot") {
            if (account.IsRoot() == 1) {
                return kAdministratorMark;
            }
            return account.IsRoot() == 0 ? kOrdinaryMark : QString();
        }
        return QString();
    }
    return QString();
}
