#include "CategoryKeys.h"

#include <algorithm>

const std::vector<std::string>& CategoryKeys::keys() {
    static const std::vector<std::string> keys = {"Email",    "Website", "Computer", "Software",
                                                  "BankCard", "eBank",   "Router",   "Lock",
                                                  "Safe",     "Other"};
    return keys;
}

std::vector<std::string> CategoryKeys::namesOf(const std::string& key,
                                               const LocalizedText& localized,
                                               const KnownNames& known) {
    std::vector<std::string> names{key};
    if (localized) {
        names.push_back(localized(key));
    }
    if (known) {
        const std::vector<std::string> texts = known(key);
        names.insert(names.end(), texts.begin(), texts.end());
    }
    return names;
}

CategoryKeys::CategoryKeys(std::vector<CategorySchema> rows, const LocalizedText& localized,
                           const KnownNames& known)
    : rows_(std::move(rows)) {
    // A name of two keys (no table has one) stays with the earlier key, as the icons do.
    for (size_t key = 0; key < kCount; ++key) {
        for (const std::string& name : namesOf(keys()[key], localized, known)) {
            keyOfName_.emplace(name, key);
        }
    }
    std::sort(rows_.begin(), rows_.end(),
              [](const CategorySchema& a, const CategorySchema& b) { return a.ID() < b.ID(); });
    for (const CategorySchema& row : rows_) {
        const std::optional<size_t> key = keyOfName(row.Category().value_or(""));
        if (!key) {
            continue;
        }
        keyOfID_.emplace(row.ID(), *key);
        ids_[*key].push_back(row.ID());
        if (inUsersLanguage_[*key] == 0 && localized && row.Category() == localized(keys()[*key])) {
            inUsersLanguage_[*key] = row.ID();
        }
    }
}

std::optional<size_t> CategoryKeys::keyOfName(const std::string& name) const {
    const auto found = keyOfName_.find(name);
    return found == keyOfName_.end() ? std::nullopt : std::optional<size_t>(found->second);
}

std::optional<size_t> CategoryKeys::keyOfID(int32_t id) const {
    const auto found = keyOfID_.find(id);
    return found == keyOfID_.end() ? std::nullopt : std::optional<size_t>(found->second);
}

int32_t CategoryKeys::rowFor(size_t key) const {
    if (inUsersLanguage_[key] != 0) {
        return inUsersLanguage_[key];
    }
    return ids_[key].empty() ? 0 : ids_[key].front();
}
