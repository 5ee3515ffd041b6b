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

TEST(Robustness, AKilledOrFullDiskWriterLosesNothingItWasToldWasSaved) {
    TempFolder folder;
    const std::string documents = (folder.path() / "Documents").string();
    MySQLLite(documents, nullptr).createTables();
    for (const rlim_t limit : {RLIM_INFINITY, rlim_t(256 * 1024)}) {
        int pipeEnds[2];
        ASSERT_EQ(pipe(pipeEnds), 0);
        const pid_t writer = fork();
        if (writer == 0) { // saves entry after entry and says each answer: its number, or -1
            std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of killing
            const rlimit fileSize{limit, limit};
            setrlimit(RLIMIT_FSIZE, &fileSize);
            MySQLLite store(documents, nullptr);
            store.createTables();
            for (int i = 0;; ++i) {
                const int answer =
                    store.insertPassword(makeEntry(1, 1, std::to_string(i), std::string(3000, 'p')))
                        ? i
                        : -1;
                if (write(pipeEnds[1], &answer, sizeof answer) != sizeof answer || answer < 0) {
                    _exit(0);
                }
            }
        }
        close(pipeEnds[1]);
        int saved = 0, answer = 0;
        while (saved < 100 && read(pipeEnds[0], &answer, sizeof answer) == sizeof answer &&
               answer >= 0) {
            ++saved;
        }
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);
        close(pipeEnds[0]);
        EXPECT_EQ(answer < 0, limit != RLIM_INFINITY) << "the full disk was reported";
        OtherConnection file(documents + "/Lockmere.sqlite3");
        EXPECT_EQ(file.rows("PRAGMA integrity_check"), (OtherConnection::Rows{{"ok"}}));
        EXPECT_EQ(file.rows("SELECT count(DISTINCT Title) FROM LM_PASSWORD WHERE "
                            "CAST(Title AS INTEGER) < " +
                            std::to_string(saved)),
                  (OtherConnection::Rows{{std::to_string(saved)}}));
        EXPECT_EQ(file.exec("DELETE FROM LM_PASSWORD"), "");
    }
}
