#include "toolkit/Localizer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QList>
#include <QPointer>
#include <QTranslator>

namespace {

// The translators are children of the application object, so QPointer keeps us from touching
// ones that died with an earlier QApplication (tests create and destroy several).
QList<QPointer<QTranslator>>& installedTranslators() {
    static QList<QPointer<QTranslator>> translators;
    return translators;
}

QLocale& installedLocale() {
    static QLocale locale = QLocale::system();
    return locale;
}

int& installCount() {
    static int count = 0;
    return count;
}

void installTranslator(QTranslator* translator) {
    QCoreApplication::installTranslator(translator);
    installedTranslators().append(translator);
}

} // namespace

QString Localizer::text(const QString& key) {
    return qtTrId(key.toUtf8().constData());
}

QLocale Localizer::locale() {
    return installedLocale();
}

int Localizer::installs() {
    return installCount();
}

void Localizer::install(const QLocale& locale, const QString& tables) {
    uninstall();
    installedLocale() = locale;
    ++installCount();
    const QString englishTable = tables + QStringLiteral("_en.qm");
    const QFileInfo base(tables);
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr) {
        return;
    }

    auto* english = new QTranslator(application);
    if (english->load(englishTable)) {
        installTranslator(english);
    } else {
        delete english;
    }

    // Qt's own texts (file dialogs, a text field's menu, key names), where Debian installed them.
    auto* qt = new QTranslator(application);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installTranslator(qt);
    } else {
        delete qt;
    }

    auto* local = new QTranslator(application);
    // load() walks the locale's UI languages (de_CH, de, ...) and may well end on the English
    // table, which is already installed underneath.
    if (local->load(locale, base.fileName(), QStringLiteral("_"), base.path()) &&
        local->filePath() != englishTable) {
        installTranslator(local);
    } else {
        delete local;
    }
}

void Localizer::uninstall() {
    for (const QPointer<QTranslator>& translator : installedTranslators()) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    installedTranslators().clear();
}

QStringList Localizer::textsInEveryTable(const QString& key, const QString& tables) {
    const QFileInfo base(tables);
    QStringList texts;
    for (const QFileInfo& table : QDir(base.path()).entryInfoList({base.fileName() + "_*.qm"})) {
        QTranslator translator;
        if (translator.load(table.filePath())) {
            const QString text = translator.translate(nullptr, key.toUtf8().constData());
            if (!text.isEmpty()) {
                texts << text;
            }
        }
    }
    return texts;
}
