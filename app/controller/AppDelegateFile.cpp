// The database file and what can go wrong with it while the program runs: another program
// holding its lock, a damaged page, the logged-in account changed by another copy. None of it may
// look like an empty list, a wrong password or a right that still holds.
#include "controller/AccountRights.h"
#include "controller/AppDelegate.h"
#include "toolkit/Localizer.h"

#include <QDir>
#include <QStatusBar>
#include <sqlite3.h>

namespace {

bool busyFailure(int result) {
    return result == SQLITE_BUSY || result == SQLITE_LOCKED;
}

const char* problemKey(FileProblem problem) {
    switch (problem) {
    case FileProblem::None:
        break;
    case FileProblem::NoDocumentsFolder:
        return "FileNoFolder";
    case FileProblem::CannotCreate:
        return "FileCannotCreate";
    case FileProblem::ForeignLink:
        return "FileForeignLink";
    case FileProblem::DanglingLink:
        return "FileDanglingLink";
    case FileProblem::CannotOpen:
        return "FileCannotOpen";
    case FileProblem::NotADatabase:
        return "FileNotADatabase";
    case FileProblem::Damaged:
        return "FileDamaged";
    case FileProblem::Busy:
        return "FileBusyAtStart";
    case FileProblem::ReadOnly:
        return "FileReadOnly";
    case FileProblem::Moved:
        return "FileMoved";
    case FileProblem::Protected:
        break; // asked for its passphrase, not said to be unusable
    }
    return "";
}

} // namespace

std::optional<DataStamp> AppDelegate::storeStamp() {
    if (!readLatch_.mayRead()) {
        return std::nullopt;
    }
    const DataStamp now = mySQLLite_->dataStamp();
    if (!now.known) {
        storeUnreadable();
        return std::nullopt;
    }
    if (readLatch_.readWorked()) {
        window_.statusBar()->clearMessage(); // the file is no longer busy
    }
    return now;
}

void AppDelegate::storeUnreadable() {
    const bool first = readLatch_.readFailed();
    const bool moved = mySQLLite_->fileProblem() == FileProblem::Moved;
    if (moved && first) { // said once, as at start: a status line alone is easily missed
        QMetaObject::invokeMethod(this, &AppDelegate::sayFileProblem, Qt::QueuedConnection);
    }
    const char* key = moved                                        ? "FileMovedStatus"
                      : busyFailure(mySQLLite_->lastReadFailure()) ? "FileBusyStatus"
                                                                   : "FileUnreadableStatus";
    tellInStatusLine(Localizer::text(key));
}

void AppDelegate::showStoreTrouble() {
    if (mySQLLite_->fileProblem() == FileProblem::Moved) {
        sayFileProblem();
        return;
    }
    const bool busy = busyFailure(mySQLLite_->lastReadFailure());
    showAlert(busy ? "FileBusyAlert" : "FileUnreadableAlert",
              busy ? "FileBusyAlertInfo" : "FileUnreadableAlertInfo");
}

void AppDelegate::showWriteTrouble() {
    const int failure = mySQLLite_->lastWriteFailure();
    if (mySQLLite_->fileProblem() == FileProblem::Moved ||
        mySQLLite_->fileProblem() == FileProblem::ReadOnly) {
        sayFileProblem();
    } else if (busyFailure(failure)) {
        showAlert("FileBusyAlert", "FileBusyAlertInfo");
    } else if (failure == SQLITE_READONLY) {
        showAlert("FileReadOnlyAlert", "FileReadOnlyInfo");
    } else {
        showAlert("SaveFailAlert", "SaveFailAlertInfo");
    }
}

bool AppDelegate::sessionStillValid() {
    if (!loginUser_) {
        return false;
    }
    const std::vector<UserSchema>* accounts = allAccounts();
    if (accounts == nullptr) {
        showStoreTrouble();
        return false;
    }
    if (stillAsLoggedIn(loginUser_, *accounts)) {
        return true;
    }
    const bool gone = std::none_of(accounts->begin(), accounts->end(),
                                   [&](const UserSchema& a) { return a.ID() == loginUser_->ID(); });
    endSession();
    showAlert("SessionEndedAlert", gone ? "AccountGoneInfo" : "AccountChangedInfo");
    return false;
}

// Said before the login window, with where the file is and why it cannot be used; nothing is
// written to a file that cannot be used. A file that can only be read is said too: logins work,
// saves will not.
void AppDelegate::sayFileProblem() {
    const FileProblem problem = mySQLLite_->fileProblem();
    if (problem == FileProblem::None || problem == FileProblem::Protected) {
        return;
    }
    const QString path = QDir::toNativeSeparators(QString::fromStdString(mySQLLite_->dbFilePath()));
    alerts_.showTextAlert(
        Localizer::text(problem == FileProblem::ReadOnly ? "FileReadOnlyAlert"
                                                         : "FileProblemAlert"),
        Localizer::text(problemKey(problem)).arg(path.isEmpty() ? QStringLiteral("?") : path));
}
