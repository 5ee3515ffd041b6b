#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

// A bar and a word under a password field saying how hard the password is to
// guess. The word is also the meter's accessible description, so a screen
// reader says it.
class StrengthMeter : public QWidget {
    Q_OBJECT
public:
    explicit StrengthMeter(QWidget* parent = nullptr);

    // -1 while the field is empty.
    int score() const { return score_; }
    QString word() const;

public slots:
    void setPassword(const QString& password);

private:
    QProgressBar* bar_;
    QLabel* label_;
    int score_ = -1;
};
