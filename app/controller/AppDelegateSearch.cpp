// Finding entries as the user types: the search field, the results list (the
// password list, over every category), and the way back to the list that was
// on show before.
#include "controller/AppDelegate.h"
#include "controller/TextConversion.h"
#include "toolkit/Localizer.h"

#include <QLineEdit>
#include <QSignalBlocker>

bool AppDelegate::searching() const {
    return !searchText_.isEmpty();
}

void AppDelegate::findAction() {
    QLineEdit* field = window_.ui.searchField;
    field->setFocus(Qt::ShortcutFocusReason);
    field->selectAll();
}

void AppDelegate::searchAction(const QString& text) {
    if (!loginUser_) {
        return;
    }
    if (text.isEmpty()) {
        endSearch();
        return;
    }
    const Ui::MainWindow& ui = window_.ui;
    // Set up once per search: each caption set again would lay the window
    // out again at every keystroke.
    if (!searching() || shownBox() != ui.passwordBox) {
        // The results take the place of an open editor: its changes are asked about first,
        // and kept with the search text as it was.
        if (!mayLeaveEditor()) {
            const QSignalBlocker quiet(ui.searchField);
            ui.searchField->setText(searchText_);
            return;
        }
        if (!searching()) {
            searchReturnsTo_ = sidebarButtonOnShow();
        }
        setCurrentTable(ui.passwordTableView);
        ui.passwordBox->setTitle(Localizer::text("SearchResults"));
        ui.imageButton->setText(Localizer::text("SearchResults"));
        ui.imageButton->setIcon(QIcon());
        ui.passwordTableView->setColumnHidden(categoryColumn_->index(), false);
        showBox(ui.passwordBox);
        setLastBox(ui.passwordBox);
    }
    searchText_ = text;
    reloadEntryList();
}

// Whatever was on show before the search comes back: a list as its button
// shows it, or the empty page. An editor opened from the results stays open,
// and closing it returns to that list.
void AppDelegate::endSearch() {
    if (!searching()) {
        leaveSearch(); // a text typed just now, not searched yet
        return;
    }
    QWidget* editor = shownBox() == window_.ui.passwordBox ? nullptr : shownBox();
    QAbstractButton* returnTo = searchReturnsTo_;
    leaveSearch();
    if (returnTo == window_.ui.usersButton) {
        usersAction(returnTo);
    } else if (returnTo != nullptr) {
        pwdButtonAction(returnTo);
    } else {
        setCurrentTable(nullptr);
        setLastBox(nullptr);
        showBox(nullptr);
    }
    if (editor != nullptr) {
        showBox(editor);
    } else if (currentTable_ != nullptr) {
        currentTable_->setFocus();
    }
}

void AppDelegate::leaveSearch() {
    searchTimer_.stop();
    searchText_.clear();
    searchReturnsTo_ = nullptr;
    searchHits_.forget();
    const QSignalBlocker quiet(window_.ui.searchField);
    // setText, not clear(): it also drops the undo history, which would give the text back.
    window_.ui.searchField->setText(QString());
    window_.ui.passwordTableView->setColumnHidden(categoryColumn_->index(), true);
}

QAbstractButton* AppDelegate::sidebarButtonOnShow() const {
    if (currentTable_ == window_.ui.userTable) {
        return window_.ui.usersButton;
    }
    if (currentTable_ == window_.ui.passwordTableView && currentCategory_) {
        for (QAbstractButton* button : categoryButtons()) {
            if (button->text() == *currentCategory_) {
                return button;
            }
        }
    }
    return nullptr;
}

// Down or Return in the field goes on in the results, at the first one.
void AppDelegate::goToResults() {
    QTableView* list = window_.ui.passwordTableView;
    if (!searching() || passwordTableModel_->rowCount() == 0) {
        return;
    }
    list->setFocus();
    if (list->selectionModel()->selectedRows().isEmpty()) {
        list->selectRow(0);
    }
}

std::optional<EntryRows> AppDelegate::searchResults(int32_t userID, const DataStamp& now) {
    const std::vector<uint32_t>* hits =
        searchHits_.get({userID, searchText_}, now, [&]() -> std::optional<std::vector<uint32_t>> {
            const bool read = entrySearch_.refresh(userID, now, [&]() -> Listed<PasswordSchema> {
                categoryKeys_ = mySQLLite_->readCategoryKeys(); // as fresh as the entries
                return categoryKeys_ ? mySQLLite_->readAllPasswords(userID) : std::nullopt;
            });
            if (!read) {
                return std::nullopt;
            }
            return entrySearch_.find(searchText_);
        });
    if (hits == nullptr) {
        searchHits_.forget(); // its positions are of entries no longer kept
        storeUnreadable();
        return std::nullopt;
    }
    return EntryRows(entrySearch_.entries(), *hits);
}

// A category of one of the ten keys is named in the user's language, whichever language its row
// was stored in; any other by its stored name.
QString AppDelegate::categoryName(int32_t categoryID) const {
    if (!categoryKeys_) {
        return QString();
    }
    if (const std::optional<size_t> key = categoryKeys_->keyOfID(categoryID)) {
        return Localizer::text(QString::fromStdString(CategoryKeys::keys()[*key]));
    }
    for (const CategorySchema& category : categoryKeys_->rows()) {
        if (category.ID() == categoryID) {
            return toQString(category.Category());
        }
    }
    return QString();
}
