// From the first start to logging in and out, in English, German and with no translation.
#include "support/AppFixture.h"
#include "toolkit/WindowShaker.h"

#include <QPropertyAnimation>
#include <QWindow>

namespace {
// What the sidebar and the editor say.
QStringList labels(const Ui::MainWindow& ui) {
    return {ui.eBankButton->text(), ui.logoutButton->text(), ui.httpLabel->text()};
}
} // namespace

TEST_F(AppFixture, ALoginIsRefusedWithAShakeUnlessNameAndPasswordMatch) {
    loginWindow_->move(300, 200);
    const auto shaking = [this] {
        return loginWindow_->findChild<QPropertyAnimation*>(WindowShaker::animationName) != nullptr;
    };
    logIn("", "tiwe"); // an empty name tries nothing
    EXPECT_FALSE(shaking());
    for (const auto& [user, password] : std::vector<std::pair<QString, QString>>{
             {"root", "wrong"}, {"Root", "tiwe"}, {"root", ""}, {"' OR 1=1 --", "x"}}) {
        logIn(user, password);
        EXPECT_FALSE(app().loginUser()) << user.toStdString();
        EXPECT_TRUE(shaking());
        EXPECT_TRUE(loginUi().refusalLabel->isVisible()); // and said, for a screen reader too
        EXPECT_EQ(loginUi().refusalLabel->accessibleName(), "Wrong user name or password");
        EXPECT_EQ(loginUi().passwordTextField->text(), password); // kept as typed, and selected
        EXPECT_EQ(loginUi().passwordTextField->selectedText(), password);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shaking(); }, 2000));
    EXPECT_EQ(loginWindow_->pos(), QPoint(300, 200));
    EXPECT_FALSE(window_->isVisible());

    addAccount("a[*]b", "p", 0); // the window title shows a name exactly, [*] and all
    logIn("a[*]b", "p");
    EXPECT_FALSE(loginUi().refusalLabel->isVisibleTo(loginWindow_.get()));
    EXPECT_TRUE(window_->isVisible());
    EXPECT_FALSE(loginWindow_->isVisible());
    QCoreApplication::processEvents();
    EXPECT_EQ(window_->windowHandle()->title(), "a[*]b");
    ui().logoutButton->click();
    EXPECT_TRUE(loginWindow_->isVisible());
    EXPECT_EQ(loginUi().passwordTextField->text(), "");

    // A file that is no database is said at start, where it is and why, and again at a login
    // instead of a shake; not a byte of it changes.
    const QString file = home_.filePath("Documents/Lockmere.sqlite3");
    const QByteArray garbage(3000, '\x07');
    QFile::remove(file);
    QFile spoilt(file);
    ASSERT_TRUE(spoilt.open(QIODevice::WriteOnly) && spoilt.write(garbage) == garbage.size());
    spoilt.close();
    start();
    const std::string said =
        "Lockmere cannot use its file/" + file.toStdString() + " is not a Lockmere database";
    logIn("root", "tiwe");
    const Keys shown = alerts();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].rfind(said, 0), 0u) << shown[0];
    EXPECT_EQ(shown[1], shown[0]);
    EXPECT_FALSE(shaking());
    ASSERT_TRUE(spoilt.open(QIODevice::ReadOnly));
    EXPECT_EQ(spoilt.readAll(), garbage);
}

TEST_F(AppFixture, EveryStartSpeaksTheUsersLanguageAndFindsTheSameTenCategories) {
    EXPECT_EQ(labels(ui()), (QStringList{"Online Banking", "Log Out", "Web Address"}));
    // An earlier version, started in German, added a second row for Website.
    exec("INSERT INTO LM_CATEGORY VALUES(11,'Webseite')");
    addEntry(1, 1, "mail");
    addEntry(1, 2, "site");
    addEntry(1, 11, "Seite");
    Localizer::install(QLocale(QLocale::German, QLocale::Germany), kTranslationTables);
    start();
    EXPECT_EQ(labels(ui()), (QStringList{"Online-Banking", "Abmelden", "Webadresse"}));
    logIn("root", "tiwe");
    ui().emailButton->click();
    EXPECT_EQ(column(ui().passwordTableView, 0), Texts{"mail"});
    ui().websiteButton->click();
    EXPECT_EQ(column(ui().passwordTableView, 0), (Texts{"Seite", "site"}));
    openRow(ui().passwordTableView, 1); // saved unchanged, it stays under the row it was filed in
    EXPECT_EQ(ui().categoryPopupButton->count(), 10);
    EXPECT_EQ(ui().categoryPopupButton->currentText(), "Webseite");
    ui().saveButton->click();
    ui().addButton->click(); // a new one is filed under the row in the user's language
    fillEntryEditor("neu", "", "p");
    ui().saveButton->click();
    EXPECT_EQ(sql("SELECT CategoryID FROM LM_PASSWORD WHERE Title IN ('site','neu') ORDER BY ID"),
              (Rows{{"2"}, {"11"}}));
    for (const QLocale& language : {QLocale(QLocale::Polish), QLocale(QLocale::English)}) {
        Localizer::install(language, kTranslationTables);
        start();
    }
    Localizer::uninstall();
    start();
    EXPECT_EQ(labels(ui()), (QStringList{"eBank", "Exit", "Http"}));
    EXPECT_EQ(sql("SELECT count(*) FROM LM_CATEGORY"), Rows{{"11"}});
}

TEST_F(AppFixture, RootsPublishedPasswordIsSaidAtOnceAndItsAccountOpensToChangeIt) {
    // root's own row, wherever it stands in the list.
    exec("UPDATE LM_USER SET ID=99 WHERE User='root'; INSERT INTO LM_USER VALUES(1,'first','f',0)");
    alerts_.answers = {AlertDefaultReturn}; // Change Now
    logIn("root", "tiwe");
    EXPECT_EQ(ui().bottomBoxView->currentWidget(), ui().createUserBox);
    EXPECT_EQ(ui().user1Field->text(), "root");
    EXPECT_EQ(window_->focusWidget(), ui().pwd1Field);
    EXPECT_EQ(ui().pwd1Field->selectedText(), "tiwe");

    // Nobody else is asked: not another account with that password, not root with another.
    addAccount("anna", "tiwe", 1);
    exec("UPDATE LM_USER SET Password='own' WHERE User='root'");
    for (const auto& [user, password] :
         std::vector<std::pair<QString, QString>>{{"anna", "tiwe"}, {"root", "own"}}) {
        alerts_.answers = {AlertDefaultReturn};
        logIn(user, password);
        EXPECT_TRUE(app().loginUser());
        EXPECT_EQ(alerts_.answers.size(), 1u) << user.toStdString();
    }
}
