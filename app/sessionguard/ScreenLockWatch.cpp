#include "sessionguard/ScreenLockWatch.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <unistd.h>

namespace {
const QString kLogind = QStringLiteral("org.freedesktop.login1");
const QString kLogindPath = QStringLiteral("/org/freedesktop/login1");
} // namespace

ScreenLockWatch::ScreenLockWatch(QObject* parent) : QObject(parent) {
    // Any sender, any path: KDE signals on /ScreenSaver, others on the interface's own path.
    QDBusConnection session = QDBusConnection::sessionBus();
    for (const char* screenSaver : {"org.freedesktop.ScreenSaver", "org.gnome.ScreenSaver"}) {
        session.connect(QString(), QString(), screenSaver, QStringLiteral("ActiveChanged"), this,
                        SLOT(activeChanged(bool)));
    }

    QDBusConnection system = QDBusConnection::systemBus();
    if (!system.isConnected()) {
        return;
    }
    system.connect(kLogind, kLogindPath, kLogind + QStringLiteral(".Manager"),
                   QStringLiteral("PrepareForSleep"), this, SLOT(activeChanged(bool)));
    // Lock is sent to one session's object: only this program's own session counts. Asked
    // without waiting, so a slow logind never holds up the start.
    QDBusMessage call =
        QDBusMessage::createMethodCall(kLogind, kLogindPath, kLogind + QStringLiteral(".Manager"),
                                       QStringLiteral("GetSessionByPID"));
    call << static_cast<quint32>(getpid());
    // Watched through a typed reply: a slot found by its name was never called, for want of
    // the object path's type. Without logind the other signals still count.
    auto* answer = new QDBusPendingCallWatcher(system.asyncCall(call), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<QDBusObjectPath> session = *w;
        if (!session.isError()) {
            watchSession(session.value());
        }
        w->deleteLater();
    });
}

void ScreenLockWatch::watchSession(const QDBusObjectPath& session) {
    QDBusConnection::systemBus().connect(kLogind, session.path(),
                                         kLogind + QStringLiteral(".Session"),
                                         QStringLiteral("Lock"), this, SLOT(sessionLocked()));
}

void ScreenLockWatch::sessionLocked() {
    emit locked();
}

void ScreenLockWatch::activeChanged(bool active) {
    if (active) {
        emit locked();
    }
}
