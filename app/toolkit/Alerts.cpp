#include "toolkit/Alerts.h"

#include "toolkit/Localizer.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

void prepare(QMessageBox& box, QMessageBox::Icon icon, const QString& messageKey,
             const QString& informativeKey) {
    box.setIcon(icon);
    box.setText(Localizer::text(messageKey));
    box.setInformativeText(Localizer::text(informativeKey));
    // Whatever window is in front, nothing else in the program may be used meanwhile.
    box.setWindowModality(Qt::ApplicationModal);
}

} // namespace

MessageBoxAlerts::MessageBoxAlerts(std::function<QWidget*()> parentWindow)
    : parentWindow_(std::move(parentWindow)) {}

void MessageBoxAlerts::showKeyedAlert(const QString& messageKey, const QString& informativeKey) {
    QMessageBox box(parentWindow_ ? parentWindow_() : nullptr);
    prepare(box, QMessageBox::Information, messageKey, informativeKey);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

int MessageBoxAlerts::runDeleteConfirmation(const QString& messageKey,
                                            const QString& informativeKey,
                                            const QString& defaultButtonKey,
                                            const QString& otherButtonKey) {
    QMessageBox box(parentWindow_ ? parentWindow_() : nullptr);
    prepare(box, QMessageBox::Warning, messageKey, informativeKey);
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
