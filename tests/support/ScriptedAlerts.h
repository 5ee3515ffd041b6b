#pragma once

#include "toolkit/AlertPresenter.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

// Stands in for the real alerts in tests: remembers every alert it was asked to show and answers
// confirmations from a script instead of waiting for a user.
class ScriptedAlerts : public AlertPresenter {
public:
    struct Alert {
        enum class Kind { Keyed, Confirmation };
        Kind kind;
        QString messageKey;
        QString informativeKey;
        // Confirmations: the default button key, then the other one. Keyed alerts: empty.
        QStringList buttons;
        // Confirmations only: what was answered, and whether the script had an answer at all.
        int answer = AlertOtherReturn;
        bool answered = false;
    };

    // Everything shown so far, oldest first.
    std::vector<Alert> alerts;

    // Queues the answer to the next confirmation. Unscripted confirmations answer
    // AlertOtherReturn and are recorded as unanswered.
    void answerNextConfirmation(int answer);
    // Runs while an alert is "open", after it was recorded and before it returns, so a test can
    // change the world under a modal alert as a timer or a network reply could.
    void setWhileOpen(std::function<void(const Alert&)> callback);

    int pendingAnswers() const { return static_cast<int>(answers_.size()); }

    void showKeyedAlert(const QString& messageKey, const QString& informativeKey) override;
    int runDeleteConfirmation(const QString& messageKey, const QString& informativeKey,
                              const QString& defaultButtonKey,
                              const QString& otherButtonKey) override;

private:
    std::deque<int> answers_;
    std::function<void(const Alert&)> whileOpen_;
};
