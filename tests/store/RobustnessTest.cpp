// A writer killed mid-stream or stopped by a full disk: every save it was told succeeded is in
// the file, the file stays sound, and the failed save was reported as one. And random writes by
// three accounts in three categories, each followed by a look at every list against a plain
// model of what the file must hold.
#include "MySQLLite.h"
#include "support/OtherConnection.h"
#include "support/Records.h"

#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>
#include <sys/resource.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

TEST(Robustness, AKilledOrFullDiskWriterLosesNothingItWasToldWasSavedPlainOrProtected) {
    QTemporaryDir folder;
    const std::string documents = folder.filePath("Documents").toStdString();
    MySQLLite(documents, nullptr).createTables();
    // The store a writer or the check opens: after the plain runs, the file is protected.
    bool isProtected = false;
    const auto open = [&](MySQLLite& store) {
        store.createTables();
        if (isProtected) {
            store.unlock("pass phrase");
        }
    };
    for (const rlim_t limit :
         {RLIM_INFINITY, rlim_t(256 * 1024), rlim_t(0), RLIM_INFINITY, rlim_t(256 * 1024)}) {
        if (limit == 0) { // between the plain and the protected runs
            MySQLLite store(documents, nullptr);
            store.createTables();
            ASSERT_EQ(store.protect("pass phrase", "0000-0000-0000-0000-0000-0000-0000-0000",
                                    KdfCost::cheapest()),
                      MySQLLite::Conversion::Done);
            isProtected = true;
            continue;
        }
        int pipeEnds[2];
        ASSERT_EQ(pipe(pipeEnds), 0);
        const pid_t writer = fork();
        if (writer == 0) { // saves entry after entry and says each answer: its number, or -1
            std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of killing
            const rlimit fileSize{limit, limit};
            setrlimit(RLIMIT_FSIZE, &fileSize);
            MySQLLite store(documents, nullptr);
            open(store);
            for (int i = 0;; ++i) {
                const PasswordSchema entry =
                    makeEntry(1, 1, std::to_string(i), std::string(3000, 'p'));
                const int answer = store.insertPassword(entry) ? i : -1;
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
        MySQLLite store(documents, nullptr); // every page whole, and every save there
        open(store);
        ASSERT_EQ(store.fileProblem(), FileProblem::None) << isProtected;
        EXPECT_TRUE(store.isSound()) << isProtected;
        std::set<int> titles;
        for (const PasswordSchema& entry : store.getAllPasswords(1)) {
            titles.insert(std::stoi(*entry.Title()));
            EXPECT_EQ(store.delPassword(entry.ID()), WriteResult::Done);
        }
        EXPECT_EQ(titles.size(), titles.empty() ? 0 : *titles.rbegin() + 1u) << isProtected;
        EXPECT_GE(static_cast<int>(titles.size()), saved) << isProtected;
    }
}

TEST(StoreModel, RandomWritesLeaveEveryListAsAPlainModelHoldsIt) {
    QTemporaryDir folder;
    MySQLLite store(folder.filePath("Documents").toStdString(), nullptr);
    store.createTables();
    std::mt19937 random(20261207);
    std::map<int32_t, PasswordSchema> model;                                // by ID
    using Row = std::tuple<std::string, int32_t, std::string, std::string>; // in the list's order
    const auto rowOf = [](const PasswordSchema& e) {
        return Row{*e.Title(), e.ID(), *e.Password(), *e.Memo()};
    };
    for (int32_t step = 1, lastID = 0; step <= 1500; ++step) {
        PasswordSchema entry = makeEntry(1 + random() % 2, 1 + random() % 2,
                                         std::to_string(random() % 5), "'" + std::to_string(step));
        entry.setMemo(std::to_string(random() % 3));
        entry.setID(1 + random() % (lastID + 1)); // one that exists, was deleted, or is to come
        const auto found = model.find(entry.ID());
        const WriteResult expected = found != model.end() ? WriteResult::Done : WriteResult::NoRow;
        if (const int action = random() % 3; action == 0) {
            ASSERT_TRUE(store.insertPassword(entry));
            entry.setID(++lastID);
            model[entry.ID()] = entry;
        } else if (action == 1) {
            ASSERT_EQ(store.updatePassword(entry), expected);
            if (found != model.end()) { // an entry keeps its owner
                entry.setUserID(found->second.UserID());
                found->second = entry;
            }
        } else {
            ASSERT_EQ(store.delPassword(entry.ID()), expected);
            model.erase(entry.ID());
        }
        std::vector<std::tuple<int32_t, int32_t, Row>> modelled, stored;
        for (const auto& [id, e] : model) {
            modelled.emplace_back(e.UserID(), e.CategoryID(), rowOf(e));
        }
        std::sort(modelled.begin(), modelled.end());
        for (int32_t user = 1; user <= 2; ++user) {
            for (const auto& [category, name] : {std::pair(1, "Email"), std::pair(2, "Website")}) {
                for (const PasswordSchema& e : store.getPasswords(user, std::string(name))) {
                    stored.emplace_back(user, category, rowOf(e));
                }
            }
        }
        ASSERT_EQ(stored, modelled) << "step " << step;
    }
}
