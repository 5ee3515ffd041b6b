#pragma once

#include <QHash>
#include <QString>
#include <QTranslator>

// A translator built from a table in the test itself, so tests can check that text really goes
// through Localizer without compiling .qm files. Keys not in the table are left to the next
// translator, as a real table would.
class DictionaryTranslator : public QTranslator {
public:
    explicit DictionaryTranslator(QHash<QString, QString> texts);

    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override;

private:
    QHash<QString, QString> texts_;
};
