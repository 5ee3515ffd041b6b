#include "toolkit/WindowShaker.h"

#include <QRect>
#include <cmath>

namespace {

// A property animation that puts the window back home whenever it stops, however it stops.
// updateState() is used rather than the finished() signal because finished() is not emitted when
// the animation is stopped early, and rather than stateChanged() because QAbstractAnimation's
// destructor emits that one too, which would move a window that is itself being destroyed.
class ShakeAnimation : public QPropertyAnimation {
public:
    ShakeAnimation(QWidget* window, QPoint home)
        : QPropertyAnimation(window, "pos", window), window_(window), home_(home) {
        setObjectName(QString::fromLatin1(WindowShaker::animationName));
    }

    QPoint home() const { return home_; }

protected:
    void updateState(State newState, State oldState) override {
        QPropertyAnimation::updateState(newState, oldState);
        if (newState == Stopped) {
            // The animation lingers until deleteLater(); drop the name so the next shake does not
            // mistake it for a running one.
            setObjectName(QString());
            window_->move(home_);
        }
    }

private:
    QWidget* window_;
    QPoint home_;
};

int shiftedX(int x, int width, double direction) {
    const double shift =
        static_cast<double>(width) * static_cast<double>(WindowShaker::vigourOfShake);
    return static_cast<int>(std::lround(static_cast<double>(x) + direction * shift));
}

} // namespace

QPropertyAnimation* WindowShaker::shakeWindow(QWidget* window) {
    if (window == nullptr) {
        return nullptr;
    }

    const QRect frame = window->frameGeometry();
    QPoint home = frame.topLeft();
    // A shake still running has the window off home: take home from it, and stop it, which also
    // moves the window back.
    auto* running = dynamic_cast<ShakeAnimation*>(window->findChild<QPropertyAnimation*>(
        QString::fromLatin1(animationName), Qt::FindDirectChildrenOnly));
    if (running != nullptr) {
        home = running->home();
        running->stop();
    }

    auto* animation = new ShakeAnimation(window, home);
    // Each loop runs left to right and the next starts again on the left frame.
    animation->setStartValue(QPoint(shiftedX(home.x(), frame.width(), -1.0), home.y()));
    animation->setEndValue(QPoint(shiftedX(home.x(), frame.width(), +1.0), home.y()));
    animation->setDuration(
        static_cast<int>(std::lround(static_cast<double>(durationOfShake) * 1000.0)));
    animation->setLoopCount(numberOfShakes);
    animation->setEasingCurve(QEasingCurve::Linear);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
    return animation;
}
