#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <utility>

// Keeps a store that could not be read (another program holds the file's lock, or the file is
// damaged) from being asked again until the user does something new. A list asks once per cell
// it paints, and every question would otherwise wait the whole busy timeout again: with the latch
// one user action waits at most once, and the lists answer from what they hold meanwhile.
class ReadLatch : public QObject {
    Q_OBJECT
public:
    // Counts the user's actions: key presses, mouse presses and wheel turns in any window.
    explicit ReadLatch(QObject* parent = nullptr);

    bool mayRead() const;
    // A read failed: none is tried again until the next action. True for the first failure
    // since reads worked.
    bool readFailed();
    // A read worked: true once after failures, so that what was said of them is taken back.
    bool readWorked() { return std::exchange(failing_, false); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    quint64 actions_ = 1;
    quint64 failedAt_ = 0;
    QElapsedTimer sinceFailure_;
    bool failing_ = false;
};
