#include "toolkit/FileDialogs.h"

#include <QFileDialog>
#include <QSettings>

namespace {

// Qt's file dialog reads and writes its state (last folder, history, view) through QSettings in
// the user's settings folder, and offers no way to turn that off. A settings path that cannot
// exist makes every such read find nothing and every write fail quietly.
void keepQtSettingsOffDisk() {
    static const bool done = [] {
        const QString nowhere = QStringLiteral("/dev/null/lockmere-keeps-no-settings");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
        return true;
    }();
    (void)done;
}

} // namespace

QString askForFile(QWidget* parent, const QString& title, const QString& folder,
                   const QString& suggestedName, const QString& filter, bool forSaving) {
    keepQtSettingsOffDisk();
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setHistory({});
    if (!suggestedName.isEmpty()) {
        dialog.selectFile(suggestedName);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return QString();
    }
    return dialog.selectedFiles().value(0);
}
