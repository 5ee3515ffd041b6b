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
        EXPECT_EQ(loginUi().passwordTextField->text(), password); // kept as typed, and selected
        EXPECT_EQ(loginUi().passwordTextField->selectedText(), password);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shaking(); }, 2000));
    EXPECT_EQ(loginWindow_->pos(), QPoint(300, 200));
    EXPECT_FALSE(window_->isVisible());

    addAccount("a[*]b", "p", 0); // the window title shows a name exactly, [*] and all
    logIn("a[*]b", "p");
    EXPECT_TRUE(window_->isVisible());
    EXPECT_FALSE(loginWindow_->isVisible());
    QCoreApplication::processEvents();
    EXPECT_EQ(window_->windowHandle()->title(), "a[*]b");
    ui().logoutButton->click();
    EXPECT_TRUE(loginWindow_->isVisible());
    EXPECT_EQ(loginUi().passwordTextField->text(), "");
}

TEST_F(AppFixture, EveryLabelIsInTheUsersLanguageOrShowsItsKey) {
    EXPECT_EQ(labels(ui()), (QStringList{"Online Banking", "Log Out", "Web Address"}));
    Localizer::install(QLocale(QLocale::German, QLocale::Germany), kTranslationTables);
    start();
    EXPECT_EQ(labels(ui()), (QStringList{"Online-Banking", "Abmelden", "Webadresse"}));
    Localizer::uninstall();
    start();
    EXPECT_EQ(labels(ui()), (QStringList{"eBank", "Exit", "Http"}));
}

TEST_F(AppFixture, RootsPublishedPasswordIsSaidAtOnceAndItsAccountOpensToChangeIt) {
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
