#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the file passphrase (or the recovery code) of a protected file at start, before the
// login window: nothing of the file can be read until it is given.
class UnlockWindow : public QWidget {
    Q_OBJECT
public:
    explicit UnlockWindow(const QString& path, QWidget* parent = nullptr);

    QLineEdit* secretField() const { return secret_; }
    QPushButton* openButton() const { return open_; }
    // Says why the secret did not open the file, for all to read and a screen reader to hear;
    // the secret is selected for the next try.
    void refuse(const QString& why);
    // Says that the secret is being checked (it takes about a second).
    void checking();

protected:
    // Escape empties the field, as in a login window.
    void keyPressEvent(QKeyEvent* event) override;

signals:
    void openRequested(const QString& secret);
    void quitRequested();

private:
    void fitText();
    QLineEdit* secret_;
    QLabel* refusal_;
    QPushButton* open_;
};
