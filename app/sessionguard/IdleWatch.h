#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>

// Tells when nobody has used the keyboard or the mouse in any of the program's windows for a
// while. Input is seen by a filter on the whole application, so an open dialog or menu counts
// as a window like any other and cannot keep a session alive on its own; the time comes from a
// clock that tests replace, so they move time on instead of waiting.
class IdleWatch : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<std::chrono::milliseconds()>;

    explicit IdleWatch(std::chrono::milliseconds timeout, QObject* parent = nullptr);

    void setClock(Clock clock);
    // How often the time since the last input is looked at (every few seconds); tests make it
    // short. It only changes the interval of a ticker that is running.
    void setTickInterval(std::chrono::milliseconds interval) { ticker_.setInterval(interval); }
    // Counts from now, as if there had just been input.
    void restart();
    // Emits idle() once the time has passed since the last input; the ticker calls it every few
    // seconds.
    void check();

signals:
    void idle();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::chrono::milliseconds timeout_;
    Clock clock_;
    std::chrono::milliseconds lastInput_{};
    QTimer ticker_;
};
