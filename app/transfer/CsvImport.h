#pragma once

#include "CategoryKeys.h"
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

// The most rows one import takes: far above any real export, and a file of millions of tiny
// rows would otherwise take gigabytes before its summary showed.
constexpr int kMostImportRows = 200000;

// What an import would add, worked out before anything is written.
struct ImportPlan {
    ImportKind kind = ImportKind::KeePassXC;
    std::vector<PasswordSchema> entries; // in the file's order
    int duplicates = 0;                  // exactly as already stored, or earlier in the file
    int withoutTitleAndPassword = 0;
    int tooLong = 0; // a field longer than kLongestField, or a memo longer than kLongestMemo
};

// Why a file cannot be imported; nothing of it is then.
struct ImportProblem {
    enum class Kind { UnknownHeader, StrayQuote, UnclosedQuote, FieldCount, NoHeader, TooManyRows };
    Kind kind = Kind::UnknownHeader;
    int line = 0;
    int fields = 0;   // FieldCount: found on the line
    int expected = 0; // FieldCount: in the header
};

// What the import needs to know of the account, the store and the languages.
struct ImportContext {
    int32_t userID = 0;
    // The stored categories, known by every name of their keys in every language the program
    // speaks.
    CategoryKeys categories{{}, nullptr, nullptr};
    std::vector<PasswordSchema> existing; // the account's entries now
    QString extraFieldsHeading;           // over columns that go into the memo
};

// Reads a whole CSV export (UTF-8). The header row says which manager wrote
// it (the first kind whose columns are all there), and each field of an entry
// is read from that manager's own column for it, ignoring case and
// surrounding spaces; every other column (one-time password seeds, custom
// fields, favourites, a login realm, another manager's columns) goes into the
// memo under a heading; pure bookkeeping (icons, dates, IDs) is left out. Rows
// with a field longer than an entry keeps are skipped and counted.
std::variant<ImportPlan, ImportProblem> planImport(const std::string& utf8,
                                                   const ImportContext& context);

// The header each kind is recognised by, for telling the user what was expected.
QString expectedHeaders();
