#include "toolkit/ButtonColumn.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace {

class ButtonColumn : public QObject {
public:
    ButtonColumn(const QList<QAbstractButton*>& buttons, QObject* parent)
        : QObject(parent), buttons_(buttons) {
        for (QAbstractButton* button : buttons_) {
            button->setFocusPolicy(button == buttons_.first() ? Qt::TabFocus : Qt::NoFocus);
            button->installEventFilter(this);
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // Other events reach the filter while a button is being destroyed, when it is no
        // QAbstractButton any more.
        if (event->type() != QEvent::FocusIn && event->type() != QEvent::KeyPress) {
            return false;
        }
        auto* button = static_cast<QAbstractButton*>(watched);
        if (event->type() == QEvent::KeyPress) {
            return keyPressed(button, static_cast<QKeyEvent*>(event));
        }
        makeTabStop(button); // also when a click or a shortcut put the focus there
        return false;
    }

private:
    bool keyPressed(QAbstractButton* button, const QKeyEvent* key) {
        if (key->modifiers() & ~Qt::KeypadModifier) {
            return false;
        }
        const qsizetype at = buttons_.indexOf(button);
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            return moveFocus(at, -1, at - 1);
        case Qt::Key_Down:
        case Qt::Key_Right:
            return moveFocus(at, 1, at + 1);
        case Qt::Key_Home:
            return moveFocus(at, 1, 0);
        case Qt::Key_End:
            return moveFocus(at, -1, buttons_.size() - 1);
        case Qt::Key_Return:
        case Qt::Key_Enter:
            button->click();
            return true;
        default:
            return false;
        }
    }

    // The first usable button from `from` on in `step` direction; at the column's end the focus
    // stays where it is, as in a list.
    bool moveFocus(qsizetype at, int step, qsizetype from) {
        for (qsizetype next = from; next >= 0 && next < buttons_.size(); next += step) {
            QAbstractButton* candidate = buttons_[next];
            if (next != at && candidate->isVisible() && candidate->isEnabled()) {
                candidate->setFocus(Qt::OtherFocusReason);
                return true;
            }
        }
        return true;
    }

    void makeTabStop(QAbstractButton* focused) {
        for (QAbstractButton* button : buttons_) {
            button->setFocusPolicy(button == focused ? Qt::TabFocus : Qt::NoFocus);
        }
    }

    QList<QAbstractButton*> buttons_;
};

} // namespace

void makeOneTabStop(const QList<QAbstractButton*>& buttons) {
    if (!buttons.isEmpty()) {
        new ButtonColumn(buttons, buttons.first());
    }
}
