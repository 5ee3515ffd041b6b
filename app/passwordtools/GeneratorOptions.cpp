#include "passwordtools/GeneratorOptions.h"

#include "toolkit/Localizer.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

namespace {

struct CharacterClass {
    const char* shown;
    const char* nameKey;
};
// Shown as samples, which read the same in every language; named for screen readers.
constexpr CharacterClass kClasses[] = {
    {"A-Z", "UppercaseLetters"},
    {"a-z", "LowercaseLetters"},
    {"0-9", "Digits"},
    {"#$%", "Symbols"},
};

} // namespace

GeneratorOptions::GeneratorOptions(QWidget* parent)
    : QWidget(parent), lengthLabel_(new QLabel(this)), length_(new QSpinBox(this)),
      passphrase_(new QCheckBox(this)) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(2);
    length_->setRange(PasswordRecipe::kMinLength, PasswordRecipe::kMaxLength);
    length_->setValue(PasswordRecipe::kDefaultLength);
    lengthLabel_->setBuddy(length_);
    auto* count = new QHBoxLayout;
    count->addWidget(lengthLabel_);
    count->addWidget(length_);
    layout->addLayout(count, 0, 0, 1, 2);
    layout->addWidget(passphrase_, 0, 2, 1, 2);
    for (int column = 0; column < 4; ++column) {
        auto* box = new QCheckBox(QString::fromLatin1(kClasses[column].shown), this);
        box->setChecked(true);
        classes_.append(box);
        layout->addWidget(box, 1, column);
        connect(box, &QCheckBox::toggled, this, &GeneratorOptions::keepOneClassChosen);
    }
    layout->setColumnStretch(4, 1);
    connect(passphrase_, &QCheckBox::toggled, this, &GeneratorOptions::passphraseToggled);
}

void GeneratorOptions::prepare(const QString& wordSource) {
    passphrase_->setText(Localizer::text("Passphrase"));
    passphrase_->setEnabled(!wordSource.isEmpty());
    passphrase_->setToolTip(wordSource.isEmpty() ? Localizer::text("NoWordList") : wordSource);
    lengthLabel_->setText(Localizer::text(passphrase_->isChecked() ? "Words" : "Length"));
    for (int i = 0; i < classes_.size(); ++i) {
        classes_[i]->setAccessibleName(Localizer::text(kClasses[i].nameKey));
        classes_[i]->setToolTip(classes_[i]->accessibleName());
    }
}

PasswordRecipe GeneratorOptions::recipe() const {
    PasswordRecipe recipe;
    recipe.passphrase = passphrase_->isChecked();
    (recipe.passphrase ? recipe.words : recipe.length) = length_->value();
    recipe.uppercase = classes_[0]->isChecked();
    recipe.lowercase = classes_[1]->isChecked();
    recipe.digits = classes_[2]->isChecked();
    recipe.symbols = classes_[3]->isChecked();
    return recipe;
}

void GeneratorOptions::reset() {
    passphrase_->setChecked(false);
    length_->setValue(PasswordRecipe::kDefaultLength);
    otherCount_ = PasswordRecipe::kDefaultWords;
    for (QCheckBox* box : classes_) {
        box->setChecked(true);
    }
}

void GeneratorOptions::placeInTabOrder(QWidget* before, QWidget* after) const {
    QWidget* previous = before;
    for (QWidget* next : QList<QWidget*>{length_, passphrase_} +
                             QList<QWidget*>(classes_.begin(), classes_.end())) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
    QWidget::setTabOrder(previous, after);
}

// One box counts characters or words: each mode keeps its own count.
void GeneratorOptions::passphraseToggled(bool on) {
    const int shown = length_->value();
    if (on) {
        length_->setRange(PasswordRecipe::kMinWords, PasswordRecipe::kMaxWords);
    } else {
        length_->setRange(PasswordRecipe::kMinLength, PasswordRecipe::kMaxLength);
    }
    length_->setValue(otherCount_);
    otherCount_ = shown;
    lengthLabel_->setText(Localizer::text(on ? "Words" : "Length"));
    keepOneClassChosen(); // a passphrase has no classes: all of them off
}

// The last chosen class cannot be unchosen: a password of no characters is no password.
void GeneratorOptions::keepOneClassChosen() {
    const auto chosen = std::count_if(classes_.begin(), classes_.end(),
                                      [](const QCheckBox* box) { return box->isChecked(); });
    for (QCheckBox* box : classes_) {
        box->setEnabled(!passphrase_->isChecked() && !(chosen == 1 && box->isChecked()));
    }
}
