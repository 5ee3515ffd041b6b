#pragma once

#include <QByteArray>
#include <QClipboard>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QLineEdit;

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

    // `mode` Selection is X11's primary selection, which selecting text fills.
    void copy(const QString& secret, QClipboard::Mode mode = QClipboard::Clipboard);
    // Copies, and says what was copied: `said` is a text with %1 for the seconds left.
    void copyAs(const QString& secret, const QString& said);
    // What the pending copy is said to be; empty when nothing said it.
    const QString& said() const { return said_; }
    // What the user copies out of `field` (its copy keys, its menu, or merely selecting its text,
    // which X11 offers every program as the primary selection) becomes a secret copy: marked, and
    // cleared like the copy commands' copies.
    void guard(QLineEdit* field);
    // Clears a copy that is still pending (logging out, quitting).
    void clearNow();

    // Seconds until the pending copy is cleared; 0 when none is pending.
    int secondsLeft() const { return secondsLeft_; }
    // Whether the clipboard (or the selection) still holds this program's last copy.
    bool holdsOurCopy(QClipboard::Mode mode = QClipboard::Clipboard) const;

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
    void clipboardChanged(QClipboard::Mode mode);

    QClipboard* clipboard_;
    QTimer ticker_;
    QByteArray tokens_[2]; // of the copy on the clipboard and in the selection
    QList<QPointer<QLineEdit>> guarded_;
    int secondsLeft_ = 0;
    QString said_;
};
