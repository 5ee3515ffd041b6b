// The floor for any Qt Widgets program: an application that shows one window
// and stops as soon as it is up, timed the same way as the real one. With
// --text the window shows one line of text, so the floor includes loading
// the fonts, which every program that shows a word pays once.
#include "ShownClock.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstring>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const bool withText = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    std::unique_ptr<QWidget> window =
        withText ? std::make_unique<QLabel>("Lockmere") : std::make_unique<QWidget>();
    window->resize(380, 240);
    window->show();
    QTimer::singleShot(0, &application, [] {
        printShownMoment();
        QCoreApplication::quit();
    });
    return application.exec();
}
