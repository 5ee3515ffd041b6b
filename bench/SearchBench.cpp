// How fast the search field answers as one types, next to SQLite's own LIKE
// scan of the same rows (in the same run, for the same texts), and the peak
// memory while searching 100,000 entries.
//
//   ./build/bench/lockmere_search_bench             (10,000 and 100,000 entries)
//   ./build/bench/lockmere_search_bench --quick     (10,000 only)
#include "BenchSupport.h"
#include "LockmereMain.h"
#include "Scenario.h"
#include "toolkit/Localizer.h"

#include <QLineEdit>
#include <QProcess>
#include <cstring>

namespace {

// What a person types, a keystroke at a time: a service, a name with an
// umlaut typed without it, a user name, a word that is nowhere.
const char* const kTyped[] = {"shop", "muller", "user4711", "zebra"};

// SQLite's own scan: every entry of the account whose searched fields hold
// the text, case-insensitive for ASCII only, read as the lists read rows.
int likeScan(sqlite3* db, const std::string& text) {
    sqlite3_stmt* query = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT * FROM LM_PASSWORD WHERE UserID=1 AND (Title LIKE ?1 OR "
                       "User LIKE ?1 OR Http LIKE ?1 OR Memo LIKE ?1) ORDER BY Title,User,ID",
                       -1, &query, nullptr);
    const std::string pattern = "%" + text + "%";
    sqlite3_bind_text(query, 1, pattern.c_str(), -1, SQLITE_TRANSIENT);
    int rows = 0;
    while (sqlite3_step(query) == SQLITE_ROW) {
        for (int column = 0; column < 8; ++column) {
            sqlite3_column_text(query, column);
        }
        ++rows;
    }
    sqlite3_finalize(query);
    return rows;
}

// Counts the paints of the list, so the figures are known to include one.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// One keystroke until the results are on screen: the field's text changes as
// typing changes it, and the event loop runs the search, lays the list out
// and paints the window into its (offscreen) backing store, as it would
// before the next frame.
double keystroke(Scenario& scenario, const QString& text) {
    QElapsedTimer timer;
    timer.start();
    scenario.ui().searchField->setText(text);
    QApplication::processEvents();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

struct Typed {
    std::vector<double> painted, like;
};

void typeEverything(Scenario& scenario, Typed& typed, sqlite3* db) {
    for (const char* word : kTyped) {
        for (size_t length = 1; length <= std::strlen(word); ++length) {
            const std::string text(word, length);
            typed.painted.push_back(keystroke(scenario, QString::fromStdString(text)));
            if (db != nullptr) {
                typed.like.push_back(measure(1, [&] { likeScan(db, text); }).median);
            }
        }
        scenario.ui().searchField->clear();
    }
}

void searchFigures(int count) {
    Scenario scenario(count, 10);
    sqlite3* db = nullptr;
    sqlite3_open(scenario.app().mySQLLite()->dbFilePath().c_str(), &db);

    // The first keystroke after a change reads and folds every entry.
    const double first = keystroke(scenario, "s");
    scenario.ui().searchField->clear();
    PaintCounter counter;
    scenario.table()->viewport()->installEventFilter(&counter);
    Typed typed;
    for (int round = 0; round < 3; ++round) {
        typeEverything(scenario, typed, db);
    }
    scenario.table()->viewport()->removeEventFilter(&counter);
    sqlite3_close(db);
    // Five keys that arrive before the program gets to them, as in fast
    // typing on a busy machine: searched once, not five times.
    const Timing burst = measure(15, [&] {
        for (const char* text : {"u", "us", "use", "user", "user4"}) {
            scenario.ui().searchField->setText(text);
        }
        QApplication::processEvents();
        scenario.ui().searchField->clear();
    });
    const Timing one = measure(15, [&] {
        keystroke(scenario, "user4");
        scenario.ui().searchField->clear();
    });
    const Timing painted = summarize(typed.painted);
    const Timing scanned = summarize(typed.like);
    scenario.ui().searchField->setText("s");
    scenario.settle();
    const int results = scenario.table()->model()->rowCount();

    std::printf("\n%d entries in ten categories (%zu keystrokes typed, %d paints of the list)\n",
                count, typed.painted.size(), counter.paints);
    std::printf("  SQLite LIKE scan, same texts    %8.2f ms median, %8.2f ms slowest\n",
                scanned.median, scanned.max);
    std::printf("  keystroke until painted         %8.2f ms median, %8.2f ms slowest   %6.1fx "
                "faster than LIKE\n",
                painted.median, painted.max, scanned.median / painted.median);
    std::printf("  five keys at once until painted %8.2f ms median; one key %.2f ms: %.2fx\n",
                burst.median, one.median, burst.median / one.median);
    std::printf("  first keystroke after a change  %8.2f ms (reads and folds every entry)\n",
                first);
    std::printf("  \"s\" lists %d results\n", results);
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool memoryOnly = argc > 2 && std::strcmp(argv[1], "--memory") == 0;
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    QApplication application(argc, argv);
    Localizer::install(QLocale(QLocale::English, QLocale::UnitedStates), kTranslationTables);

    if (memoryOnly) {
        // A process of its own, so the figure is this scenario's peak alone.
        Scenario scenario(std::atoi(argv[2]), 10);
        Typed ignored;
        typeEverything(scenario, ignored, nullptr);
        std::printf("%.1f\n", peakMemoryMiB());
        return 0;
    }
    for (int count : {10000, 100000}) {
        if (quick && count > 10000) {
            break;
        }
        searchFigures(count);
    }
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--memory", "100000"});
    child.waitForFinished(120000);
    std::printf("\npeak memory searching 100,000 entries   %s MiB\n",
                child.readAllStandardOutput().trimmed().constData());
    return 0;
}
