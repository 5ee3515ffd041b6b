#include "protection/ProtectionDialogs.h"

#include "passwordtools/PasswordStrength.h"
#include "passwordtools/StrengthMeter.h"
#include "toolkit/Localizer.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* wrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

ProtectionDialogs::ProtectionDialogs(std::function<void(const QString&)> copySecret)
    : copySecret_(std::move(copySecret)) {}

QString ProtectionDialogs::newPassphrase(QWidget* parent, bool replacing) {
    QDialog dialog(parent);
    dialog.setWindowTitle(
        Localizer::text(replacing ? "ChangePassphraseTitle" : "NewPassphraseTitle"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    layout->addWidget(wrappedLabel(
        Localizer::text(replacing ? "ChangePassphraseInfo" : "NewPassphraseInfo"), &dialog));
    auto* form = new QFormLayout;
    auto* first = new QLineEdit(&dialog);
    auto* second = new QLineEdit(&dialog);
    auto* meter = new StrengthMeter(&dialog);
    auto* shown = new QCheckBox(Localizer::text("ShowPassphrase"), &dialog);
    for (QLineEdit* field : {first, second}) {
        field->setEchoMode(QLineEdit::Password);
        field->setMinimumWidth(320); // several words
    }
    form->addRow(Localizer::text("NewPassphrase"), first);
    form->addRow(QString(), meter);
    form->addRow(Localizer::text("RepeatPassphrase"), second);
    form->addRow(QString(), shown);
    layout->addLayout(form);
    auto* problem = wrappedLabel(QString(), &dialog);
    layout->addWidget(problem);
    QObject::connect(shown, &QCheckBox::toggled, &dialog, [first, second](bool on) {
        for (QLineEdit* field : {first, second}) {
            field->setEchoMode(on ? QLineEdit::Normal : QLineEdit::Password);
        }
    });
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* accept =
        buttons->addButton(Localizer::text("SetPassphrase"), QDialogButtonBox::AcceptRole);
    buttons->addButton(Localizer::text("Cancel"), QDialogButtonBox::RejectRole);
    accept->setDefault(true);
    layout->addWidget(buttons);
    QObject::connect(first, &QLineEdit::textChanged, meter, &StrengthMeter::setPassword);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    // Said in the dialog, which stays open with what was typed.
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        const QString typed = first->text();
        const char* refusal = nullptr;
        QLineEdit* toMend = first;
        if (typed.size() < kShortest) {
            refusal = "PassphraseTooShort";
        } else if (passwordStrengthScore(typed) < 2) {
            refusal = "PassphraseTooWeak";
        } else if (typed != second->text()) {
            refusal = "PassphrasesDiffer";
            toMend = second;
        }
        if (refusal == nullptr) {
            dialog.accept();
            return;
        }
        problem->setText(Localizer::text(refusal).arg(kShortest));
        problem->setAccessibleName(problem->text()); // what a screen reader says of it
        toMend->setFocus();
        toMend->selectAll();
    });
    return dialog.exec() == QDialog::Accepted ? first->text() : QString();
}

bool ProtectionDialogs::keepRecoveryCode(QWidget* parent, const QString& code, bool replacing) {
    QDialog dialog(parent);
    dialog.setWindowTitle(Localizer::text("RecoveryCodeTitle"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(wrappedLabel(Localizer::text("RecoveryCodeInfo"), &dialog));
    if (replacing) {
        layout->addWidget(wrappedLabel(Localizer::text("RecoveryCodeReplaces"), &dialog));
    }
    // Groups of four, read aloud and written down; not selectable, so that no copy of it lands
    // in X11's primary selection.
    auto* shown = new QLabel(QString(code).replace('-', QStringLiteral("  ")), &dialog);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    shown->setFont(font);
    shown->setAlignment(Qt::AlignCenter);
    shown->setAccessibleName(code);
    layout->addWidget(shown);
    auto* copy = new QPushButton(Localizer::text("CopyRecoveryCode"), &dialog);
    layout->addWidget(copy, 0, Qt::AlignCenter);
    auto* kept = new QCheckBox(Localizer::text("RecoveryCodeKept"), &dialog);
    layout->addWidget(kept);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* accept =
        buttons->addButton(Localizer::text("Continue"), QDialogButtonBox::AcceptRole);
    buttons->addButton(Localizer::text("Cancel"), QDialogButtonBox::RejectRole);
    accept->setEnabled(false);
    layout->addWidget(buttons);
    QObject::connect(copy, &QPushButton::clicked, &dialog, [&] {
        copySecret_(code);
        copy->setText(Localizer::text("RecoveryCodeCopied")); // said here, not behind the dialog
    });
    QObject::connect(kept, &QCheckBox::toggled, accept, &QPushButton::setEnabled);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return dialog.exec() == QDialog::Accepted;
}

QString ProtectionDialogs::currentSecret(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(Localizer::text("CurrentSecretTitle"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(wrappedLabel(Localizer::text("CurrentSecretInfo"), &dialog));
    auto* field = new QLineEdit(&dialog);
    field->setEchoMode(QLineEdit::Password);
    field->setMinimumWidth(320);
    field->setAccessibleName(Localizer::text("UnlockField"));
    layout->addWidget(field);
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(Localizer::text("Continue"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(Localizer::text("Cancel"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    return dialog.exec() == QDialog::Accepted ? field->text() : QString();
}
