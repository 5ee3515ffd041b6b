#include "windows/MainWindow.h"

#include <QCloseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// An editor scrolls when the window is smaller than it (2x scale, a long language, the
// generator's options open) instead of squeezing its controls over one another. Its layout, with
// every control in it, moves into the scroll area; the box stays the page that is shown.
void scrollWhenTooSmall(QWidget* box) {
    auto* content = new QWidget;
    content->setLayout(box->layout()); // takes the layout and its controls over
    auto* scroll = new QScrollArea(box);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    auto* frame = new QVBoxLayout(box);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(scroll);
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    ui.setupUi(this);
    scrollWhenTooSmall(ui.createPasswordBox);
    scrollWhenTooSmall(ui.createUserBox);
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
