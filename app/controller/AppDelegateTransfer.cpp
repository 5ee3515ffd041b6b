// Moving in and out: importing the CSV exports of other password managers
// into the logged-in account, and exporting its entries. Nothing is written
// until the user has seen what would be; then all of it is, or none.
#include "LockmereMain.h"
#include "controller/AppDelegate.h"
#include "controller/TextConversion.h"
#include "toolkit/Localizer.h"
#include "toolkit/PrivateFile.h"
#include "transfer/CsvExport.h"
#include "transfer/CsvImport.h"
#include "transfer/TextDecoding.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>

namespace {

// No password manager's export comes near this; a larger file is something else.
constexpr qint64 kLargestImport = 64 * 1024 * 1024;
constexpr size_t kProgressFrom = 2000; // entries; smaller imports end before a dialog would show

const char* kindKey(ImportKind kind) {
    switch (kind) {
    case ImportKind::KeePassXC:
        return "KindKeePassXC";
    case ImportKind::Bitwarden:
        return "KindBitwarden";
    case ImportKind::Firefox:
        return "KindFirefox";
    case ImportKind::Chrome:
        return "KindChrome";
    }
    return "";
}

QString describe(const ImportProblem& problem) {
    switch (problem.kind) {
    case ImportProblem::Kind::UnknownHeader:
        return Localizer::text("ImportUnknownHeader").arg(expectedHeaders());
    case ImportProblem::Kind::NoHeader:
        return Localizer::text("ImportEmpty");
    case ImportProblem::Kind::StrayQuote:
        return Localizer::text("ImportStrayQuote").arg(problem.line);
    case ImportProblem::Kind::UnclosedQuote:
        return Localizer::text("ImportUnclosedQuote").arg(problem.line);
    case ImportProblem::Kind::FieldCount:
        return Localizer::text("ImportFieldCount")
            .arg(problem.line)
            .arg(problem.fields)
            .arg(problem.expected);
    }
    return QString();
}

// The file's bytes, or the reason they cannot be had: its texts are read
// whole, so a file too large for that is refused before it is read.
std::optional<QString> readImportFile(const QString& path, QByteArray& bytes) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return Localizer::text("ImportIsFolder");
    }
    if (info.size() > kLargestImport) {
        return Localizer::text("ImportTooLarge").arg(kLargestImport / (1024 * 1024));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Localizer::text("ImportUnreadable").arg(file.errorString());
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return Localizer::text("ImportUnreadable").arg(file.errorString());
    }
    return std::nullopt;
}

} // namespace

AppDelegate::FileChooser AppDelegate::dialogFileChooser() {
    return [](QWidget* parent, bool forSaving) {
        const QString filter = Localizer::text("CsvFiles") + QStringLiteral(" (*.csv);;") +
                               Localizer::text("AllFiles") + QStringLiteral(" (*)");
        // Qt's own dialog: the same on every desktop, and reachable by screen readers.
        const auto options = QFileDialog::DontUseNativeDialog;
        return forSaving ? QFileDialog::getSaveFileName(parent, Localizer::text("ExportTitle"),
                                                        QStringLiteral("Lockmere.csv"), filter,
                                                        nullptr, options)
                         : QFileDialog::getOpenFileName(parent, Localizer::text("ImportTitle"),
                                                        QString(), filter, nullptr, options);
    };
}

void AppDelegate::importAction() {
    if (!loginUser_) {
        return;
    }
    const QString path = fileChooser_(&window_, false);
    if (path.isEmpty()) {
        return;
    }
    QByteArray bytes;
    if (const std::optional<QString> unreadable = readImportFile(path, bytes)) {
        alerts_.showTextAlert(Localizer::text("ImportRefused"), *unreadable);
        return;
    }
    const DecodedText text = decodeText(bytes);
    bytes = QByteArray(); // the text is all that is needed from here on
    if (text.problem != DecodedText::Problem::None) {
        const char* reason = text.problem == DecodedText::Problem::Empty     ? "ImportEmpty"
                             : text.problem == DecodedText::Problem::NotUtf8 ? "ImportNotUtf8"
                                                                             : "ImportNotText";
        alerts_.showTextAlert(Localizer::text("ImportRefused"), Localizer::text(reason));
        return;
    }
    ImportContext context;
    context.userID = loginUser_->ID();
    context.categories = mySQLLite_->getCategories();
    context.keyTexts = [](size_t keyIndex) {
        return Localizer::textsInEveryTable(
            QString::fromStdString(MySQLLite::categoryKeys()[keyIndex]), kTranslationTables);
    };
    context.existing = mySQLLite_->getAllPasswords(loginUser_->ID());
    context.extraFieldsHeading = Localizer::text("ImportedFields");
    const auto planned = planImport(text.utf8, context);
    if (const auto* problem = std::get_if<ImportProblem>(&planned)) {
        alerts_.showTextAlert(Localizer::text("ImportRefused"), describe(*problem));
        return;
    }
    runImport(std::get<ImportPlan>(planned), context.categories);
}

void AppDelegate::runImport(const ImportPlan& plan, const std::vector<CategorySchema>& categories) {
    QStringList summary;
    for (const CategorySchema& category : categories) {
        const auto count = std::count_if(
            plan.entries.begin(), plan.entries.end(),
            [&](const PasswordSchema& entry) { return entry.CategoryID() == category.ID(); });
        if (count > 0) {
            summary << Localizer::text("ImportPerCategory")
                           .arg(toQString(category.Category()))
                           .arg(count);
        }
    }
    if (plan.duplicates > 0) {
        summary << Localizer::text("ImportSkippedDuplicates").arg(plan.duplicates);
    }
    if (plan.withoutTitleAndPassword > 0) {
        summary << Localizer::text("ImportSkippedEmpty").arg(plan.withoutTitleAndPassword);
    }
    const QString kind = Localizer::text(kindKey(plan.kind));
    if (plan.entries.empty()) {
        alerts_.showTextAlert(Localizer::text("ImportNothing").arg(kind), summary.join('\n'));
        return;
    }
    const int session = session_;
    if (alerts_.runTextConfirmation(
            Localizer::text("ImportConfirm").arg(kind).arg(plan.entries.size()), summary.join('\n'),
            "Import", "Cancel") != AlertDefaultReturn ||
        session != session_) {
        return;
    }
    QProgressDialog progress(Localizer::text("Importing"), Localizer::text("Cancel"), 0,
                             static_cast<int>(plan.entries.size()), &window_);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(plan.entries.size() >= kProgressFrom ? 300 : 1000 * 3600);
    const MySQLLite::BatchResult result =
        mySQLLite_->insertPasswords(plan.entries, [&](size_t added) {
            progress.setValue(static_cast<int>(added));
            QCoreApplication::processEvents();
            // A logout meanwhile (the idle guard) ends the import as a cancel does.
            return !progress.wasCanceled() && session == session_;
        });
    progress.reset();
    passwordTableModel_->reloadData();
    if (result == MySQLLite::BatchResult::Cancelled) {
        showAlert("ImportCancelled", "NothingImported");
    } else if (result == MySQLLite::BatchResult::Failed) {
        showAlert("ImportFailed", "NothingImported");
    }
}

void AppDelegate::exportAction() {
    if (!loginUser_ || alerts_.runDeleteConfirmation("ExportWarning", "ExportWarningInfo", "Export",
                                                     "Cancel") != AlertDefaultReturn) {
        return;
    }
    const int session = session_;
    const QString path = fileChooser_(&window_, true);
    if (path.isEmpty() || session != session_) {
        return;
    }
    categories_ = mySQLLite_->getCategories();
    const QByteArray csv =
        exportCsv(mySQLLite_->getAllPasswords(loginUser_->ID()),
                  [this](int32_t categoryID) { return categoryName(categoryID); });
    if (!writePrivateFile(path, csv)) {
        showAlert("ExportFailed", "ExportFailedInfo");
    }
}
