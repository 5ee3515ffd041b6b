// Undoing a mistake: an entry's earlier versions from its editor, and the recycle bin.
#include "controller/AppDelegate.h"
#include "toolkit/Localizer.h"

void AppDelegate::makeUndo() {
    const UndoHooks hooks{
        [this]() -> std::optional<int32_t> {
            return sessionStillValid() ? std::optional<int32_t>(loginUser_->ID()) : std::nullopt;
        },
        [this](const QString& secret) {
            secretClipboard_.copyAs(secret, Localizer::text("CopiedPassword"));
        },
        [this](int32_t categoryID) {
            categoryKeys_ = mySQLLite_->readCategoryKeys();
            return categoryName(categoryID);
        },
        [this] { reloadEntryList(); },
        [this](const QString& said) { tellInStatusLine(said); },
    };
    history_ = std::make_unique<EntryHistory>(*mySQLLite_, alerts_, hooks);
    recycleBin_ = std::make_unique<RecycleBin>(*mySQLLite_, alerts_, hooks);
    connect(window_.ui.historyButton, &QAbstractButton::clicked, this, &AppDelegate::historyAction);
    window_.ui.historyButton->setText(Localizer::text("HistoryButton"));
}

// A restored version replaces what the editor shows: changes made in it are asked about first.
void AppDelegate::historyAction() {
    if (operation_ != kEdit || shownBox() != window_.ui.createPasswordBox || !mayLeaveEditor()) {
        return;
    }
    history_->open(passwordSchema_, &window_, [this](const PasswordSchema& restored) {
        if (shownBox() == window_.ui.createPasswordBox &&
            fillCategoryPopup(restored.CategoryID())) {
            fillEntryEditor(restored);
            rememberEditorContents();
        }
        tellInStatusLine(Localizer::text("VersionRestored"));
    });
}

void AppDelegate::recycleBinAction() {
    if (loginUser_) {
        recycleBin_->open(&window_);
    }
}
