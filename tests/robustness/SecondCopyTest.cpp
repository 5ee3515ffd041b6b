// A second running copy of the program, or another program, on the same
// file: each copy sees the other's writes at its next read, and a write
// waits up to the store's busy timeout (1.5 s) for a lock another process
// holds, succeeding when the lock goes in time and failing truthfully when
// it does not.
#include "AppFixture.h"
#include "RobustnessSupport.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace robust;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {

long long millisecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// The sqlite3 command-line tool in another process, inside a transaction
// that holds the write lock: "BEGIN IMMEDIATE;" and one insert of its own go
// in on its standard input, which stays open for `hold`; then "COMMIT;" and
// the end of input let it finish.
class LockingTool {
public:
    LockingTool(const std::filesystem::path& file, const std::string& accountName,
                std::chrono::milliseconds hold) {
        int input[2];
        if (::pipe2(input, O_CLOEXEC) != 0) {
            ADD_FAILURE() << "no pipe";
            return;
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(input[0], STDIN_FILENO);
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, STDOUT_FILENO);
            ::execlp("sqlite3", "sqlite3", "-bail", file.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(input[0]);
        toTool_ = input[1];
        // It waits for a probe of ours that may hold the lock for an instant.
        send(".timeout 5000\nBEGIN IMMEDIATE;\nINSERT INTO LM_USER(User,Password,IsRoot) VALUES('" +
             accountName + "','x',0);\n");
        locked_ = waitForTheLock(file);
        lockedAt_ = Clock::now();
        releaser_ = std::thread([this, hold] {
            std::this_thread::sleep_until(lockedAt_ + hold);
            send("COMMIT;\n");
            ::close(toTool_);
        });
    }
    ~LockingTool() { finish(); }

    // Whether the tool held the write lock when the constructor returned.
    bool locked() const { return locked_; }
    Clock::time_point lockedAt() const { return lockedAt_; }

    // Waits for the tool to commit and end; its exit status (0 when it committed).
    int finish() {
        if (releaser_.joinable()) {
            releaser_.join();
        }
        if (pid_ > 0) {
            int status = 0;
            ::waitpid(pid_, &status, 0);
            pid_ = -1;
            status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
        }
        return status_;
    }

private:
    void send(const std::string& text) {
        if (::write(toTool_, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
            ADD_FAILURE() << "could not write to sqlite3";
        }
    }

    // The lock is there once another connection cannot begin a write.
    static bool waitForTheLock(const std::filesystem::path& file) {
        const auto deadline = Clock::now() + 10s;
        while (Clock::now() < deadline) {
            sqlite3* probe = nullptr;
            sqlite3_open_v2(file.c_str(), &probe, SQLITE_OPEN_READWRITE, nullptr);
            const int result = sqlite3_exec(probe, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
            sqlite3_exec(probe, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(probe);
            if (result == SQLITE_BUSY) {
                return true;
            }
            std::this_thread::sleep_for(2ms);
        }
        return false;
    }

    pid_t pid_ = -1;
    int toTool_ = -1;
    bool locked_ = false;
    int status_ = -1;
    Clock::time_point lockedAt_;
    std::thread releaser_;
};

class SecondCopyTest : public ::testing::Test {
protected:
    std::filesystem::path file() const { return folder_.path() / MySQLLite::kFileName; }
    MySQLLite& store() { return *store_; }
    void SetUp() override {
        store_ = std::make_unique<MySQLLite>(folder_.path().string(), nullptr);
        store_->createTables();
    }
    std::vector<std::string> entriesOnFile() {
        return OtherConnection(file()).rows(
            "SELECT ID, UserID, Title FROM LM_PASSWORD ORDER BY ID");
    }
    std::vector<std::string> accountNamesOnFile() {
        return OtherConnection(file()).rows("SELECT User FROM LM_USER ORDER BY ID");
    }

    // In memory: the timings under test are the lock's, not the disk's.
    TempFolder folder_{memoryFolder()};
    std::unique_ptr<MySQLLite> store_;
};

std::vector<std::string> titles(const std::vector<PasswordSchema>& entries) {
    std::vector<std::string> result;
    for (const auto& entry : entries) {
        result.push_back(*entry.Title());
    }
    return result;
}

} // namespace

TEST_F(SecondCopyTest, TwoStoresOnOneFileSeeEachOthersWritesAtTheirNextRead) {
    MySQLLite& first = store();
    MySQLLite second(folder_.path().string(), nullptr);
    second.createTables(); // a second start: nothing seeded twice
    EXPECT_EQ(accountNamesOnFile(), std::vector<std::string>{"'root'"});
    EXPECT_EQ(first.getCategories().size(), 10u);

    ASSERT_TRUE(first.getPasswords(1, "Email").empty()); // the first copy has read the file
    ASSERT_TRUE(second.insertUser(makeUser("bob", "pw", 0)));
    ASSERT_TRUE(second.insertPassword(makeEntry(1, 1, "from the second copy")));
    const auto bob = first.login("bob", "pw");
    ASSERT_TRUE(bob);
    EXPECT_EQ(bob->ID(), 2);
    ASSERT_EQ(titles(first.getPasswords(1, "Email")),
              std::vector<std::string>{"from the second copy"});

    // Each edits what the other wrote.
    PasswordSchema entry = first.getPasswords(1, "Email")[0];
    entry.setTitle("edited by the first");
    ASSERT_EQ(first.updatePassword(entry), WriteResult::Done);
    EXPECT_EQ(second.getPassword(entry.ID())->Title(), "edited by the first");
    ASSERT_EQ(second.updateUser(makeUser("bobby", "pw", 0, 2)), WriteResult::Done);
    EXPECT_FALSE(first.login("bob", "pw"));
    EXPECT_TRUE(first.login("bobby", "pw"));

    // A name the other copy took meanwhile is refused, not doubled.
    EXPECT_FALSE(first.insertUser(makeUser("bobby", "other", 1)));
    ASSERT_EQ(first.delPassword(entry.ID()), WriteResult::Done);
    EXPECT_FALSE(second.getPassword(entry.ID()));
    EXPECT_EQ(second.hasData(1), false);
    EXPECT_EQ(accountNamesOnFile(), (std::vector<std::string>{"'root'", "'bobby'"}));
    EXPECT_EQ(OtherConnection(file()).integrity(), "ok");
}

TEST_F(SecondCopyTest, AWriteWaitsForAShortLockOfAnotherProcessAndGivesUpOnALongOne) {
    ASSERT_TRUE(store().insertPassword(makeEntry(1, 1, "before")));

    // Released after 0.5 s, within the 1.5 s the store waits: the write
    // goes through once the lock is gone, after the other process's write.
    {
        LockingTool tool(file(), "tool-short", 500ms);
        ASSERT_TRUE(tool.locked());
        EXPECT_TRUE(store().insertPassword(makeEntry(1, 1, "during a short lock")));
        const auto waited = millisecondsSince(tool.lockedAt());
        EXPECT_GE(waited, 400) << "the write did not wait for the lock";
        EXPECT_LT(waited, 1500);
        EXPECT_EQ(tool.finish(), 0);
    }
    EXPECT_EQ(entriesOnFile(),
              (std::vector<std::string>{"1 | 1 | 'before'", "2 | 1 | 'during a short lock'"}));
    // The store sees the other program's write at its next read.
    EXPECT_TRUE(store().login("tool-short", "x"));

    // Held for 2.5 s, longer than the store waits: the write fails after
    // the timeout and leaves nothing behind, not even once the lock is gone.
    {
        LockingTool tool(file(), "tool-long", 2500ms);
        ASSERT_TRUE(tool.locked());
        const std::string before =
            OtherConnection(file()).rows("SELECT count(*) FROM LM_PASSWORD")[0];
        EXPECT_FALSE(store().insertPassword(makeEntry(1, 1, "during a long lock")));
        const auto waited = millisecondsSince(tool.lockedAt());
        EXPECT_GE(waited, 1400) << "the write gave up before the busy timeout";
        EXPECT_LT(waited, 2500) << "the write waited for the lock to go";
        EXPECT_EQ(tool.finish(), 0);
        EXPECT_EQ(before, "2");
    }
    EXPECT_EQ(entriesOnFile(),
              (std::vector<std::string>{"1 | 1 | 'before'", "2 | 1 | 'during a short lock'"}));
    EXPECT_TRUE(store().login("tool-long", "x"));
    // The same store writes again once the lock is gone.
    EXPECT_TRUE(store().insertPassword(makeEntry(1, 1, "after")));
    EXPECT_EQ(titles(store().getPasswords(1, "Email")),
              (std::vector<std::string>{"after", "before", "during a short lock"}));
    EXPECT_EQ(OtherConnection(file()).integrity(), "ok");
}

// The program itself, with another process holding the lock while the user
// presses Save.
class SecondCopyAppTest : public AppFixture {
protected:
    using Rows = std::vector<std::vector<std::string>>;
    std::filesystem::path file() const { return dbFile().toStdString(); }
};

TEST_F(SecondCopyAppTest, ASaveBlockedByAnotherProcessWarnsKeepsTheTextAndSavesLater) {
    start();
    logIn("root", "tiwe");
    ui().emailButton->click();

    // Another process holds the lock for longer than the store waits.
    ui().addButton->click();
    fillEntryEditor("Bank", "me", "pw", "https://bank", "a memo");
    {
        LockingTool tool(file(), "tool", 2500ms);
        ASSERT_TRUE(tool.locked());
        ui().saveButton->click();
        EXPECT_EQ(alertKeys(), std::vector<std::string>{"SaveFailAlert/SaveFailAlertInfo"});
        EXPECT_EQ(app().shownBox(), ui().createPasswordBox);
        EXPECT_EQ(ui().titleField->text(), "Bank");
        EXPECT_EQ(ui().userField->text(), "me");
        EXPECT_EQ(ui().pwdField->text(), "pw");
        EXPECT_EQ(ui().httpField->text(), "https://bank");
        EXPECT_EQ(ui().memoField->toPlainText(), "a memo");
        EXPECT_EQ(tool.finish(), 0);
    }
    EXPECT_EQ(query("SELECT count(*) FROM LM_PASSWORD"), (Rows{{"0"}}));

    // Pressed again once the other process is done: saved.
    ui().saveButton->click();
    EXPECT_EQ(alerts_.alerts.size(), 1u);
    EXPECT_EQ(app().shownBox(), ui().passwordBox);
    EXPECT_EQ(query("SELECT Title, Memo FROM LM_PASSWORD"), (Rows{{"Bank", "a memo"}}));

    // A lock held briefly only delays the save.
    ui().addButton->click();
    fillEntryEditor("Card", "", "1234");
    {
        LockingTool tool(file(), "tool2", 400ms);
        ASSERT_TRUE(tool.locked());
        ui().saveButton->click();
        EXPECT_EQ(tool.finish(), 0);
    }
    EXPECT_EQ(alerts_.alerts.size(), 1u);
    EXPECT_EQ(columnTexts(ui().passwordTableView, 0), (std::vector<QString>{"Bank", "Card"}));

    // A second running copy adds an entry and an account: this copy's lists
    // show them the next time they are asked.
    {
        MySQLLite secondCopy(home_.filePath("Documents").toStdString(), nullptr);
        secondCopy.createTables();
        ASSERT_TRUE(secondCopy.insertPassword(makeEntry(1, 1, "Added elsewhere", "", "p")));
    }
    ui().emailButton->click();
    EXPECT_EQ(columnTexts(ui().passwordTableView, 0),
              (std::vector<QString>{"Added elsewhere", "Bank", "Card"}));
    ui().usersButton->click();
    EXPECT_EQ(columnTexts(ui().userTable, 0), (std::vector<QString>{"root", "tool", "tool2"}));
}
