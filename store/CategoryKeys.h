#pragma once

#include "CategorySchema.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// The ten categories by their keys ("Email" ... "Other"), whatever language their rows were
// stored in. A row is named with its key's text in the language of the start that added it, so a
// file that an earlier version started in English and then in German holds both "Email" and
// "E-Mail": both rows are the key's, and its button lists the entries of every one of them.
class CategoryKeys {
public:
    using LocalizedText = std::function<std::string(const std::string& key)>;
    // Every text of a key in the languages the program speaks.
    using KnownNames = std::function<std::vector<std::string>(const std::string& key)>;
    static constexpr size_t kCount = 10;

    // The ten keys, in the order their rows are seeded and their buttons stand.
    static const std::vector<std::string>& keys();
    // Every name a key goes by: the key itself, its text now, and its known texts.
    static std::vector<std::string> namesOf(const std::string& key, const LocalizedText& localized,
                                            const KnownNames& known);

    // `localized` and `known` may be empty: a key then goes by its own name only.
    CategoryKeys(std::vector<CategorySchema> rows, const LocalizedText& localized,
                 const KnownNames& known);

    // The key a name or a stored row stands for; none for a category of no key.
    std::optional<size_t> keyOfName(const std::string& name) const;
    std::optional<size_t> keyOfID(int32_t id) const;
    // The rows stored for a key, oldest first.
    const std::vector<int32_t>& idsOf(size_t key) const { return ids_[key]; }
    // The row a new entry of the key is filed under: the one named in the user's language, else
    // the oldest; 0 when the key has no row.
    int32_t rowFor(size_t key) const;
    // Every stored row in ID order, those of no key included.
    const std::vector<CategorySchema>& rows() const { return rows_; }

private:
    std::vector<CategorySchema> rows_;
    std::unordered_map<std::string, size_t> keyOfName_;
    std::unordered_map<int32_t, size_t> keyOfID_;
    std::array<std::vector<int32_t>, kCount> ids_;
    std::array<int32_t, kCount> inUsersLanguage_{};
};
