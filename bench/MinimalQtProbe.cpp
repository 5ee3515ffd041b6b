// The floor for any Qt Widgets program: an application that shows one window,
// timed to its first frame the same way as the real one. With --text the
// window shows one line of text, so the floor includes loading the fonts and
// laying out a word, which every program that shows a word pays once.
#include "FirstFrameClock.h"

#include <QApplication>
#include <QLabel>
#include <cstring>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const bool withText = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    std::unique_ptr<QWidget> window =
        withText ? std::make_unique<QLabel>("Lockmere") : std::make_unique<QWidget>();
    window->resize(380, 240);
    window->show();
    return application.exec();
}
