#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// Turns text keys into the user's language. Every visible string in the program is a key
// ("Login.Failed.Message") looked up here, so switching language is a matter of installing
// other tables; nothing caches translated text.
class Localizer {
public:
    // The localised text of `key`, looked up afresh at every call. A key that no installed table
    // knows comes back unchanged, so a missing translation shows up as its key, never as blank.
    static QString text(const QString& key);

    // Replaces the tables this class installed before: English (`tables`_en.qm) as the fallback
    // and, on top of it, the table for `locale` (`tables`_de.qm, ...) when there is one. Qt asks
    // the newest translator first, so a key missing from (say) German is taken from English.
    static void install(const QLocale& locale, const QString& tables);
    // The locale of the last install(): the language lists are sorted and passphrases made in.
    static QLocale locale();
    // Moves at every install(): what was made in one language can tell it is out of date.
    static int installs();

    // The texts of `key` in every table named `tables`_*.qm, whatever the user's language.
    static QStringList textsInEveryTable(const QString& key, const QString& tables);

    // Removes every table this class installed; afterwards each key shows itself.
    static void uninstall();
};
