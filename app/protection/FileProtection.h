#pragma once

#include "MySQLLite.h"
#include "protection/SecretAsker.h"
#include "protection/UnlockWindow.h"

#include <QObject>
#include <functional>
#include <memory>

class AlertPresenter;
class QAction;

// Protecting the file at rest with a file passphrase and a recovery code: unlocking a protected
// file at start, and the File menu's commands that protect the file, change its passphrase, give
// it a new recovery code and take protection off. The commands are an administrator's, as the
// file holds the account at the moment of the command.
class FileProtection : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        // Whether the account logged in now may change the file; says why not itself.
        std::function<bool()> mayChangeFile;
        // Puts a secret on the clipboard as a secret.
        std::function<void(const QString&)> copySecret;
        // The file's protection changed: the commands that apply are others now.
        std::function<void()> changed;
    };
    FileProtection(MySQLLite& store, AlertPresenter& alerts, Hooks hooks, QWidget* window);
    ~FileProtection() override;

    // Tests answer without dialogs, and spend the least on Argon2id.
    void setAsker(std::unique_ptr<SecretAsker> asker) { asker_ = std::move(asker); }
    void setCost(KdfCost cost) { cost_ = cost; }

    // For the File menu, in its order; enabled for an administrator only.
    QList<QAction*> commands() const;
    void updateCommands(bool administrator);

    // At start, with the file protected: the unlock window, until the file opens (then
    // `opened`) or the person quits.
    void askToUnlock(std::function<void()> opened);
    UnlockWindow* unlockWindow() const { return unlockWindow_.get(); }
    // Opens the file with `secret`, or says in the unlock window why not, and shakes it.
    void unlock(const QString& secret);

    void protect();
    void changePassphrase();
    void newRecoveryCode();
    void removeProtection();

private:
    bool said(MySQLLite::Conversion done, const char* doneKey);
    void offerRootPasswordReset();
    bool keepNewCode(QString& code, bool replacing);
    // Asks for the file's current passphrase or recovery code, and says so when it is not.
    bool currentSecretGiven();

    MySQLLite& store_;
    AlertPresenter& alerts_;
    Hooks hooks_;
    QWidget* window_;
    std::unique_ptr<SecretAsker> asker_;
    KdfCost cost_ = KdfCost::forUnlocking();
    std::unique_ptr<UnlockWindow> unlockWindow_;
    std::function<void()> opened_;
    QAction* protect_;
    QAction* changePassphrase_;
    QAction* newRecoveryCode_;
    QAction* removeProtection_;
};
