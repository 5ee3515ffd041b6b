// A writer killed mid-stream or stopped by a full disk: every save it was told succeeded is in
// the file, the file stays sound, and the failed save was reported as one.
#include "MySQLLite.h"
#include "support/OtherConnection.h"
#include "support/Records.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// Starts a writer process that saves entry after entry and reports each answer down a pipe:
// the entry's number when the store said it was saved, -1 when it said it failed.
pid_t startWriter(const std::string& documents, rlim_t fileSizeLimit, int* answers) {
    int pipeEnds[2];
    EXPECT_EQ(pipe(pipeEnds), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        close(pipeEnds[0]);
        if (fileSizeLimit != RLIM_INFINITY) {
            std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of killing
            const rlimit limit{fileSizeLimit, fileSizeLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        MySQLLite store(documents, nullptr);
        store.createTables();
        for (int i = 0;; ++i) {
            const bool saved =
                store.insertPassword(makeEntry(1, 1, std::to_string(i), std::string(3000, 'p')));
            const int answer = saved ? i : -1;
            if (write(pipeEnds[1], &answer, sizeof answer) != sizeof answer || !saved) {
                _exit(0);
            }
        }
    }
    close(pipeEnds[1]);
    *answers = pipeEnds[0];
    return pid;
}
} // namespace

TEST(Robustness, AKilledOrFullDiskWriterLosesNothingItWasToldWasSaved) {
    TempFolder folder;
    const std::string documents = (folder.path() / "Documents").string();
    MySQLLite(documents, nullptr).createTables();
    for (const rlim_t limit : {RLIM_INFINITY, rlim_t(256 * 1024)}) {
        int answers = -1;
        const pid_t writer = startWriter(documents, limit, &answers);
        std::vector<int> saved;
        int answer = 0;
        while (saved.size() < 100 && read(answers, &answer, sizeof answer) == sizeof answer) {
            if (answer < 0) {
                break;
            }
            saved.push_back(answer);
        }
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);
        close(answers);
        EXPECT_EQ(answer < 0, limit != RLIM_INFINITY) << "the full disk was reported";
        OtherConnection file(documents + "/Lockmere.sqlite3");
        EXPECT_EQ(file.rows("PRAGMA integrity_check"), (OtherConnection::Rows{{"ok"}}));
        for (const int number : saved) {
            EXPECT_EQ(file.rows("SELECT count(*) FROM LM_PASSWORD WHERE Title='" +
                                std::to_string(number) + "'"),
                      (OtherConnection::Rows{{"1"}}));
        }
        EXPECT_EQ(file.exec("DELETE FROM LM_PASSWORD"), "");
    }
}
