// A disk that fails a read, a write, a sync or a lock, or that is full: every
// write of the store answers truthfully (false: the file holds what it held;
// true: the change is there), the file stays sound, and the same store works
// again once the disk does. Each write is tried with the fault at every call
// it makes, the 1st, the 2nd, ... until a run no longer reaches the fault.
#include "AppFixture.h"
#include "RobustnessSupport.h"

#include <functional>
#include <iostream>
#include <limits>

using namespace robust;
using faultvfs::Fault;
using faultvfs::Kind;

namespace {

// Each way a disk fails, as a passing glitch and as a lasting fault.
std::vector<Fault> faultKinds() {
    return {
        {Kind::Read, 1, false},
        {Kind::Read, 1, true},
        {Kind::Write, 1, false},
        {Kind::Write, 1, true},
        {Kind::Full, 1, true},
        {Kind::Sync, 1, false},
        {Kind::Sync, 1, true},
        {Kind::Lock, 1, false, SQLITE_IOERR_LOCK},
        {Kind::Lock, 1, true, SQLITE_IOERR_LOCK},
        // A lock another process holds for a moment; the busy timeout waits
        // it out. (Held for longer: SecondCopyTest.)
        {Kind::Lock, 1, false, SQLITE_BUSY},
    };
}

// Runs `attempt(fault)` once with no fault, counting the calls of the
// fault's kind it makes, then with the fault at each of those calls in turn;
// returns how many fault points were tried.
int everyFaultPoint(const Fault& kind, const std::function<void(const Fault&)>& attempt) {
    Fault fault = kind;
    fault.nth = std::numeric_limits<int>::max();
    attempt(fault);
    const int calls = faultvfs::calls();
    int tried = 0;
    for (fault.nth = 1; fault.nth <= calls; ++fault.nth) {
        attempt(fault);
        // The calls before the nth are those of the undisturbed run.
        EXPECT_TRUE(faultvfs::fired()) << faultvfs::describe(fault) << " was never reached";
        ++tried;
    }
    return tried;
}

class IoFaultTest : public ::testing::Test {
protected:
    void SetUp() override { faultvfs::install(); }
    void TearDown() override { faultvfs::disarm(); }

    // A file with three accounts (one owning nothing) and a few entries, one with a memo long
    // enough to need overflow pages, so that writes touch several pages.
    void makeTemplate(const std::filesystem::path& documents) {
        MySQLLite store(documents.string(), nullptr);
        store.createTables();
        ASSERT_TRUE(store.insertUser(makeUser("alice", "secret", 0)));
        ASSERT_TRUE(store.insertUser(makeUser("bob", "empty-handed", 0)));
        ASSERT_TRUE(store.insertPassword(
            makeEntry(1, 1, "Mail", "root@x", "pw1", "", std::string(9000, 'm'))));
        ASSERT_TRUE(store.insertPassword(makeEntry(2, 2, "Web", "alice", "pw2", "https://x")));
        ASSERT_TRUE(store.insertPassword(makeEntry(1, 3, "PC", "admin", "pw3")));
    }
};

struct StoreWrite {
    const char* name;
    std::function<bool(MySQLLite&)> run;
};

std::vector<StoreWrite> storeWrites() {
    return {
        {"insertPassword",
         [](MySQLLite& store) {
             return store.insertPassword(
                 makeEntry(2, 4, "New", "me", "pw", "http://n", std::string(6000, 'n')));
         }},
        {"updatePassword",
         [](MySQLLite& store) {
             return store.updatePassword(makeEntry(2, 5, "Changed", "u", "p", "h",
                                                   std::string(12000, 'c'), /*id=*/1)) ==
                    WriteResult::Done;
         }},
        {"delPassword", [](MySQLLite& store) { return store.delPassword(1) == WriteResult::Done; }},
        {"insertUser",
         [](MySQLLite& store) { return store.insertUser(makeUser("carol", "pw", 0)); }},
        {"updateUser",
         [](MySQLLite& store) {
             return store.updateUser(makeUser("alice2", "pw2", 1, /*id=*/2)) == WriteResult::Done;
         }},
        {"delUser", [](MySQLLite& store) { return store.delUser(3) == WriteResult::Done; }},
    };
}

} // namespace

TEST_F(IoFaultTest, EveryStoreWriteIsTruthfulUnderDiskFaultsAndTheStoreRecovers) {
    TempFolder folder(memoryFolder());
    const std::filesystem::path templateDocuments = folder.path() / "template";
    makeTemplate(templateDocuments);
    const std::string templateBytes = readFile(templateDocuments / MySQLLite::kFileName);
    const std::string before = OtherConnection(templateDocuments / MySQLLite::kFileName).dump();

    int tried = 0;
    for (const StoreWrite& write : storeWrites()) {
        // What the write gives on a sound disk.
        std::string expected;
        {
            const std::filesystem::path documents = folder.path() / "expected";
            writeFile(documents / MySQLLite::kFileName, templateBytes);
            MySQLLite store(documents.string(), nullptr);
            store.createTables();
            ASSERT_TRUE(write.run(store)) << write.name;
            expected = OtherConnection(documents / MySQLLite::kFileName).dump();
            ASSERT_NE(expected, before) << write.name;
        }

        for (const Fault& kind : faultKinds()) {
            tried += everyFaultPoint(kind, [&](const Fault& fault) {
                SCOPED_TRACE(std::string(write.name) + ", " + faultvfs::describe(fault));
                TempFolder run(folder.path());
                const std::filesystem::path file = run.path() / MySQLLite::kFileName;
                writeFile(file, templateBytes);
                MySQLLite store(run.path().string(), nullptr);
                store.createTables();

                faultvfs::arm(fault);
                const bool written = write.run(store);
                faultvfs::disarm();

                {
                    OtherConnection other(file);
                    ASSERT_EQ(other.integrity(), "ok");
                    EXPECT_EQ(other.dump(), written ? expected : before)
                        << "the write answered " << written;
                }
                // The same store, once the disk works again.
                if (!written) {
                    EXPECT_TRUE(write.run(store)) << "the retry failed";
                    EXPECT_EQ(OtherConnection(file).dump(), expected);
                }
                EXPECT_TRUE(store.insertPassword(makeEntry(1, 8, "after")));
                EXPECT_EQ(store.getPasswords(1, "Lock").size(), 1u);
                EXPECT_EQ(OtherConnection(file).integrity(), "ok");
            });
        }
    }

    // The first start on a new file: it creates three tables and seeds them
    // in several statements. A start that failed part-way leaves a sound
    // file, and the next start completes it exactly as an undisturbed first
    // start would have (categories in their order, root with ID 1).
    std::string freshFile;
    {
        const std::filesystem::path documents = folder.path() / "fresh";
        MySQLLite(documents.string(), nullptr).createTables();
        freshFile = OtherConnection(documents / MySQLLite::kFileName).dump();
    }
    int closedByAGlitch = 0;
    for (const Fault& kind : faultKinds()) {
        tried += everyFaultPoint(kind, [&](const Fault& fault) {
            SCOPED_TRACE(std::string("createTables, ") + faultvfs::describe(fault));
            TempFolder run(folder.path());
            const std::filesystem::path file = run.path() / MySQLLite::kFileName;
            {
                MySQLLite store(run.path().string(), nullptr);
                faultvfs::arm(fault);
                store.createTables();
                faultvfs::disarm();
                ASSERT_EQ(OtherConnection(file).integrity(), "ok");
                // Whatever the first start managed, the store answers from the
                // file as it is: every account it lists can log in.
                for (const UserSchema& user : store.getUsers(true)) {
                    EXPECT_TRUE(store.login(*user.User(), *user.Password()));
                }
                // A passing glitch leaves a complete start behind, and the
                // same store works at once; unless it hit the opening of the
                // file: then, as for any failed open, the store stays closed
                // until the next start and has written nothing.
                if (!fault.persistent) {
                    if (store.getCategories().empty()) {
                        ++closedByAGlitch;
                        EXPECT_FALSE(store.insertUser(makeUser("after", "pw", 0)));
                        EXPECT_EQ(std::filesystem::file_size(file), 0u);
                    } else {
                        EXPECT_TRUE(store.login("root", "tiwe"));
                        EXPECT_EQ(store.getCategories().size(), 10u);
                        EXPECT_TRUE(store.insertUser(makeUser("after", "pw", 0)));
                        EXPECT_EQ(OtherConnection(file).integrity(), "ok");
                        return;
                    }
                }
            }
            MySQLLite restarted(run.path().string(), nullptr);
            restarted.createTables();
            EXPECT_EQ(OtherConnection(file).dump(), freshFile);
            EXPECT_TRUE(restarted.login("root", "tiwe"));
        });
    }

    std::cout << "store writes: " << tried << " fault points tried (" << closedByAGlitch
              << " passing glitches while opening a new file left the store closed)" << std::endl;
    EXPECT_GT(tried, 300);
}

// Whether an account owns entries decides whether it may be deleted: a read
// that fails must answer "unknown", never "owns nothing".
TEST_F(IoFaultTest, AFailedReadNeverSaysAnAccountOwnsNothing) {
    TempFolder folder(memoryFolder());
    makeTemplate(folder.path());
    int unknown = 0;
    for (const Fault& kind : {Fault{Kind::Read, 1, false}, Fault{Kind::Read, 1, true}}) {
        everyFaultPoint(kind, [&](const Fault& fault) {
            SCOPED_TRACE(faultvfs::describe(fault));
            MySQLLite store(folder.path().string(), nullptr); // a cold page cache
            faultvfs::arm(fault);
            const std::optional<bool> aliceOwns = store.hasData(2);
            const std::optional<bool> bobOwns = store.hasData(3);
            faultvfs::disarm();
            EXPECT_NE(aliceOwns, std::optional<bool>(false));
            EXPECT_NE(bobOwns, std::optional<bool>(true));
            unknown += !aliceOwns.has_value();
        });
    }
    EXPECT_GT(unknown, 0) << "no read fault reached the question";
}

// The entry editor's Save, with the disk failing at each call the save makes:
// either the entry is saved where the user filed it and the editor closes, or
// the "could not save" alert shows, nothing is written and every typed field
// stays, so that pressing Save again once the disk works saves it.
class AppIoFaultTest : public AppFixture {
protected:
    void SetUp() override {
        faultvfs::install();
        AppFixture::SetUp();
        start();
        logIn("root", "tiwe");
        ui().websiteButton->click();
    }
    void TearDown() override {
        faultvfs::disarm();
        AppFixture::TearDown();
    }

    using Rows = std::vector<std::vector<std::string>>;
    Rows stored(const std::string& title) {
        return query("SELECT CategoryID, Title, User, Password, Http, Memo FROM LM_PASSWORD "
                     "WHERE Title='" +
                     title + "'");
    }
};

TEST_F(AppIoFaultTest, ASaveHitByADiskFaultWarnsKeepsWhatWasTypedAndSavesLater) {
    int tried = 0, warned = 0;
    for (const Fault& kind : faultKinds()) {
        tried += everyFaultPoint(kind, [&](const Fault& fault) {
            const std::string title = "T" + std::to_string(tried) + "-" +
                                      std::to_string(fault.nth) +
                                      std::to_string(static_cast<int>(fault.kind));
            SCOPED_TRACE(faultvfs::describe(fault));
            alerts_.alerts.clear();
            ui().addButton->click();
            fillEntryEditor(QString::fromStdString(title), "me", "pw", "https://bank",
                            "memo\nline 2");

            faultvfs::arm(fault);
            ui().saveButton->click();
            faultvfs::disarm();

            const Rows savedAsTyped{{"2", title, "me", "pw", "https://bank", "memo\nline 2"}};
            if (alerts_.alerts.empty()) {
                EXPECT_EQ(stored(title), savedAsTyped) << "saved without a warning, but not so";
                EXPECT_EQ(app().shownBox(), ui().passwordBox);
                return;
            }
            ++warned;
            EXPECT_EQ(alertKeys(), std::vector<std::string>{"SaveFailAlert/SaveFailAlertInfo"});
            EXPECT_EQ(stored(title), Rows{}) << "warned, yet written";
            EXPECT_EQ(app().shownBox(), ui().createPasswordBox);
            EXPECT_EQ(ui().titleField->text().toStdString(), title);
            EXPECT_EQ(ui().userField->text(), "me");
            EXPECT_EQ(ui().pwdField->text(), "pw");
            EXPECT_EQ(ui().httpField->text(), "https://bank");
            EXPECT_EQ(ui().memoField->toPlainText(), "memo\nline 2");
            EXPECT_EQ(ui().categoryPopupButton->currentText(), "Website");

            ui().saveButton->click(); // the disk works again
            EXPECT_EQ(alerts_.alerts.size(), 1u);
            EXPECT_EQ(stored(title), savedAsTyped);
            EXPECT_EQ(app().shownBox(), ui().passwordBox);
        });
    }
    std::cout << "entry editor Save: " << tried << " fault points tried, " << warned << " warned"
              << std::endl;
    EXPECT_GT(warned, 0);
    EXPECT_EQ(query("PRAGMA integrity_check"), Rows{{"ok"}});
}
