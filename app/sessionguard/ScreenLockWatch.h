#pragma once

#include <QDBusObjectPath>
#include <QObject>

// Tells when the desktop locks the screen or the computer is about to sleep, from the D-Bus
// signals desktops send: the screen savers' ActiveChanged(true) on the session bus
// (org.freedesktop.ScreenSaver, org.gnome.ScreenSaver), and logind's Lock for this session and
// PrepareForSleep(true) on the system bus. Where a bus is missing it listens on the other, or
// on none, and says nothing.
class ScreenLockWatch : public QObject {
    Q_OBJECT
public:
    explicit ScreenLockWatch(QObject* parent = nullptr);

signals:
    void locked();

private slots:
    void activeChanged(bool active);
    void watchSession(const QDBusObjectPath& session);
    void sessionLocked();
};
