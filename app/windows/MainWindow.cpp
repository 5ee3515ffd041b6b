#include "windows/MainWindow.h"

#include <QCloseEvent>
#include <QScreen>

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    ui.setupUi(this);
    // The size the interface description gives, or less on a small or highly scaled screen (a
    // 1280x800 screen at 2x has room for 640x400), never below the smallest size that lays out.
    if (const QScreen* display = screen()) {
        const QSize room = display->availableGeometry().size() * 0.9;
        resize(size().boundedTo(room).expandedTo(minimumSize()));
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (mayClose && !mayClose()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}
