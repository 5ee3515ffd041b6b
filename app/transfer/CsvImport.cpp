#include "transfer/CsvImport.h"

#include "transfer/CsvReader.h"
#include "transfer/FieldLimits.h"

#include <QUrl>
#include <algorithm>
#include <array>
#include <unordered_map>
#include <unordered_set>

namespace {

enum class Role { Group, Title, User, Password, Url, Notes };
constexpr size_t kRoles = 6;

struct KindSignature {
    ImportKind kind;
    const char* name;
    std::vector<std::string> columns; // folded names that must all be there
    // The column each role is read from in this kind's files, by Role; "" for none.
    std::array<const char*, kRoles> roles;
};

const std::vector<KindSignature>& signatures() {
    static const std::vector<KindSignature> kinds = {
        {ImportKind::KeePassXC,
         "KeePassXC",
         {"group", "title", "username", "password", "url", "notes"},
         {"group", "title", "username", "password", "url", "notes"}},
        {ImportKind::Bitwarden,
         "Bitwarden",
         {"name", "login_uri", "login_username", "login_password"},
         {"folder", "name", "login_username", "login_password", "login_uri", "notes"}},
        {ImportKind::Firefox,
         "Firefox",
         {"url", "username", "password", "httprealm", "formactionorigin"},
         {"", "", "username", "password", "url", ""}},
        {ImportKind::Chrome,
         "Chrome",
         {"name", "url", "username", "password"},
         {"", "name", "username", "password", "url", "note"}},
    };
    return kinds;
}

std::string foldedName(const std::string& header) {
    const size_t first = header.find_first_not_of(" \t");
    const size_t last = header.find_last_not_of(" \t");
    std::string name = first == std::string::npos ? "" : header.substr(first, last - first + 1);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return name;
}

// Pure bookkeeping of one manager or another, left out of the memo.
bool isBookkeeping(const std::string& name) {
    static const std::unordered_set<std::string> names = {
        "icon",         "last modified",       "created", "guid",     "timecreated",
        "timelastused", "timepasswordchanged", "type",    "reprompt",
    };
    return names.count(name) > 0;
}

// Where each role's column stands in a file of one kind; a second column of
// the same name goes into the memo, as does every column of another kind.
struct Columns {
    std::array<int, kRoles> of{-1, -1, -1, -1, -1, -1};
    std::vector<int> extra;
    const std::string& text(const std::vector<std::string>& row, Role role) const {
        static const std::string none;
        const int at = of[static_cast<size_t>(role)];
        return at < 0 ? none : row[static_cast<size_t>(at)];
    }
};

Columns mapColumns(const std::vector<std::string>& folded, const KindSignature& kind) {
    Columns columns;
    for (size_t i = 0; i < folded.size(); ++i) {
        if (isBookkeeping(folded[i])) {
            continue;
        }
        const auto named = std::find_if(kind.roles.begin(), kind.roles.end(),
                                        [&](const char* name) { return folded[i] == name; });
        const auto role = static_cast<size_t>(named - kind.roles.begin());
        if (role < kRoles && !folded[i].empty() && columns.of[role] < 0) {
            columns.of[role] = static_cast<int>(i);
        } else {
            columns.extra.push_back(static_cast<int>(i));
        }
    }
    return columns;
}

// The category of a group or folder path: the one named like its last part, by
// any name of a category key in any language (filed under the key's row in the
// user's language, so that its button lists it) or by a stored category's own
// name; else the format's own: a browser's logins are website logins, and
// anything else is Other.
class CategoryFinder {
public:
    CategoryFinder(const CategoryKeys& categories, ImportKind kind)
        : categories_(categories),
          fallback_(kind == ImportKind::Chrome || kind == ImportKind::Firefox
                        ? kWebsiteKey
                        : CategoryKeys::kCount - 1) {}
    int32_t find(const std::string& group) const {
        const std::string last = foldedSpaces(group.substr(group.rfind('/') + 1));
        if (const std::optional<size_t> key = categories_.keyOfName(last)) {
            return categories_.rowFor(*key);
        }
        for (const CategorySchema& row : categories_.rows()) {
            if (row.Category() == last) {
                return row.ID();
            }
        }
        return categories_.rowFor(fallback_);
    }

private:
    static std::string foldedSpaces(const std::string& text) {
        const size_t first = text.find_first_not_of(' ');
        return first == std::string::npos
                   ? ""
                   : text.substr(first, text.find_last_not_of(' ') - first + 1);
    }
    static constexpr size_t kWebsiteKey = 1;
    const CategoryKeys& categories_;
    size_t fallback_;
};

std::string identity(const PasswordSchema& entry) {
    std::string key = std::to_string(entry.CategoryID());
    for (const OptionalText* field :
         {&entry.Title(), &entry.User(), &entry.Password(), &entry.Http(), &entry.Memo()}) {
        key += '\0';
        key += field->value_or("");
    }
    return key;
}

ImportProblem readingProblem(const CsvReader& reader) {
    return {reader.error() == CsvReader::Error::StrayQuote ? ImportProblem::Kind::StrayQuote
                                                           : ImportProblem::Kind::UnclosedQuote,
            reader.errorLine()};
}

} // namespace

QString expectedHeaders() {
    QStringList kinds;
    for (const KindSignature& signature : signatures()) {
        QStringList names;
        for (const std::string& column : signature.columns) {
            names << QString::fromStdString(column);
        }
        kinds << QStringLiteral("%1: %2").arg(QLatin1String(signature.name), names.join(", "));
    }
    return kinds.join(QStringLiteral("; "));
}

std::variant<ImportPlan, ImportProblem> planImport(const std::string& utf8,
                                                   const ImportContext& context) {
    CsvReader reader(utf8);
    std::vector<std::string> row;
    if (!reader.next(row)) {
        if (reader.error() != CsvReader::Error::None) {
            return readingProblem(reader);
        }
        return ImportProblem{ImportProblem::Kind::NoHeader};
    }
    std::vector<std::string> folded;
    for (const std::string& header : row) {
        folded.push_back(foldedName(header));
    }
    const std::vector<std::string> headers = row;
    const auto signature =
        std::find_if(signatures().begin(), signatures().end(), [&](const KindSignature& candidate) {
            return std::all_of(
                candidate.columns.begin(), candidate.columns.end(), [&](const std::string& column) {
                    return std::find(folded.begin(), folded.end(), column) != folded.end();
                });
        });
    if (signature == signatures().end()) {
        return ImportProblem{ImportProblem::Kind::UnknownHeader, 1};
    }
    const Columns columns = mapColumns(folded, *signature);
    const CategoryFinder categories(context.categories, signature->kind);
    std::unordered_set<std::string> seen(context.existing.size());
    for (const PasswordSchema& entry : context.existing) {
        seen.insert(identity(entry));
    }

    ImportPlan plan;
    plan.kind = signature->kind;
    // At most one entry per line: reserved once instead of grown by copying.
    const size_t lines = std::min(static_cast<size_t>(std::count(utf8.begin(), utf8.end(), '\n')),
                                  static_cast<size_t>(kMostImportRows));
    plan.entries.reserve(lines);
    seen.reserve(seen.size() + lines);
    for (int rows = 1; reader.next(row); ++rows) {
        if (rows > kMostImportRows) {
            return ImportProblem{ImportProblem::Kind::TooManyRows, reader.recordLine()};
        }
        if (row.size() != headers.size()) {
            return ImportProblem{ImportProblem::Kind::FieldCount, reader.recordLine(),
                                 static_cast<int>(row.size()), static_cast<int>(headers.size())};
        }
        PasswordSchema entry;
        entry.setUserID(context.userID);
        entry.setCategoryID(categories.find(columns.text(row, Role::Group)));
        std::string title = columns.text(row, Role::Title);
        const std::string& url = columns.text(row, Role::Url);
        if (title.empty() && plan.kind == ImportKind::Firefox) {
            // Firefox keeps no titles: the site's host names the entry, as its own list does.
            const QString host = QUrl(QString::fromStdString(url)).host();
            title = host.isEmpty() ? url : host.toStdString();
        }
        std::string memo = columns.text(row, Role::Notes);
        std::string extras;
        for (const int at : columns.extra) {
            const std::string& value = row[static_cast<size_t>(at)];
            if (!value.empty()) {
                extras += "\n" + headers[static_cast<size_t>(at)] + ": " + value;
            }
        }
        if (!extras.empty()) {
            memo +=
                (memo.empty() ? "" : "\n\n") + context.extraFieldsHeading.toStdString() + extras;
        }
        const std::string& user = columns.text(row, Role::User);
        const std::string& password = columns.text(row, Role::Password);
        const auto longerThan = [](const std::string& text, int limit) {
            return text.size() > static_cast<size_t>(limit);
        };
        if (longerThan(memo, kLongestMemo) || longerThan(title, kLongestField) ||
            longerThan(user, kLongestField) || longerThan(password, kLongestField) ||
            longerThan(url, kLongestField)) {
            ++plan.tooLong;
            continue;
        }
        if (title.empty() && password.empty()) {
            ++plan.withoutTitleAndPassword;
            continue;
        }
        entry.setTitle(std::move(title));
        entry.setUser(user);
        entry.setPassword(password);
        entry.setHttp(url);
        entry.setMemo(std::move(memo));
        if (!seen.insert(identity(entry)).second) {
            ++plan.duplicates;
            continue;
        }
        plan.entries.push_back(std::move(entry));
    }
    if (reader.error() != CsvReader::Error::None) {
        return readingProblem(reader);
    }
    return plan;
}
