#include "help/HelpWindows.h"

#include "toolkit/Localizer.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace help {

void showAbout(QWidget* parent, const QString& filePath, bool isProtected) {
    QMessageBox about(parent);
    about.setWindowTitle(Localizer::text("AboutLockmere"));
    about.setIconPixmap(QIcon(QStringLiteral(":/images/lockmere.png")).pixmap(64));
    about.setText(QStringLiteral("<b>Lockmere %1</b>").arg(QStringLiteral(LOCKMERE_VERSION)));
    about.setInformativeText(
        Localizer::text("AboutInfo")
            .arg(Localizer::text("AboutLicence"),
                 QDir::toNativeSeparators(filePath).toHtmlEscaped(),
                 Localizer::text(isProtected ? "AboutProtected" : "AboutNotProtected")));
    about.setTextInteractionFlags(Qt::TextSelectableByMouse);
    about.exec();
}

void showKeyboardShortcuts(QWidget* parent, const QMenuBar* menus) {
    QList<std::pair<QString, QString>> rows;
    for (const QAction* menu : menus->actions()) {
        for (const QAction* command : menu->menu() ? menu->menu()->actions() : QList<QAction*>()) {
            if (!command->shortcuts().isEmpty()) {
                rows.append(
                    {QKeySequence::listToString(command->shortcuts(), QKeySequence::NativeText),
                     command->text().remove(QLatin1Char('&'))});
            }
        }
    }
    rows.append({QKeySequence(QKeySequence::Cancel).toString(QKeySequence::NativeText),
                 Localizer::text("EscapeKeyMeans")});

    QDialog dialog(parent);
    dialog.setWindowTitle(Localizer::text("KeyboardShortcuts"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* table = new QTableWidget(static_cast<int>(rows.size()), 2, &dialog);
    table->setHorizontalHeaderLabels({Localizer::text("Key"), Localizer::text("Command")});
    table->setAccessibleName(Localizer::text("KeyboardShortcuts"));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    for (int row = 0; row < rows.size(); ++row) {
        table->setItem(row, 0, new QTableWidgetItem(rows[row].first));
        table->setItem(row, 1, new QTableWidgetItem(rows[row].second));
    }
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    buttons->button(QDialogButtonBox::Close)->setText(Localizer::text("Close"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(520, 520);
    table->setFocus();
    dialog.exec();
}

} // namespace help
