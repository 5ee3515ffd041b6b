#pragma once

#include "passwordtools/PasswordGenerator.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QSpinBox;

// The generator's options under a password field: the length, which classes of characters, or
// a passphrase of so many words. At least one class stays chosen.
class GeneratorOptions : public QWidget {
    Q_OBJECT
public:
    explicit GeneratorOptions(QWidget* parent = nullptr);

    // Puts the texts in the user's language. `wordSource` says where a passphrase's words come
    // from; empty turns passphrases off and says why.
    void prepare(const QString& wordSource);
    PasswordRecipe recipe() const;
    // Back to the options a new session starts with: nothing one account chose is left for the
    // next.
    void reset();

    QSpinBox* lengthBox() const { return length_; }
    QCheckBox* passphraseBox() const { return passphrase_; }
    QList<QCheckBox*> classBoxes() const { return classes_; }
    // Puts the options in the Tab order between `before` and `after`.
    void placeInTabOrder(QWidget* before, QWidget* after) const;

private:
    void passphraseToggled(bool on);
    void keepOneClassChosen();

    QLabel* lengthLabel_;
    QSpinBox* length_;
    QCheckBox* passphrase_;
    QList<QCheckBox*> classes_;
    // The count of the mode not on show, kept for when it comes back.
    int otherCount_ = PasswordRecipe::kDefaultWords;
};
