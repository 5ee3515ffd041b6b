#include "sessionguard/IdleWatch.h"

#include <QCoreApplication>
#include <QEvent>

namespace {
std::chrono::milliseconds steadyNow() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}
} // namespace

IdleWatch::IdleWatch(std::chrono::milliseconds timeout, QObject* parent)
    : QObject(parent), timeout_(timeout), clock_(steadyNow) {
    restart();
    QCoreApplication::instance()->installEventFilter(this);
    connect(&ticker_, &QTimer::timeout, this, &IdleWatch::check);
    ticker_.start(std::chrono::seconds(5));
}

void IdleWatch::setClock(Clock clock) {
    clock_ = std::move(clock);
    restart();
}

void IdleWatch::restart() {
    lastInput_ = clock_();
}

void IdleWatch::check() {
    if (clock_() - lastInput_ >= timeout_) {
        restart(); // once per idle stretch, not at every tick after it
        emit idle();
    }
}

bool IdleWatch::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
        restart();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
