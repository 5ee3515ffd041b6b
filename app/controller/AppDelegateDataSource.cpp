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
        const PasswordSchema* entry = recordAtRow(entries ? *entries : heldEntries(), row);
        entryListMoved();
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
        const std::vector<UserSchema>* accounts = allAccounts();
        const UserSchema* account = recordAtRow(accounts ? *accounts : accountList_.held(), row);
        if (account == nullptr) {
            return QString();
        }
        if (&column == user1Column_) {
            return toQString(account->User());
        }
        if (&column == password1Column_) {
            // The rights of the account as the file holds it now: a password is masked the
            // moment another copy takes the right away.
            const bool mayOpen = accounts != nullptr && stillAsLoggedIn(loginUser_, *accounts) &&
                                 mayOpenAccount(loginUser_, *account);
            return mayOpen ? toQString(account->Password()) : kMasked;
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
