#include "undo/RecycleBin.h"

#include "controller/EntryName.h"
#include "toolkit/AlertPresenter.h"
#include "toolkit/Localizer.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

RecycleBin::RecycleBin(MySQLLite& store, AlertPresenter& alerts, UndoHooks hooks)
    : store_(store), alerts_(alerts), hooks_(std::move(hooks)) {}

void RecycleBin::open(QWidget* parent) {
    if (!hooks_.actingAccount()) {
        return;
    }
    delete dialog_;
    dialog_ = new QDialog(parent);
    dialog_->setAttribute(Qt::WA_DeleteOnClose);
    dialog_->setWindowTitle(Localizer::text("RecycleBinTitle"));
    auto* layout = new QVBoxLayout(dialog_);
    auto* note = new QLabel(Localizer::text("RecycleBinInfo").arg(kKeptDays), dialog_);
    note->setWordWrap(true);
    layout->addWidget(note);
    table_ = new QTableWidget(0, 4, dialog_);
    table_->setHorizontalHeaderLabels({Localizer::text("Title"), Localizer::text("User"),
                                       Localizer::text("Category"), Localizer::text("DeletedAt")});
    table_->setAccessibleName(Localizer::text("RecycleBinTitle"));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    // The title takes what the others leave, however many rows there are.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    layout->addWidget(table_);
    auto* buttons = new QDialogButtonBox(dialog_);
    QPushButton* restore =
        buttons->addButton(Localizer::text("RestoreEntry"), QDialogButtonBox::ActionRole);
    QPushButton* remove =
        buttons->addButton(Localizer::text("DeleteForGood"), QDialogButtonBox::ActionRole);
    QPushButton* empty =
        buttons->addButton(Localizer::text("EmptyRecycleBin"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close)->setText(Localizer::text("Close"));
    // What applies now: a chosen entry for the first two, any entry for Empty.
    updateButtons_ = [this, restore = QPointer(restore), remove = QPointer(remove),
                      empty = QPointer(empty)] {
        if (restore && remove && empty) {
            restore->setEnabled(chosen() != nullptr);
            remove->setEnabled(chosen() != nullptr);
            empty->setEnabled(!entries_.empty());
        }
    };
    connect(table_, &QTableWidget::itemSelectionChanged, dialog_, [this] { updateButtons_(); });
    connect(restore, &QPushButton::clicked, this, &RecycleBin::restore);
    connect(remove, &QPushButton::clicked, this, &RecycleBin::deleteForGood);
    connect(empty, &QPushButton::clicked, this, &RecycleBin::empty);
    connect(buttons, &QDialogButtonBox::rejected, dialog_, &QDialog::reject);
    layout->addWidget(buttons);
    dialog_->resize(640, 380);
    fill();
    dialog_->open();
    table_->setFocus();
}

void RecycleBin::fill() {
    const std::optional<int32_t> account = hooks_.actingAccount();
    const Listed<EntryVersion> entries =
        account ? store_.readRecycleBin(*account) : Listed<EntryVersion>();
    if (!entries) {
        if (account) {
            alerts_.showKeyedAlert("FileUnreadableAlert", "FileUnreadableAlertInfo");
        }
        return;
    }
    entries_ = *entries;
    table_->setRowCount(static_cast<int>(entries_.size()));
    for (size_t row = 0; row < entries_.size(); ++row) {
        const PasswordSchema& entry = entries_[row].entry;
        const QString cells[] = {QString::fromStdString(entry.Title().value_or("")),
                                 QString::fromStdString(entry.User().value_or("")),
                                 hooks_.categoryName(entry.CategoryID()),
                                 localTime(entries_[row].when)};
        for (int column = 0; column < 4; ++column) {
            table_->setItem(static_cast<int>(row), column, new QTableWidgetItem(cells[column]));
        }
    }
    if (!entries_.empty()) {
        table_->selectRow(0);
    }
    if (updateButtons_) {
        updateButtons_();
    }
}

const EntryVersion* RecycleBin::chosen() const {
    const int row = table_ != nullptr ? table_->currentRow() : -1;
    return row >= 0 && row < static_cast<int>(entries_.size()) && !table_->selectedItems().isEmpty()
               ? &entries_[static_cast<size_t>(row)]
               : nullptr;
}

bool RecycleBin::done(WriteResult result) {
    if (result == WriteResult::NoRow) {
        alerts_.showKeyedAlert("RecordGone", "RecordGoneInfo");
    } else if (result != WriteResult::Done) {
        alerts_.showKeyedAlert("SaveFailAlert", "SaveFailAlertInfo");
    }
    fill();
    hooks_.entriesChanged();
    return result == WriteResult::Done;
}

void RecycleBin::restore() {
    const EntryVersion* entry = chosen();
    const std::optional<int32_t> account = entry != nullptr ? hooks_.actingAccount() : std::nullopt;
    const std::optional<CategoryKeys> keys = store_.readCategoryKeys();
    if (!account || !keys) {
        return;
    }
    if (done(store_.restoreFromRecycleBin(entry->entry.ID(), *account,
                                          keys->rowFor(CategoryKeys::kCount - 1)))) {
        hooks_.say(Localizer::text("RestoredFromBin"));
    }
}

void RecycleBin::deleteForGood() {
    const EntryVersion* entry = chosen();
    if (entry == nullptr ||
        alerts_.runDeleteConfirmationOf(entryName(entry->entry), "DelConfirm", "DeleteForGoodInfo",
                                        "OK", "Cancel") != AlertDefaultReturn) {
        return;
    }
    const int32_t id = entry->entry.ID();
    if (const std::optional<int32_t> account = hooks_.actingAccount()) {
        done(store_.deleteFromRecycleBin(std::vector<int32_t>{id}, *account));
    }
}

void RecycleBin::empty() {
    if (entries_.empty() ||
        alerts_.runDeleteConfirmation("EmptyRecycleBinAlert", "EmptyRecycleBinAlertInfo",
                                      "EmptyRecycleBin", "Cancel") != AlertDefaultReturn) {
        return;
    }
    // Only what the user saw and confirmed: another copy may have deleted more meanwhile.
    std::vector<int32_t> shown;
    for (const EntryVersion& entry : entries_) {
        shown.push_back(entry.entry.ID());
    }
    if (const std::optional<int32_t> account = hooks_.actingAccount()) {
        done(store_.deleteFromRecycleBin(shown, *account));
    }
}

void RecycleBin::clearOld(int32_t account) {
    store_.deleteFromRecycleBin(std::nullopt, account, kKeptDays);
}
