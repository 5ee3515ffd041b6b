// The lists' data source. Both tables ask here; the answer is always for the
// list that currentTable names, never for the table that asks, and always as
// the store holds it at the moment of the question: the lists are kept only
// while the store's stamp says nothing was written since they were read.
#include "controller/AccountRights.h"
#include "controller/AppDelegate.h"
#include "controller/RecordAtRow.h"
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
    if (currentTable_ == window_.ui.passwordTableView) {
        const PasswordSchema* entry = recordAtRow(currentEntries(), row);
        if (entry == nullptr) {
            return QString();
        }
        if (&column == titleColumn_) {
            return toQString(entry->Title());
        }
        if (&column == userColumn_) {
            return toQString(entry->User());
        }
        if (&column == passwordColumn_) {
            return toQString(entry->Password());
        }
        if (&column == categoryColumn_) {
            return categoryName(entry->CategoryID());
        }
        return QString();
    }
    if (currentTable_ == window_.ui.userTable) {
        const UserSchema* account = recordAtRow(allAccounts(), row);
        if (account == nullptr) {
            return QString();
        }
        if (&column == user1Column_) {
            return toQString(account->User());
        }
        if (&column == password1Column_) {
            return mayOpenAccount(loginUser_, *account) ? toQString(account->Password()) : kMasked;
        }
        if (&column == isRootColumn_) {
            if (account->IsRoot() == 1) {
                return kAdministratorMark;
            }
            return account->IsRoot() == 0 ? kOrdinaryMark : QString();
        }
        return QString();
    }
    return QString();
}
