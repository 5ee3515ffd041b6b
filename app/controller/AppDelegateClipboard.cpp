// Copying from the password list, and making new passwords in the editors.
// None of it changes what the lists, editors and saves do.
#include "controller/AppDelegate.h"
#include "controller/TextConversion.h"
#include "passwordtools/WordList.h"
#include "toolkit/Localizer.h"

#include <QFileInfo>
#include <QStatusBar>
#include <QToolButton>

void AppDelegate::connectPasswordTools() {
    const Ui::MainWindow& ui = window_.ui;
    window_.statusBar()->addPermanentWidget(ui.clipboardLabel);
    connect(&secretClipboard_, &SecretClipboard::secondsLeftChanged, this,
            &AppDelegate::showClipboardCountdown);
    showClipboardCountdown(0);

    connect(ui.generatePasswordButton, &QAbstractButton::clicked, this,
            [this] { generatePassword(window_.ui.pwdGeneratorOptions, window_.ui.pwdField); });
    connect(ui.generatePassword1Button, &QAbstractButton::clicked, this,
            [this] { generatePassword(window_.ui.pwd1GeneratorOptions, window_.ui.pwd1Field); });
    connect(ui.pwdField, &QLineEdit::textChanged, ui.pwdStrengthMeter, &StrengthMeter::setPassword);
    secretClipboard_.guard(ui.pwdField);
    secretClipboard_.guard(ui.pwd1Field);
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
    const WordListFile words = wordListFor(Localizer::locale());
    const QString source = words.path.isEmpty()
                               ? QString()
                               : Localizer::text("PassphraseWordsFrom")
                                     .arg(QLocale(words.language).nativeLanguageName(), words.path);
    ui.pwdGeneratorOptions->prepare(source);
    ui.pwd1GeneratorOptions->prepare(source);
    ui.pwdGeneratorOptions->placeInTabOrder(ui.generatorOptionsButton, ui.httpField);
    ui.pwd1GeneratorOptions->placeInTabOrder(ui.generatorOptions1Button, ui.isRootCheckBox);
    // Out of the way until asked for: a small or 2x-scaled screen has no room to spare.
    for (auto [button, options] :
         {std::pair{ui.generatorOptionsButton, ui.pwdGeneratorOptions},
          std::pair{ui.generatorOptions1Button, ui.pwd1GeneratorOptions}}) {
        button->setText(Localizer::text("GeneratorOptions"));
        options->setVisible(button->isChecked());
        connect(button, &QToolButton::toggled, options, [button, options](bool shown) {
            options->setVisible(shown);
            button->setArrowType(shown ? Qt::DownArrow : Qt::RightArrow);
        });
    }
    ui.pwdStrengthMeter->setAccessibleName(Localizer::text("Strength"));
    ui.pwd1StrengthMeter->setAccessibleName(Localizer::text("Strength"));
}

void AppDelegate::generatePassword(const GeneratorOptions* options, QLineEdit* field) {
    const PasswordRecipe recipe = options->recipe();
    if (recipe.passphrase && wordList_.isEmpty()) {
        // Read once, when first needed, in the language of the start.
        wordList_ = loadWordList(wordListFor(Localizer::locale()));
    }
    field->setText(passwordGenerator_.generate(recipe, wordList_));
}

void AppDelegate::copyPasswordAction() {
    if (auto entry = chosenEntry()) {
        secretClipboard_.copyAs(toQString(entry->Password()), Localizer::text("CopiedPassword"));
    }
}

void AppDelegate::copyUserAction() {
    if (auto entry = chosenEntry()) {
        secretClipboard_.copyAs(toQString(entry->User()), Localizer::text("CopiedUser"));
    }
}

void AppDelegate::copyHttpAction() {
    if (auto entry = chosenEntry()) {
        secretClipboard_.copyAs(toQString(entry->Http()), Localizer::text("CopiedHttp"));
    }
}

// One countdown, at the right of the status bar, names what was copied; the status line's
// messages beside it come and go without touching it.
void AppDelegate::showClipboardCountdown(int secondsLeft) {
    QLabel* label = window_.ui.clipboardLabel;
    const QString said = secretClipboard_.said();
    label->setVisible(secondsLeft > 0);
    label->setText(
        secondsLeft > 0
            ? (said.isEmpty() ? Localizer::text("ClipboardClearsIn") : said).arg(secondsLeft)
            : QString());
}
