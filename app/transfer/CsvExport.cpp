#include "transfer/CsvExport.h"

namespace {

void appendQuoted(QByteArray& out, const QByteArray& text) {
    out += '"';
    out += QByteArray(text).replace('"', "\"\"");
    out += '"';
}

QByteArray bytesOf(const OptionalText& text) {
    return text ? QByteArray::fromStdString(*text) : QByteArray();
}

} // namespace

QByteArray exportCsv(const std::vector<PasswordSchema>& entries,
                     const std::function<QString(int32_t categoryID)>& categoryName) {
    QByteArray out = "\"Group\",\"Title\",\"Username\",\"Password\",\"URL\",\"Notes\",\"TOTP\","
                     "\"Icon\",\"Last Modified\",\"Created\"\n";
    for (const PasswordSchema& entry : entries) {
        appendQuoted(out, categoryName(entry.CategoryID()).toUtf8());
        for (const OptionalText* field :
             {&entry.Title(), &entry.User(), &entry.Password(), &entry.Http(), &entry.Memo()}) {
            out += ',';
            appendQuoted(out, bytesOf(*field));
        }
        out += ",\"\",\"\",\"\",\"\"\n"; // no one-time passwords, icons or dates are kept
    }
    return out;
}
