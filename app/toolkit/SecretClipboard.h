#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

class QClipboard;

// Puts secrets on the clipboard for a short while. The copy is marked as
// secret for clipboard managers (x-kde-passwordManagerHint: secret) so that
// they keep no history of it, and it is cleared after the timeout, or at
// once on clearNow(), but only while the clipboard still holds this copy:
// whatever the user copied since is never touched.
class SecretClipboard : public QObject {
    Q_OBJECT
public:
    static constexpr int kTimeoutSeconds = 10;

    explicit SecretClipboard(QClipboard* clipboard, QObject* parent = nullptr);
    ~SecretClipboard() override;

    void copy(const QString& secret);
    // Clears a copy that is still pending (logging out, quitting).
    void clearNow();

    // Seconds until the pending copy is cleared; 0 when none is pending.
    int secondsLeft() const { return secondsLeft_; }
    // Whether the clipboard still holds this program's last copy.
    bool holdsOurCopy() const;

    // One second has passed. The ticker calls it every second; tests call it
    // instead of waiting.
    void secondElapsed();
    QTimer& ticker() { return ticker_; }

signals:
    // After every copy, every second and every clearing: 0 when nothing is
    // pending any more.
    void secondsLeftChanged(int secondsLeft);

private:
    void finish();

    QClipboard* clipboard_;
    QTimer ticker_;
    QByteArray token_;
    int secondsLeft_ = 0;
};
