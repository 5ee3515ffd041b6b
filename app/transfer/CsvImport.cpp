#include "transfer/CsvImport.h"

#include "transfer/CsvReader.h"

#include <QUrl>
#include <algorithm>
#include <array>
#include <unordered_map>
#include <unordered_set>

namespace {

enum class Role { Group, Title, User, Password, Url, Notes, Extra, Ignored };

struct KindSignature {
    ImportKind kind;
    const char* name;
    std::vector<std::string> columns; // folded names that must all be there
};

const std::vector<KindSignature>& signatures() {
    static const std::vector<KindSignature> kinds = {
        {ImportKind::KeePassXC,
         "KeePassXC",
         {"group", "title", "username", "password", "url", "notes"}},
        {ImportKind::Bitwarden,
         "Bitwarden",
         {"name", "login_uri", "login_username", "login_password"}},
        {ImportKind::Firefox,
         "Firefox",
         {"url", "username", "password", "httprealm", "formactionorigin"}},
        {ImportKind::Chrome, "Chrome", {"name", "url", "username", "password"}},
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

Role roleOf(const std::string& name) {
    static const std::unordered_map<std::string, Role> roles = {
        {"group", Role::Group},
        {"folder", Role::Group},
        {"title", Role::Title},
        {"name", Role::Title},
        {"username", Role::User},
        {"user", Role::User},
        {"login", Role::User},
        {"login_username", Role::User},
        {"password", Role::Password},
        {"login_password", Role::Password},
        {"url", Role::Url},
        {"website", Role::Url},
        {"origin", Role::Url},
        {"login_uri", Role::Url},
        {"note", Role::Notes},
        {"notes", Role::Notes},
        {"comment", Role::Notes},
        {"icon", Role::Ignored},
        {"last modified", Role::Ignored},
        {"created", Role::Ignored},
        {"guid", Role::Ignored},
        {"timecreated", Role::Ignored},
        {"timelastused", Role::Ignored},
        {"timepasswordchanged", Role::Ignored},
        {"type", Role::Ignored},
        {"reprompt", Role::Ignored},
    };
    const auto found = roles.find(name);
    return found == roles.end() ? Role::Extra : found->second;
}

// Where each role's column stands; a role's first column wins, and a second
// column of the same role goes into the memo.
struct Columns {
    std::array<int, 6> of{-1, -1, -1, -1, -1, -1};
    std::vector<int> extra;
    const std::string& text(const std::vector<std::string>& row, Role role) const {
        static const std::string none;
        const int at = of[static_cast<size_t>(role)];
        return at < 0 ? none : row[static_cast<size_t>(at)];
    }
};

Columns mapColumns(const std::vector<std::string>& folded) {
    Columns columns;
    for (size_t i = 0; i < folded.size(); ++i) {
        const Role role = roleOf(folded[i]);
        if (role == Role::Ignored) {
            continue;
        }
        if (role != Role::Extra && columns.of[static_cast<size_t>(role)] < 0) {
            columns.of[static_cast<size_t>(role)] = static_cast<int>(i);
        } else {
            columns.extra.push_back(static_cast<int>(i));
        }
    }
    return columns;
}

// The category of a group or folder path: the one named like its last part,
// by its stored name or by a seeded category's name in any language; else Other.
class CategoryFinder {
public:
    explicit CategoryFinder(const ImportContext& context) {
        for (const CategorySchema& category : context.categories) {
            ids_.emplace(category.Category().value_or(""), category.ID());
        }
        const size_t seeded = std::min<size_t>(10, context.categories.size());
        for (size_t i = 0; i < seeded && context.keyTexts; ++i) {
            for (const QString& text : context.keyTexts(i)) {
                ids_.emplace(text.toStdString(), context.categories[i].ID());
            }
        }
        other_ = seeded == 10 ? context.categories[9].ID()
                              : (context.categories.empty() ? 0 : context.categories.back().ID());
    }
    int32_t find(const std::string& group) const {
        const std::string last = foldedSpaces(group.substr(group.rfind('/') + 1));
        const auto found = ids_.find(last);
        return found == ids_.end() ? other_ : found->second;
    }

private:
    static std::string foldedSpaces(const std::string& text) {
        const size_t first = text.find_first_not_of(' ');
        return first == std::string::npos
                   ? ""
                   : text.substr(first, text.find_last_not_of(' ') - first + 1);
    }
    std::unordered_map<std::string, int32_t> ids_;
    int32_t other_ = 0;
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
    const Columns columns = mapColumns(folded);
    const CategoryFinder categories(context);
    std::unordered_set<std::string> seen(context.existing.size());
    for (const PasswordSchema& entry : context.existing) {
        seen.insert(identity(entry));
    }

    ImportPlan plan;
    plan.kind = signature->kind;
    // At most one entry per line: reserved once instead of grown by copying.
    const auto lines = static_cast<size_t>(std::count(utf8.begin(), utf8.end(), '\n'));
    plan.entries.reserve(lines);
    seen.reserve(seen.size() + lines);
    while (reader.next(row)) {
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
        const std::string& password = columns.text(row, Role::Password);
        if (title.empty() && password.empty()) {
            ++plan.withoutTitleAndPassword;
            continue;
        }
        entry.setTitle(std::move(title));
        entry.setUser(columns.text(row, Role::User));
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
