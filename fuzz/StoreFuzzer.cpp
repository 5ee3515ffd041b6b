// Hostile input for the record store: each fuzz input is read as a sequence
// of store operations with texts a hostile or careless user could type
// (quotes, SQL, non-Latin and invalid UTF-8, NUL bytes, values up to 100 KB),
// run on a real store in a temporary folder, and every answer is compared
// with a small in-memory model of what the store promises. A crash, a
// sanitizer report or any difference from the model aborts.
#include "MySQLLite.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <sqlite3.h>
#include <string>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace {

// --- Reading the input ---------------------------------------------------

// Texts that matter to a store over SQL, picked by one byte each.
const std::vector<std::string>& dictionary() {
    static const std::vector<std::string> words = {
        "",
        "'",
        "\"",
        "''",
        "'; DROP TABLE LM_USER; --",
        "\" OR 1=1 --",
        "' OR '1'='1",
        "%",
        "_",
        "\\",
        "NULL",
        "root",
        "tiwe",
        "Root",
        "root ",
        "Email",
        "Other",
        "\xC3\xA4\xC3\xB6\xC3\xBC", // äöü
        "\xE5\xAF\x86\xE7\xA0\x81", // 密码
        "\xF0\x9F\x94\x91",         // a key emoji
        "\xD0\x9F\xD0\xB0\xD1\x80", // Пар
        "\xFF\xFE",                 // never UTF-8
        "\xC3",                     // a sequence cut short
        "\xED\xA0\x80",             // an encoded surrogate
        "\xC0\xAF",                 // an overlong encoding
        std::string("a\0b", 3),     // a NUL inside
        std::string(1, '\0'),
        " ",
        "0",
        "-1",
        "1e3",
    };
    return words;
}

class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool done() const { return position_ >= size_; }
    uint8_t byte() { return position_ < size_ ? data_[position_++] : 0; }

    // A text, or none (absent). One byte says which kind:
    //   0xFF          absent
    //   0xE0..0xFE    a word of the dictionary
    //   0xD0..0xDF    a long text: 6.4 KB to 102 KB of the next byte
    //   0xC0..0xC7    2 to 9 texts one after the other
    //   other         that many (mod 48) bytes of the input, as they are
    OptionalText text(int depth = 0) {
        const uint8_t kind = byte();
        if (kind == 0xFF) {
            return std::nullopt;
        }
        if (kind >= 0xE0) {
            const auto& words = dictionary();
            return words[(kind - 0xE0u) % words.size()];
        }
        if (kind >= 0xD0) {
            return std::string(static_cast<size_t>(kind - 0xD0 + 1) * 6400,
                               static_cast<char>(byte()));
        }
        if (kind >= 0xC0 && kind <= 0xC7 && depth < 2) {
            std::string joined;
            for (int i = 0; i < kind - 0xC0 + 2; ++i) {
                joined += text(depth + 1).value_or("");
            }
            return joined;
        }
        std::string literal;
        for (int i = 0; i < kind % 48 && !done(); ++i) {
            literal += static_cast<char>(byte());
        }
        return literal;
    }

    // An ID: mostly one that exists, else one of the edge values.
    int32_t id(const std::vector<int32_t>& existing) {
        static const int32_t edges[] = {0, -1, 1, 2, 3, 999, INT32_MAX, INT32_MIN, 1000000};
        const uint8_t pick = byte();
        if (pick < 0xC0 && !existing.empty()) {
            return existing[pick % existing.size()];
        }
        return edges[pick % (sizeof edges / sizeof *edges)];
    }

    int32_t categoryID() {
        static const int32_t others[] = {0, -1, 11, 99, INT32_MAX};
        const uint8_t pick = byte();
        return pick < 0xF0 ? 1 + pick % 10 : others[pick % 5];
    }

    // A category name as the screens pass it: a real one, or any text.
    OptionalText categoryName() {
        const uint8_t pick = byte();
        if (pick < 0xE0) {
            return MySQLLite::categoryKeys()[pick % 10];
        }
        return pick == 0xFF ? std::nullopt : text();
    }

    int32_t flag() {
        const uint8_t value = byte();
        return value < 0x80 ? value % 2 : static_cast<int8_t>(value);
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};

// --- What the store promises ---------------------------------------------

struct Account {
    std::string name, password;
    int32_t isRoot;
};
struct Entry {
    int32_t userID, categoryID;
    std::string title, user, password, http, memo;
};

// What a change should answer: refused, ran on no row, or done.
WriteResult answer(bool accepted, bool rowThere) {
    if (!accepted) {
        return WriteResult::Failed;
    }
    return rowThere ? WriteResult::Done : WriteResult::NoRow;
}

struct Model {
    std::map<int32_t, Account> accounts{{1, {"root", "tiwe", 1}}};
    std::map<int32_t, Entry> entries;
    int32_t lastAccountID = 1; // AUTOINCREMENT: never reused
    int32_t lastEntryID = 0;

    template <typename Row> static std::vector<int32_t> idsOf(const std::map<int32_t, Row>& rows) {
        std::vector<int32_t> ids;
        for (const auto& row : rows) {
            ids.push_back(row.first);
        }
        return ids;
    }
    std::vector<int32_t> accountIDs() const { return idsOf(accounts); }
    std::vector<int32_t> entryIDs() const { return idsOf(entries); }
    bool nameTaken(const std::string& name, int32_t except) const {
        for (const auto& [id, account] : accounts) {
            if (id != except && account.name == name) {
                return true;
            }
        }
        return false;
    }
    bool owns(int32_t accountID) const {
        for (const auto& row : entries) {
            if (row.second.userID == accountID) {
                return true;
            }
        }
        return false;
    }
    static int32_t categoryID(const OptionalText& name) {
        if (!name) {
            return 0;
        }
        const auto& keys = MySQLLite::categoryKeys();
        const auto found = std::find(keys.begin(), keys.end(), *name);
        return found == keys.end() ? 0 : static_cast<int32_t>(found - keys.begin()) + 1;
    }
};

// --- Checking ------------------------------------------------------------

[[noreturn]] void diverged(const std::string& what) {
    std::fprintf(stderr, "store and model differ: %s\n", what.c_str());
    std::abort();
}

void expect(bool holds, const std::string& what) {
    if (!holds) {
        diverged(what);
    }
}

bool hasEveryText(const PasswordSchema& entry) {
    return entry.Title() && entry.User() && entry.Password() && entry.Http() && entry.Memo();
}

void expectEntry(const PasswordSchema& got, int32_t id, const Entry& want,
                 const std::string& where) {
    expect(got.ID() == id, where + ": ID");
    expect(got.UserID() == want.userID, where + ": owner");
    expect(got.CategoryID() == want.categoryID, where + ": category");
    expect(got.Title() == want.title, where + ": title");
    expect(got.User() == want.user, where + ": user");
    expect(got.Password() == want.password, where + ": password");
    expect(got.Http() == want.http, where + ": http");
    expect(got.Memo() == want.memo, where + ": memo");
}

void expectAccounts(MySQLLite& store, const Model& model) {
    const std::vector<UserSchema> users = store.getUsers(true);
    expect(users.size() == model.accounts.size(), "getUsers: count");
    auto want = model.accounts.begin();
    for (const UserSchema& user : users) {
        expect(user.ID() == want->first, "getUsers: ID order");
        expect(user.User() == want->second.name, "getUsers: name");
        expect(user.Password() == want->second.password, "getUsers: password");
        expect(user.IsRoot() == want->second.isRoot, "getUsers: IsRoot");
        ++want;
    }
}

void expectEveryEntry(MySQLLite& store, const Model& model) {
    for (const auto& [id, entry] : model.entries) {
        const auto got = store.getPassword(id);
        expect(got.has_value(), "getPassword: entry missing");
        expectEntry(*got, id, entry, "getPassword");
    }
}

// --- The store, made once ------------------------------------------------

struct Fixture {
    std::filesystem::path folder;
    MySQLLite* store = nullptr;
    sqlite3* other = nullptr; // resets the tables between inputs
};

Fixture& fixture() {
    static Fixture made = [] {
        Fixture f;
        // libFuzzer ends the process without running exit handlers: whoever
        // runs it may name a folder to clean up afterwards (the CTest test
        // does); else a new one in memory is left behind.
        if (const char* given = std::getenv("LOCKMERE_FUZZ_DIR")) {
            f.folder = given;
        } else {
            std::error_code error;
            const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                                   ? std::filesystem::path("/dev/shm")
                                                   : std::filesystem::temp_directory_path();
            std::string pattern = (base / "lockmere-fuzz-XXXXXX").string();
            if (::mkdtemp(pattern.data()) == nullptr) {
                std::perror("mkdtemp");
                std::abort();
            }
            f.folder = pattern;
        }
        f.store = new MySQLLite(f.folder.string(), nullptr);
        f.store->createTables();
        const std::string file = (f.folder / MySQLLite::kFileName).string();
        if (sqlite3_open(file.c_str(), &f.other) != SQLITE_OK) {
            diverged("cannot open the store's file");
        }
        sqlite3_busy_timeout(f.other, 5000);
        return f;
    }();
    return made;
}

// Back to the state of a first start: root alone, no entries, IDs from 1.
void resetTables(Fixture& f) {
    const char* reset = "DELETE FROM LM_PASSWORD; DELETE FROM LM_USER;"
                        "DELETE FROM sqlite_sequence WHERE name IN ('LM_USER','LM_PASSWORD');"
                        "INSERT INTO LM_USER(User,Password,IsRoot) VALUES('root','tiwe',1);";
    char* message = nullptr;
    if (sqlite3_exec(f.other, reset, nullptr, nullptr, &message) != SQLITE_OK) {
        diverged(std::string("reset failed: ") + (message ? message : ""));
    }
}

// --- One input -----------------------------------------------------------

// An entry's owner, category and five texts, in the order the input gives them.
void readEntry(Input& in, const Model& model, PasswordSchema& entry) {
    entry.setUserID(in.id(model.accountIDs()));
    entry.setCategoryID(in.categoryID());
    entry.setTitle(in.text());
    entry.setUser(in.text());
    entry.setPassword(in.text());
    entry.setHttp(in.text());
    entry.setMemo(in.text());
}

// What the model keeps of an entry with every text present.
Entry rowOf(const PasswordSchema& entry, int32_t owner) {
    return {owner,         entry.CategoryID(), *entry.Title(), *entry.User(), *entry.Password(),
            *entry.Http(), *entry.Memo()};
}

void runOperations(Input& in, MySQLLite& store, Model& model) {
    int steps = 0;
    while (!in.done() && ++steps <= 64) {
        const uint8_t operation = in.byte() % 14;
        switch (operation) {
        case 0: { // a new account
            UserSchema user;
            user.setUser(in.text());
            user.setPassword(in.text());
            user.setIsRoot(in.flag());
            const bool valid = user.User() && user.Password() && !model.nameTaken(*user.User(), 0);
            expect(store.insertUser(user) == valid, "insertUser: answer");
            if (valid) {
                model.accounts[++model.lastAccountID] = {*user.User(), *user.Password(),
                                                         user.IsRoot()};
                const auto found = store.login(*user.User(), *user.Password());
                expect(found && found->ID() == model.lastAccountID, "insertUser: new ID");
            }
            break;
        }
        case 1: { // an account changed
            UserSchema user;
            user.setID(in.id(model.accountIDs()));
            user.setUser(in.text());
            user.setPassword(in.text());
            user.setIsRoot(in.flag());
            const auto target = model.accounts.find(user.ID());
            const bool found = target != model.accounts.end();
            bool valid = user.User() && user.Password();
            if (valid && found) {
                valid = !model.nameTaken(*user.User(), user.ID());
                if (valid) {
                    target->second = {*user.User(), *user.Password(), user.IsRoot()};
                }
            }
            expect(store.updateUser(user) == answer(valid, found), "updateUser: answer");
            break;
        }
        case 2: { // an account deleted, only while it owns no entry
            const int32_t id = in.id(model.accountIDs());
            const bool deletable = model.accounts.count(id) != 0 && !model.owns(id);
            expect(store.delUser(id) == answer(true, deletable), "delUser: answer");
            if (deletable) {
                model.accounts.erase(id);
            }
            break;
        }
        case 3: { // a login, with real credentials or typed texts
            std::string name, password;
            if (in.byte() < 0x60 && !model.accounts.empty()) {
                const auto ids = model.accountIDs();
                const Account& account = model.accounts[ids[in.byte() % ids.size()]];
                name = account.name;
                password = account.password;
            } else {
                name = in.text().value_or("");
                password = in.text().value_or("");
            }
            std::optional<int32_t> want;
            for (const auto& [id, account] : model.accounts) {
                if (account.name == name && account.password == password) {
                    want = id;
                }
            }
            const auto got = store.login(name, password);
            expect(got.has_value() == want.has_value(), "login: found or not");
            if (got) {
                expect(got->ID() == *want, "login: which account");
                expect(got->IsRoot() == model.accounts[*want].isRoot, "login: IsRoot");
            }
            break;
        }
        case 4:
            expectAccounts(store, model);
            break;
        case 5: { // does an account own entries
            const int32_t id = in.id(model.accountIDs());
            expect(store.hasData(id) == model.owns(id), "hasData");
            break;
        }
        case 6: { // a new entry
            PasswordSchema entry;
            readEntry(in, model, entry);
            const bool valid = hasEveryText(entry);
            expect(store.insertPassword(entry) == valid, "insertPassword: answer");
            if (valid) {
                model.entries[++model.lastEntryID] = rowOf(entry, entry.UserID());
            }
            break;
        }
        case 7: { // an entry changed; its owner never
            PasswordSchema entry;
            entry.setID(in.id(model.entryIDs()));
            readEntry(in, model, entry);
            const bool valid = hasEveryText(entry);
            const auto target = model.entries.find(entry.ID());
            expect(store.updatePassword(entry) == answer(valid, target != model.entries.end()),
                   "updatePassword: answer");
            if (valid && target != model.entries.end()) {
                target->second = rowOf(entry, target->second.userID);
            }
            break;
        }
        case 8: { // an entry deleted
            const int32_t id = in.id(model.entryIDs());
            expect(store.delPassword(id) == answer(true, model.entries.count(id) != 0),
                   "delPassword: answer");
            model.entries.erase(id);
            break;
        }
        case 9: { // a list: one account's entries in one category, in order
            const int32_t userID = in.id(model.accountIDs());
            const OptionalText category = in.categoryName();
            const int32_t categoryID = Model::categoryID(category);
            std::vector<std::tuple<std::string, std::string, int32_t>> order;
            for (const auto& [id, entry] : model.entries) {
                if (categoryID > 0 && entry.userID == userID && entry.categoryID == categoryID) {
                    order.emplace_back(entry.title, entry.user, id);
                }
            }
            std::sort(order.begin(), order.end()); // bytewise, as SQLite's BINARY
            const auto listed = store.getPasswords(userID, category);
            expect(listed.size() == order.size(), "getPasswords: count");
            for (size_t i = 0; i < listed.size(); ++i) {
                const int32_t id = std::get<2>(order[i]);
                expectEntry(listed[i], id, model.entries[id],
                            "getPasswords: row " + std::to_string(i));
            }
            break;
        }
        case 10: { // one entry by ID
            const int32_t id = in.id(model.entryIDs());
            const auto got = store.getPassword(id);
            const auto want = model.entries.find(id);
            expect(got.has_value() == (want != model.entries.end()), "getPassword: found");
            if (got) {
                expectEntry(*got, id, want->second, "getPassword");
            }
            break;
        }
        case 11: { // the categories never change
            const auto categories = store.getCategories();
            expect(categories.size() == 10, "getCategories: count");
            for (size_t i = 0; i < categories.size(); ++i) {
                expect(categories[i].ID() == static_cast<int32_t>(i) + 1 &&
                           categories[i].Category() == MySQLLite::categoryKeys()[i],
                       "getCategories: row");
            }
            break;
        }
        case 12: {
            const OptionalText name = in.categoryName();
            expect(store.getIDByCategory(name) == Model::categoryID(name), "getIDByCategory");
            break;
        }
        default:
            expectAccounts(store, model);
            expectEveryEntry(store, model);
            break;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Fixture& f = fixture();
    resetTables(f);
    Model model;
    Input in(data, size);
    runOperations(in, *f.store, model);
    // Whatever ran, the file ends as the model says.
    expectAccounts(*f.store, model);
    expectEveryEntry(*f.store, model);
    sqlite3_stmt* count = nullptr;
    sqlite3_prepare_v2(f.other, "SELECT count(*) FROM LM_PASSWORD", -1, &count, nullptr);
    expect(sqlite3_step(count) == SQLITE_ROW &&
               sqlite3_column_int64(count, 0) == static_cast<int64_t>(model.entries.size()),
           "entries on file that the model does not have");
    sqlite3_finalize(count);
    return 0;
}
