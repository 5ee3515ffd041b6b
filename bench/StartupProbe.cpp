// The real program, stopped as soon as its login window is up: the start-up
// benchmark times this process from spawn to exit.
#include "LockmereMain.h"
#include "ShownClock.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    return runLockmere(argc, argv, [] {
        printShownMoment();
        QCoreApplication::quit();
    });
}
