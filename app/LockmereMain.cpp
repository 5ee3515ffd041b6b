#include "LockmereMain.h"

#include "controller/AppDelegate.h"
#include "toolkit/Alerts.h"
#include "toolkit/Localizer.h"
#include "windows/LoginWindow.h"
#include "windows/MainWindow.h"

#include <QApplication>
#include <QLocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/prctl.h>
#include <sys/resource.h>

namespace {

// A crash of a release build must not write the passwords in memory to a core file, and no
// other process of the user may read them through /proc or a debugger. Debug and sanitizer
// builds keep their dumps.
void keepSecretsOutOfCoreDumps() {
#ifdef NDEBUG
    const rlimit none{0, 0};
    setrlimit(RLIMIT_CORE, &none);
    prctl(PR_SET_DUMPABLE, 0);
#endif
}

// Without a display Qt aborts with a long message about platform plugins;
// say it in one line instead.
bool hasDisplay() {
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

// Normal use writes nothing to the terminal; only Qt's fatal messages pass.
void quietMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

} // namespace

int runLockmere(int argc, char* argv[]) {
    keepSecretsOutOfCoreDumps(); // before anything reads a secret
    // A write past a file-size limit (RLIMIT_FSIZE) then fails and is reported as a full disk
    // is, instead of killing the program in the middle of an import or an export.
    std::signal(SIGXFSZ, SIG_IGN);
    if (!hasDisplay()) {
        std::fprintf(stderr, "lockmere: no graphical display found; start it from a desktop "
                             "session.\n");
        return 1;
    }
    qInstallMessageHandler(quietMessageHandler);
    QApplication application(argc, argv);
    QApplication::setApplicationName("Lockmere");
    // Lets desktops match the window to its .desktop file, also on Wayland.
    QGuiApplication::setDesktopFileName("org.lockmere.Lockmere");
    Localizer::install(QLocale::system(), kTranslationTables);

    LoginWindow loginWindow;
    MainWindow window;
    // Over the window in front: the main window, the login window, or (before either, for a
    // protected file) the window that asks for the file passphrase.
    MessageBoxAlerts alerts([&]() -> QWidget* {
        if (window.isVisible()) {
            return &window;
        }
        return loginWindow.isVisible() || QApplication::activeWindow() == nullptr
                   ? static_cast<QWidget*>(&loginWindow)
                   : QApplication::activeWindow();
    });
    AppDelegate delegate(loginWindow, window, alerts);
    delegate.applicationDidFinishLaunching();
    return application.exec();
}
