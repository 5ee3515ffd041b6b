// How fast the password list answers, side by side with the straightforward
// read-per-question path and with the store's own read as the floor; how fast
// the program starts next to a bare Qt program; and the peak memory with
// 100,000 entries. Every figure of one line comes from the same run.
//
//   ./build/bench/lockmere_bench            (all sizes; about a minute)
//   ./build/bench/lockmere_bench --quick    (1,000 and 10,000 entries only)
//
// Start-up runs offscreen unless QT_QPA_PLATFORM names another platform:
//   xvfb-run -a env QT_QPA_PLATFORM=xcb ./build/bench/lockmere_bench --quick
#include "ReadPerQuestionSource.h"
#include "controller/AppDelegate.h"
#include "toolkit/AlertPresenter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QImage>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

struct Timing {
    double median = 0;
    double max = 0;
};

// Milliseconds per run of `work`, over `runs` runs.
Timing measure(int runs, const std::function<void()>& work) {
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        samples.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples.back()};
}

class SilentAlerts : public AlertPresenter {
public:
    void showKeyedAlert(const QString&, const QString&) override {}
    int runDeleteConfirmation(const QString&, const QString&, const QString&,
                              const QString&) override {
        return AlertOtherReturn;
    }
};

// Fills one category of root's entries in one transaction, as another
// program would, so filling is not what is measured.
void fillEntries(const QString& file, int count) {
    sqlite3* db = nullptr;
    sqlite3_open(file.toUtf8().constData(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO LM_PASSWORD(UserID,CategoryID,Title,User,Password,Http,Memo) "
                       "VALUES(1,1,?,?,?,?,?)",
                       -1, &insert, nullptr);
    for (int i = 0; i < count; ++i) {
        char title[64];
        std::snprintf(title, sizeof title, "Account %07d at example", (i * 7919) % count);
        const std::string user = "user" + std::to_string(i) + "@example.org";
        const std::string password = "pw-" + std::to_string(i * 31337);
        sqlite3_bind_text(insert, 1, title, -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 2, user.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 3, password.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 4, "https://example.org/login", -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, 5, "a short note", -1, SQLITE_STATIC);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// The real program offscreen, logged in as root, with `count` entries in
// Email and none in Website.
class Scenario {
public:
    explicit Scenario(int count) {
        qputenv("HOME", home_.path().toUtf8());
        {
            MySQLLite seed(home_.filePath("Documents").toStdString(), nullptr);
            seed.createTables();
        }
        fillEntries(home_.filePath("Documents/Lockmere.sqlite3"), count);
        delegate_ = std::make_unique<AppDelegate>(login_, window_, alerts_);
        delegate_->applicationDidFinishLaunching();
        login_.ui.userTextField->setText("root");
        login_.ui.passwordTextField->setText("tiwe");
        delegate_->loginAction();
        window_.resize(900, 600);
        QApplication::processEvents();
        press(window_.ui.emailButton);
    }

    QTableView* table() const { return window_.ui.passwordTableView; }
    AppDelegate& app() { return *delegate_; }
    QAbstractButton* email() const { return window_.ui.emailButton; }
    QAbstractButton* website() const { return window_.ui.websiteButton; }

    // Presses a button and lets the view lay itself out, as the event loop
    // would before the next paint.
    void press(QAbstractButton* button) {
        button->click();
        QApplication::processEvents();
        table()->doItemsLayout();
    }

    // Paints the list's visible rows, as the view does on screen: into one
    // surface that is kept from paint to paint, as a window's backing store
    // is, so the figure is the painting and not a fresh megabyte each time.
    void paint() {
        QWidget* viewport = table()->viewport();
        if (surface_.size() != viewport->size()) {
            surface_ = QImage(viewport->size(), QImage::Format_ARGB32_Premultiplied);
        }
        viewport->render(&surface_);
    }

    int visibleRows() const {
        const int first = table()->rowAt(0);
        const int last = table()->rowAt(table()->viewport()->height() - 1);
        return first < 0 ? 0 : (last < 0 ? table()->model()->rowCount() : last) - first + 1;
    }

private:
    QTemporaryDir home_;
    SilentAlerts alerts_;
    LoginWindow login_;
    MainWindow window_;
    std::unique_ptr<AppDelegate> delegate_;
    QImage surface_;
};

// The process's peak resident memory. Read from VmHWM, not getrusage():
// Linux carries ru_maxrss across exec, so a child started by a large parent
// would report the parent's size.
double peakMemoryMiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0; // the line is in kB
        }
    }
    return -1;
}

void listFigures(int count) {
    Scenario scenario(count);
    const int slowRuns = count >= 100000 ? 3 : 7;

    const Timing floor =
        measure(15, [&] { scenario.app().mySQLLite()->getPasswords(1, std::string("Email")); });
    const Timing repaint = measure(100, [&] { scenario.paint(); });
    const Timing pressed = measure(15, [&] {
        scenario.press(scenario.website()); // not timed apart: a cheap, empty list
        scenario.press(scenario.email());
        scenario.paint();
    });
    const Timing websiteOnly = measure(15, [&] {
        scenario.press(scenario.website());
        scenario.paint();
    });
    // Scroll through the list a page at a time, painting each page.
    scenario.press(scenario.email());
    QScrollBar* bar = scenario.table()->verticalScrollBar();
    const int pages = std::min(200, std::max(1, bar->maximum() / std::max(1, bar->pageStep())));
    int page = 0;
    const Timing scroll = measure(pages, [&] {
        bar->setValue(++page * bar->pageStep());
        scenario.paint();
    });
    bar->setValue(0);
    const int rows = scenario.visibleRows();

    // The same view and widgets, answered by the read-per-question source.
    ReadPerQuestionSource naive(*scenario.app().mySQLLite(), 1, "Email");
    auto* naiveModel = new ControllerTableModel(scenario.table(), &naive);
    const Timing naiveRepaint = measure(slowRuns, [&] { scenario.paint(); });
    const Timing naivePressed = measure(slowRuns, [&] {
        naiveModel->reloadData();
        scenario.paint();
    });

    std::printf("\n%d entries (%d rows visible)\n", count, rows);
    std::printf("  store reads the category once     %9.3f ms median\n", floor.median);
    std::printf("  repaint of the visible rows       %9.3f ms median   read-per-question %10.3f ms"
                "   %7.0fx faster\n",
                repaint.median, naiveRepaint.median, naiveRepaint.median / repaint.median);
    std::printf("  category pressed until painted    %9.3f ms median   read-per-question %10.3f ms"
                "   %7.1fx faster\n",
                pressed.median - websiteOnly.median, naivePressed.median,
                naivePressed.median / (pressed.median - websiteOnly.median));
    std::printf("    ... against the store's read     %9.2fx\n",
                (pressed.median - websiteOnly.median) / floor.median);
    std::printf(
        "  scrolling, a page per paint       %9.3f ms median, %.3f ms slowest of %d pages\n",
        scroll.median, scroll.max, pages);
}

struct Start {
    double shown = 0;  // from spawning to the first frame on screen
    double exited = 0; // from spawning to the process gone
};

// Starts `program` and times it against the moment it prints at its first
// frame (see FirstFrameClock.h).
Start timeStart(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    const auto spawned = std::chrono::steady_clock::now();
    process.start(program, arguments);
    process.waitForFinished(30000);
    const auto exited = std::chrono::steady_clock::now();
    const long long shownAt = process.readAllStandardOutput().trimmed().toLongLong();
    const long long spawnedAt =
        std::chrono::duration_cast<std::chrono::nanoseconds>(spawned.time_since_epoch()).count();
    return {static_cast<double>(shownAt - spawnedAt) / 1e6,
            std::chrono::duration<double, std::milli>(exited - spawned).count()};
}

// Medians of 21 starts of each program on `platform`; the programs take
// turns so that all of them see the same machine.
void startupFigures(const QString& lockmere, const QString& minimal, const QString& platform) {
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.insert("QT_QPA_PLATFORM", platform);
    timeStart(lockmere, {}, environment); // the first start creates the database
    std::vector<Start> ours, empty, text;
    for (int i = 0; i < 21; ++i) {
        ours.push_back(timeStart(lockmere, {}, environment));
        empty.push_back(timeStart(minimal, {}, environment));
        text.push_back(timeStart(minimal, {"--text"}, environment));
    }
    auto median = [](std::vector<Start> starts, double Start::*field) {
        std::vector<double> values;
        for (const Start& start : starts) {
            values.push_back(start.*field);
        }
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    const double shown = median(ours, &Start::shown);
    const double exited = median(ours, &Start::exited);
    std::printf("\nstart-up on %s, to the first frame\n", qPrintable(platform));
    std::printf("  the login window                  %7.1f ms median (%.1f ms to exit)\n", shown,
                exited);
    for (const auto& [name, starts] :
         {std::pair{"an empty window     ", &empty}, std::pair{"a line of text      ", &text}}) {
        const double floorShown = median(*starts, &Start::shown);
        const double floorExited = median(*starts, &Start::exited);
        std::printf("  minimal Qt program, %s %7.1f ms   %.2fx   (to exit %.1f ms, %.2fx)\n", name,
                    floorShown, shown / floorShown, floorExited, exited / floorExited);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    // Start-up is timed on the platform the caller names (xcb under Xvfb, for
    // a window the X server really shows); everything else runs offscreen.
    const QString startupPlatform =
        qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen"));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool memoryOnly = argc > 2 && std::strcmp(argv[1], "--memory") == 0;
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    QApplication application(argc, argv);

    if (memoryOnly) {
        // A process of its own, so the figure is this scenario's peak alone.
        Scenario scenario(std::atoi(argv[2]));
        QScrollBar* bar = scenario.table()->verticalScrollBar();
        for (int value = 0; value <= bar->maximum(); value += bar->maximum() / 50 + 1) {
            bar->setValue(value);
            scenario.paint();
        }
        std::printf("%.1f\n", peakMemoryMiB());
        return 0;
    }

    const QString directory = QCoreApplication::applicationDirPath();
    for (int count : {1000, 10000, 100000}) {
        if (quick && count > 10000) {
            break;
        }
        listFigures(count);
    }
    startupFigures(directory + "/lockmere_startup_probe", directory + "/minimal_qt_probe",
                   startupPlatform);

    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--memory", "100000"});
    child.waitForFinished(120000);
    std::printf("peak memory with 100,000 entries      %s MiB\n",
                child.readAllStandardOutput().trimmed().constData());
    return 0;
}
