#include "passwordtools/StrengthMeter.h"

#include "passwordtools/PasswordStrength.h"
#include "toolkit/Localizer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

namespace {
// From red for a guessable password to green for a strong one.
const QColor kScoreColours[] = {QColor(0xc6, 0x28, 0x28), QColor(0xe0, 0x6c, 0x1f),
                                QColor(0xd4, 0xa0, 0x17), QColor(0x5c, 0x9e, 0x31),
                                QColor(0x2e, 0x7d, 0x32)};
} // namespace

StrengthMeter::StrengthMeter(QWidget* parent)
    : QWidget(parent), bar_(new QProgressBar(this)), label_(new QLabel(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // One step more than the scores, so that even "very weak" shows a red sliver.
    bar_->setRange(0, 5);
    bar_->setTextVisible(false);
    bar_->setMaximumHeight(8);
    bar_->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(bar_, 1);
    layout->addWidget(label_);
    setPassword(QString());
}

QString StrengthMeter::word() const {
    return label_->text();
}

void StrengthMeter::setPassword(const QString& password) {
    score_ = password.isEmpty() ? -1 : passwordStrengthScore(password);
    bar_->setValue(score_ + 1);
    const QString word = score_ < 0 ? QString() : Localizer::text(passwordStrengthKey(score_));
    label_->setText(word);
    if (score_ >= 0) {
        QPalette palette = bar_->palette();
        palette.setColor(QPalette::Highlight, kScoreColours[score_]);
        bar_->setPalette(palette);
    }
    setAccessibleDescription(word);
    bar_->setAccessibleDescription(word);
}
