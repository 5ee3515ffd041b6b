#pragma once

#include <QList>
#include <QObject>

class QAction;
class QLineEdit;

// Hides passwords from whoever looks over the user's shoulder. View → Hide Passwords masks the
// lists' password columns and the editors' password fields; each field then gets a button that
// shows its password while it is toggled on. Off at start, as the lists have always shown
// passwords, and off again at every logout: nothing of it is stored.
class PasswordHiding : public QObject {
    Q_OBJECT
public:
    PasswordHiding(QList<QLineEdit*> fields, QObject* parent);

    // The checkable View command.
    QAction* command() const { return command_; }
    bool hidden() const;
    // Back to shown, as at start.
    void reset();
    // While passwords are hidden, every field hidden again (an editor opens on another record).
    void hideAgain() { apply(); }

signals:
    // The lists must ask again for what their cells show.
    void changed();

private:
    void apply();

    QAction* command_;
    QList<QLineEdit*> fields_;
    QList<QAction*> reveals_;
};
