#!/usr/bin/env python3
"""Fault injection: does the fast test suite notice a deliberate mistake?

Applies each mistake below to the sources, one at a time, rebuilds the store and app test programs, runs
them and records which tests fail. A mistake that no test notices is a hole in the suite (or,
rarely, a change that does not change behaviour: say so beside it).

    tools/mutants.py                 every mistake, results to docs/mutants.md
    tools/mutants.py 3 7             only these (numbers as in the table)
    LOCKMERE_MUTANT_DIR=dir ...      build directory (default build-mutants)

The sources are restored after each mistake, also when the run is interrupted.
"""
import os
import re
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
BUILD = Path(os.environ.get("LOCKMERE_MUTANT_DIR", ROOT / "build-mutants"))
PROGRAMS = ["tests/store/store_tests", "tests/app/app_tests"]

# (file, text as it stands, the mistake, what the mistake means)
MUTANTS = [
    # rights
    ("app/controller/AccountRights.cpp", "return loginUser && loginUser->IsRoot() == 1;",
     "return loginUser && loginUser->IsRoot() != 0;", "administrator: any non-zero flag"),
    ("app/controller/AccountRights.cpp", "|| loginUser->ID() == account.ID() ||",
     "|| loginUser->ID() != account.ID() ||", "open account: own-account rule inverted"),
    ("app/controller/AccountRights.cpp", "return loginUser && isNamedRoot(*loginUser) && !isNamedRoot(account);",
     "return loginUser && isNamedRoot(*loginUser);", "root may drop its own administrator flag"),
    ("app/controller/AccountRights.cpp", "return account.User() == kRootName;",
     "return account.User() == std::string(\"Root\");", "root recognised by the wrong name"),
    ("app/controller/AppDelegateUsers.cpp", "    if (!isAdministrator(loginUser_)) {\n        showAlert(\"NoPermissionAlert\", \"NoPermissionAlertInfo\");\n        return;\n    }\n    setOperation(kAdd);",
     "    setOperation(kAdd);", "add account: rights check dropped"),
    ("app/controller/AppDelegateUsers.cpp", "    if (isNamedRoot(*account)) {", "    if (false) {",
     "root may be deleted"),
    ("app/controller/AppDelegateUsers.cpp", "account->ID() == loginUser_->ID()", "false",
     "the logged-in account may be deleted"),
    ("app/controller/AppDelegateUsers.cpp", "    if (!maySaveAccount()) {", "    if (false) {",
     "account save: rights not checked again"),
    ("app/controller/AppDelegateUsers.cpp", "(!flagChanged || mayChangeAdministratorFlag(loginUser_, userSchema_))",
     "true", "account save: flag change not checked"),
    ("app/controller/AppDelegatePasswords.cpp", "passwordSchema_.UserID() == loginUser_->ID()", "true",
     "entry save: owner not checked again"),
    ("app/controller/AppDelegatePasswords.cpp", "    passwordSchema_.setUserID(loginUser_->ID());\n", "",
     "new entry not given to the logged-in account"),
    # queries
    ("store/MySQLLitePasswords.cpp", "WHERE UserID=? AND CategoryID=? ", "WHERE CategoryID=? AND ?>0 ",
     "entries of every account listed"),
    ("store/MySQLLitePasswords.cpp", "ORDER BY Title,User,ID", "ORDER BY ID",
     "entries not sorted by title"),
    ("store/MySQLLitePasswords.cpp", "query.bind(userID).bind(categoryID);", "query.bind(categoryID).bind(userID);",
     "list query parameters swapped"),
    ("store/MySQLLitePasswords.cpp", "\"Http=?,Memo=? WHERE ID=?\"", "\"Http=?,Memo=? WHERE ID>=?\"",
     "update touches more than one entry"),
    ("store/MySQLLitePasswords.cpp", "        .bind(*entry.Http())\n        .bind(*entry.Memo());",
     "        .bind(*entry.Memo())\n        .bind(*entry.Http());", "web address and memo swapped"),
    ("store/MySQLLitePasswords.cpp", "\"DELETE FROM LM_PASSWORD WHERE ID=?\"", "\"DELETE FROM LM_PASSWORD WHERE ID<=?\"",
     "delete removes more than one entry"),
    ("store/MySQLLiteUsers.cpp", "WHERE USER=? AND PASSWORD=? ", "WHERE USER=? AND (PASSWORD=? OR 1) ",
     "login ignores the password"),
    ("store/MySQLLiteUsers.cpp", "\"(SELECT 1 FROM LM_PASSWORD WHERE UserID=?)\"", "\"(SELECT 1 FROM LM_PASSWORD WHERE 0 AND UserID=?)\"",
     "account deleted while it owns entries"),
    ("store/MySQLLiteUsers.cpp", "return std::nullopt; // not prepared", "return false; // not prepared",
     "a failed ownership read answers no entries"),
    ("store/MySQLLiteUsers.cpp", "update.bind(*user.User()).bind(*user.Password())", "update.bind(*user.Password()).bind(*user.User())",
     "account name and password swapped"),
    ("store/MySQLLite.cpp", "WriteResult::Done : WriteResult::NoRow", "WriteResult::Done : WriteResult::Done",
     "a write that changed nothing reported as done"),
    ("store/MySQLLite.cpp", "        return WriteResult::Failed;\n    }\n    return sqlite3_changes",
     "        return WriteResult::NoRow;\n    }\n    return sqlite3_changes", "a failed write reported as no row"),
    ("store/Statement.cpp", "    return sqlite3_step(statement_) == SQLITE_DONE;", "    return sqlite3_step(statement_) != SQLITE_MISUSE;",
     "a refused write reported as success"),
    ("store/Statement.cpp", "    if (statement_ == nullptr || bindFailed_) {\n        return false;\n    }\n    return sqlite3_step(statement_) == SQLITE_DONE",
     "    if (statement_ == nullptr) {\n        return false;\n    }\n    return sqlite3_step(statement_) == SQLITE_DONE", "a failed bind ignored by a write"),
    ("store/IdRange.h", "ID BETWEEN -2147483648 AND 2147483647", "1", "the 32-bit ID guard removed"),
    ("store/MySQLLite.cpp", "    sqlite3_busy_timeout(database_, kBusyTimeoutMilliseconds);\n}\n\nvoid MySQLLite::createSchema",
     "}\n\nvoid MySQLLite::createSchema", "busy timeout not restored after a start on a locked file"),
    ("store/MySQLLite.cpp", "'root','tiwe',1", "'root','tiwe',0", "the seed account is no administrator"),
    ("store/MySQLLite.cpp", "        localizedText_ = [](const std::string& key) { return key; };",
     "        localizedText_ = [](const std::string&) { return std::string(); };", "category names without a translation fall back to nothing"),
    # freshness and rows
    ("app/controller/FreshList.h", "!held_ || !(arguments_ == arguments) || stamp_ != now", "!held_ || !(arguments_ == arguments)",
     "a list is not read again after another copy wrote"),
    ("app/controller/FreshList.h", "!held_ || !(arguments_ == arguments) || stamp_ != now", "!held_ || stamp_ != now",
     "a list is not read again for another category"),
    ("store/MySQLLiteChanges.cpp", "stamp.ownChanges = sqlite3_total_changes64(database_);", "",
     "our own writes do not move the stamp"),
    ("app/controller/RecordAtRow.h", "row >= static_cast<int>(list.size())", "row > static_cast<int>(list.size())",
     "off by one on a row that vanished"),
    ("app/controller/AppDelegateRows.cpp", "    std::optional<PasswordSchema> entry = withID(currentEntries(), *chosenEntryID_);",
     "    const int at = selectedRow(window_.ui.passwordTableView);\n    std::optional<PasswordSchema> entry = at >= 0 && at < static_cast<int>(currentEntries().size()) ? std::optional<PasswordSchema>(currentEntries()[at]) : std::nullopt;",
     "a row action takes whatever now stands at the row"),
    ("app/controller/AppDelegatePasswords.cpp", "    case WriteResult::NoRow: // deleted by another copy while the confirmation was open\n        recordGone(passwordTableModel_);",
     "    case WriteResult::NoRow: // deleted by another copy while the confirmation was open\n        passwordTableModel_->reloadData();", "an entry gone meanwhile is not reported"),
    ("app/controller/AppDelegatePasswords.cpp", "        showAlert(\"DeleteFailAlert\", \"DeleteFailAlertInfo\");", "",
     "a refused entry deletion is silent"),
    ("app/controller/AppDelegatePasswords.cpp", "saved = mySQLLite_->updatePassword(passwordSchema_) == WriteResult::Done;",
     "saved = mySQLLite_->updatePassword(passwordSchema_) != WriteResult::Failed;", "a save of a deleted entry reported as saved"),
    ("app/controller/AppDelegateUsers.cpp", "    if (owns == false) {", "    if (owns != true) {",
     "an unreadable ownership answer allows the deletion"),
    ("app/controller/AppDelegate.cpp", "    return confirmed && session == session_;", "    return confirmed;",
     "a confirmation outlives a logout"),
    # session
    ("app/controller/AppDelegateLogin.cpp", "    forgetTheSession();\n", "", "logout no longer clears"),
    ("app/controller/AppDelegateLogin.cpp", "    showBox(nullptr);\n    leaveSearch();", "    leaveSearch();",
     "logout leaves the box on show"),
    ("app/controller/AppDelegateLogin.cpp", "    closeDialogsAndMenus();\n", "", "logout leaves alerts open"),
    ("app/controller/AppDelegateLogin.cpp", "    secretClipboard_.clearNow(); // a copied password", "    // a copied password",
     "logout does not clear the clipboard"),
    ("app/controller/AppDelegateLogin.cpp", "        shakeWindow(&loginWindow_);\n", "", "a refused login does not shake"),
    ("app/controller/AppDelegateLogin.cpp", "    if (user.isEmpty()) {", "    if (password.isEmpty()) {",
     "an empty name is tried, an empty password refused"),
    ("app/controller/AppDelegateLogin.cpp", "QStringLiteral(\"[*][*]\")", "QStringLiteral(\"[*]\")",
     "the [*] in a name is taken as Qt's placeholder"),
    # toolkit
    ("app/toolkit/WindowShaker.cpp", "            window_->move(home_);\n", "", "the shake does not return the window"),
    ("app/toolkit/SecretClipboard.cpp", "    ticker_.start();\n", "", "the clearing timer is never started"),
    ("app/toolkit/SecretClipboard.cpp", "    if (holdsOurCopy()) {\n        clipboard_->clear();", "    if (true) {\n        clipboard_->clear();",
     "someone else's clipboard text is cleared"),
    ("app/toolkit/SecretClipboard.cpp", "        clipboard_->clear();\n", "", "the clipboard is not cleared"),
    ("app/toolkit/Localizer.cpp", "    if (english->load(englishTable)) {", "    if (false) {",
     "the English fallback table is never installed"),
    ("app/toolkit/ControllerTableModel.cpp", "    beginResetModel();\n    endResetModel();", "",
     "reloadData does not tell the view"),
    ("app/controller/AppDelegatePasswords.cpp", "    if (shownBox() != editor) {\n        return;\n    }\n", "",
     "an editor that is no longer on show still switches the page"),
    ("app/controller/AppDelegateCommands.cpp", "    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);\n",
     "    action->setShortcutContext(Qt::WindowShortcut);\n", "list keys work everywhere in the window"),
    ("app/controller/AppDelegateDataSource.cpp", "return mayOpenAccount(loginUser_, *account) ? toQString(account->Password()) : kMasked;",
     "return toQString(account->Password());", "others' passwords shown in the account list"),
    ("app/passwordtools/PasswordGenerator.cpp", "uniformBelow(static_cast<int>(alphabet.size()))",
     "uniformBelow(static_cast<int>(alphabet.size()) - 1)", "the generator never draws its last character"),
    # walking away, foreign files
    ("app/sessionguard/IdleWatch.cpp", "    case QEvent::TouchBegin:\n        restart();", "    case QEvent::TouchBegin:",
     "input does not put the idle logout off"),
    ("app/controller/AppDelegate.cpp", "    connect(&idleWatch_, &IdleWatch::idle, this, &AppDelegate::logoutUnattended);\n", "",
     "idle time never logs out"),
    ("store/MySQLLite.cpp", "SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0", "SQLITE_DBCONFIG_TRUSTED_SCHEMA, 1",
     "a foreign file's triggers may call any function"),
    # finding entries
    ("app/search/EntrySearch.cpp", "const std::string needle = foldForSearch(text);",
     "const std::string needle = text.toStdString();", "search: the typed text not folded"),
    ("app/search/EntrySearch.cpp", "QString::NormalizationForm_KD", "QString::NormalizationForm_C",
     "search: accents kept"),
    ("app/search/EntrySearch.cpp", ".replace(QChar(0x00DF), QStringLiteral(\"ss\"))", "",
     "search: sharp s not spelt out"),
    ("app/search/EntrySearch.cpp", "c = static_cast<char>(c - 'A' + 'a');", "c = c;",
     "search: ASCII texts keep their case"),
    ("app/search/EntrySearch.cpp", "{&entry.Title(), &entry.User(), &entry.Http(), &entry.Memo()}",
     "{&entry.Title(), &entry.User(), &entry.Password(), &entry.Http(), &entry.Memo()}",
     "search: the password searched"),
    ("store/MySQLLitePasswords.cpp", "NOT INDEXED WHERE UserID=? AND", "NOT INDEXED WHERE ?>0 AND",
     "search: every account's entries"),
    ("app/search/EntrySearch.cpp", "std::upper_bound(end, ends_.end(), at)",
     "std::lower_bound(end, ends_.end(), at)", "search: a hit given to the entry before"),
    ("app/search/EntrySearch.h", "if (userID_ != userID || stamp_ != now) {", "if (userID_ != userID) {",
     "search: kept entries outlive a change"),
    ("app/controller/AppDelegatePasswords.cpp", "fillCategoryPopup(entry->CategoryID());",
     "fillCategoryPopup(std::nullopt);", "opened result: its own category not selected"),
    ("app/controller/AppDelegateSearch.cpp", "        pwdButtonAction(returnTo);\n", "",
     "Escape: the list that was on show not brought back"),
    ("app/controller/AppDelegateLogin.cpp", "    leaveSearch();\n    entrySearch_.forget();",
     "    entrySearch_.forget();", "logout: the search text stays"),
    # web addresses and commands
    ("app/toolkit/WebAddress.cpp", "(name != QStringLiteral(\"http\") && name != QStringLiteral(\"https\"))",
     "false", "any scheme handed to the browser"),
    ("app/toolkit/WebAddress.cpp", "(?![0-9]+(?:[/?#]|$))", "", "a host and port read as a scheme"),
    ("app/controller/AppDelegateCommands.cpp", "selectedRow(window_.ui.passwordTableView) >= 0;",
     "true;", "row commands enabled without a row"),
    ("app/toolkit/TableViews.cpp", "? true\n", "? false\n", "the list copies a cell as plain text"),
    # import and export
    ("app/transfer/CsvReader.cpp", "field += '\"'; // a doubled quote stands for one", "",
     "CSV: a doubled quote dropped"),
    ("app/transfer/CsvReader.cpp", "line_ += static_cast<int>(std::count(chunk.begin(), chunk.end(), '\\n'));",
     "", "CSV: line breaks inside quotes not counted"),
    ("app/transfer/CsvReader.cpp", "if (end < text_.size() && text_[end] == '\"') {", "if (false) {",
     "CSV: a quote inside an unquoted field let through"),
    ("app/transfer/TextDecoding.cpp", "return isUtf8(body) ?", "return true ?",
     "import: Latin-1 read as UTF-8"),
    ("app/transfer/TextDecoding.cpp", "if (bytes.startsWith(\"\\xFF\\xFE\")) {", "if (false) {",
     "import: UTF-16 with a byte-order mark refused (changes nothing: the zeros of the ASCII header that every known kind has give the same byte order)"),
    ("app/transfer/CsvImport.cpp", "if (!seen.insert(identity(entry)).second) {", "if (false) {",
     "import: duplicates imported"),
    ("app/transfer/CsvImport.cpp", "        seen.insert(identity(entry));\n", "",
     "import: entries already there not counted as duplicates"),
    ("app/transfer/CsvImport.cpp", "group.substr(group.rfind('/') + 1)", "group",
     "import: the whole group path taken for the category"),
    ("app/transfer/CsvImport.cpp", "i < seeded && context.keyTexts", "false",
     "import: category names in other languages not known"),
    ("app/transfer/CsvImport.cpp", "extras += \"\\n\" + headers[static_cast<size_t>(at)] + \": \" + value;",
     "", "import: columns without a place lost"),
    ("app/transfer/CsvImport.cpp", "title = host.isEmpty() ? url : host.toStdString();", "title = url;",
     "import: a Firefox entry titled by its whole address"),
    ("app/transfer/CsvImport.cpp", "if (row.size() != headers.size()) {", "if (row.size() > headers.size()) {",
     "import: a row with too few fields accepted"),
    ("store/MySQLLitePasswords.cpp", "    run(\"ROLLBACK\");\n    return result == BatchResult::Done",
     "    run(\"COMMIT\");\n    return result == BatchResult::Done", "batch: a failed import kept in part"),
    ("store/MySQLLitePasswords.cpp", "&& !keepGoing(i + 1)", "&& false", "batch: cancel ignored"),
    ("app/transfer/CsvExport.cpp", ".replace('\"', \"\\\"\\\"\")", "", "export: quotes not doubled"),
    ("app/toolkit/PrivateFile.cpp", "if (::fchmod(file.handle(), S_IRUSR | S_IWUSR) != 0) {", "if (false) {",
     "export: the file readable by others"),
    ("app/controller/AppDelegateTransfer.cpp", "\"Import\", \"Cancel\") != AlertDefaultReturn ||",
     "\"Import\", \"Cancel\") == 12345 ||", "import: runs though the summary was declined"),
    ("app/controller/AppDelegateTransfer.cpp", "if (info.size() > kLargestImport) {", "if (false) {",
     "import: a huge file read whole"),
    # the first hour of a new user
    ("app/controller/AppDelegateLogin.cpp", "password == QLatin1String(MySQLLite::kPublishedRootPassword)",
     "!password.isEmpty()", "root asked to change any password"),
    ("app/controller/AppDelegateLogin.cpp", "if (isNamedRoot(*loginUser_) && password ==", "if (password ==",
     "any account with the published password asked"),
    ("app/controller/AppDelegateLogin.cpp", "        loginWindow_.ui.passwordTextField->selectAll();\n", "",
     "a refused password not selected"),
    ("app/controller/AppDelegateLogin.cpp", "    if (loginUser_) {\n        endSession();\n    }",
     "    if (loginUser_) {\n        logoutAction();\n    }", "the idle logout asks about changes"),
    ("app/controller/AppDelegateUnsaved.cpp", "editorContents(box) != openedContents_", "true",
     "leaving an unchanged editor asks"),
    ("app/controller/AppDelegateSearch.cpp", "        if (!mayLeaveEditor()) {\n            const QSignalBlocker",
     "        if (false) {\n            const QSignalBlocker", "a search replaces a changed editor"),
    ("app/controller/AppDelegate.cpp", "    window.mayClose = [this] { return mayLeaveEditor(); };\n", "",
     "closing the window loses changes"),
    ("app/toolkit/ButtonColumn.cpp", "button->setFocusPolicy(button == focused ? Qt::TabFocus : Qt::NoFocus);",
     "button->setFocusPolicy(Qt::TabFocus);", "every sidebar button a Tab stop"),
    ("app/controller/AppDelegateCommands.cpp",
     "    addCommand(ui.isRootCheckBox, \"Save\", returnKeys, &AppDelegate::userSaveAction);\n", "",
     "Return on the Administrator box does nothing"),
    ("app/passwordtools/PasswordGenerator.cpp", "std::min(recipe.length, PasswordRecipe::kMaxLength)",
     "PasswordRecipe::kDefaultLength", "generator: the length ignored"),
    ("app/passwordtools/PasswordGenerator.cpp", "        if (chosen) {", "        if (true) {",
     "generator: the classes ignored"),
    ("app/passwordtools/WordList.cpp", "c >= 'a' && c <= 'z'", "c != '\\''",
     "word list: names and accented words kept"),
    ("app/passwordtools/GeneratorOptions.cpp", "!(chosen == 1 && box->isChecked())", "true",
     "generator: the last class can be unchosen"),
    ("app/toolkit/ControllerTableModel.cpp", "return role == Qt::DisplayRole ? onOneLine(text) : text;",
     "return text;", "a title's line breaks shown in its cell"),
    ("app/controller/AppDelegatePasswords.cpp", "if (!staysInSight && !searching()) {", "if (!searching()) {",
     "every save says Moved"),
]


def run(command, **kwargs):
    return subprocess.run(command, cwd=ROOT, capture_output=True, text=True, **kwargs)


def configure():
    if not (BUILD / "CMakeCache.txt").exists():
        # With the library's assertions a read past a list's end stops the test program
        # instead of reading whatever memory lies there.
        result = run(["cmake", "-S", ".", "-B", str(BUILD), "-DCMAKE_BUILD_TYPE=Debug",
                      "-DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS", "-DLOCKMERE_BUILD_BENCH=OFF"])
        if result.returncode != 0:
            sys.exit(result.stdout + result.stderr)


def build():
    targets = [p.rsplit("/", 1)[1] for p in PROGRAMS]
    result = run(["cmake", "--build", str(BUILD), "-j", str(os.cpu_count()), "--target", *targets])
    return result.returncode == 0


def failing_tests():
    """The tests that fail, by name; a program that dies names itself."""
    failed = []
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    for program in PROGRAMS:
        try:
            result = run([str(BUILD / program)], env=env, timeout=300)
        except subprocess.TimeoutExpired:
            failed.append(program + " (timed out)")
            continue
        names = re.findall(r"^\[  FAILED  \] (\S+) \(", result.stdout, re.M)
        failed += names
        if result.returncode != 0 and not names:
            failed.append(program.rsplit("/", 1)[1] + " (died)")
    return failed


def main():
    chosen = [int(a) for a in sys.argv[1:]] or range(1, len(MUTANTS) + 1)
    configure()
    if not build() or failing_tests():
        sys.exit("the unchanged sources must build and pass first")
    rows, caught = [], 0
    for number in chosen:
        path, old, new, meaning = MUTANTS[number - 1]
        file = ROOT / path
        original = file.read_text()
        if original.count(old) != 1:
            rows.append((number, meaning, "NOT APPLIED: the text is not there exactly once"))
            continue
        started = time.time()
        try:
            file.write_text(original.replace(old, new))
            if not build():
                verdict = "does not build"
            else:
                failed = failing_tests()
                verdict = ", ".join(failed) if failed else "MISSED"
        finally:
            file.write_text(original)
        caught += verdict != "MISSED"
        rows.append((number, meaning, verdict))
        print(f"{number:3} {time.time() - started:5.0f}s {meaning}: {verdict}", flush=True)
    build()
    print(f"caught {caught} of {len(rows)}")
    if len(chosen) == len(MUTANTS):
        write_report(rows, caught)


def write_report(rows, caught):
    lines = [
        "# Deliberate mistakes and the tests that catch them",
        "",
        "Made by `tools/mutants.py` (the store and app tests, with the C++ library's assertions on;",
        "the end-to-end journey is not run). Each row is one mistake applied alone.",
        "",
        f"Caught: {caught} of {len(rows)}.",
        "",
        "| # | mistake | failing tests |",
        "|---|---|---|",
    ]
    lines += [f"| {n} | {m} | {v} |" for n, m, v in rows]
    (ROOT / "docs" / "mutants.md").write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
