#pragma once

#include <QString>

// What runDeleteConfirmation() answers: the default (destructive) button, or anything else,
// including Escape and closing the alert.
constexpr int AlertDefaultReturn = 1;
constexpr int AlertOtherReturn = -1;

// Shows modal alerts. The controller only ever sees this interface so tests can answer alerts
// without a human; MessageBoxAlerts is the real thing. All strings are text keys for Localizer.
class AlertPresenter {
public:
    virtual ~AlertPresenter() = default;
    // A message with a single OK button; returns when the user has read it.
    virtual void showKeyedAlert(const QString& messageKey, const QString& informativeKey) = 0;
    // Asks before something is destroyed; AlertDefaultReturn means go ahead.
    virtual int runDeleteConfirmation(const QString& messageKey, const QString& informativeKey,
                                      const QString& defaultButtonKey,
                                      const QString& otherButtonKey) = 0;
    // The same, naming what it deletes (an entry's title and user name, an account's name) above
    // the informative text.
    virtual int runDeleteConfirmationOf(const QString& subject, const QString& messageKey,
                                        const QString& informativeKey,
                                        const QString& defaultButtonKey,
                                        const QString& otherButtonKey) = 0;
    // Asks before something that cannot be undone and that a stray Return must not do: the
    // harmless button is the default. AlertDefaultReturn only when the user chose to go ahead.
    virtual int runCarefulConfirmation(const QString& messageKey, const QString& informativeKey,
                                       const QString& goAheadKey, const QString& otherButtonKey) {
        return runDeleteConfirmation(messageKey, informativeKey, goAheadKey, otherButtonKey);
    }
    // The same two, for texts made from keys and figures (counts, line numbers) by the caller.
    virtual void showTextAlert(const QString& message, const QString& informative) = 0;
    virtual int runTextConfirmation(const QString& message, const QString& informative,
                                    const QString& defaultButtonKey,
                                    const QString& otherButtonKey) = 0;
};
