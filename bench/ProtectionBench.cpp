// A protected file beside a plain one, in the same run and taking turns: a category pressed
// until its list is painted, a search keystroke until the results are painted, one saved edit,
// and a 100,000-row import, at 10,000 and 100,000 entries; and unlocking next to Argon2id alone
// with the same parameters.
//
//   ./build/bench/lockmere_protection_bench
#include "BenchSupport.h"
#include "ExportFile.h"
#include "LockmereMain.h"
#include "Scenario.h"
#include "toolkit/Localizer.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <sodium.h>

namespace {

constexpr const char* kPassphrase = "amber-kettle-horizon";

struct Figures {
    Timing pressed, keystroke, edit;
    double import = 0, unlock = 0;
};

Figures figures(int count, bool isProtected, const QString& exportFile) {
    Figures f;
    {
        Scenario scenario(count, 1, isProtected ? kPassphrase : "");
        f.unlock = scenario.unlockMilliseconds();
        f.pressed = measure(15, [&] {
            scenario.press(scenario.website());
            scenario.press(scenario.email());
            scenario.paint();
        });
        const QStringList typed{"a",     "ac",     "acc",     "acco",
                                "accou", "accoun", "account", "account 0"};
        QLineEdit* field = scenario.ui().searchField;
        int next = 0;
        f.keystroke = measure(typed.size() * 3, [&] {
            field->setText(typed[next++ % typed.size()]);
            scenario.settle();
            scenario.paint();
        });
        field->setText(QString());
        scenario.press(scenario.email());
        int edits = 0;
        f.edit = measure(15, [&] {
            scenario.table()->selectRow(0);
            scenario.app().clickTableAction();
            scenario.ui().memoField->setPlainText("edited " + QString::number(++edits));
            scenario.app().saveAction();
            scenario.settle();
        });
    }
    Scenario scenario(count, 10, isProtected ? kPassphrase : "");
    scenario.app().setFileChooser([&](QWidget*, bool, const QString&) { return exportFile; });
    f.import = measure(1, [&] { scenario.app().importAction(); }).median;
    return f;
}

// Argon2id alone, with the parameters a protected file is made with.
double argon2Alone() {
    unsigned char key[32], salt[crypto_pwhash_SALTBYTES] = {};
    const KdfCost cost = KdfCost::forUnlocking();
    return measure(3,
                   [&] {
                       if (crypto_pwhash(key, sizeof key, kPassphrase, std::strlen(kPassphrase),
                                         salt, cost.opslimit, cost.memlimit,
                                         crypto_pwhash_ALG_ARGON2ID13) != 0) {
                           std::fprintf(stderr, "Argon2id had no memory\n");
                       }
                   })
        .median;
}

void line(const char* what, double plain, double sealed) {
    std::printf("  %-34s %9.2f ms %9.2f ms   %5.2fx\n", what, plain, sealed, sealed / plain);
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Localizer::install(QLocale(QLocale::English, QLocale::UnitedStates), kTranslationTables);
    QTemporaryDir work;
    const QString exportFile = work.filePath("export.csv");
    writeExport(exportFile);
    const KdfCost cost = KdfCost::forUnlocking();
    std::printf("Argon2id: opslimit %llu, memlimit %zu MiB; alone, median of 3: %.0f ms\n",
                cost.opslimit, cost.memlimit >> 20, argon2Alone());
    for (const int count : {10000, 100000}) {
        const Figures plain = figures(count, false, exportFile);
        const Figures sealed = figures(count, true, exportFile);
        std::printf("\n%d entries                           plain     protected   ratio\n", count);
        line("category pressed until painted", plain.pressed.median, sealed.pressed.median);
        line("search keystroke until painted", plain.keystroke.median, sealed.keystroke.median);
        line("one saved edit", plain.edit.median, sealed.edit.median);
        line("100,000-row import", plain.import, sealed.import);
        std::printf("  unlocking (Argon2id included)      %9s    %9.0f ms\n", "-", sealed.unlock);
    }
    return 0;
}
