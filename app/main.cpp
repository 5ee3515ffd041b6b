#include "LockmereMain.h"

int main(int argc, char* argv[]) {
    return runLockmere(argc, argv);
}
