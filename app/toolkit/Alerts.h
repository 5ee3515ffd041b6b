#pragma once

#include "toolkit/AlertPresenter.h"

#include <QWidget>
#include <functional>

// Alerts as application-modal QMessageBoxes with localised texts.
class MessageBoxAlerts : public AlertPresenter {
public:
    // `parentWindow` is asked at the moment an alert opens, since the window in front changes over
    // time (login window, main window). It may return nullptr: the alert then has no parent.
    explicit MessageBoxAlerts(std::function<QWidget*()> parentWindow);

    void showKeyedAlert(const QString& messageKey, const QString& informativeKey) override;
    int runDeleteConfirmation(const QString& messageKey, const QString& informativeKey,
                              const QString& defaultButtonKey,
                              const QString& otherButtonKey) override;
    int runDeleteConfirmationOf(const QString& subject, const QString& messageKey,
                                const QString& informativeKey, const QString& defaultButtonKey,
                                const QString& otherButtonKey) override;
    int runCarefulConfirmation(const QString& messageKey, const QString& informativeKey,
                               const QString& goAheadKey, const QString& otherButtonKey) override;
    void showTextAlert(const QString& message, const QString& informative) override;
    int runTextConfirmation(const QString& message, const QString& informative,
                            const QString& defaultButtonKey,
                            const QString& otherButtonKey) override;

private:
    std::function<QWidget*()> parentWindow_;
};
