// Importing other managers' CSV exports and exporting an account's entries.
#include "support/AppFixture.h"

#include <QFile>
#include <filesystem>

class TransferTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        logIn("root", "tiwe");
        app().setFileChooser([this](QWidget*, bool) { return chosen_; });
    }
    // Imports a file holding `bytes`, answering the summary with `answer`.
    void import(const QByteArray& bytes, int answer = AlertDefaultReturn) {
        QFile file(home_.filePath("in.csv"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        chosen_ = file.fileName();
        alerts_.answers = {answer};
        app().importAction();
    }
    Rows entries() {
        return sql("SELECT CategoryID,Title,User,Password,Http,Memo FROM LM_PASSWORD ORDER BY ID");
    }
    QString chosen_;
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
        {"name,url,username,password\nexample.com,https://example.com/,bob,\"x,y\"\n",
         {{"10", "example.com", "bob", "x,y", "https://example.com/", ""}}},
        {"\"url\",\"username\",\"password\",\"httpRealm\",\"formActionOrigin\",\"guid\","
         "\"timeCreated\",\"timeLastUsed\",\"timePasswordChanged\"\n"
         "\"https://www.mozilla.org\",\"jürgen\",\"p\",,\"https://www.mozilla.org\",\"{1-2}\","
         "\"1\",\"2\",\"3\"\n",
         {{"10", "www.mozilla.org", "jürgen", "p", "https://www.mozilla.org",
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
         "VALUES(1,10,'kept','u','p','','')");
    import("name,url,username,password\nkept,,u,p\nnew,,u,p\nnew,,u,p\n,https://x,u,\n");
    EXPECT_EQ(alerts(), Keys{"Import 1 entries from this Chrome file?/Other: 1 new\n"
                             "Skipped, exactly as already there: 2\n"
                             "Skipped, without title and password: 1?Import|Cancel"});
    EXPECT_EQ(sql("SELECT group_concat(Title) FROM LM_PASSWORD"), Rows{{"kept,new"}});
}

TEST_F(TransferTest, ABadFileIsRefusedWithItsReasonAndChangesNothing) {
    const std::string header = "name,url,username,password\n";
    const std::pair<QByteArray, std::string> files[] = {
        {"hello, world\n", "Its first line names no columns that Lockmere knows."},
        {QByteArray::fromStdString(header + "a,b,c,d\n\"e,f,g,h\n"),
         "The quotation mark opened on line 3 is never closed."},
        {QByteArray::fromStdString(header + "a,b,c,d\na,b\"c,d,e\n"),
         "Line 3 has a quotation mark"},
        {QByteArray::fromStdString(header + "a,\"b\nb\",c,d\ne,f,g\n"),
         "Line 4 has 3 fields; the header has 4."},
        {QByteArray::fromStdString(header + "M\xFCller,,u,p\n"), "Its text is not UTF-8"},
        {"", "It is empty."},
        {QByteArray("PK\x03\x04\x00\x00\x08\x00", 8), "It is not a text file."},
    };
    const Rows before = sql("SELECT count(*) FROM LM_PASSWORD");
    for (const auto& [bytes, reason] : files) {
        import(bytes);
        const Keys shown = alerts();
        ASSERT_EQ(shown.size(), 1u) << bytes.toStdString();
        EXPECT_EQ(shown[0].rfind("This file is not imported/" + reason, 0), 0u) << shown[0];
    }
    chosen_ = home_.path();
    app().importAction();
    EXPECT_EQ(alerts(), Keys{"This file is not imported/It is a folder, not a file."});
    QFile huge(home_.filePath("huge.csv"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(65 * 1024 * 1024));
    chosen_ = huge.fileName();
    app().importAction();
    EXPECT_EQ(alerts(), Keys{"This file is not imported/It is larger than 64 MB; no password "
                             "manager's export is that large."});
    EXPECT_EQ(sql("SELECT count(*) FROM LM_PASSWORD"), before);

    // A byte-order mark, and UTF-16 with one, are read as the text they are.
    import(QByteArray("\xEF\xBB\xBF") + QByteArray::fromStdString(header) + "Müller,,u,p\n");
    const QString utf16 = QString::fromStdString(header) + "Straße,,u,p\n";
    import(QByteArray("\xFF\xFE") +
           QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2));
    EXPECT_EQ(sql("SELECT group_concat(Title) FROM LM_PASSWORD"), Rows{{"Müller,Straße"}});
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
    exec("DELETE FROM LM_PASSWORD");
    const QString path = chosen_;
    alerts_.answers = {AlertDefaultReturn};
    app().importAction();
    Rows imported = entries();
    std::sort(imported.begin(), imported.end());
    EXPECT_EQ(imported, exported);
    EXPECT_TRUE(QFile::remove(path));
}
