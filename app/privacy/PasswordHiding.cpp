#include "privacy/PasswordHiding.h"

#include "toolkit/Localizer.h"

#include <QAction>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>

namespace {

// An eye, drawn in the text colour: no icon theme can be relied on for one.
QIcon eyeIcon(const QLineEdit* field) {
    QPixmap eye(32, 32);
    eye.fill(Qt::transparent);
    QPainter painter(&eye);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = field->palette().color(QPalette::Text);
    painter.setPen(QPen(ink, 2.5));
    painter.drawEllipse(QRectF(3, 9, 26, 14));
    painter.setBrush(ink);
    painter.drawEllipse(QPointF(16, 16), 4.5, 4.5);
    return QIcon(eye);
}

} // namespace

PasswordHiding::PasswordHiding(QList<QLineEdit*> fields, QObject* parent)
    : QObject(parent), command_(new QAction(this)), fields_(std::move(fields)) {
    command_->setText(Localizer::text("HidePasswords"));
    command_->setCheckable(true);
    command_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));
    connect(command_, &QAction::toggled, this, [this] {
        apply();
        emit changed();
    });
    for (QLineEdit* field : fields_) {
        QAction* reveal = field->addAction(eyeIcon(field), QLineEdit::TrailingPosition);
        reveal->setCheckable(true);
        reveal->setText(Localizer::text("ShowPassword"));
        reveal->setToolTip(reveal->text());
        connect(reveal, &QAction::toggled, field, [field](bool shown) {
            field->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
        });
        reveals_.append(reveal);
    }
    apply();
}

bool PasswordHiding::hidden() const {
    return command_->isChecked();
}

void PasswordHiding::reset() {
    command_->setChecked(false);
}

void PasswordHiding::apply() {
    for (int i = 0; i < fields_.size(); ++i) {
        reveals_[i]->setChecked(false);
        reveals_[i]->setVisible(hidden());
        fields_[i]->setEchoMode(hidden() ? QLineEdit::Password : QLineEdit::Normal);
    }
}
