// A protected file: nothing of any table in the clear on disk at any moment, every tampering
// found before anything is written, every secret exactly as strong as said, and the file's
// promises (a kill, a full disk, a second copy) kept as for a plain file.
#include "MySQLLite.h"
#include "support/OtherConnection.h"
#include "support/Records.h"

#include <QTemporaryDir>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
const std::string kCode = "ABCD-EFGH-JKMN-PQRS-TVWX-YZ01-2345-6789";
// One text of every table: an account's name and password, a category, every field of an entry.
const std::vector<std::string> kTexts = {
    "zoe-account",     "zoe-login-pw",           "Email",      "title-needle", "user-needle",
    "password-needle", "https://address-needle", "memo-needle"};
} // namespace

class ProtectionTest : public ::testing::Test {
protected:
    using Rows = OtherConnection::Rows;

    void SetUp() override {
        MySQLLite& store = start();
        ASSERT_TRUE(store.insertUser(makeUser("zoe-account", "zoe-login-pw", 0)));
        PasswordSchema entry = makeEntry(2, 1, "title-needle", "password-needle");
        entry.setUser("user-needle");
        entry.setHttp("https://address-needle");
        entry.setMemo("memo-needle");
        ASSERT_TRUE(store.insertPasswords(std::vector<PasswordSchema>(300, entry), nullptr) ==
                    MySQLLite::BatchResult::Done);
        schema_ = sql("SELECT sql FROM sqlite_master ORDER BY name");
        ASSERT_EQ(store.protect("pass phrase", kCode, KdfCost::cheapest()),
                  MySQLLite::Conversion::Done);
    }
    MySQLLite& start() {
        store_ = std::make_unique<MySQLLite>(documents_, nullptr);
        store_->createTables();
        return *store_;
    }
    Rows sql(const std::string& query) { return OtherConnection(file_).rows(query); }
    std::string bytes(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    // Every text of the tables that stands in the clear in the file or its journal.
    std::vector<std::string> inTheClear() {
        std::vector<std::string> found;
        for (const std::string& path : {file_, file_ + "-journal"}) {
            const std::string held = bytes(path);
            for (const std::string& text : kTexts) {
                if (held.find(text) != std::string::npos) {
                    found.push_back(text + " in " + path);
                }
            }
        }
        return found;
    }
    QTemporaryDir folder_;
    std::string documents_ = folder_.filePath("Documents").toStdString();
    std::string file_ = documents_ + "/Lockmere.sqlite3";
    std::unique_ptr<MySQLLite> store_;
    Rows schema_;
};

TEST_F(ProtectionTest, NoTextOfAnyTableIsOnDiskInTheClearAtAnyMoment) {
    EXPECT_EQ(inTheClear(), std::vector<std::string>{});
    EXPECT_EQ(sql("SELECT count(*) FROM LM_USER"), (Rows{{"error: file is not a database"}}));
    ASSERT_TRUE(store_->insertPassword(makeEntry(2, 1, "title-needle", "password-needle")));
    EXPECT_EQ(inTheClear(), std::vector<std::string>{});
    // A writer killed in the middle of a transaction that has spilled pages to the file: its
    // journal holds the old pages, sealed too, and the next opening rolls it back.
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    store_.reset();
    const pid_t writer = fork();
    if (writer == 0) {
        MySQLLite store(documents_, nullptr);
        store.createTables();
        store.unlock("pass phrase");
        const std::vector<PasswordSchema> batch(20000, makeEntry(2, 1, "title-needle", "x"));
        store.insertPasswords(batch, [&](size_t added) {
            if (added == 19968 && write(ready[1], "!", 1) == 1) {
                pause();
            }
            return true;
        });
        _exit(0);
    }
    char signal = 0;
    ASSERT_EQ(read(ready[0], &signal, 1), 1);
    EXPECT_GT(bytes(file_ + "-journal").size(), 0u);
    EXPECT_EQ(inTheClear(), std::vector<std::string>{});
    kill(writer, SIGKILL);
    waitpid(writer, nullptr, 0);
    ASSERT_EQ(start().unlock("pass phrase"), MySQLLite::Unlock::Opened);
    EXPECT_EQ(store_->getAllPasswords(2).size(), 301u);
    EXPECT_EQ(inTheClear(), std::vector<std::string>{});
}

TEST_F(ProtectionTest, EveryTamperingIsSaidAndTheFileIsLeftAsItWas) {
    store_.reset();
    const std::string sealed = bytes(file_);
    const size_t page = 4096, firstPage = 4096;
    const std::function<std::string(std::string)> tamper[] = {
        [&](std::string b) { return b[firstPage + 3 * page + 100] ^= 1, b; }, // flipped
        [&](std::string b) {
            return b.replace(firstPage + page, page, b, firstPage + 2 * page, page), b;
        }, // swapped (a copy over its neighbour)
        [&](std::string b) { return b.substr(0, b.size() - page); }, // cut short
        [&](std::string b) { return b[44 + 40] ^= 1, b; },           // a changed slot
    };
    for (const auto& change : tamper) {
        const std::string damaged = change(sealed);
        std::ofstream(file_, std::ios::binary | std::ios::trunc) << damaged;
        EXPECT_EQ(start().unlock("pass phrase"), MySQLLite::Unlock::Damaged);
        EXPECT_EQ(store_->fileProblem(), FileProblem::Damaged);
        EXPECT_FALSE(store_->insertPassword(makeEntry(2, 1, "t", "p")));
        store_.reset();
        EXPECT_EQ(bytes(file_), damaged);
    }
    std::ofstream(file_, std::ios::binary | std::ios::trunc) << sealed;
    EXPECT_EQ(start().unlock("pass phrase"), MySQLLite::Unlock::Opened);
}

TEST_F(ProtectionTest, EachSecretOpensOnlyItsFileAndProtectionComesOffAsItWentOn) {
    for (const char* wrong : {"pass phrasE", "", "ABCD-EFGH-JKMN-PQRS-TVWX-YZ01-2345-6788"}) {
        EXPECT_EQ(start().unlock(wrong), MySQLLite::Unlock::Refused) << wrong;
        EXPECT_EQ(store_->fileProblem(), FileProblem::Protected);
    }
    EXPECT_EQ(start().unlock("abcd efgh jkmn pqrs tvwx yz01 2345 6789"),
              MySQLLite::Unlock::OpenedWithRecoveryCode);
    ASSERT_TRUE(
        store_->changeSecret(SealedHeader::Slot::Passphrase, "new phrase", KdfCost::cheapest()));
    const std::string before = bytes(file_);
    EXPECT_EQ(start().unlock("pass phrase"), MySQLLite::Unlock::Refused);
    EXPECT_EQ(start().unlock("new phrase"), MySQLLite::Unlock::Opened);
    EXPECT_EQ(bytes(file_).substr(4096), before.substr(4096)); // only the key slot changed
    ASSERT_EQ(store_->removeProtection(), MySQLLite::Conversion::Done);
    EXPECT_FALSE(store_->isProtected());
    EXPECT_EQ(sql("SELECT sql FROM sqlite_master ORDER BY name"), schema_);
    EXPECT_EQ(sql("SELECT count(*), min(Title) FROM LM_PASSWORD WHERE UserID=2"),
              (Rows{{"300", "title-needle"}}));
    EXPECT_EQ(std::filesystem::status(file_).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST_F(ProtectionTest, TwoCopiesShareItAndAKillWhileConvertingLeavesTheOldFileOrTheNewOne) {
    MySQLLite second(documents_, nullptr);
    second.createTables();
    ASSERT_EQ(second.unlock("pass phrase"), MySQLLite::Unlock::Opened);
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(store_->insertPassword(makeEntry(3, 1, "first", "p")));
        ASSERT_TRUE(second.insertPassword(makeEntry(3, 1, "second", "p")));
    }
    EXPECT_EQ(store_->getAllPasswords(3).size(), 40u);
    // Protection taken off by one copy: the other is told, and writes no sealed page into a
    // plain file.
    ASSERT_EQ(store_->removeProtection(), MySQLLite::Conversion::Done);
    EXPECT_FALSE(second.insertPassword(makeEntry(3, 1, "late", "p")));
    EXPECT_EQ(second.fileProblem(), FileProblem::Moved);

    for (const int delay : {0, 1, 3, 6, 10, 20, 40}) { // microseconds × 1000 into protect()
        store_.reset();
        const pid_t converter = fork();
        if (converter == 0) {
            MySQLLite store(documents_, nullptr);
            store.createTables();
            store.protect("pass phrase", kCode, KdfCost::cheapest());
            _exit(0);
        }
        usleep(delay * 1000);
        kill(converter, SIGKILL);
        waitpid(converter, nullptr, 0);
        MySQLLite& store = start();
        if (store.fileProblem() == FileProblem::Protected) {
            ASSERT_EQ(store.unlock("pass phrase"), MySQLLite::Unlock::Opened) << delay;
            EXPECT_EQ(inTheClear(), std::vector<std::string>{}) << delay;
        }
        EXPECT_EQ(store.fileProblem(), FileProblem::None) << delay;
        EXPECT_EQ(store.getAllPasswords(2).size(), 300u) << delay;
        for (const auto& left : std::filesystem::directory_iterator(documents_)) {
            EXPECT_EQ(left.path().filename(), "Lockmere.sqlite3") << delay;
        }
        if (store.isProtected()) {
            ASSERT_EQ(store.removeProtection(), MySQLLite::Conversion::Done);
        }
    }
}
