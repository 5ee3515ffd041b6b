#include "toolkit/SaidLabel.h"

#include <QAccessible>
#include <QLabel>

void sayInLabel(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text);
    label->setVisible(true);
    QAccessibleEvent said(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&said);
}
