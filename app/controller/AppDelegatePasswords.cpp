// Password records: choosing a category, the entry editor, opening and
// deleting entries.
#include "controller/AppDelegate.h"
#include "controller/EntryName.h"
#include "controller/TextConversion.h"
#include "toolkit/Localizer.h"
#include "toolkit/TableViews.h"
#include "transfer/FieldLimits.h"

#include <QIcon>
#include <algorithm>

namespace {

struct CategoryIcon {
    const char* key;
    const char* image;
};

// Tested in this order; the first key whose localised text is the category
// name gives the icon.
constexpr CategoryIcon kCategoryIcons[] = {
    {"Email", "email24.png"},       {"Website", "website24.png"},   {"Computer", "computer24.png"},
    {"Software", "software24.png"}, {"BankCard", "bankcard24.png"}, {"eBank", "ebank24.png"},
    {"Router", "router24.png"},     {"Lock", "lock24.png"},         {"Safe", "safe24.png"},
    {"Other", "other24.png"},
};

} // namespace

void AppDelegate::pwdButtonAction(QAbstractButton* sender) {
    const Ui::MainWindow& ui = window_.ui;
    leaveSearch();
    setCurrentTable(ui.passwordTableView);
    setCurrentCategory(sender->text());
    if (loginUser_ && categoryButtons().contains(sender)) {
        lastCategoryOf_[loginUser_->ID()] = static_cast<int>(categoryButtons().indexOf(sender));
    }
    ui.passwordBox->setTitle(sender->text());
    ui.imageButton->setText(*currentCategory_);
    ui.imageButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (const CategoryIcon& row : kCategoryIcons) {
        if (*currentCategory_ == Localizer::text(row.key)) {
            ui.imageButton->setIcon(QIcon(QStringLiteral(":/images/") + row.image));
            break;
        }
    }
    showBox(ui.passwordBox);
    setLastBox(ui.passwordBox);
    // The view keeps the row count it was last told: the new category's
    // entries show only once it asks again.
    reloadEntryList();
}

std::optional<EntryRows> AppDelegate::currentEntries() {
    const int32_t userID = loginUser_ ? loginUser_->ID() : 0;
    const std::optional<DataStamp> now = storeStamp();
    if (!now) {
        return std::nullopt;
    }
    if (searching()) {
        return searchResults(userID, *now);
    }
    // A category's button lists the entries of every row of its key, whatever
    // language each row was stored in.
    const OptionalText category = toText(currentCategory_);
    const std::vector<PasswordSchema>* entries =
        entryList_.get({userID, category}, *now, [&]() -> Listed<PasswordSchema> {
            const std::optional<CategoryKeys> keys = mySQLLite_->readCategoryKeys();
            if (!keys) {
                return std::nullopt;
            }
            return mySQLLite_->readPasswords(userID, categoryRows(*keys, category));
        });
    if (entries == nullptr) {
        storeUnreadable();
        return std::nullopt;
    }
    return EntryRows(*entries);
}

std::vector<int32_t> AppDelegate::categoryRows(const CategoryKeys& keys, const OptionalText& name) {
    if (!name) {
        return {};
    }
    if (const std::optional<size_t> key = keys.keyOfName(*name)) {
        return keys.idsOf(*key);
    }
    for (const CategorySchema& row : keys.rows()) {
        if (row.Category() == name) {
            return {row.ID()};
        }
    }
    return {};
}

// Only a list read for what is on show now: while the store cannot be read, a category chosen
// meanwhile shows nothing rather than the rows of the one before.
EntryRows AppDelegate::heldEntries() const {
    static const std::vector<PasswordSchema> none;
    const int32_t userID = loginUser_ ? loginUser_->ID() : 0;
    if (searching()) {
        const std::vector<uint32_t>* hits = searchHits_.heldFor({userID, searchText_});
        return hits != nullptr ? EntryRows(entrySearch_.entries(), *hits) : EntryRows(none);
    }
    const std::vector<PasswordSchema>* entries =
        entryList_.heldFor({userID, toText(currentCategory_)});
    return EntryRows(entries != nullptr ? *entries : none);
}

void AppDelegate::initCreateNewPasswordBox() {
    const Ui::MainWindow& ui = window_.ui;
    ui.categoryLabel->setText(Localizer::text("Category"));
    ui.titleLabel->setText(Localizer::text("Title"));
    ui.userLabel->setText(Localizer::text("User"));
    ui.pwdLabel->setText(Localizer::text("Password"));
    ui.httpLabel->setText(Localizer::text("Http"));
    ui.memoLabel->setText(Localizer::text("Memo"));
    ui.cancelButton->setText(Localizer::text("Cancel"));
    ui.saveButton->setText(Localizer::text("Save"));
    ui.createPasswordBox->setTitle(Localizer::text("EntryEditor"));
}

// The ten categories in their buttons' order and in the user's language, each
// standing for the row a new entry of it is filed under, with the entry's own
// category selected, or for a new entry the current category by its exact
// title. An entry filed under a category of no key (another program made it)
// has that one on offer too. When none fits (no category chosen since login,
// or a new entry among search results) none is selected, and saving asks for
// a category instead of filing the entry under a category that no list shows.
bool AppDelegate::fillCategoryPopup(std::optional<int32_t> entryCategoryID) {
    QComboBox* popup = window_.ui.categoryPopupButton;
    popup->clear();
    const std::optional<DataStamp> now = storeStamp();
    const std::optional<CategoryKeys> keys =
        now ? mySQLLite_->readCategoryKeys() : std::optional<CategoryKeys>();
    if (!keys) {
        storeUnreadable();
        showStoreTrouble();
        return false;
    }
    for (size_t key = 0; key < CategoryKeys::kCount; ++key) {
        if (const int32_t row = keys->rowFor(key); row != 0) {
            popup->addItem(Localizer::text(QString::fromStdString(CategoryKeys::keys()[key])), row);
        }
    }
    int selected = -1;
    if (entryCategoryID) {
        const std::optional<size_t> key = keys->keyOfID(*entryCategoryID);
        selected = popup->findData(key ? keys->rowFor(*key) : *entryCategoryID);
        for (const CategorySchema& row : keys->rows()) {
            if (!key && row.ID() == *entryCategoryID) {
                popup->addItem(toQString(row.Category()), row.ID());
                selected = popup->count() - 1;
            }
        }
    } else if (currentCategory_ && !searching()) {
        selected = popup->findText(*currentCategory_, Qt::MatchExactly | Qt::MatchCaseSensitive);
    }
    popup->setCurrentIndex(selected);
    return true;
}

void AppDelegate::addPasswordRecord() {
    const Ui::MainWindow& ui = window_.ui;
    if (!mayLeaveEditor()) { // Ctrl+N reaches an open editor too
        return;
    }
    if (!fillCategoryPopup(std::nullopt)) {
        return;
    }
    setOperation(kAdd);
    setPasswordSchema(PasswordSchema());
    for (QLineEdit* field : {ui.titleField, ui.userField, ui.pwdField, ui.httpField}) {
        field->setText(QString());
    }
    ui.memoField->setPlainText(QString());
    ui.historyButton->setEnabled(false); // a new entry has no earlier versions
    showBox(ui.createPasswordBox);
    rememberEditorContents();
    ui.titleField->setFocus();
}

bool AppDelegate::verify() {
    const Ui::MainWindow& ui = window_.ui;
    if (ui.titleField->text().isEmpty()) {
        showAlert("TitleNotNull", "TitleNotNullInfo");
        ui.titleField->setFocus();
        return false;
    }
    // An entry that came without a password (an imported note) may keep none.
    const bool hadNoPassword = operation_ == kEdit && passwordSchema_.Password().value_or("") == "";
    if (ui.pwdField->text().isEmpty() && !hadNoPassword) {
        showAlert("PwdNotNull", "PwdNotNullInfo");
        ui.pwdField->setFocus();
        return false;
    }
    const std::tuple<QWidget*, QString, QLabel*, int> fields[] = {
        {ui.titleField, ui.titleField->text(), ui.titleLabel, kLongestField},
        {ui.userField, ui.userField->text(), ui.userLabel, kLongestField},
        {ui.pwdField, ui.pwdField->text(), ui.pwdLabel, kLongestField},
        {ui.httpField, ui.httpField->text(), ui.httpLabel, kLongestField},
        {ui.memoField, ui.memoField->toPlainText(), ui.memoLabel, kLongestMemo},
    };
    for (const auto& [field, text, label, longest] : fields) {
        if (text.size() > longest) {
            alerts_.showTextAlert(
                Localizer::text("FieldTooLong"),
                Localizer::text("FieldTooLongInfo").arg(label->text()).arg(longest));
            field->setFocus();
            return false;
        }
    }
    if (ui.categoryPopupButton->currentIndex() < 0) {
        showAlert("CategoryNotNull", "CategoryNotNullInfo");
        ui.categoryPopupButton->setFocus();
        return false;
    }
    return true;
}

void AppDelegate::saveAction() {
    // Checked again now, not only when the editor opened: an entry is saved
    // only by the account it belongs to, and a new one belongs to the
    // account that saves it.
    const bool mayWrite =
        loginUser_ && (operation_ == kAdd ||
                       (operation_ == kEdit && passwordSchema_.UserID() == loginUser_->ID()));
    if (!mayWrite) {
        showAlert("NoPermissionAlert", "NoPermissionAlertInfo");
        return;
    }
    if (!sessionStillValid() || !verify()) {
        return;
    }
    const Ui::MainWindow& ui = window_.ui;
    // A field left as it was opened keeps the stored text byte for byte: the
    // editors show line breaks and non-breaking spaces their own way, and
    // saving an entry unchanged must not rewrite it. The record as opened
    // stays in passwordSchema_ until the save has succeeded.
    const QStringList shown = editorContents(ui.createPasswordBox);
    const auto kept = [&](int field, const OptionalText& stored) {
        return operation_ == kEdit && shown[field] == openedContents_.value(field)
                   ? stored
                   : OptionalText(toText(shown[field]));
    };
    const bool categoryKept = operation_ == kEdit && shown[0] == openedContents_.value(0);
    const QString category = ui.categoryPopupButton->currentText();
    // The list on show is the entry's own key's, or for a new one the list on show by its name.
    const bool staysInSight =
        operation_ == kEdit ? categoryKept : currentCategory_ == category && !searching();
    PasswordSchema edited = passwordSchema_;
    edited.setUserID(loginUser_->ID());
    if (!categoryKept) {
        edited.setCategoryID(ui.categoryPopupButton->currentData().toInt());
    }
    edited.setTitle(kept(1, passwordSchema_.Title()));
    edited.setUser(kept(2, passwordSchema_.User()));
    edited.setPassword(kept(3, passwordSchema_.Password()));
    edited.setHttp(kept(4, passwordSchema_.Http()));
    edited.setMemo(kept(5, passwordSchema_.Memo()));

    // A category that is gone (another program removed its row while the
    // editor was open) or cannot be read must not take the entry, where no
    // list would ever show it: that is a failed save.
    const Listed<CategorySchema> categories = mySQLLite_->readCategories();
    const bool categoryKnown =
        categories && std::any_of(categories->begin(), categories->end(),
                                  [&](const auto& row) { return row.ID() == edited.CategoryID(); });
    // An entry that another copy changed since it was opened is not saved over
    // unseen, and one that another copy deleted is not saved at all.
    WriteResult saved = WriteResult::Failed;
    if (categoryKnown && operation_ == kAdd) {
        saved = mySQLLite_->insertPassword(edited) ? WriteResult::Done : WriteResult::Failed;
    } else if (categoryKnown && operation_ == kEdit) {
        saved = mySQLLite_->updatePasswordIfUnchanged(edited, passwordSchema_);
    }
    if (saved != WriteResult::Done) {
        saveRefused(saved, mySQLLite_->getPassword(passwordSchema_.ID()));
        return;
    }
    setPasswordSchema(edited);
    closeEditor(ui.createPasswordBox);
    reloadEntryList();
    if (!staysInSight && !searching()) {
        tellInStatusLine(Localizer::text(operation_ == kAdd ? "SavedIn" : "MovedTo").arg(category));
    }
}

// Says why an entry was not saved; the editor stays open with everything typed. After another
// copy's change it is saved over deliberately by the next Save: the fields left as they were
// opened then take that copy's values.
void AppDelegate::saveRefused(WriteResult result, const std::optional<PasswordSchema>& now) {
    if (result == WriteResult::Changed && now) {
        setPasswordSchema(*now);
        showAlert("ChangedMeanwhileAlert", "ChangedMeanwhileAlertInfo");
    } else if (result == WriteResult::NoRow) {
        showAlert("DeletedMeanwhileAlert", "DeletedMeanwhileAlertInfo");
    } else {
        showWriteTrouble();
    }
}

void AppDelegate::cancelAction() {
    closeEditor(window_.ui.createPasswordBox);
}

// The editor leaves the content area and the list box it was opened from
// comes back; the keyboard goes on in that list.
void AppDelegate::closeEditor(QWidget* editor) {
    // A stale close request (the editor was replaced meanwhile) leaves the
    // page on show alone.
    if (shownBox() != editor) {
        return;
    }
    showBox(lastBox_);
    if (lastBox_ == window_.ui.passwordBox) {
        window_.ui.passwordTableView->setFocus();
    } else if (lastBox_ == window_.ui.userBox) {
        window_.ui.userTable->setFocus();
    }
}

void AppDelegate::clickTableAction() {
    if (currentTable_ == window_.ui.passwordTableView) {
        openEntry();
    } else if (currentTable_ == window_.ui.userTable) {
        openAccount();
    }
}

void AppDelegate::openEntry() {
    const Ui::MainWindow& ui = window_.ui;
    const std::optional<PasswordSchema> entry = chosenEntry();
    if (!entry || !fillCategoryPopup(entry->CategoryID())) {
        return;
    }
    fillEntryEditor(*entry); // History too: a new entry's editor had it off
    showBox(ui.createPasswordBox);
    rememberEditorContents();
    // The list that had the focus is hidden now; without this the focus
    // would wander to the sidebar and Escape would not reach the editor.
    ui.titleField->setFocus();
}

void AppDelegate::fillEntryEditor(const PasswordSchema& entry) {
    const Ui::MainWindow& ui = window_.ui;
    ui.titleField->setText(toQString(entry.Title()));
    ui.userField->setText(toQString(entry.User()));
    ui.pwdField->setText(toQString(entry.Password()));
    ui.httpField->setText(toQString(entry.Http()));
    ui.memoField->setPlainText(toQString(entry.Memo()));
    ui.historyButton->setEnabled(true);
    setOperation(kEdit);
    setPasswordSchema(entry);
}

void AppDelegate::removePasswordRecord() {
    // An entry already gone is said at once, without asking about it first.
    const std::optional<PasswordSchema> entry = chosenEntry();
    if (!entry || !confirmDeletion(entryName(*entry), "DelEntryInfo") || !sessionStillValid()) {
        return;
    }
    // Into the account's recycle bin, from which it can be put back.
    switch (mySQLLite_->moveToRecycleBin(entry->ID(), loginUser_->ID())) {
    case WriteResult::Done:
        reloadEntryList();
        tellInStatusLine(Localizer::text("MovedToBin"));
        break;
    case WriteResult::NoRow: // deleted by another copy while the confirmation was open
    case WriteResult::Changed:
        recordGone(passwordTableModel_);
        break;
    case WriteResult::Failed:
        showAlert("DeleteFailAlert", "DeleteFailAlertInfo");
        break;
    }
}
