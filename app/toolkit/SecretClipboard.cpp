#include "toolkit/SecretClipboard.h"

#include <QLineEdit>
#include <QMimeData>
#include <QUuid>

namespace {
// Honoured by KDE's Klipper and other clipboard managers: do not keep this.
const QString kPasswordManagerHint = QStringLiteral("x-kde-passwordManagerHint");
// Which copy this is, so that only our own copy is ever cleared.
const QString kCopyToken = QStringLiteral("application/x-lockmere-copy");
constexpr QClipboard::Mode kModes[] = {QClipboard::Clipboard, QClipboard::Selection};

int slot(QClipboard::Mode mode) {
    return mode == QClipboard::Selection ? 1 : 0;
}
} // namespace

SecretClipboard::SecretClipboard(QClipboard* clipboard, QObject* parent)
    : QObject(parent), clipboard_(clipboard) {
    ticker_.setInterval(1000);
    connect(&ticker_, &QTimer::timeout, this, &SecretClipboard::secondElapsed);
    connect(clipboard_, &QClipboard::changed, this, &SecretClipboard::clipboardChanged);
}

SecretClipboard::~SecretClipboard() {
    clearNow();
}

void SecretClipboard::copy(const QString& secret, QClipboard::Mode mode) {
    if (mode != QClipboard::Clipboard && mode != QClipboard::Selection) {
        return;
    }
    tokens_[slot(mode)] = QUuid::createUuid().toByteArray();
    auto* data = new QMimeData;
    data->setText(secret);
    data->setData(kPasswordManagerHint, QByteArrayLiteral("secret"));
    data->setData(kCopyToken, tokens_[slot(mode)]);
    clipboard_->setMimeData(data, mode);
    said_.clear();
    secondsLeft_ = kTimeoutSeconds;
    ticker_.start();
    emit secondsLeftChanged(secondsLeft_);
}

void SecretClipboard::copyAs(const QString& secret, const QString& said) {
    copy(secret);
    said_ = said;
    emit secondsLeftChanged(secondsLeft_);
}

void SecretClipboard::guard(QLineEdit* field) {
    guarded_.append(field);
}

// A guarded field's text arrived on the clipboard or in the selection as plain text: it is put
// back as a secret copy. Our own copies carry a token and are left alone.
void SecretClipboard::clipboardChanged(QClipboard::Mode mode) {
    if (mode != QClipboard::Clipboard && mode != QClipboard::Selection) {
        return;
    }
    const QMimeData* data = clipboard_->mimeData(mode);
    if (data == nullptr || data->hasFormat(kCopyToken) || !data->hasText()) {
        return;
    }
    const QString text = data->text();
    for (const QPointer<QLineEdit>& field : guarded_) {
        if (field && field->hasSelectedText() && field->selectedText() == text) {
            copy(text, mode);
            return;
        }
    }
}

bool SecretClipboard::holdsOurCopy(QClipboard::Mode mode) const {
    const QByteArray& token = tokens_[slot(mode)];
    if (token.isEmpty()) {
        return false;
    }
    const QMimeData* data = clipboard_->mimeData(mode);
    return data != nullptr && data->data(kCopyToken) == token;
}

void SecretClipboard::secondElapsed() {
    if (secondsLeft_ <= 0) {
        return;
    }
    if (--secondsLeft_ > 0 &&
        (holdsOurCopy(QClipboard::Clipboard) || holdsOurCopy(QClipboard::Selection))) {
        emit secondsLeftChanged(secondsLeft_);
        return;
    }
    finish();
}

void SecretClipboard::clearNow() {
    if (secondsLeft_ > 0) {
        finish();
    }
}

void SecretClipboard::finish() {
    for (const QClipboard::Mode mode : kModes) {
        if (holdsOurCopy(mode)) {
            clipboard_->clear(mode);
        }
        tokens_[slot(mode)].clear();
    }
    secondsLeft_ = 0;
    ticker_.stop();
    emit secondsLeftChanged(0);
}
