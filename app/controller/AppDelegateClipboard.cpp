// Copying from the password list, and making new passwords in the editors.
// None of it changes what the lists, editors and saves do.
#include "controller/AppDelegate.h"
#include "controller/TextConversion.h"
#include "toolkit/Localizer.h"

void AppDelegate::connectPasswordTools() {
    const Ui::MainWindow& ui = window_.ui;
    connect(&secretClipboard_, &SecretClipboard::secondsLeftChanged, this,
            &AppDelegate::showClipboardCountdown);
    showClipboardCountdown(0);

    connect(ui.generatePasswordButton, &QAbstractButton::clicked, this,
            [this] { window_.ui.pwdField->setText(passwordGenerator_.generate()); });
    connect(ui.generatePassword1Button, &QAbstractButton::clicked, this,
            [this] { window_.ui.pwd1Field->setText(passwordGenerator_.generate()); });
    connect(ui.pwdField, &QLineEdit::textChanged, ui.pwdStrengthMeter, &StrengthMeter::setPassword);
    connect(ui.pwd1Field, &QLineEdit::textChanged, ui.pwd1StrengthMeter,
            &StrengthMeter::setPassword);
}

void AppDelegate::initPasswordTools() {
    const Ui::MainWindow& ui = window_.ui;
    for (QAbstractButton* button : {ui.generatePasswordButton, ui.generatePassword1Button}) {
        button->setText(Localizer::text("Generate"));
        button->setToolTip(Localizer::text("GeneratePassword"));
        button->setAccessibleName(Localizer::text("GeneratePassword"));
    }
    ui.pwdStrengthMeter->setAccessibleName(Localizer::text("Strength"));
    ui.pwd1StrengthMeter->setAccessibleName(Localizer::text("Strength"));
}

void AppDelegate::copyPasswordAction() {
    if (auto entry = chosenEntry()) {
        secretClipboard_.copy(toQString(entry->Password()));
        tellInStatusLine(Localizer::text("CopiedPassword").arg(SecretClipboard::kTimeoutSeconds));
    }
}

void AppDelegate::copyUserAction() {
    if (auto entry = chosenEntry()) {
        secretClipboard_.copy(toQString(entry->User()));
        tellInStatusLine(Localizer::text("CopiedUser").arg(SecretClipboard::kTimeoutSeconds));
    }
}

void AppDelegate::copyHttpAction() {
    if (auto entry = chosenEntry()) {
        secretClipboard_.copy(toQString(entry->Http()));
        tellInStatusLine(Localizer::text("CopiedHttp").arg(SecretClipboard::kTimeoutSeconds));
    }
}

void AppDelegate::showClipboardCountdown(int secondsLeft) {
    QLabel* label = window_.ui.clipboardLabel;
    label->setVisible(secondsLeft > 0);
    label->setText(secondsLeft > 0 ? Localizer::text("ClipboardClearsIn").arg(secondsLeft)
                                   : QString());
}
