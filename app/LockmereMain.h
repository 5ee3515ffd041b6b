#pragma once

// The whole program: the windows, the controller, the event loop. Returns the
// exit status.
int runLockmere(int argc, char* argv[]);
