// The real program, stopped at its first frame (see FirstFrameClock.h): the
// start-up benchmark times this process.
#include "FirstFrameClock.h"
#include "LockmereMain.h"

int main(int argc, char* argv[]) {
    return runLockmere(argc, argv);
}
