#pragma once

#include <functional>

// The whole program: the windows, the controller, the event loop. Returns the
// exit status. `whenStarted`, when given, runs once the login window is up
// (the start-up benchmark uses it to stop there).
int runLockmere(int argc, char* argv[], const std::function<void()>& whenStarted = {});
