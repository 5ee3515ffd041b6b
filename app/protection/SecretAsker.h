#pragma once

#include <QString>

class QWidget;

// What protecting the file asks of the person at the computer. The program asks in dialogs;
// tests answer without windows.
class SecretAsker {
public:
    virtual ~SecretAsker() = default;
    // A new file passphrase, typed twice and hard enough to guess; empty when cancelled.
    virtual QString newPassphrase(QWidget* parent) = 0;
    // Shows a recovery code until the person says it is kept; false when cancelled.
    virtual bool keepRecoveryCode(QWidget* parent, const QString& code) = 0;
};
