// A program killed at any moment of a write leaves a sound file holding every
// write it had reported done, and nothing else but, perhaps, the one write it
// was in the middle of.
//
// A child process (crash_writer) writes through the store and reports each
// write before it starts and once the store answered true; this test kills it
// with SIGKILL at random moments, then checks the file from another
// connection against a model built from the reported writes only.
#include "RobustnessSupport.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <optional>
#include <poll.h>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace robust;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kKills = 200;
constexpr int kFirstStartKills = 60;
constexpr auto kTimeBudget = std::chrono::seconds(60);

std::string unhex(const std::string& text) {
    std::string out;
    if (text == "-") {
        return out;
    }
    for (size_t i = 0; i + 1 < text.size(); i += 2) {
        out += static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16));
    }
    return out;
}

std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

// What the file must hold, from the writes the child reported done. Rows are
// kept as the other connection prints them.
struct Model {
    struct Account {
        std::string name, password;
        int32_t isRoot;
    };
    struct Entry {
        int32_t userID, categoryID;
        std::string title, user, password, http, memo;
    };
    std::map<int32_t, Account> accounts{{1, {"root", "tiwe", 1}}};
    std::map<int32_t, Entry> entries;
    // AUTOINCREMENT: the next ID is one past the highest ever given.
    int32_t lastAccountID = 1;
    int32_t lastEntryID = 0;

    // Applies one reported write ("IP 2 3 <hex>..." and so on).
    void apply(const std::string& operation) {
        std::istringstream in(operation);
        std::string kind;
        in >> kind;
        auto text = [&in] {
            std::string word;
            in >> word;
            return unhex(word);
        };
        auto number = [&in] {
            int32_t value = 0;
            in >> value;
            return value;
        };
        // An entry's category and five texts, in the order both its writes list them.
        auto readEntry = [&](Entry& entry) {
            entry.categoryID = number();
            for (std::string* field :
                 {&entry.title, &entry.user, &entry.password, &entry.http, &entry.memo}) {
                *field = text();
            }
        };
        auto readAccount = [&] {
            Account account;
            account.name = text();
            account.password = text();
            account.isRoot = number();
            return account;
        };
        if (kind == "IP") {
            Entry entry;
            entry.userID = number();
            readEntry(entry);
            entries[++lastEntryID] = entry;
        } else if (kind == "UP") {
            const int32_t id = number();
            Entry changed;
            readEntry(changed);
            if (auto found = entries.find(id); found != entries.end()) {
                changed.userID = found->second.userID; // an update keeps the owner
                found->second = changed;
            }
        } else if (kind == "DP") {
            entries.erase(number());
        } else if (kind == "IU") {
            accounts[++lastAccountID] = readAccount();
        } else if (kind == "UU") {
            const int32_t id = number();
            const Account changed = readAccount();
            if (auto found = accounts.find(id); found != accounts.end()) {
                found->second = changed;
            }
        } else if (kind == "DU") {
            // An account that owns entries is kept.
            const int32_t id = number();
            if (std::none_of(entries.begin(), entries.end(),
                             [id](const auto& entry) { return entry.second.userID == id; })) {
                accounts.erase(id);
            }
        } else {
            ADD_FAILURE() << "unknown write " << operation;
        }
    }

    std::vector<std::string> accountRows() const {
        std::vector<std::string> rows;
        for (const auto& [id, a] : accounts) {
            rows.push_back(std::to_string(id) + " | " + quoted(a.name) + " | " +
                           quoted(a.password) + " | " + std::to_string(a.isRoot));
        }
        return rows;
    }
    std::vector<std::string> entryRows() const {
        std::vector<std::string> rows;
        for (const auto& [id, e] : entries) {
            rows.push_back(std::to_string(id) + " | " + std::to_string(e.userID) + " | " +
                           std::to_string(e.categoryID) + " | " + quoted(e.title) + " | " +
                           quoted(e.user) + " | " + quoted(e.password) + " | " + quoted(e.http) +
                           " | " + quoted(e.memo));
        }
        return rows;
    }
    std::string ids(bool ofAccounts) const {
        std::string list;
        auto add = [&list](int32_t id) { list += (list.empty() ? "" : ",") + std::to_string(id); };
        if (ofAccounts) {
            for (const auto& row : accounts) {
                add(row.first);
            }
        } else {
            for (const auto& row : entries) {
                add(row.first);
            }
        }
        return list.empty() ? "-" : list;
    }
};

// The file as another program finds it: its rows, or what kept it from them.
struct FileState {
    std::string integrity;
    std::vector<std::string> accounts, categories, entries, schema;
};

FileState look(const std::filesystem::path& file) {
    OtherConnection other(file);
    FileState state;
    state.integrity = other.integrity();
    state.schema = other.rows("SELECT type, name, sql FROM sqlite_master ORDER BY name");
    state.accounts = other.rows("SELECT * FROM LM_USER ORDER BY ID");
    state.categories = other.rows("SELECT * FROM LM_CATEGORY ORDER BY ID");
    state.entries = other.rows("SELECT * FROM LM_PASSWORD ORDER BY ID");
    return state;
}

bool holds(const FileState& state, const Model& model) {
    return state.accounts == model.accountRows() && state.entries == model.entryRows();
}

// A running crash_writer and what it said so far.
class Child {
public:
    explicit Child(const std::vector<std::string>& arguments) {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) {
            return;
        }
        std::vector<char*> argv;
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(fds[1], STDOUT_FILENO);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(fds[1]);
        out_ = fds[0];
    }
    ~Child() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (out_ >= 0) {
            ::close(out_);
        }
    }

    // Reads what the child says until `until`.
    void listenUntil(Clock::time_point until) {
        for (;;) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
            if (left.count() <= 0 || !readSome(static_cast<int>(left.count()))) {
                return;
            }
        }
    }

    // Reads until it has said `line`; false when it did not in time.
    bool waitFor(const std::string& line,
                 std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
        const auto until = Clock::now() + timeout;
        while (("\n" + said_).find("\n" + line + "\n") == std::string::npos) {
            if (Clock::now() >= until) {
                return false;
            }
            readSome(10);
        }
        return true;
    }

    // Kills it; true when SIGKILL was what ended it (and not an exit of its own).
    bool kill() {
        ::kill(pid_, SIGKILL);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        while (readSome(-1)) {
        }
        return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }

    const std::string& said() const { return said_; }

private:
    // One read; false at the end of the output or when nothing came in time.
    bool readSome(int timeoutMilliseconds) {
        pollfd poll{out_, POLLIN, 0};
        if (::poll(&poll, 1, timeoutMilliseconds) <= 0) {
            return false;
        }
        char buffer[65536];
        const ssize_t size = ::read(out_, buffer, sizeof buffer);
        if (size <= 0) {
            return false;
        }
        said_.append(buffer, static_cast<size_t>(size));
        return true;
    }

    pid_t pid_ = -1;
    int out_ = -1;
    std::string said_;
};

uint64_t chooseSeed() {
    if (const char* given = std::getenv("LOCKMERE_CRASH_SEED")) {
        return std::stoull(given);
    }
    return std::random_device{}();
}

} // namespace

TEST(CrashRecovery, AKilledWriterLosesNothingItReportedAndLeavesASoundFile) {
    const uint64_t seed = chooseSeed();
    std::cout << "crash test seed " << seed << " (LOCKMERE_CRASH_SEED=" << seed << " repeats it)"
              << std::endl;
    std::mt19937_64 random(seed);
    const auto started = Clock::now();
    TempFolder folder;
    const std::filesystem::path documents = folder.path() / "Documents";
    const std::filesystem::path file = documents / MySQLLite::kFileName;

    // A first start that completes, for comparison.
    {
        MySQLLite store(documents.string(), nullptr);
        store.createTables();
    }
    const FileState freshFile = look(file);
    ASSERT_EQ(freshFile.integrity, "ok");
    ASSERT_EQ(freshFile.categories.size(), 10u);

    // 1. Kills during the very first start, while the file is being created:
    //    the next start must still give the complete, correctly ordered file.
    //    Kills fall anywhere in the time the store's first start takes here
    //    (the child says when it begins and ends).
    auto firstStart = std::chrono::microseconds(0);
    for (int run = 0; run < 3; ++run) {
        std::filesystem::remove_all(documents);
        Child child({CRASH_WRITER_PATH, documents.string(), "--first-start"});
        ASSERT_TRUE(child.waitFor("O"));
        const auto begun = Clock::now();
        ASSERT_TRUE(child.waitFor("S"));
        firstStart =
            std::max(firstStart,
                     std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - begun));
        child.kill();
    }
    int killedDuringCreation = 0, leftAJournal = 0;
    for (int kill = 0; kill < kFirstStartKills; ++kill) {
        std::filesystem::remove_all(documents);
        Child child({CRASH_WRITER_PATH, documents.string(), "--first-start"});
        ASSERT_TRUE(child.waitFor("O"));
        child.listenUntil(Clock::now() +
                          std::chrono::microseconds(random() % (firstStart.count() + 1)));
        ASSERT_TRUE(child.kill()) << "the writer ended by itself:\n" << child.said();
        if (!child.waitFor("S", std::chrono::milliseconds(0))) {
            ++killedDuringCreation;
            // A journal left behind: killed while committing the new file.
            leftAJournal += std::filesystem::exists(file.string() + "-journal") ? 1 : 0;
        }
        if (std::filesystem::exists(file)) {
            ASSERT_EQ(look(file).integrity, "ok") << "seed " << seed;
        }
        {
            MySQLLite store(documents.string(), nullptr);
            store.createTables();
        }
        const FileState after = look(file);
        ASSERT_EQ(after.integrity, "ok") << "seed " << seed;
        ASSERT_EQ(after.schema, freshFile.schema) << "seed " << seed;
        ASSERT_EQ(after.accounts, freshFile.accounts) << "seed " << seed;
        ASSERT_EQ(after.categories, freshFile.categories) << "seed " << seed;
    }

    // 2. Kills while accounts and entries are written.
    Model model;
    ASSERT_TRUE(holds(look(file), model));
    int kills = 0, killedMidWrite = 0, inFlightKept = 0, acknowledged = 0;
    while (kills < kKills) {
        ASSERT_LT(Clock::now() - started, kTimeBudget)
            << "only " << kills << " kills in the time allowed";
        Child child({CRASH_WRITER_PATH, documents.string(), std::to_string(random()),
                     model.ids(true), model.ids(false)});
        // Once it writes, let a few writes go by, then kill at any moment.
        ASSERT_TRUE(child.waitFor("R")) << "the writer did not start";
        child.listenUntil(Clock::now() + std::chrono::microseconds(random() % 25000));
        ASSERT_TRUE(child.kill()) << "the writer ended by itself (seed " << seed << "); it said:\n"
                                  << child.said().substr(0, 2000);
        ++kills;

        // The reported writes, and the one that was under way, if any.
        std::optional<std::string> inFlight;
        std::istringstream lines(child.said());
        std::string line;
        while (std::getline(lines, line)) {
            if (lines.eof()) {
                break; // a line without its newline was cut by the kill: not said
            }
            if (line.rfind("B ", 0) == 0) {
                inFlight = line.substr(2);
            } else if (line == "A" && inFlight) {
                model.apply(*inFlight);
                inFlight.reset();
                ++acknowledged;
            }
        }

        const FileState state = look(file);
        ASSERT_EQ(state.integrity, "ok") << "seed " << seed << ", kill " << kills;
        ASSERT_EQ(state.schema, freshFile.schema) << "seed " << seed;
        ASSERT_EQ(state.categories, freshFile.categories) << "seed " << seed;
        if (inFlight) {
            ++killedMidWrite;
            Model withIt = model;
            withIt.apply(*inFlight);
            if (!holds(state, model) && holds(state, withIt)) {
                model = withIt; // done, but killed before it could say so
                ++inFlightKept;
            }
        }
        ASSERT_EQ(state.accounts, model.accountRows()) << "seed " << seed << ", kill " << kills;
        ASSERT_EQ(state.entries, model.entryRows()) << "seed " << seed << ", kill " << kills;
    }

    const auto seconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count() /
        1000.0;
    std::cout << "crash test: " << kFirstStartKills << " kills during the first start (of "
              << firstStart.count() / 1000.0 << " ms; " << killedDuringCreation
              << " before it was done, " << leftAJournal << " of those while committing), " << kills
              << " kills while writing (" << killedMidWrite << " in the middle of a write, "
              << inFlightKept << " of those written but not yet reported), " << acknowledged
              << " reported writes checked, " << model.accounts.size() << " accounts and "
              << model.entries.size() << " entries at the end, " << seconds << " s" << std::endl;
    EXPECT_GT(killedMidWrite, kKills / 10) << "too few kills landed in a write to mean much";
    EXPECT_GT(killedDuringCreation, 0) << "no kill landed in the first start";
}
