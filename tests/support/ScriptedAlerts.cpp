#include "support/ScriptedAlerts.h"

void ScriptedAlerts::answerNextConfirmation(int answer) {
    answers_.push_back(answer);
}

void ScriptedAlerts::setWhileOpen(std::function<void(const Alert&)> callback) {
    whileOpen_ = std::move(callback);
}

void ScriptedAlerts::showKeyedAlert(const QString& messageKey, const QString& informativeKey) {
    alerts.push_back({Alert::Kind::Keyed, messageKey, informativeKey, {}});
    if (whileOpen_) {
        // Copy: the callback may show another alert and reallocate the vector.
        const Alert open = alerts.back();
        whileOpen_(open);
    }
}

int ScriptedAlerts::runDeleteConfirmation(const QString& messageKey, const QString& informativeKey,
                                          const QString& defaultButtonKey,
                                          const QString& otherButtonKey) {
    Alert alert{Alert::Kind::Confirmation, messageKey, informativeKey,
                QStringList{defaultButtonKey, otherButtonKey}};
    if (!answers_.empty()) {
        alert.answer = answers_.front();
        alert.answered = true;
        answers_.pop_front();
    }
    alerts.push_back(alert);
    if (whileOpen_) {
        whileOpen_(alert);
    }
    return alert.answer;
}
