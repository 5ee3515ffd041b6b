#pragma once

#include "CategorySchema.h"
#include "PasswordSchema.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

// The kinds of file an import recognises by their header row.
enum class ImportKind { KeePassXC, Bitwarden, Firefox, Chrome };

// What an import would add, worked out before anything is written.
struct ImportPlan {
    ImportKind kind = ImportKind::KeePassXC;
    std::vector<PasswordSchema> entries; // in the file's order
    int duplicates = 0;                  // exactly as already stored, or earlier in the file
    int withoutTitleAndPassword = 0;
};

// Why a file cannot be imported; nothing of it is then.
struct ImportProblem {
    enum class Kind { UnknownHeader, StrayQuote, UnclosedQuote, FieldCount, NoHeader };
    Kind kind = Kind::UnknownHeader;
    int line = 0;
    int fields = 0;   // FieldCount: found on the line
    int expected = 0; // FieldCount: in the header
};

// What the import needs to know of the account, the store and the languages.
struct ImportContext {
    int32_t userID = 0;
    std::vector<CategorySchema> categories; // in store order: the ten seeded first
    // The texts of the category key at this position in every language the program speaks.
    std::function<QStringList(size_t keyIndex)> keyTexts;
    std::vector<PasswordSchema> existing; // the account's entries now
    QString extraFieldsHeading;           // over columns that go into the memo
};

// Reads a whole CSV export (UTF-8). Columns are found by their header names,
// ignoring case and surrounding spaces, with the usual aliases of each
// manager; columns without a place in an entry (one-time password seeds,
// custom fields, favourites, a login realm) go into the memo under a
// heading; pure bookkeeping (icons, dates, IDs) is left out.
std::variant<ImportPlan, ImportProblem> planImport(const std::string& utf8,
                                                   const ImportContext& context);

// The header each kind is recognised by, for telling the user what was expected.
QString expectedHeaders();
