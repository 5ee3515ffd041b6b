// Finding entries as one types, opening web addresses, and the commands that apply.
#include "support/AppFixture.h"
#include "toolkit/WebAddress.h"

#include <QClipboard>
#include <QMenuBar>

class SearchTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        const int32_t other = addAccount("bo", "pw", 0);
        exec("INSERT INTO LM_PASSWORD(UserID,CategoryID,Title,User,Password,Http,Memo) VALUES"
             "(1,2,'Müller Bäckerei','anna','brot','shop.example',''),"
             "(1,1,'Mail','ANNA@x','needle','https://mail','Straße 5'),"
             "(1,7,'Router','admin','x','192.168.1.1','in the cellar'),"
             "(" +
             std::to_string(other) + ",2,'Müller private','anna','p','','')");
        logIn("root", "tiwe");
        ui().emailButton->click();
    }
    Texts search(const QString& text) {
        ui().searchField->setText(text);
        QCoreApplication::processEvents();
        return column(ui().passwordTableView, 0);
    }
    QTableView* list() { return ui().passwordTableView; }
};

TEST_F(SearchTest, FindsTheAccountsOwnEntriesByEveryFieldButThePasswordIgnoringCaseAndAccents) {
    EXPECT_EQ(search("müller"), Texts{"Müller Bäckerei"}); // never another account's
    EXPECT_EQ(search("MULLER"), Texts{"Müller Bäckerei"});
    EXPECT_EQ(search("anna"), (Texts{"Mail", "Müller Bäckerei"}));
    EXPECT_EQ(ui().countLabel->text(), "2");
    EXPECT_EQ(search("192.168"), Texts{"Router"});
    EXPECT_EQ(search("CELLAR"), Texts{"Router"});
    EXPECT_EQ(search("strasse"), Texts{"Mail"});
    EXPECT_EQ(search("needle"), Texts{});
    EXPECT_EQ(ui().countLabel->text(), "0");
    EXPECT_EQ(search("backereianna"), Texts{}); // never across two fields
    EXPECT_EQ(search("5 muller"), Texts{});     // nor across two entries

    search("a");
    EXPECT_FALSE(list()->isColumnHidden(app().categoryColumn().index()));
    EXPECT_EQ(column(list(), app().categoryColumn().index()),
              (Texts{"Email", "Website", "Router"}));
    logIn("bo", "pw"); // every account finds its own
    EXPECT_EQ(search("müller"), Texts{"Müller private"});

    // Escape ends the search where it began: the Email list, with the keyboard in it.
    logIn("root", "tiwe");
    ui().emailButton->click();
    search("a");
    press(ui().searchField, Qt::Key_Escape);
    EXPECT_EQ(ui().searchField->text(), "");
    EXPECT_EQ(ui().passwordBox->title(), "Email");
    EXPECT_EQ(column(list(), 0), Texts{"Mail"});
    EXPECT_TRUE(list()->isColumnHidden(app().categoryColumn().index()));
    EXPECT_TRUE(list()->hasFocus());
    // So it does in the results, and in a category's list it leaves the list on show.
    search("a");
    press(ui().searchField, Qt::Key_Down);
    press(list(), Qt::Key_Escape);
    EXPECT_EQ(ui().searchField->text(), "");
    EXPECT_EQ(column(list(), 0), Texts{"Mail"});
    press(list(), Qt::Key_Escape);
    EXPECT_EQ(ui().passwordBox->title(), "Email");
}

TEST_F(SearchTest, RowActionsWorkOnResultsAsFreshAsTheStore) {
    search("anna");
    openRow(list(), 1);
    EXPECT_EQ(ui().categoryPopupButton->currentText(), "Website"); // the entry's own
    ui().cancelButton->click();

    exec("INSERT INTO LM_PASSWORD(UserID,CategoryID,Title,User,Password,Http,Memo) "
         "VALUES(1,9,'Anna safe','','code','','')");
    EXPECT_EQ(column(list(), 0), (Texts{"Anna safe", "Mail", "Müller Bäckerei"}));
    list()->clearSelection();
    list()->selectRow(1);
    press(list(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "needle");
    exec("DELETE FROM LM_PASSWORD WHERE Title='Mail'");
    QTest::keyClick(list(), Qt::Key_Delete); // before the list is painted again
    EXPECT_EQ(alerts(), Keys{"RecordGone/RecordGoneInfo"});
    EXPECT_EQ(column(list(), 0), (Texts{"Anna safe", "Müller Bäckerei"}));

    // A category chosen meanwhile ends the search; a logout forgets it.
    ui().routerButton->click();
    EXPECT_EQ(ui().searchField->text(), "");
    search("anna");
    ui().logoutButton->click();
    EXPECT_EQ(ui().searchField->text(), "");
    EXPECT_EQ(list()->model()->rowCount(), 0);
}

TEST_F(SearchTest, OnlyWebPagesAreHandedToTheBrowser) {
    const std::pair<QString, QString> addresses[] = {
        {"https://mail.example.org/x?y", "https://mail.example.org/x?y"},
        {"  HTTP://Example.org ", "http://example.org"},
        {"example.org:8080/login", "https://example.org:8080/login"},
        {"192.168.1.1", "https://192.168.1.1"},
        {"javascript:alert(1)", ""},
        {"JavaScript://example.org/%0aalert(1)", ""},
        {"file:///etc/passwd", ""},
        {"cmd:calc", ""},
        {"https://", ""},
        {"example.org/login?next=a:b", "https://example.org/login?next=a:b"},
        {"//example.org/x", "https://example.org/x"},
    };
    for (const auto& [address, opened] : addresses) {
        const std::optional<QUrl> url = webPageUrl(address);
        EXPECT_EQ(url ? url->toString() : QString(), opened) << address.toStdString();
    }

    std::vector<QUrl> opened;
    bool browserAnswers = true;
    app().setUrlOpener([&](const QUrl& url) {
        opened.push_back(url);
        return browserAnswers;
    });
    search("a");
    list()->selectRow(2); // Router
    press(list(), Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(opened, std::vector<QUrl>{QUrl("https://192.168.1.1")});
    openRow(list(), 2);
    for (const auto& [address, alert] :
         {std::pair{"file:///etc", "HttpRefusedAlert"}, std::pair{"", "NoHttpAlert"},
          std::pair{"example.org", "HttpOpenFailAlert"}}) {
        browserAnswers = false;
        ui().httpField->setText(address);
        ui().httpOpenButton->click();
        EXPECT_EQ(alerts(), Keys{alert + std::string("/") + alert + "Info"});
    }
    EXPECT_EQ(opened.size(), 2u);
}

TEST_F(SearchTest, TheMenuBarListsEveryCommandWithItsKeyAndOnlyWhatAppliesIsEnabled) {
    std::map<QString, QAction*> commands;
    for (QAction* menu : window_->menuBar()->actions()) {
        if (menu->text() == "&Help") {
            continue; // the help windows, open at any time
        }
        for (QAction* command : menu->menu()->actions()) {
            // The file's protection is changed rarely, and by an administrator: no keys.
            if (!command->isSeparator() && !app().protection().commands().contains(command)) {
                EXPECT_FALSE(command->shortcut().isEmpty()) << command->text().toStdString();
                commands[command->text()] = command;
            }
        }
    }
    EXPECT_EQ(commands.size(), 17u);
    EXPECT_TRUE(app().protection().commands().front()->isEnabled()); // root: Protect File…
    auto enabled = [&] {
        std::vector<QString> names;
        for (const auto& [name, command] : commands) {
            if (command->isEnabled()) {
                names.push_back(name);
            }
        }
        return names;
    };
    const std::vector<QString> always{"Export…",     "Find",         "Hide Passwords",    "Import…",
                                      "Log Out",     "New Account…", "New Entry",         "Quit",
                                      "Recycle Bin", "Users",        "Web Address Column"};
    EXPECT_EQ(enabled(), always); // a list on show, no row chosen
    list()->selectRow(0);
    EXPECT_EQ(enabled().size(), 17u);
    press(list(), Qt::Key_N, Qt::ControlModifier); // the editor: no row is chosen in it
    EXPECT_EQ(ui().bottomBoxView->currentWidget(), ui().createPasswordBox);
    EXPECT_EQ(enabled(), always);
    ui().logoutButton->click();
    EXPECT_EQ(enabled(), std::vector<QString>{"Quit"});
    EXPECT_FALSE(app().protection().commands().front()->isEnabled());
}
