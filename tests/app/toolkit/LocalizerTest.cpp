#include "toolkit/Localizer.h"

#include "support/DictionaryTranslator.h"
#include "support/QtPrinters.h"

#include <QCoreApplication>
#include <QLocale>
#include <gtest/gtest.h>

TEST(Localizer, KeysShowThemselvesUnlessATableKnowsThem) {
    Localizer::uninstall();
    EXPECT_EQ(Localizer::text(QStringLiteral("Login.Failed.Message")),
              QStringLiteral("Login.Failed.Message"));

    // The text is looked up at every call: a table installed afterwards is used at once...
    DictionaryTranslator german(
        {{QStringLiteral("Login.Failed.Message"), QStringLiteral("Anmeldung fehlgeschlagen")}});
    QCoreApplication::installTranslator(&german);
    EXPECT_EQ(Localizer::text(QStringLiteral("Login.Failed.Message")),
              QStringLiteral("Anmeldung fehlgeschlagen"));
    EXPECT_EQ(Localizer::text(QStringLiteral("Unknown.Key")), QStringLiteral("Unknown.Key"));

    // ...and install()/uninstall() only replace the tables the Localizer put there itself. No
    // tables are embedded in this test program, so install() finds none and must cope.
    Localizer::install(QLocale(QLocale::German, QLocale::Germany));
    Localizer::install(QLocale(QLocale::English));
    Localizer::uninstall();
    EXPECT_EQ(Localizer::text(QStringLiteral("Login.Failed.Message")),
              QStringLiteral("Anmeldung fehlgeschlagen"));

    QCoreApplication::removeTranslator(&german);
    EXPECT_EQ(Localizer::text(QStringLiteral("Login.Failed.Message")),
              QStringLiteral("Login.Failed.Message"));
}
