// Random saves, changes and deletions by three accounts in three categories, each followed by a
// look at every list against a plain model of what the file must hold.
#include "MySQLLite.h"
#include "support/OtherConnection.h"
#include "support/Records.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <tuple>

namespace {
// An entry as a list shows it, ordered as the list orders: by title, user name, ID.
using Row = std::tuple<std::string, std::string, int32_t, std::string, std::string, std::string>;
Row rowOf(const PasswordSchema& e) {
    return {*e.Title(), *e.User(), e.ID(), *e.Password(), *e.Http(), *e.Memo()};
}
} // namespace

TEST(StoreModel, RandomWritesLeaveEveryListAsAPlainModelHoldsIt) {
    TempFolder folder;
    MySQLLite store((folder.path() / "Documents").string(), nullptr);
    store.createTables();
    const std::string categories[] = {"Email", "Website", "Computer"};
    const std::string texts[] = {"a", "B", "b", "x'); DELETE FROM LM_PASSWORD; --", "Müller", ""};
    std::mt19937 random(20261207);
    const auto pick = [&](size_t n) { return static_cast<int>(random() % n); };
    std::map<int32_t, PasswordSchema> model; // by ID
    int32_t lastID = 0;
    for (int step = 0; step < 1500; ++step) {
        PasswordSchema entry = makeEntry(1 + pick(3), 1 + pick(3), texts[pick(6)], texts[pick(6)]);
        entry.setUser(texts[pick(6)]);
        entry.setHttp(texts[pick(6)]);
        entry.setMemo(texts[pick(6)]);
        entry.setID(1 + pick(lastID + 1)); // one that exists, was deleted, or is yet to come
        const auto found = model.find(entry.ID());
        const WriteResult expected = found != model.end() ? WriteResult::Done : WriteResult::NoRow;
        switch (pick(3)) {
        case 0:
            ASSERT_TRUE(store.insertPassword(entry));
            entry.setID(++lastID);
            model[entry.ID()] = entry;
            break;
        case 1:
            ASSERT_EQ(store.updatePassword(entry), expected);
            if (found != model.end()) { // an entry keeps its owner
                entry.setUserID(found->second.UserID());
                found->second = entry;
            }
            break;
        default:
            ASSERT_EQ(store.delPassword(entry.ID()), expected);
            model.erase(entry.ID());
        }
        std::map<std::pair<int32_t, int32_t>, std::vector<Row>> lists;
        for (const auto& [id, e] : model) {
            lists[{e.UserID(), e.CategoryID()}].push_back(rowOf(e));
        }
        for (int32_t user = 1; user <= 3; ++user) {
            for (int32_t category = 1; category <= 3; ++category) {
                std::vector<Row> modelled = lists[{user, category}], stored;
                std::sort(modelled.begin(), modelled.end());
                for (const PasswordSchema& e : store.getPasswords(user, categories[category - 1])) {
                    stored.push_back(rowOf(e));
                }
                ASSERT_EQ(stored, modelled) << "step " << step;
            }
        }
    }
}
