// From a chosen row to its record. The row number is only where the record
// stood when the user chose it: another copy of the program may add or delete
// rows before the action runs, so every row action finds the record again by
// the ID that its row showed.
#include "controller/AppDelegate.h"
#include "controller/RecordAtRow.h"
#include "toolkit/TableViews.h"

namespace {

template <typename List> std::optional<int32_t> idAtRow(const List& shown, int row) {
    const auto* record = recordAtRow(shown, row);
    return record != nullptr ? std::optional<int32_t>(record->ID()) : std::nullopt;
}

template <typename List>
auto withID(const List& list, int32_t id) -> std::optional<std::decay_t<decltype(list[0])>> {
    for (size_t row = 0; row < list.size(); ++row) {
        if (list[row].ID() == id) {
            return list[row];
        }
    }
    return std::nullopt;
}

} // namespace

// The held lists are what the views were last answered from, so the ID is
// that of the record the row showed, whatever the store holds now.
void AppDelegate::rememberChosenEntry() {
    const EntryRows held = heldEntries();
    chosenEntryID_ = idAtRow(entriesInOrder(held), selectedRow(window_.ui.passwordTableView));
}

void AppDelegate::rememberChosenAccount() {
    chosenAccountID_ =
        idAtRow(accountsInOrder(accountList_.held()), selectedRow(window_.ui.userTable));
}

// A list that cannot be read now says so; it never says the record is gone.
std::optional<PasswordSchema> AppDelegate::chosenEntry() {
    if (selectedRow(window_.ui.passwordTableView) < 0 || !chosenEntryID_) {
        return std::nullopt;
    }
    const std::optional<EntryRows> entries = currentEntries();
    if (!entries) {
        showStoreTrouble();
        return std::nullopt;
    }
    std::optional<PasswordSchema> entry = withID(*entries, *chosenEntryID_);
    if (!entry) {
        recordGone(passwordTableModel_);
    }
    return entry;
}

std::optional<UserSchema> AppDelegate::chosenAccount() {
    if (selectedRow(window_.ui.userTable) < 0 || !chosenAccountID_) {
        return std::nullopt;
    }
    const std::vector<UserSchema>* accounts = allAccounts();
    if (accounts == nullptr) {
        showStoreTrouble();
        return std::nullopt;
    }
    std::optional<UserSchema> account = withID(*accounts, *chosenAccountID_);
    if (!account) {
        recordGone(userTableModel_);
    }
    return account;
}

void AppDelegate::recordGone(ControllerTableModel* model) {
    showAlert("RecordGone", "RecordGoneInfo");
    if (model == passwordTableModel_) {
        reloadEntryList();
    } else {
        model->reloadData();
    }
}

void AppDelegate::reloadEntryList() {
    QTableView* list = window_.ui.passwordTableView;
    const std::optional<int32_t> chosen =
        selectedRow(list) >= 0 ? chosenEntryID_ : std::optional<int32_t>();
    passwordTableModel_->reloadData(); // the view asks for its rows again now
    shownEntryReads_ = entryList_.reads() + searchHits_.reads();
    const EntryRows held = heldEntries();
    const InOrder<EntryRows> shown = entriesInOrder(held);
    for (size_t row = 0; chosen && row < shown.size(); ++row) {
        if (shown[row].ID() == *chosen) {
            list->selectRow(static_cast<int>(row));
            return;
        }
    }
    list->clearSelection();
}

void AppDelegate::entryListMoved() {
    if (entryReloadQueued_ || shownEntryReads_ == entryList_.reads() + searchHits_.reads()) {
        return;
    }
    // Not while the view is asking: it is told once its question is answered.
    entryReloadQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            entryReloadQueued_ = false;
            reloadEntryList();
        },
        Qt::QueuedConnection);
}
