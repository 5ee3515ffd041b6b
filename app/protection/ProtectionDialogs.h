#pragma once

#include "protection/SecretAsker.h"

#include <functional>

// The dialogs that ask for a new file passphrase and show a recovery code. A copy of the code
// goes through `copySecret` (the secret clipboard), never as plain text.
class ProtectionDialogs : public SecretAsker {
public:
    explicit ProtectionDialogs(std::function<void(const QString&)> copySecret);

    QString newPassphrase(QWidget* parent, bool replacing) override;
    bool keepRecoveryCode(QWidget* parent, const QString& code, bool replacing) override;
    QString currentSecret(QWidget* parent) override;

    // A passphrase shorter than this, or that zxcvbn rates weaker than fair, is refused.
    static constexpr int kShortest = 8;

private:
    std::function<void(const QString&)> copySecret_;
};
