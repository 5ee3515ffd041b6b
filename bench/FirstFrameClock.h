#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <chrono>
#include <cstdio>

// Times a program to its first frame on screen. Including this header is
// enough: when the application object is made, it starts watching for the
// first paint of a window. The window paints itself, then its children, and
// hands the frame to the window system before control goes back to the event
// loop; a queued call made at the window's paint runs just after that. It
// prints the moment on the monotonic clock that every process of the machine
// shares (the benchmark subtracts the moment it started the program) and ends
// the program. Both start-up probes are timed this way, so neither is caught
// before its first paint, which is where fonts are loaded and text is laid
// out.
namespace firstframe {

class Clock : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (stopped_ || event->type() != QEvent::Paint) {
            return false;
        }
        const auto* widget = qobject_cast<const QWidget*>(watched);
        if (widget == nullptr || !widget->isWindow()) {
            return false;
        }
        stopped_ = true;
        QMetaObject::invokeMethod(this, &Clock::stop, Qt::QueuedConnection);
        return false;
    }

private:
    static void stop() {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("%lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    bool stopped_ = false;
};

} // namespace firstframe

inline void watchForTheFirstFrame() {
    QCoreApplication* application = QCoreApplication::instance();
    application->installEventFilter(new firstframe::Clock(application));
}

Q_COREAPP_STARTUP_FUNCTION(watchForTheFirstFrame)
