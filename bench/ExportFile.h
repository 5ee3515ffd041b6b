#pragma once

// A KeePassXC export of kRows entries in ten groups, as the import benchmarks read it.
#include <QFile>
#include <QString>
#include <array>
#include <string>

constexpr int kRows = 100000;

inline std::array<std::string, 6> row(int i) {
    static const char* const kGroups[] = {"Email",     "Website",        "Computer", "Software",
                                          "Bank Card", "Online Banking", "Router",   "Lock",
                                          "Safe",      "Travel"};
    return {std::string("Passwords/") + kGroups[i % 10],
            "Imported account " + std::to_string(i),
            "person" + std::to_string(i) + "@example.org",
            "pw-" + std::to_string(i * 7919),
            "https://site" + std::to_string(i % 997) + ".example.org/login",
            i % 5 == 0 ? "Kundennummer bei Müller, \"Straße\" 5\nzweite Zeile" : ""};
}

inline void writeExport(const QString& path) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("\"Group\",\"Title\",\"Username\",\"Password\",\"URL\",\"Notes\",\"TOTP\",\"Icon\","
               "\"Last Modified\",\"Created\"\n");
    for (int i = 0; i < kRows; ++i) {
        QByteArray line;
        for (const std::string& field : row(i)) {
            line += '"' + QByteArray::fromStdString(field).replace('"', "\"\"") + "\",";
        }
        file.write(line + "\"\",\"0\",\"2026-01-01T10:00:00Z\",\"2026-01-01T10:00:00Z\"\n");
    }
}
