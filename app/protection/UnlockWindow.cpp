#include "protection/UnlockWindow.h"

#include "toolkit/Localizer.h"
#include "toolkit/SaidLabel.h"

#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

UnlockWindow::UnlockWindow(const QString& path, QWidget* parent)
    : QWidget(parent), secret_(new QLineEdit(this)), refusal_(new QLabel(this)),
      open_(new QPushButton(Localizer::text("UnlockButton"), this)) {
    setWindowTitle(QStringLiteral("Lockmere"));
    setWindowIcon(QIcon(QStringLiteral(":/images/lockmere-64.png")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSizeConstraint(QLayout::SetMinimumSize); // grows with what it says
    auto* prompt =
        new QLabel(Localizer::text("UnlockPrompt").arg(QDir::toNativeSeparators(path)), this);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    secret_->setEchoMode(QLineEdit::Password);
    secret_->setPlaceholderText(Localizer::text("UnlockField"));
    secret_->setAccessibleName(Localizer::text("UnlockField"));
    layout->addWidget(secret_);
    refusal_->setWordWrap(true);
    refusal_->setVisible(false);
    refusal_->setAccessibleName(Localizer::text("UnlockField"));
    layout->addWidget(refusal_);
    auto* buttons = new QHBoxLayout;
    auto* quit = new QPushButton(Localizer::text("Quit"), this);
    buttons->addStretch();
    buttons->addWidget(quit);
    buttons->addWidget(open_);
    layout->addLayout(buttons);
    open_->setDefault(true);
    setMinimumWidth(480);
    fitText();
    connect(open_, &QPushButton::clicked, this, [this] { emit openRequested(secret_->text()); });
    connect(secret_, &QLineEdit::returnPressed, open_, &QPushButton::click);
    connect(quit, &QPushButton::clicked, this, &UnlockWindow::quitRequested);
}

void UnlockWindow::checking() {
    sayInLabel(refusal_, Localizer::text("UnlockChecking"));
    fitText();
    repaint(); // before Argon2id holds the event loop for a second
}

void UnlockWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        secret_->clear();
        return;
    }
    QWidget::keyPressEvent(event);
}

void UnlockWindow::refuse(const QString& why) {
    sayInLabel(refusal_, why);
    fitText();
    secret_->setFocus();
    secret_->selectAll();
}

// Wrapped labels tell a layout their height only for a given width, which a window's minimum
// size does not ask: without this the prompt and the refusal are cut off at their first lines.
void UnlockWindow::fitText() {
    const int width = std::max(this->width(), minimumWidth());
    const int height = layout()->totalHeightForWidth(width);
    setMinimumHeight(height);
    if (this->height() < height) {
        resize(width, height);
    }
}
