// How long importing a 100,000-row KeePassXC export takes end to end (the
// file read, checked and planned, duplicates looked for, one transaction,
// the list shown again) into an account that holds 10,000 entries, next to
// inserting the same rows with SQLite alone in one transaction, in the same
// run; and the import's peak memory in a process of its own.
//
//   ./build/bench/lockmere_import_bench
#include "BenchSupport.h"
#include "ExportFile.h"
#include "LockmereMain.h"
#include "Scenario.h"
#include "toolkit/Localizer.h"

#include <QFile>
#include <QProcess>
#include <array>
#include <cstring>

namespace {

constexpr int kHeld = 10000;

// The floor: the same rows into a file that holds the same entries, with
// SQLite alone, one prepared statement, one transaction.
double sqliteAlone(const QString& documents) {
    {
        MySQLLite seed(documents.toStdString(), nullptr);
        seed.createTables();
    }
    const QString file = documents + "/Lockmere.sqlite3";
    fillEntries(file, kHeld, 10);
    sqlite3* db = nullptr;
    sqlite3_open(file.toUtf8().constData(), &db);
    return measure(1,
                   [&] {
                       sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
                       sqlite3_stmt* insert = nullptr;
                       sqlite3_prepare_v2(
                           db,
                           "INSERT INTO LM_PASSWORD(UserID,CategoryID,Title,User,Password,Http,"
                           "Memo) VALUES(1,?,?,?,?,?,?)",
                           -1, &insert, nullptr);
                       for (int i = 0; i < kRows; ++i) {
                           const auto fields = row(i);
                           sqlite3_bind_int(insert, 1, 1 + i % 10);
                           for (int f = 1; f < 6; ++f) {
                               sqlite3_bind_text(insert, f + 1,
                                                 fields[static_cast<size_t>(f)].c_str(), -1,
                                                 SQLITE_TRANSIENT);
                           }
                           sqlite3_step(insert);
                           sqlite3_reset(insert);
                       }
                       sqlite3_finalize(insert);
                       sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
                   })
        .median;
}

int countEntries(const std::string& file) {
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    sqlite3_stmt* count = nullptr;
    sqlite3_prepare_v2(db, "SELECT count(*) FROM LM_PASSWORD", -1, &count, nullptr);
    const int entries = sqlite3_step(count) == SQLITE_ROW ? sqlite3_column_int(count, 0) : -1;
    sqlite3_finalize(count);
    sqlite3_close(db);
    return entries;
}

// One import through the File menu's command, the summary answered yes.
double importOnce(const QString& exportFile, int* imported) {
    Scenario scenario(kHeld, 10);
    scenario.app().setFileChooser([&](QWidget*, bool, const QString&) { return exportFile; });
    const double elapsed = measure(1, [&] { scenario.app().importAction(); }).median;
    if (imported != nullptr) {
        *imported = countEntries(scenario.app().mySQLLite()->dbFilePath()) - kHeld;
    }
    return elapsed;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Localizer::install(QLocale(QLocale::English, QLocale::UnitedStates), kTranslationTables);
    QTemporaryDir work;
    const QString exportFile = work.filePath("export.csv");
    writeExport(exportFile);
    if (argc > 1 && std::strcmp(argv[1], "--memory") == 0) {
        importOnce(exportFile, nullptr);
        std::printf("%.1f\n", peakMemoryMiB());
        return 0;
    }
    std::vector<double> ours, alone;
    int imported = 0;
    for (int run = 0; run < 3; ++run) { // taking turns, so both see the same machine
        ours.push_back(importOnce(exportFile, &imported));
        QTemporaryDir floor;
        alone.push_back(sqliteAlone(floor.filePath("Documents")));
    }
    const double import = summarize(ours).median;
    const double floor = summarize(alone).median;
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--memory"});
    child.waitForFinished(300000);
    std::printf("importing %d rows (%.1f MB) into an account with %d entries, median of 3\n", kRows,
                static_cast<double>(QFile(exportFile).size()) / 1e6, kHeld);
    std::printf("  end to end                  %8.0f ms   (%d entries added)\n", import, imported);
    std::printf("  SQLite alone, one transaction %6.0f ms   import %.2fx of it\n", floor,
                import / floor);
    std::printf("  peak memory of the import   %8s MiB\n",
                child.readAllStandardOutput().trimmed().constData());
    return 0;
}
