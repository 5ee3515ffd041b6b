#include "controller/ReadLatch.h"

#include <QCoreApplication>
#include <QEvent>

ReadLatch::ReadLatch(QObject* parent) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
}

namespace {
// Longer than one action's paint takes; short enough that a list comes back by itself soon
// after the other program lets go.
constexpr qint64 kReopenAfterMilliseconds = 2000;
} // namespace

bool ReadLatch::mayRead() const {
    return failedAt_ != actions_ || sinceFailure_.hasExpired(kReopenAfterMilliseconds);
}

bool ReadLatch::readFailed() {
    const bool first = !std::exchange(failing_, true);
    failedAt_ = actions_;
    sinceFailure_.start();
    return first;
}

bool ReadLatch::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        ++actions_;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
