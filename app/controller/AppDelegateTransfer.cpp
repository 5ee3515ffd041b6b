// Moving in and out: importing the CSV exports of other password managers
// into the logged-in account, and exporting its entries. Nothing is written
// until the user has seen what would be; then all of it is, or none.
#include "LockmereMain.h"
#include "controller/AppDelegate.h"
#include "controller/TextConversion.h"
#include "toolkit/FileDialogs.h"
#include "toolkit/Localizer.h"
#include "toolkit/PrivateFile.h"
#include "transfer/CsvExport.h"
#include "transfer/CsvImport.h"
#include "transfer/FieldLimits.h"
#include "transfer/ImportFile.h"
#include "transfer/TextDecoding.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QProgressDialog>
#include <QStandardPaths>
#include <algorithm>
#include <cstring>

namespace {

// No password manager's export comes near this; a larger file is something else.
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
    case ImportProblem::Kind::TooManyRows:
        return Localizer::text("ImportTooManyRows").arg(kMostImportRows);
    }
    return QString();
}

QString describe(DecodedText::Problem problem) {
    switch (problem) {
    case DecodedText::Problem::Empty:
        return Localizer::text("ImportEmpty");
    case DecodedText::Problem::NotUtf8:
        return Localizer::text("ImportNotUtf8");
    case DecodedText::Problem::BrokenUtf16:
        return Localizer::text("ImportBrokenUtf16");
    case DecodedText::Problem::Binary:
    case DecodedText::Problem::None:
        break;
    }
    return Localizer::text("ImportNotText");
}

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Why a file's bytes cannot be had, for the user.
QString describe(const ImportFile& file) {
    switch (file.problem) {
    case ImportFile::Problem::None:
        break;
    case ImportFile::Problem::Folder:
        return Localizer::text("ImportIsFolder");
    case ImportFile::Problem::NotAFile:
        return Localizer::text("ImportNotAFile");
    case ImportFile::Problem::TooLarge:
        return Localizer::text("ImportTooLarge").arg(ImportFile::kLargestImport / (1024 * 1024));
    case ImportFile::Problem::Unreadable:
        return Localizer::text("ImportUnreadable").arg(systemError(file.error));
    }
    return QString();
}

} // namespace

namespace {

// An account's name as part of a file name: what a file name cannot hold, or would show
// otherwise than it is (controls, a right-to-left override, line separators), becomes '_', and
// a long name is shortened, so that the whole name stays well within the 255 bytes a file
// system allows.
QString fileNamePart(const QString& name) {
    // By characters, not UTF-16 units: an emoji is a character a name may have. 48 of at most
    // four bytes each leave room for the rest of the name.
    constexpr qsizetype kLongest = 48;
    const QList<uint> characters = name.toUcs4();
    QString part;
    for (const char32_t c : characters.first(std::min(kLongest, characters.size()))) {
        const QChar::Category kind = QChar::category(c);
        const bool unsafe = kind == QChar::Other_Control || kind == QChar::Other_Format ||
                            kind == QChar::Separator_Line || kind == QChar::Separator_Paragraph ||
                            (c < 0x80 && QByteArrayView("/\\:*?\"<>|").contains(char(c)));
        part += unsafe ? QString(u'_') : QString::fromUcs4(&c, 1);
    }
    return part;
}

} // namespace

AppDelegate::FileChooser AppDelegate::dialogFileChooser() {
    return [](QWidget* parent, bool forSaving, const QString& suggestedName) {
        const QString filter = Localizer::text("CsvFiles") + QStringLiteral(" (*.csv);;") +
                               Localizer::text("AllFiles") + QStringLiteral(" (*)");
        // Always the Documents folder: where the last person exported is not the next one's
        // business.
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        return askForFile(parent, Localizer::text(forSaving ? "ExportTitle" : "ImportTitle"),
                          documents, suggestedName, filter, forSaving);
    };
}

void AppDelegate::importAction() {
    if (!sessionStillValid()) {
        return;
    }
    const QString path = fileChooser_(&window_, false, QString());
    if (path.isEmpty()) {
        return;
    }
    ImportFile file = readImportFile(path);
    if (file.problem != ImportFile::Problem::None) {
        alerts_.showTextAlert(Localizer::text("ImportRefused"), describe(file));
        return;
    }
    const DecodedText text = decodeText(file.bytes);
    file.bytes = QByteArray(); // the text is all that is needed from here on
    if (text.problem != DecodedText::Problem::None) {
        alerts_.showTextAlert(Localizer::text("ImportRefused"), describe(text.problem));
        return;
    }
    // The duplicates are told apart from what is stored now: a list that could not be read
    // must not pass for an account without entries.
    std::optional<CategoryKeys> categories = mySQLLite_->readCategoryKeys();
    Listed<PasswordSchema> existing =
        categories ? mySQLLite_->readAllPasswords(loginUser_->ID()) : std::nullopt;
    if (!existing) {
        showStoreTrouble();
        return;
    }
    ImportContext context;
    context.userID = loginUser_->ID();
    context.categories = std::move(*categories);
    context.existing = std::move(*existing);
    context.extraFieldsHeading = Localizer::text("ImportedFields");
    const auto planned = planImport(text.utf8, context);
    if (const auto* problem = std::get_if<ImportProblem>(&planned)) {
        alerts_.showTextAlert(Localizer::text("ImportRefused"), describe(*problem));
        return;
    }
    categoryKeys_ = std::move(context.categories);
    runImport(std::get<ImportPlan>(planned), QFileInfo(path).fileName());
}

void AppDelegate::runImport(const ImportPlan& plan, const QString& fileName) {
    QStringList summary;
    for (const CategorySchema& category : categoryKeys_->rows()) {
        const auto count = std::count_if(
            plan.entries.begin(), plan.entries.end(),
            [&](const PasswordSchema& entry) { return entry.CategoryID() == category.ID(); });
        if (count > 0) {
            summary
                << Localizer::text("ImportPerCategory").arg(categoryName(category.ID())).arg(count);
        }
    }
    if (plan.duplicates > 0) {
        summary << Localizer::text("ImportSkippedDuplicates").arg(plan.duplicates);
    }
    if (plan.withoutTitleAndPassword > 0) {
        summary << Localizer::text("ImportSkippedEmpty").arg(plan.withoutTitleAndPassword);
    }
    if (plan.tooLong > 0) {
        summary << Localizer::text("ImportSkippedTooLong")
                       .arg(kLongestField / 1024)
                       .arg(kLongestMemo / 1024)
                       .arg(plan.tooLong);
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
        session != session_ || !sessionStillValid()) {
        return;
    }
    // Modal from the first moment: nothing the user does may run inside the import's
    // transaction, where a cancel would undo it after it closed as saved. (The store refuses any
    // other write meanwhile too.)
    QProgressDialog progress(Localizer::text("Importing"), Localizer::text("Cancel"), 0,
                             static_cast<int>(plan.entries.size()), &window_);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.show();
    const MySQLLite::BatchResult result =
        mySQLLite_->insertPasswords(plan.entries, [&](size_t added) {
            progress.setValue(static_cast<int>(added));
            QCoreApplication::processEvents();
            // A logout meanwhile (the idle guard) ends the import as a cancel does.
            return !progress.wasCanceled() && session == session_;
        });
    progress.reset();
    if (session != session_) {
        return; // logged out meanwhile: the next person sees only the login window
    }
    reloadEntryList();
    if (result == MySQLLite::BatchResult::Done) {
        tellInStatusLine(Localizer::text("ImportedStatus").arg(plan.entries.size()).arg(fileName));
    } else if (result == MySQLLite::BatchResult::Cancelled) {
        showAlert("ImportCancelled", "NothingImported");
    } else if (result == MySQLLite::BatchResult::Failed) {
        showAlert("ImportFailed", "NothingImported");
    }
}

void AppDelegate::exportAction() {
    // A protected file's entries leave its protection: the warning says so.
    const char* warning =
        mySQLLite_->isProtected() ? "ExportWarningProtectedInfo" : "ExportWarningInfo";
    if (!loginUser_ || alerts_.runDeleteConfirmation("ExportWarning", warning, "Export",
                                                     "Cancel") != AlertDefaultReturn) {
        return;
    }
    const int session = session_;
    // Each account's export has a name of its own: one household member's is not written over
    // another's in the shared Documents folder.
    const QString account = fileNamePart(toQString(loginUser_->User()));
    const QString suggested = QStringLiteral("Lockmere-%1-%2.csv")
                                  .arg(account, QDate::currentDate().toString(Qt::ISODate));
    const QString path = fileChooser_(&window_, true, suggested);
    if (path.isEmpty() || session != session_ || !sessionStillValid()) {
        return;
    }
    // Entries that could not be read are never written as an empty file.
    categoryKeys_ = mySQLLite_->readCategoryKeys();
    const Listed<PasswordSchema> entries =
        categoryKeys_ ? mySQLLite_->readAllPasswords(loginUser_->ID()) : std::nullopt;
    if (!entries) {
        showStoreTrouble();
        return;
    }
    const QByteArray csv =
        exportCsv(*entries, [this](int32_t categoryID) { return categoryName(categoryID); });
    const PrivateFileWrite written = writePrivateFile(path, csv);
    if (written.outcome == PrivateFileWrite::Outcome::Written) {
        tellInStatusLine(
            Localizer::text("ExportedStatus").arg(entries->size()).arg(QFileInfo(path).fileName()));
    } else if (written.outcome == PrivateFileWrite::Outcome::ForeignLink) {
        showAlert("ExportFailed", "ExportForeignLink");
    } else if (written.outcome == PrivateFileWrite::Outcome::Failed) {
        alerts_.showTextAlert(
            Localizer::text("ExportFailed"),
            Localizer::text("ExportFailedBecause").arg(systemError(written.error)));
    }
}
