#include "toolkit/Alerts.h"

#include "toolkit/Localizer.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

void prepare(QMessageBox& box, QMessageBox::Icon icon, const QString& message,
             const QString& informative) {
    box.setIcon(icon);
    box.setText(message);
    box.setInformativeText(informative);
    // Whatever window is in front, nothing else in the program may be used meanwhile.
    box.setWindowModality(Qt::ApplicationModal);
}

} // namespace

MessageBoxAlerts::MessageBoxAlerts(std::function<QWidget*()> parentWindow)
    : parentWindow_(std::move(parentWindow)) {}

void MessageBoxAlerts::showKeyedAlert(const QString& messageKey, const QString& informativeKey) {
    showTextAlert(Localizer::text(messageKey), Localizer::text(informativeKey));
}

int MessageBoxAlerts::runDeleteConfirmation(const QString& messageKey,
                                            const QString& informativeKey,
                                            const QString& defaultButtonKey,
                                            const QString& otherButtonKey) {
    return runTextConfirmation(Localizer::text(messageKey), Localizer::text(informativeKey),
                               defaultButtonKey, otherButtonKey);
}

int MessageBoxAlerts::runDeleteConfirmationOf(const QString& subject, const QString& messageKey,
                                              const QString& informativeKey,
                                              const QString& defaultButtonKey,
                                              const QString& otherButtonKey) {
    // A title of thousands of characters would make the alert as wide as the screen.
    constexpr qsizetype kLongestSubject = 120;
    const QString named = subject.size() <= kLongestSubject
                              ? subject
                              : subject.left(kLongestSubject) + QChar(0x2026); // …
    return runTextConfirmation(Localizer::text(messageKey),
                               named + QStringLiteral("\n\n") + Localizer::text(informativeKey),
                               defaultButtonKey, otherButtonKey);
}

int MessageBoxAlerts::runCarefulConfirmation(const QString& messageKey,
                                             const QString& informativeKey,
                                             const QString& goAheadKey,
                                             const QString& otherButtonKey) {
    QMessageBox box(parentWindow_ ? parentWindow_() : nullptr);
    prepare(box, QMessageBox::Warning, Localizer::text(messageKey),
            Localizer::text(informativeKey));
    QPushButton* goAhead = box.addButton(Localizer::text(goAheadKey), QMessageBox::AcceptRole);
    QPushButton* other = box.addButton(Localizer::text(otherButtonKey), QMessageBox::RejectRole);
    box.setDefaultButton(other);
    box.setEscapeButton(other);
    box.exec();
    return box.clickedButton() == goAhead ? AlertDefaultReturn : AlertOtherReturn;
}

void MessageBoxAlerts::showTextAlert(const QString& message, const QString& informative) {
    QMessageBox box(parentWindow_ ? parentWindow_() : nullptr);
    prepare(box, QMessageBox::Information, message, informative);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

int MessageBoxAlerts::runTextConfirmation(const QString& message, const QString& informative,
                                          const QString& defaultButtonKey,
                                          const QString& otherButtonKey) {
    QMessageBox box(parentWindow_ ? parentWindow_() : nullptr);
    prepare(box, QMessageBox::Warning, message, informative);
    QPushButton* defaultButton =
        box.addButton(Localizer::text(defaultButtonKey), QMessageBox::AcceptRole);
    QPushButton* otherButton =
        box.addButton(Localizer::text(otherButtonKey), QMessageBox::RejectRole);
    box.setDefaultButton(defaultButton);
    // Escape and the close button count as the harmless answer.
    box.setEscapeButton(otherButton);
    box.exec();
    return box.clickedButton() == defaultButton ? AlertDefaultReturn : AlertOtherReturn;
}
