#include "toolkit/KeyAction.h"

#include <QEvent>
#include <QKeyEvent>

namespace {

class KeyActionFilter : public QObject {
public:
    KeyActionFilter(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers,
                    std::function<void()> action)
        : QObject(widget), widget_(widget), key_(key), modifiers_(modifiers),
          action_(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != widget_ || event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (keyEvent->key() != key_ || (keyEvent->modifiers() & ~Qt::KeypadModifier) != modifiers_ ||
            keyEvent->isAutoRepeat()) {
            return false;
        }
        action_();
        return true;
    }

private:
    QWidget* widget_;
    Qt::Key key_;
    Qt::KeyboardModifiers modifiers_;
    std::function<void()> action_;
};

} // namespace

void setKeyAction(QWidget* widget, Qt::Key key, std::function<void()> action,
                  Qt::KeyboardModifiers modifiers) {
    widget->installEventFilter(new KeyActionFilter(widget, key, modifiers, std::move(action)));
}
