#pragma once

// What the benchmarks share: timing, the peak memory, a silent alert stand-in,
// and filling the file as another program would, so filling is not measured.
#include "toolkit/AlertPresenter.h"

#include <QElapsedTimer>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sqlite3.h>
#include <string>
#include <vector>

struct Timing {
    double median = 0;
    double max = 0;
};

inline Timing summarize(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples.back()};
}

// Milliseconds per run of `work`, over `runs` runs.
inline Timing measure(int runs, const std::function<void()>& work) {
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        samples.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return summarize(samples);
}

class SilentAlerts : public AlertPresenter {
public:
    void showKeyedAlert(const QString&, const QString&) override {}
    int runDeleteConfirmation(const QString&, const QString&, const QString&,
                              const QString&) override {
        return AlertOtherReturn;
    }
    int runDeleteConfirmationOf(const QString&, const QString&, const QString&, const QString&,
                                const QString&) override {
        return AlertOtherReturn;
    }
    void showTextAlert(const QString&, const QString&) override {}
    // An import's summary is answered yes, so the import runs.
    int runTextConfirmation(const QString&, const QString&, const QString&,
                            const QString&) override {
        return AlertDefaultReturn;
    }
};

// Fills `count` of root's entries, spread over the first `categories`
// categories, in one transaction. Every fifth memo is German, so searches
// meet accented text.
inline void fillEntries(const QString& file, int count, int categories = 1) {
    static const char* const kServices[] = {"Mail",   "Bank",  "Shop",   "Forum", "Router",
                                            "Stream", "Cloud", "Travel", "News",  "Games"};
    sqlite3* db = nullptr;
    sqlite3_open(file.toUtf8().constData(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO LM_PASSWORD(UserID,CategoryID,Title,User,Password,Http,Memo) "
                       "VALUES(1,?,?,?,?,?,?)",
                       -1, &insert, nullptr);
    for (int i = 0; i < count; ++i) {
        char title[64];
        std::snprintf(title, sizeof title, "%s account %07d at example", kServices[i % 10],
                      (i * 7919) % count);
        const std::string user = "user" + std::to_string(i) + "@example.org";
        const std::string password = "pw-" + std::to_string(i * 31337);
        const std::string http = "https://" + std::string(kServices[(i / 10) % 10]) +
                                 ".example.org/login/" + std::to_string(i);
        const char* memo = i % 5 == 0 ? "Kundennummer bei Müller, Straße 5" : "a short note";
        sqlite3_bind_int(insert, 1, 1 + i % categories);
        sqlite3_bind_text(insert, 2, title, -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 3, user.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 4, password.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 5, http.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 6, memo, -1, SQLITE_STATIC);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// The process's peak resident memory. Read from VmHWM, not getrusage():
// Linux carries ru_maxrss across exec, so a child started by a large parent
// would report the parent's size.
inline double peakMemoryMiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0; // the line is in kB
        }
    }
    return -1;
}
