#include "undo/EntryHistory.h"

#include "toolkit/AlertPresenter.h"
#include "toolkit/Localizer.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// What a version had that the next state of the entry did not: the fields' names, the password
// first and marked.
QString changesBetween(const PasswordSchema& was, const PasswordSchema& then) {
    QStringList changed;
    if (was.Password() != then.Password()) {
        changed << QStringLiteral("● ") + Localizer::text("Password");
    }
    const std::pair<bool, const char*> fields[] = {
        {was.Title() != then.Title(), "Title"},
        {was.User() != then.User(), "User"},
        {was.Http() != then.Http(), "Http"},
        {was.Memo() != then.Memo(), "Memo"},
        {was.CategoryID() != then.CategoryID(), "Category"},
    };
    for (const auto& [differs, key] : fields) {
        if (differs) {
            changed << Localizer::text(key);
        }
    }
    return changed.isEmpty() ? Localizer::text("NothingChanged") : changed.join(", ");
}

} // namespace

EntryHistory::EntryHistory(MySQLLite& store, AlertPresenter& alerts, UndoHooks hooks)
    : store_(store), alerts_(alerts), hooks_(std::move(hooks)) {}

void EntryHistory::open(const PasswordSchema& current, QWidget* parent,
                        std::function<void(const PasswordSchema&)> restored) {
    const std::optional<int32_t> account = hooks_.actingAccount();
    if (!account) {
        return;
    }
    const Listed<EntryVersion> versions = store_.readHistory(current.ID(), *account);
    if (!versions) {
        alerts_.showKeyedAlert("FileUnreadableAlert", "FileUnreadableAlertInfo");
        return;
    }
    versions_ = *versions;
    restored_ = std::move(restored);
    delete dialog_;
    dialog_ = new QDialog(parent);
    dialog_->setAttribute(Qt::WA_DeleteOnClose);
    dialog_->setWindowTitle(
        Localizer::text("HistoryTitle").arg(QString::fromStdString(current.Title().value_or(""))));
    auto* layout = new QVBoxLayout(dialog_);
    auto* note =
        new QLabel(Localizer::text(versions_.empty() ? "HistoryEmpty" : "HistoryInfo"), dialog_);
    note->setWordWrap(true);
    layout->addWidget(note);
    table_ = new QTableWidget(static_cast<int>(versions_.size()), 3, dialog_);
    table_->setHorizontalHeaderLabels(
        {Localizer::text("ReplacedAt"), Localizer::text("WhatChanged"), Localizer::text("Title")});
    table_->setAccessibleName(Localizer::text("HistoryTitle").arg(QString()));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    for (size_t row = 0; row < versions_.size(); ++row) {
        const PasswordSchema& then = row == 0 ? current : versions_[row - 1].entry;
        const QString cells[] = {localTime(versions_[row].when),
                                 changesBetween(versions_[row].entry, then),
                                 QString::fromStdString(versions_[row].entry.Title().value_or(""))};
        for (int column = 0; column < 3; ++column) {
            table_->setItem(static_cast<int>(row), column, new QTableWidgetItem(cells[column]));
        }
    }
    table_->resizeColumnsToContents();
    layout->addWidget(table_);
    auto* buttons = new QDialogButtonBox(dialog_);
    QPushButton* copy =
        buttons->addButton(Localizer::text("CopyOldPassword"), QDialogButtonBox::ActionRole);
    QPushButton* restore =
        buttons->addButton(Localizer::text("RestoreVersion"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close)->setText(Localizer::text("Close"));
    for (QPushButton* button : {copy, restore}) {
        button->setEnabled(false);
    }
    connect(table_, &QTableWidget::itemSelectionChanged, dialog_, [this, copy, restore] {
        copy->setEnabled(chosen() != nullptr);
        restore->setEnabled(chosen() != nullptr);
    });
    connect(copy, &QPushButton::clicked, this, &EntryHistory::copyPassword);
    connect(restore, &QPushButton::clicked, this, &EntryHistory::restore);
    connect(buttons, &QDialogButtonBox::rejected, dialog_, &QDialog::reject);
    layout->addWidget(buttons);
    dialog_->resize(620, 360);
    dialog_->open();
    if (!versions_.empty()) {
        table_->selectRow(0);
        table_->setFocus();
    }
}

const EntryVersion* EntryHistory::chosen() const {
    const int row = dialog_ != nullptr && table_ != nullptr ? table_->currentRow() : -1;
    return row >= 0 && row < static_cast<int>(versions_.size()) &&
                   !table_->selectedItems().isEmpty()
               ? &versions_[static_cast<size_t>(row)]
               : nullptr;
}

void EntryHistory::copyPassword() {
    if (const EntryVersion* version = chosen(); version != nullptr && hooks_.actingAccount()) {
        hooks_.copySecret(QString::fromStdString(version->entry.Password().value_or("")));
    }
}

void EntryHistory::restore() {
    const EntryVersion* version = chosen();
    const std::optional<int32_t> account =
        version != nullptr ? hooks_.actingAccount() : std::nullopt;
    if (!account) {
        return;
    }
    const int32_t entryID = version->entry.ID();
    const WriteResult result = store_.restoreVersion(version->versionID, *account);
    if (result != WriteResult::Done) {
        // NoRow: the entry is gone (another copy deleted it, or moved it to the bin).
        result == WriteResult::NoRow ? alerts_.showKeyedAlert("RecordGone", "RecordGoneInfo")
                                     : alerts_.showKeyedAlert("SaveFailAlert", "SaveFailAlertInfo");
        return;
    }
    dialog_->accept();
    hooks_.entriesChanged();
    if (const std::optional<PasswordSchema> now = store_.getPassword(entryID); now && restored_) {
        restored_(*now);
    }
}
