// Importing other managers' CSV exports and exporting an account's entries.
#include "support/AppFixture.h"

#include <QDir>
#include <QFile>
#include <QProgressDialog>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class TransferTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        logIn("root", "tiwe");
        app().setFileChooser([this](QWidget*, bool, const QString& suggested) {
            suggested_ = suggested;
            return chosen_;
        });
    }
    QString write(const QString& name, const QByteArray& bytes) {
        QFile file(home_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    }
    // Imports a file holding `bytes`, answering the summary with `answer`.
    void import(const QByteArray& bytes, int answer = AlertDefaultReturn) {
        chosen_ = write("in.csv", bytes);
        alerts_.answers = {answer};
        app().importAction();
    }
    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    Rows entries() {
        return sql("SELECT CategoryID,Title,User,Password,Http,Memo FROM LM_PASSWORD ORDER BY ID");
    }
    QString chosen_;
    QString suggested_;
};

TEST_F(TransferTest, EachKindImportsToExactlyTheExpectedEntriesAndCategories) {
    const std::pair<QByteArray, Rows> kinds[] = {
        {"\"Group\",\"Title\",\"Username\",\"Password\",\"URL\",\"Notes\",\"TOTP\",\"Icon\","
         "\"Last Modified\",\"Created\"\n"
         "\"Passwords/Email\",\"Work, main\",\"anna\",\"pa\"\"ss\",\"https://mail\",\"one\ntwo\","
         "\"otpauth://x\",\"0\",\"2024-01-01T10:00:00Z\",\"2024-01-01T10:00:00Z\"\r\n"
         "\"Passwords/Bankkarte\",\"Карта\",\"\",\"1234\",\"\",\"\",\"\",\"0\",\"\",\"\"\n",
         {{"1", "Work, main", "anna", "pa\"ss", "https://mail",
           "one\ntwo\n\nImported fields:\nTOTP: otpauth://x"},
          {"5", "Карта", "", "1234", "", ""}}},
        {"folder,favorite,type,name,notes,fields,reprompt,login_uri,login_username,login_password,"
         "login_totp\n"
         "Home/Router,1,login,Box,\"n, \"\"quoted\"\"\",PIN: 12,0,http://192.168.1.1,admin,pw,\n"
         ",,note,Just a note,text,,,,,,\n",
         {{"7", "Box", "admin", "pw", "http://192.168.1.1",
           "n, \"quoted\"\n\nImported fields:\nfavorite: 1\nfields: PIN: 12"},
          {"10", "Just a note", "", "", "", "text"}}},
        // Chrome's columns in a Bitwarden file are its custom fields, whatever their place.
        {"folder,favorite,type,name,notes,fields,reprompt,url,username,password,login_uri,"
         "login_username,login_password,login_totp\n"
         "Email,,login,Mail,memo,,0,https://c,cu,cp,https://b,bu,bp,\n",
         {{"1", "Mail", "bu", "bp", "https://b",
           "memo\n\nImported fields:\nurl: https://c\nusername: cu\npassword: cp"}}},
        // A browser's logins are website logins.
        {"name,url,username,password\nexample.com,https://example.com/,bob,\"x,y\"\n",
         {{"2", "example.com", "bob", "x,y", "https://example.com/", ""}}},
        {"\"url\",\"username\",\"password\",\"httpRealm\",\"formActionOrigin\",\"guid\","
         "\"timeCreated\",\"timeLastUsed\",\"timePasswordChanged\"\n"
         "\"https://www.mozilla.org\",\"jürgen\",\"p\",,\"https://www.mozilla.org\",\"{1-2}\","
         "\"1\",\"2\",\"3\"\n",
         {{"2", "www.mozilla.org", "jürgen", "p", "https://www.mozilla.org",
           "Imported fields:\nformActionOrigin: https://www.mozilla.org"}}},
    };
    for (const auto& [file, expected] : kinds) {
        exec("DELETE FROM LM_PASSWORD");
        import(file);
        EXPECT_EQ(entries(), expected) << file.toStdString();
    }
    // What the summary said of the first file, before anything was written.
    exec("DELETE FROM LM_PASSWORD");
    alerts();
    import(kinds[0].first, AlertOtherReturn);
    EXPECT_EQ(alerts(), Keys{"Import 2 entries from this KeePassXC (or Lockmere) file?/"
                             "Email: 1 new\nBank Card: 1 new?Import|Cancel"});
    EXPECT_EQ(entries(), Rows{});
}

TEST_F(TransferTest, DuplicatesAndRowsWithoutTitleAndPasswordAreSkippedAndSaid) {
    exec("INSERT INTO LM_PASSWORD(UserID,CategoryID,Title,User,Password,Http,Memo) "
         "VALUES(1,2,'kept','u','p','','')");
    import("name,url,username,password\nkept,,u,p\nnew,,u,p\nnew,,u,p\n,https://x,u,\n");
    EXPECT_EQ(alerts(), Keys{"Import 1 entries from this Chrome file?/Website: 1 new\n"
                             "Skipped, exactly as already there: 2\n"
                             "Skipped, without title and password: 1?Import|Cancel"});
    EXPECT_EQ(sql("SELECT group_concat(Title) FROM LM_PASSWORD"), Rows{{"kept,new"}});
}

TEST_F(TransferTest, ABadFileIsRefusedWithItsReasonAndChangesNothing) {
    const std::string header = "name,url,username,password\n";
    const auto utf16 = [&](const QString& rows) {
        const QString text = QString::fromStdString(header) + rows;
        return QByteArray("\xFF\xFE") +
               QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    };
    const std::pair<QByteArray, std::string> files[] = {
        {"hello, world\n", "Its first line names no columns that Lockmere knows."},
        {QByteArray::fromStdString(header + "a,b,c,d\n\"e,f,g,h\n"),
         "The quotation mark opened on line 3 is never closed."},
        {QByteArray::fromStdString(header + "a,b,c,d\na,b\"c,d,e\n"),
         "Line 3 has a quotation mark"},
        {QByteArray::fromStdString(header + "a,\"b\nb\",c,d\ne,f,g\n"),
         "Line 4 has 3 fields; the header has 4."},
        {QByteArray::fromStdString(header + "M\xFCller,,u,p\n"), "Its text is not UTF-8"},
        {QByteArray::fromStdString(header + "M\xC3"), "Its text is not UTF-8"},
        {utf16("Straße,,u,p").chopped(1), "Its UTF-16 text is cut short"},
        {utf16("Straße,,u,p" + QString(QChar(0xD83D))), "Its UTF-16 text is cut short"},
        {utf16("Stra" + QString(QChar(0xDE00)) + "e,,u,p"), "Its UTF-16 text is cut short"},
        {header.data() + QByteArray("a,,u,p\n").repeated(200001), "It has more than 200000 rows"},
        {"", "It is empty."},
        {QByteArray("PK\x03\x04\x00\x00\x08\x00", 8), "It is not a text file."},
    };
    const Rows before = sql("SELECT count(*) FROM LM_PASSWORD");
    for (const auto& [bytes, reason] : files) {
        import(bytes);
        const Keys shown = alerts();
        ASSERT_EQ(shown.size(), 1u) << bytes.left(80).toStdString();
        EXPECT_EQ(shown[0].rfind("This file is not imported/" + reason, 0), 0u) << shown[0];
    }
    // Within 4 GB more address space than now: 64 MB of blank lines once reserved 14 GB, and
    // /dev/zero was read until memory ran out. A byte more than 64 MB is refused unread.
    rlimit space{}, bounded{};
    getrlimit(RLIMIT_AS, &space);
    std::ifstream("/proc/self/statm") >> bounded.rlim_cur; // pages in use
    bounded = {bounded.rlim_cur * rlim_t(sysconf(_SC_PAGESIZE)) + (4ull << 30), space.rlim_max};
    setrlimit(RLIMIT_AS, &bounded);
    QByteArray blank(64 * 1024 * 1024, '\n');
    import(blank.replace(0, header.size(), header.data()));
    EXPECT_EQ(alerts(), Keys{"Nothing to import from this Chrome file/"});
    ASSERT_TRUE(QFile::resize(chosen_, blank.size() + 1));
    ASSERT_EQ(mkfifo(QFile::encodeName(home_.filePath("fifo")), 0600), 0);
    const std::string notAFile = "It is not an ordinary file but a device, a pipe or a socket.";
    const std::pair<QString, std::string> paths[] = {
        {home_.path(), "It is a folder, not a file."},
        {chosen_, "It is larger than 64 MB; no password manager's export is that large."},
        {home_.filePath("fifo"), notAFile}, // once waited forever for a writer
        {"/dev/zero", notAFile},
    };
    for (const auto& [path, reason] : paths) {
        chosen_ = path;
        app().importAction();
        EXPECT_EQ(alerts(), Keys{"This file is not imported/" + reason});
    }
    setrlimit(RLIMIT_AS, &space);
    EXPECT_EQ(sql("SELECT count(*) FROM LM_PASSWORD"), before);

    // A field longer than an entry keeps skips its row, and the summary says so.
    const std::string row = ",,u,p,", notes(65536, 'n');
    import(QByteArray::fromStdString("name,url,username,password,note\n" + std::string(5000, 't') +
                                     row + "\n" + std::string(4096, 'k') + row + notes + "\nm" +
                                     row + notes + "n\n"),
           AlertOtherReturn);
    EXPECT_EQ(alerts(),
              Keys{"Import 1 entries from this Chrome file?/Website: 1 new\nSkipped, a "
                   "field longer than Lockmere keeps (4 KB; notes 64 KB): 2?Import|Cancel"});
    // A byte-order mark, and UTF-16 with one, are read as the text they are.
    import(QByteArray("\xEF\xBB\xBF") + QByteArray::fromStdString(header) + "Müller,,u,p\n");
    import(utf16("Straße,,u,p\n"));
    EXPECT_EQ(sql("SELECT group_concat(Title) FROM LM_PASSWORD"), Rows{{"Müller,Straße"}});
}

TEST_F(TransferTest, AnExportThatFailsKeepsTheOldFileAndNeverWritesThroughAnotherUsersLink) {
    // The program ignores SIGXFSZ: a write past the file-size limit fails instead of killing it.
    const pid_t child = fork();
    if (child == 0) { // without a display it says so on stderr, here a file, and ends
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit none{0, 0};
        setrlimit(RLIMIT_FSIZE, &none);
        dup2(fileno(std::tmpfile()), STDERR_FILENO);
        unsetenv("QT_QPA_PLATFORM"), unsetenv("DISPLAY"), unsetenv("WAYLAND_DISPLAY");
        char name[] = "lockmere", *argv[] = {name, nullptr};
        _exit(runLockmere(1, argv));
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    addEntry(1, 1, std::string(200, 'x'));
    const QByteArray old = "\"Group\",\"Title\"\n\"Email\",\"old\"\n";
    const QString real = write("real.csv", old);
    const auto exportTo = [&](const QString& path) {
        chosen_ = path;
        alerts_.answers = {AlertDefaultReturn};
        press(ui().searchField, Qt::Key_E, Qt::ControlModifier);
        return alerts().back();
    };
    std::signal(SIGXFSZ, SIG_IGN); // as the program does
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    const rlimit full{100, unlimited.rlim_max}; // as a disk with 100 bytes left
    setrlimit(RLIMIT_FSIZE, &full);
    const std::string failure = exportTo(real);
    setrlimit(RLIMIT_FSIZE, &unlimited);
    EXPECT_EQ(failure, "The file could not be written/" + std::string(std::strerror(EFBIG)) +
                           ". Nothing was written; a file already there keeps what it held.");
    EXPECT_EQ(contents(real), old);
    EXPECT_EQ(QDir(home_.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"real.csv"}));
    OtherConnection holder(home_.filePath("Documents/Lockmere.sqlite3").toStdString());
    ASSERT_EQ(holder.exec("BEGIN EXCLUSIVE"), ""); // entries that cannot be read: no empty file
    EXPECT_EQ(exportTo(real), "FileBusyAlert/FileBusyAlertInfo");
    ASSERT_EQ(holder.exec("COMMIT"), "");
    exec("ALTER TABLE LM_PASSWORD RENAME TO Elsewhere"); // the accounts read, the entries not
    EXPECT_EQ(exportTo(real), "FileUnreadableAlert/FileUnreadableAlertInfo");
    exec("ALTER TABLE Elsewhere RENAME TO LM_PASSWORD");
    EXPECT_EQ(contents(real), old);

    // Another user's link is refused, also as a folder on the way; the user's own links are
    // followed, a dangling one too.
    ASSERT_TRUE(QFile::link(real, home_.filePath("foreign")));
    ASSERT_TRUE(QFile::link(home_.path(), home_.filePath("folder")));
    const bool foreign = lchown(QFile::encodeName(home_.filePath("foreign")), 65534, 65534) == 0 &&
                         lchown(QFile::encodeName(home_.filePath("folder")), 65534, 65534) == 0;
    for (const char* path : {"foreign", "folder/through.csv"}) {
        if (foreign) {
            EXPECT_EQ(exportTo(home_.filePath(path)), "ExportFailed/ExportForeignLink");
        }
    }
    EXPECT_EQ(contents(real), old);
    EXPECT_FALSE(QFile::exists(home_.filePath("through.csv")));
    for (const auto& [link, target] :
         {std::pair<QString, QString>{"mine", "real.csv"}, {"dangling", "new"}}) {
        ASSERT_TRUE(QFile::link(home_.filePath(target), home_.filePath(link)));
        exportTo(home_.filePath(link));
        EXPECT_EQ(QFileInfo(home_.filePath(link)).symLinkTarget(), home_.filePath(target));
        EXPECT_TRUE(contents(home_.filePath(target)).contains(std::string(200, 'x').c_str()));
    }
    if (!foreign) {
        GTEST_SKIP() << "this user cannot give a link to another";
    }
}

TEST_F(TransferTest, WhatAnAccountImportsAndExportsIsItsOwn) {
    const int32_t anna = addAccount("anna", "a", 0);
    addEntry(1, 1, "roots own");
    logIn("anna", "a");
    import("\"Group\",\"Title\",\"Username\",\"Password\",\"URL\",\"Notes\"\n"
           "\"Passwords / Router \",\"box\",\"\",\"p\",\"\",\"\"\n");
    EXPECT_EQ(sql("SELECT UserID, CategoryID FROM LM_PASSWORD WHERE Title='box'"),
              (Rows{{std::to_string(anna), "7"}}));
    chosen_ = home_.filePath("anna.csv");
    alerts_.answers = {AlertDefaultReturn};
    app().exportAction();
    EXPECT_TRUE(contents(chosen_).contains("\"Router\",\"box\""));
    EXPECT_FALSE(contents(chosen_).contains("roots own"));
}

TEST_F(TransferTest, NothingJoinsAnImportAndNothingOfOneThatEndsUndoneStays) {
    QByteArray file = "name,url,username,password\n";
    for (int i = 0; i < 600; ++i) {
        file += "imported" + QByteArray::number(i) + ",,u,p\n";
    }
    ui().websiteButton->click();
    ui().addButton->click();
    fillEntryEditor("typed", "", "pw");
    press(ui().titleField, Qt::Key_Shift);
    Texts paintedMeanwhile;
    QTimer::singleShot(0, [&] { // while the rows go in: the save key, a paint, then Cancel
        QTest::keyClick(window_->windowHandle(), Qt::Key_Return);
        paintedMeanwhile = column(ui().passwordTableView, 0);
        qobject_cast<QProgressDialog*>(QApplication::activeModalWidget())->cancel();
    });
    import(file);
    EXPECT_EQ(alerts(),
              (Keys{"Import 600 entries from this Chrome file?/Website: 600 new?Import|Cancel",
                    "ImportCancelled/NothingImported"}));
    EXPECT_GT(paintedMeanwhile.size(), 0u);
    EXPECT_EQ(column(ui().passwordTableView, 0), Texts{}); // not rows that were rolled back
    EXPECT_EQ(app().shownBox(), ui().createPasswordBox);   // the save waited, its text kept
    EXPECT_EQ(ui().titleField->text(), "typed");
    EXPECT_EQ(sql("SELECT count(*) FROM LM_PASSWORD"), Rows{{"0"}});
    // A disk that refuses the commit at the end: said, and nothing of it stays.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    const QFileInfo database(home_.filePath("Documents/Lockmere.sqlite3"));
    const rlimit full{rlim_t(database.size()), unlimited.rlim_max};
    ui().cancelButton->click();
    setrlimit(RLIMIT_FSIZE, &full);
    import(file);
    setrlimit(RLIMIT_FSIZE, &unlimited);
    EXPECT_EQ(alerts().back(), "ImportFailed/NothingImported");
    EXPECT_EQ(sql("SELECT count(*) FROM LM_PASSWORD"), Rows{{"0"}});
    // Logged out unattended meanwhile: the next person sees the login window, nothing else.
    QTimer::singleShot(0, [&] { app().logoutUnattended(); });
    import(file);
    EXPECT_EQ(alerts().size(), 1u); // the summary's question alone
    EXPECT_TRUE(loginWindow_->isVisible());
    EXPECT_EQ(sql("SELECT count(*) FROM LM_PASSWORD"), Rows{{"0"}});
}

TEST_F(TransferTest, AnExportImportsBackToEveryEntryExactlyAndOnlyItsOwnerCanReadIt) {
    exec("INSERT INTO LM_PASSWORD(UserID,CategoryID,Title,User,Password,Http,Memo) VALUES"
         "(1,1,'say \"hi\", then','ü ß 漢字','p,\"q\"','https://a','line\nnext\r\nend'),"
         "(1,7,'router','','x','',''),(1,10,'   spaced   ','u','','','')");
    Rows exported = entries();
    std::sort(exported.begin(), exported.end());
    chosen_ = home_.filePath("out.csv");
    alerts_.answers = {AlertOtherReturn};
    app().exportAction(); // the warning declined: no file
    EXPECT_FALSE(QFile::exists(chosen_));
    alerts_.answers = {AlertDefaultReturn};
    app().exportAction();
    EXPECT_EQ(std::filesystem::status(chosen_.toStdString()).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    // Named for its account and day, so one person's export is not written over another's;
    // and said when done.
    EXPECT_EQ(suggested_, "Lockmere-root-" + QDate::currentDate().toString(Qt::ISODate) + ".csv");
    EXPECT_EQ(window_->statusBar()->currentMessage(), "Entries exported: 3, to out.csv");
    exec("DELETE FROM LM_PASSWORD");
    const QString path = chosen_;
    alerts_.answers = {AlertDefaultReturn};
    app().importAction();
    EXPECT_EQ(window_->statusBar()->currentMessage(), "Entries imported: 3, from out.csv");
    Rows imported = entries();
    std::sort(imported.begin(), imported.end());
    EXPECT_EQ(imported, exported);
    EXPECT_TRUE(QFile::remove(path));

    // An emoji is kept; a slash and a right-to-left override are not.
    addAccount("😀/\u202Ex", "p", 0);
    logIn(QString::fromUtf8("😀/\u202Ex"), "p");
    alerts_.answers = {AlertDefaultReturn};
    app().exportAction();
    EXPECT_EQ(suggested_, QString::fromUtf8("Lockmere-😀__x-") +
                              QDate::currentDate().toString(Qt::ISODate) + ".csv");
}
