// A protected file: nothing of any table in the clear on disk at any moment, every tampering
// found before anything is written, every secret exactly as strong as said, and the file's
// promises (a kill, a full disk, a second copy) kept as for a plain file.
#include "MySQLLite.h"
#include "sealed/SealedVfs.h"
#include "support/OtherConnection.h"
#include "support/Records.h"

#include <QTemporaryDir>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sodium.h>
#include <sqlite3.h>
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
    // Leaves a writer killed in the middle of a transaction that has changed every entry and,
    // with room for two pages in its cache, written some to the file: its journal holds the old
    // pages, synced, and the next opening puts them back.
    void killMidTransaction() {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        store_.reset();
        const pid_t writer = fork();
        if (writer == 0) {
            MySQLLite store(documents_, nullptr);
            store.createTables();
            store.unlock("pass phrase"); // admits the file's key to the sealing VFS
            sqlite3* db = nullptr;
            sqlite3_open_v2(file_.c_str(), &db, SQLITE_OPEN_READWRITE, sealedvfs::kName);
            sqlite3_exec(db,
                         "PRAGMA cache_size=2; BEGIN;"
                         "UPDATE LM_PASSWORD SET Memo = Memo || 'changed' WHERE UserID=2",
                         nullptr, nullptr, nullptr);
            if (write(ready[1], "!", 1) == 1) {
                pause();
            }
            _exit(0);
        }
        char signal = 0;
        ASSERT_EQ(read(ready[0], &signal, 1), 1);
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);
    }
    void put(const std::string& path, const std::string& content) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
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
    killMidTransaction();
    EXPECT_GT(bytes(file_ + "-journal").size(), 0u);
    EXPECT_EQ(inTheClear(), std::vector<std::string>{});
    ASSERT_EQ(start().unlock("pass phrase"), MySQLLite::Unlock::Opened);
    EXPECT_EQ(store_->getAllPasswords(2).size(), 301u);
    EXPECT_EQ(store_->getAllPasswords(2).back().Memo(), "memo-needle"); // the change undone
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
        [&](std::string b) { // a slot that asks for a minute of Argon2id, its checksum made anew
            b[45] = 64;
            crypto_generichash(reinterpret_cast<unsigned char*>(&b[300]), 32,
                               reinterpret_cast<const unsigned char*>(b.data()), 300, nullptr, 0);
            return b;
        },
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

TEST_F(ProtectionTest, AJournalChangedWithoutTheKeyIsRefusedBeforeAnyPageIsPutBack) {
    killMidTransaction();
    const std::string file = bytes(file_), journal = bytes(file_ + "-journal");
    const auto big32 = [&](size_t at) {
        return static_cast<size_t>(static_cast<unsigned char>(journal[at])) << 24 |
               static_cast<unsigned char>(journal[at + 1]) << 16 |
               static_cast<unsigned char>(journal[at + 2]) << 8 |
               static_cast<unsigned char>(journal[at + 3]);
    };
    const size_t first = big32(20), second = first + 4 + 4096 + 4; // two records
    ASSERT_GT(big32(8), 2u);
    ASSERT_GT(journal.size(), second + 4104);
    std::string bareHeader = journal.substr(0, first); // only public constants: shrinks the file
    bareHeader.replace(8, 12, std::string("\0\0\0\0\0\0\0\0\0\0\0\3", 12));
    bareHeader.replace(28, 32, std::string(32, '\0'));
    const std::function<std::string(std::string)> tamper[] = {
        [&](std::string j) { return j[first + 4 + 100] ^= 1, j; },                // a page image
        [&](std::string j) { return j[11] -= 1, j; },                             // fewer records
        [&](std::string j) { return j[19] -= 1, j; },                             // a smaller file
        [&](std::string j) { return j[first + 4 + 4096 + 3] ^= 1, j; },           // a checksum
        [&](std::string j) { return std::swap(j[first + 3], j[second + 3]), j; }, // page numbers
        [&](std::string) { return bareHeader; },
    };
    int changed = 0;
    for (const auto& change : tamper) {
        const std::string damaged = change(journal);
        put(file_ + "-journal", damaged);
        EXPECT_EQ(start().unlock("pass phrase"), MySQLLite::Unlock::Damaged) << changed;
        store_.reset();
        EXPECT_TRUE(bytes(file_) == file) << changed;
        EXPECT_TRUE(bytes(file_ + "-journal") == damaged) << changed++;
    }
    put(file_ + "-journal", journal);
    ASSERT_EQ(start().unlock("pass phrase"), MySQLLite::Unlock::Opened);
    EXPECT_EQ(store_->getAllPasswords(2).size(), 300u);
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

    // A plain file with pages of another size, reached through a linked Documents folder.
    store_.reset();
    OtherConnection(file_).exec("PRAGMA page_size=1024; VACUUM");
    const std::string linked = folder_.filePath("Linked").toStdString();
    std::filesystem::create_directory_symlink(documents_, linked);
    documents_ = linked;
    ASSERT_EQ(start().protect("pass phrase", kCode, KdfCost::cheapest()),
              MySQLLite::Conversion::Done);
    EXPECT_EQ(start().unlock("pass phrase"), MySQLLite::Unlock::Opened);
    EXPECT_EQ(store_->getAllPasswords(2).size(), 300u);
}

TEST_F(ProtectionTest, TwoCopiesShareItAndAKillWhileConvertingLeavesTheOldFileOrTheNewOne) {
    const std::string sealedHeader = bytes(file_).substr(0, 4096);
    MySQLLite second(documents_, nullptr);
    second.createTables();
    ASSERT_EQ(second.unlock("pass phrase"), MySQLLite::Unlock::Opened);
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(store_->insertPassword(makeEntry(3, 1, "first", "p")));
        ASSERT_TRUE(second.insertPassword(makeEntry(3, 1, "second", "p")));
    }
    EXPECT_EQ(store_->getAllPasswords(3).size(), 40u);
    // Each copy changes one secret: both changes hold.
    const std::string code = "2345-6789-ABCD-EFGH-JKMN-PQRS-TVWX-YZ01";
    ASSERT_TRUE(store_->changeSecret(SealedHeader::Slot::Passphrase, "new", KdfCost::cheapest()));
    ASSERT_TRUE(second.changeSecret(SealedHeader::Slot::RecoveryCode, code, KdfCost::cheapest()));
    EXPECT_TRUE(second.opensWith("new"));
    EXPECT_TRUE(store_->opensWith(code));
    EXPECT_FALSE(store_->opensWith(kCode));
    // Protection taken off by one copy: the other is told, and writes no sealed page into a
    // plain file, nor a header over it.
    ASSERT_EQ(store_->removeProtection(), MySQLLite::Conversion::Done);
    EXPECT_FALSE(second.insertPassword(makeEntry(3, 1, "late", "p")));
    EXPECT_FALSE(second.changeSecret(SealedHeader::Slot::Passphrase, "x", KdfCost::cheapest()));
    EXPECT_EQ(second.fileProblem(), FileProblem::Moved);
    EXPECT_EQ(sql("SELECT count(*) FROM LM_PASSWORD"), (Rows{{"340"}}));
    // What a kill left beside the file never costs it: a link to it made just before the rename,
    // a new header meant for a protected file.
    ASSERT_EQ(link(file_.c_str(), (file_ + ".plain-wipe").c_str()), 0);
    put(file_ + ".new-header", sealedHeader);
    EXPECT_EQ(start().getAllPasswords(3).size(), 40u);
    EXPECT_FALSE(std::filesystem::exists(file_ + ".plain-wipe"));
    EXPECT_FALSE(std::filesystem::exists(file_ + ".new-header"));

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
