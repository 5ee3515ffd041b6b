#include "toolkit/SecretClipboard.h"

#include <QClipboard>
#include <QMimeData>
#include <QUuid>

namespace {
// Honoured by KDE's Klipper and other clipboard managers: do not keep this.
const QString kPasswordManagerHint = QStringLiteral("x-kde-passwordManagerHint");
// Which copy this is, so that only our own copy is ever cleared.
const QString kCopyToken = QStringLiteral("application/x-lockmere-copy");
} // namespace

SecretClipboard::SecretClipboard(QClipboard* clipboard, QObject* parent)
    : QObject(parent), clipboard_(clipboard) {
    ticker_.setInterval(1000);
    connect(&ticker_, &QTimer::timeout, this, &SecretClipboard::secondElapsed);
}

SecretClipboard::~SecretClipboard() {
    clearNow();
}

void SecretClipboard::copy(const QString& secret) {
    token_ = QUuid::createUuid().toByteArray();
    auto* data = new QMimeData;
    data->setText(secret);
    data->setData(kPasswordManagerHint, QByteArrayLiteral("secret"));
    data->setData(kCopyToken, token_);
    clipboard_->setMimeData(data);
    secondsLeft_ = kTimeoutSeconds;
    ticker_.start();
    emit secondsLeftChanged(secondsLeft_);
}

bool SecretClipboard::holdsOurCopy() const {
    if (token_.isEmpty()) {
        return false;
    }
    const QMimeData* data = clipboard_->mimeData();
    return data != nullptr && data->data(kCopyToken) == token_;
}

void SecretClipboard::secondElapsed() {
    if (secondsLeft_ <= 0) {
        return;
    }
    if (--secondsLeft_ > 0 && holdsOurCopy()) {
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
    if (holdsOurCopy()) {
        clipboard_->clear();
    }
    token_.clear();
    secondsLeft_ = 0;
    ticker_.stop();
    emit secondsLeftChanged(0);
}
