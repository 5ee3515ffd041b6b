// The writing side of the crash test: makes random writes through the store,
// forever, until the test kills it.
//
//   crash_writer DOCUMENTS SEED USER-IDS ENTRY-IDS   writes, never returns
//   crash_writer DOCUMENTS --first-start             only starts the store,
//                                                    between "O" and "S"
//
// USER-IDS and ENTRY-IDS are the IDs the file holds now, comma-separated
// ("-" for none). Once started it prints "R"; before each write
// "B <operation>", and "A" once the store answered true. A write the store
// refuses prints "X" and ends the program, since nothing else uses the file.
// Texts are hex-encoded so that any byte passes. A line is said in full
// before the write it announces begins; a kill may cut only the last line,
// which then lacks its newline.
#include "MySQLLite.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

void say(const std::string& line) {
    const std::string text = line + "\n";
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = ::write(STDOUT_FILENO, text.data() + done, text.size() - done);
        if (written <= 0) {
            std::_Exit(3);
        }
        done += static_cast<size_t>(written);
    }
}

std::string hex(const std::string& text) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char byte : text) {
        out += digits[byte >> 4];
        out += digits[byte & 15];
    }
    return out.empty() ? "-" : out;
}

std::vector<int32_t> parseIDs(const std::string& list) {
    std::vector<int32_t> ids;
    if (list == "-") {
        return ids;
    }
    std::stringstream in(list);
    std::string item;
    while (std::getline(in, item, ',')) {
        ids.push_back(std::stoi(item));
    }
    return ids;
}

class Writer {
public:
    Writer(MySQLLite& store, uint64_t seed, std::vector<int32_t> users,
           std::vector<int32_t> entries)
        : store_(store), random_(seed), seed_(seed), users_(std::move(users)),
          entries_(std::move(entries)) {}

    [[noreturn]] void run() {
        for (;;) {
            const int roll = pick(100);
            // Keep the file small, so every start reads it quickly.
            const bool manyUsers = users_.size() > 8;
            const bool manyEntries = entries_.size() > 40;
            if (roll < 30 && !manyEntries) {
                insertEntry();
            } else if (roll < 50 && !entries_.empty()) {
                updateEntry();
            } else if (roll < 65 && !entries_.empty()) {
                deleteEntry();
            } else if (roll < 77 && !manyUsers) {
                insertAccount();
            } else if (roll < 89 && users_.size() > 1) {
                updateAccount();
            } else if (users_.size() > 1) {
                deleteAccount();
            }
        }
    }

private:
    int pick(int n) { return static_cast<int>(random_() % static_cast<uint64_t>(n)); }

    // Quotes, SQL, non-Latin text, and now and then a value long enough to
    // span several database pages.
    std::string text() {
        static const char* const pieces[] = {"a",
                                             "Bank",
                                             "'",
                                             "\"",
                                             "'; DROP TABLE LM_USER; --",
                                             "%",
                                             "_",
                                             "\\",
                                             " ",
                                             "\xC3\xA4\xC3\xB6\xC3\xBC",
                                             "\xE5\xAF\x86\xE7\xA0\x81",
                                             "\xF0\x9F\x94\x91",
                                             "0",
                                             "NULL"};
        std::string value;
        const int count = pick(6);
        for (int i = 0; i < count; ++i) {
            value += pieces[pick(static_cast<int>(sizeof pieces / sizeof *pieces))];
        }
        if (pick(8) == 0) {
            value += std::string(static_cast<size_t>(1000 + pick(20000)),
                                 static_cast<char>('a' + pick(26)));
        }
        return value;
    }
    std::string uniqueName() { return "u" + std::to_string(seed_) + "-" + std::to_string(++n_); }
    int32_t anyOf(const std::vector<int32_t>& ids) {
        return ids[static_cast<size_t>(pick(static_cast<int>(ids.size())))];
    }
    // Any account but root (ID 1): renaming or deleting root would make the
    // next start seed a new one, a write the test does not follow.
    size_t someAccountButRoot() {
        size_t index;
        do {
            index = static_cast<size_t>(pick(static_cast<int>(users_.size())));
        } while (users_[index] == 1);
        return index;
    }

    void acknowledge(bool result) {
        if (!result) {
            say("X");
            std::exit(2);
        }
        say("A");
    }

    void insertEntry() {
        PasswordSchema entry;
        entry.setUserID(anyOf(users_));
        entry.setCategoryID(1 + pick(10));
        const std::string title = text() + "#" + uniqueName();
        entry.setTitle(title);
        entry.setUser(text());
        entry.setPassword(text());
        entry.setHttp(text());
        entry.setMemo(text());
        say("B IP " + std::to_string(entry.UserID()) + " " + std::to_string(entry.CategoryID()) +
            " " + hex(*entry.Title()) + " " + hex(*entry.User()) + " " + hex(*entry.Password()) +
            " " + hex(*entry.Http()) + " " + hex(*entry.Memo()));
        acknowledge(store_.insertPassword(entry));
        // The new ID, for later edits: the entry is the only one with its title.
        const std::string category = MySQLLite::categoryKeys()[entry.CategoryID() - 1];
        for (const PasswordSchema& listed : store_.getPasswords(entry.UserID(), category)) {
            if (listed.Title() == title) {
                entries_.push_back(listed.ID());
            }
        }
    }
    void updateEntry() {
        PasswordSchema entry;
        entry.setID(anyOf(entries_));
        entry.setUserID(anyOf(users_)); // must not move the entry to that account
        entry.setCategoryID(1 + pick(10));
        entry.setTitle(text() + "#" + uniqueName());
        entry.setUser(text());
        entry.setPassword(text());
        entry.setHttp(text());
        entry.setMemo(text());
        say("B UP " + std::to_string(entry.ID()) + " " + std::to_string(entry.CategoryID()) + " " +
            hex(*entry.Title()) + " " + hex(*entry.User()) + " " + hex(*entry.Password()) + " " +
            hex(*entry.Http()) + " " + hex(*entry.Memo()));
        acknowledge(store_.updatePassword(entry) != WriteResult::Failed);
    }
    void deleteEntry() {
        const size_t index = static_cast<size_t>(pick(static_cast<int>(entries_.size())));
        const int32_t id = entries_[index];
        say("B DP " + std::to_string(id));
        acknowledge(store_.delPassword(id) != WriteResult::Failed);
        entries_.erase(entries_.begin() + static_cast<long>(index));
    }
    void insertAccount() {
        UserSchema user;
        user.setUser(uniqueName());
        user.setPassword(text());
        user.setIsRoot(pick(2));
        say("B IU " + hex(*user.User()) + " " + hex(*user.Password()) + " " +
            std::to_string(user.IsRoot()));
        acknowledge(store_.insertUser(user));
        users_.push_back(store_.login(*user.User(), *user.Password())->ID());
    }
    void updateAccount() {
        UserSchema user;
        user.setID(users_[someAccountButRoot()]);
        user.setUser(uniqueName());
        user.setPassword(text());
        user.setIsRoot(pick(2));
        say("B UU " + std::to_string(user.ID()) + " " + hex(*user.User()) + " " +
            hex(*user.Password()) + " " + std::to_string(user.IsRoot()));
        acknowledge(store_.updateUser(user) != WriteResult::Failed);
    }
    void deleteAccount() {
        const size_t index = someAccountButRoot();
        const int32_t id = users_[index];
        say("B DU " + std::to_string(id));
        const WriteResult result = store_.delUser(id);
        acknowledge(result != WriteResult::Failed);
        if (result == WriteResult::Done) { // an account that owns entries stays
            users_.erase(users_.begin() + static_cast<long>(index));
        }
    }

    MySQLLite& store_;
    std::mt19937_64 random_;
    uint64_t seed_;
    uint64_t n_ = 0;
    std::vector<int32_t> users_;
    std::vector<int32_t> entries_;
};

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[2]) == "--first-start") {
        MySQLLite store(argv[1], nullptr);
        say("O"); // the first start begins
        store.createTables();
        say("S"); // and is done
        for (;;) {
            ::pause();
        }
    }
    if (argc != 5) {
        std::fprintf(stderr, "usage: crash_writer DOCUMENTS SEED USER-IDS ENTRY-IDS\n");
        return 64;
    }
    MySQLLite store(argv[1], nullptr);
    store.createTables();
    say("R"); // started: the writes begin
    Writer(store, std::stoull(argv[2]), parseIDs(argv[3]), parseIDs(argv[4])).run();
}
