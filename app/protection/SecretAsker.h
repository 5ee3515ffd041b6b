#pragma once

#include <QString>

class QWidget;

// What protecting the file asks of the person at the computer. The program asks in dialogs;
// tests answer without windows.
class SecretAsker {
public:
    virtual ~SecretAsker() = default;
    // A new file passphrase, typed twice and hard enough to guess; `replacing` one that the
    // file has. Empty when cancelled.
    virtual QString newPassphrase(QWidget* parent, bool replacing) = 0;
    // Shows a recovery code until the person says it is kept; `replacing` the file's code.
    // False when cancelled.
    virtual bool keepRecoveryCode(QWidget* parent, const QString& code, bool replacing) = 0;
    // The file's current passphrase or recovery code, before its protection is changed; empty
    // when cancelled.
    virtual QString currentSecret(QWidget* parent) = 0;
};
