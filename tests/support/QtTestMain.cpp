// main() for GoogleTest executables that exercise widgets: they need a QApplication, and a
// session bus of their own, so that a test can send what a desktop sends (a locked screen)
// without reaching the bus of the desktop it runs on.

#include <QApplication>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

// Starts a private dbus-daemon and points the program at it; its process ID, or 0 when there is
// no dbus-daemon (the tests that need the bus then say they were skipped).
pid_t startPrivateSessionBus() {
    FILE* daemon = popen("dbus-daemon --session --fork --print-address=1 --print-pid=1", "r");
    if (daemon == nullptr) {
        return 0;
    }
    char address[512] = {}, pid[32] = {};
    const bool read = std::fgets(address, sizeof address, daemon) != nullptr &&
                      std::fgets(pid, sizeof pid, daemon) != nullptr;
    pclose(daemon);
    if (!read) {
        return 0;
    }
    address[std::string(address).find_last_not_of("\n") + 1] = '\0';
    // The same bus stands in for the system bus, where logind says the computer goes to sleep.
    setenv("DBUS_SESSION_BUS_ADDRESS", address, 1);
    setenv("DBUS_SYSTEM_BUS_ADDRESS", address, 1);
    return static_cast<pid_t>(std::atoi(pid));
}

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // Tests never need a real screen, not even when gtest_discover_tests lists them at build
    // time; an explicit QT_QPA_PLATFORM still wins.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    unsetenv("DBUS_SYSTEM_BUS_ADDRESS");
    const pid_t bus = startPrivateSessionBus();
    int status = 0;
    {
        QApplication application(argc, argv);
        status = RUN_ALL_TESTS();
    }
    if (bus > 0) {
        kill(bus, SIGTERM);
    }
    return status;
}
