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
#include "BenchSupport.h"
#include "ReadPerQuestionSource.h"
#include "Scenario.h"
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
