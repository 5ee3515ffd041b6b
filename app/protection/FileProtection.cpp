#include "protection/FileProtection.h"

#include "protection/ProtectionDialogs.h"
#include "toolkit/AlertPresenter.h"
#include "toolkit/Localizer.h"
#include "toolkit/WindowShaker.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>

namespace {

// Argon2id takes about a second: the pointer says so while it works.
template <typename Work> auto waiting(Work work) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto result = work();
    QApplication::restoreOverrideCursor();
    return result;
}

} // namespace

FileProtection::FileProtection(MySQLLite& store, AlertPresenter& alerts, Hooks hooks,
                               QWidget* window)
    : store_(store), alerts_(alerts), hooks_(std::move(hooks)), window_(window),
      asker_(std::make_unique<ProtectionDialogs>(hooks_.copySecret)),
      protect_(new QAction(Localizer::text("ProtectMenu"), this)),
      changePassphrase_(new QAction(Localizer::text("ChangePassphraseMenu"), this)),
      newRecoveryCode_(new QAction(Localizer::text("NewRecoveryCodeMenu"), this)),
      removeProtection_(new QAction(Localizer::text("RemoveProtectionMenu"), this)) {
    connect(protect_, &QAction::triggered, this, &FileProtection::protect);
    connect(changePassphrase_, &QAction::triggered, this, &FileProtection::changePassphrase);
    connect(newRecoveryCode_, &QAction::triggered, this, &FileProtection::newRecoveryCode);
    connect(removeProtection_, &QAction::triggered, this, &FileProtection::removeProtection);
}

FileProtection::~FileProtection() = default;

QList<QAction*> FileProtection::commands() const {
    return {protect_, changePassphrase_, newRecoveryCode_, removeProtection_};
}

void FileProtection::updateCommands(bool administrator) {
    const bool on = store_.isProtected();
    protect_->setEnabled(administrator && !on && store_.fileProblem() == FileProblem::None);
    for (QAction* command : {changePassphrase_, newRecoveryCode_, removeProtection_}) {
        command->setEnabled(administrator && on);
    }
}

void FileProtection::askToUnlock(std::function<void()> opened) {
    opened_ = std::move(opened);
    unlockWindow_ = std::make_unique<UnlockWindow>(QString::fromStdString(store_.dbFilePath()));
    connect(unlockWindow_.get(), &UnlockWindow::openRequested, this, &FileProtection::unlock);
    connect(unlockWindow_.get(), &UnlockWindow::quitRequested, qApp, &QApplication::quit,
            Qt::QueuedConnection);
    unlockWindow_->show();
    unlockWindow_->raise();
    unlockWindow_->activateWindow();
    unlockWindow_->secretField()->setFocus();
}

void FileProtection::unlock(const QString& secret) {
    if (secret.isEmpty() || unlockWindow_ == nullptr) {
        return;
    }
    unlockWindow_->checking();
    const MySQLLite::Unlock answer = waiting([&] { return store_.unlock(secret.toStdString()); });
    if (answer == MySQLLite::Unlock::Opened ||
        answer == MySQLLite::Unlock::OpenedWithRecoveryCode) {
        unlockWindow_->secretField()->setText(QString());
        if (answer == MySQLLite::Unlock::OpenedWithRecoveryCode) {
            offerRootPasswordReset(); // over the unlock window, where the code was typed
        }
        unlockWindow_->hide();
        if (opened_) {
            opened_();
        }
        return;
    }
    unlockWindow_->refuse(
        Localizer::text(answer == MySQLLite::Unlock::Damaged ? "UnlockDamaged" : "UnlockRefused"));
    WindowShaker::shakeWindow(unlockWindow_.get());
}

// Whoever holds the recovery code holds the file: as the owner of a plain file can with sqlite3,
// they may set root's password back to the published one, which root is then asked to change.
void FileProtection::offerRootPasswordReset() {
    if (alerts_.runCarefulConfirmation("RecoveredAlert", "RecoveredAlertInfo", "ResetRootPassword",
                                       "Later") != AlertDefaultReturn) {
        return;
    }
    for (UserSchema account : store_.getUsers(true)) {
        if (account.User() == std::string("root")) {
            account.setPassword(std::string(MySQLLite::kPublishedRootPassword));
            const bool reset = store_.updateUser(account) == WriteResult::Done;
            alerts_.showKeyedAlert(reset ? "RootPasswordResetAlert" : "SaveFailAlert",
                                   reset ? "RootPasswordResetAlertInfo" : "SaveFailAlertInfo");
        }
    }
}

// A conversion's end, said; true when it was done.
bool FileProtection::said(MySQLLite::Conversion done, const char* doneKey) {
    if (hooks_.changed) {
        hooks_.changed();
    }
    switch (done) {
    case MySQLLite::Conversion::Done:
        alerts_.showKeyedAlert(doneKey, QString(doneKey) + "Info");
        return true;
    case MySQLLite::Conversion::Busy:
        alerts_.showKeyedAlert("FileBusyAlert", "FileBusyAlertInfo");
        return false;
    case MySQLLite::Conversion::Failed:
        break;
    }
    alerts_.showKeyedAlert("ProtectionFailed", "ProtectionFailedInfo");
    return false;
}

// A new recovery code, shown until it is kept; false when the person cancelled.
bool FileProtection::keepNewCode(QString& code, bool replacing) {
    code = QString::fromStdString(SealedHeader::newRecoveryCode());
    return !code.isEmpty() && asker_->keepRecoveryCode(window_, code, replacing);
}

// An administrator at a window that someone else unlocked is not thereby the one who may
// change the file's protection: that takes its current secret.
// A wrong one is said and asked again, as the unlock window does; each try costs Argon2id's
// second, which is what slows guessing.
bool FileProtection::currentSecretGiven() {
    for (;;) {
        const QString secret = asker_->currentSecret(window_);
        if (secret.isEmpty()) {
            return false;
        }
        if (waiting([&] { return store_.opensWith(secret.toStdString()); })) {
            return true;
        }
        alerts_.showKeyedAlert("WrongFileSecret", "UnlockRefused");
    }
}

void FileProtection::protect() {
    QString code;
    if (store_.isProtected() || !hooks_.mayChangeFile()) {
        return;
    }
    const QString passphrase = asker_->newPassphrase(window_, false);
    if (passphrase.isEmpty() || !keepNewCode(code, false) || !hooks_.mayChangeFile()) {
        return;
    }
    said(waiting(
             [&] { return store_.protect(passphrase.toStdString(), code.toStdString(), cost_); }),
         "ProtectedAlert");
}

void FileProtection::changePassphrase() {
    if (!store_.isProtected() || !hooks_.mayChangeFile() || !currentSecretGiven()) {
        return;
    }
    const QString passphrase = asker_->newPassphrase(window_, true);
    if (passphrase.isEmpty() || !hooks_.mayChangeFile()) {
        return;
    }
    const bool changed = waiting([&] {
        return store_.changeSecret(SealedHeader::Slot::Passphrase, passphrase.toStdString(), cost_);
    });
    said(changed ? MySQLLite::Conversion::Done : MySQLLite::Conversion::Failed,
         "PassphraseChangedAlert");
}

void FileProtection::newRecoveryCode() {
    QString code;
    if (!store_.isProtected() || !hooks_.mayChangeFile() || !currentSecretGiven() ||
        !keepNewCode(code, true) || !hooks_.mayChangeFile()) {
        return;
    }
    const bool changed = waiting([&] {
        return store_.changeSecret(SealedHeader::Slot::RecoveryCode, code.toStdString(), cost_);
    });
    said(changed ? MySQLLite::Conversion::Done : MySQLLite::Conversion::Failed,
         "RecoveryCodeChangedAlert");
}

void FileProtection::removeProtection() {
    if (!store_.isProtected() || !hooks_.mayChangeFile() ||
        alerts_.runCarefulConfirmation("RemoveProtectionAlert", "RemoveProtectionAlertInfo",
                                       "RemoveProtection", "Cancel") != AlertDefaultReturn ||
        !currentSecretGiven() || !hooks_.mayChangeFile()) {
        return;
    }
    said(waiting([&] { return store_.removeProtection(); }), "ProtectionRemovedAlert");
}
