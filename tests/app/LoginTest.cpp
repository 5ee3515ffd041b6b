// From the first start to logging in and out, in English, German and with no translation.
#include "support/AppFixture.h"
#include "toolkit/WindowShaker.h"

#include <QPropertyAnimation>

namespace {
// What the sidebar and the list headers say.
std::vector<QString> labels(const Ui::MainWindow& ui) {
    std::vector<QString> texts;
    for (QAbstractButton* button :
         std::initializer_list<QAbstractButton*>{ui.emailButton, ui.eBankButton, ui.otherButton,
                                                 ui.usersButton, ui.logoutButton, ui.saveButton}) {
        texts.push_back(button->text());
    }
    for (QTableView* list : {ui.passwordTableView, ui.userTable}) {
        for (int column = 0; column < list->model()->columnCount(); ++column) {
            texts.push_back(list->model()->headerData(column, Qt::Horizontal).toString());
        }
    }
    texts.push_back(ui.httpLabel->text());
    return texts;
}
} // namespace

TEST_F(AppFixture, ALoginIsRefusedWithAShakeUnlessNameAndPasswordMatch) {
    loginWindow_->move(300, 200);
    const QPoint home = loginWindow_->pos();
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
        EXPECT_EQ(loginUi().passwordTextField->text(), password); // kept as typed
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shaking(); }, 2000));
    EXPECT_EQ(loginWindow_->pos(), home);
    EXPECT_TRUE(alerts().empty());
    EXPECT_FALSE(window_->isVisible());

    logIn("root", "tiwe");
    EXPECT_TRUE(window_->isVisible());
    EXPECT_FALSE(loginWindow_->isVisible());
    EXPECT_EQ(window_->windowTitle(), "root");
    ui().logoutButton->click();
    EXPECT_TRUE(loginWindow_->isVisible());
    EXPECT_EQ(loginUi().userTextField->text(), "");
    EXPECT_EQ(loginUi().passwordTextField->text(), "");
}

TEST_F(AppFixture, EveryLabelIsInTheUsersLanguageOrShowsItsKey) {
    EXPECT_EQ(labels(ui()), (Texts{"Email", "Online Banking", "Other", "Users", "Log Out", "Save",
                                   "Title", "User Name", "Password", "User Name", "Password",
                                   "Administrator", "Web Address"}));
    Localizer::install(QLocale(QLocale::German, QLocale::Germany));
    start();
    EXPECT_EQ(labels(ui()), (Texts{"E-Mail", "Online-Banking", "Sonstiges", "Benutzer", "Abmelden",
                                   "Speichern", "Titel", "Benutzername", "Passwort", "Benutzername",
                                   "Passwort", "Administrator", "Webadresse"}));
    Localizer::uninstall();
    start();
    EXPECT_EQ(labels(ui()), (Texts{"Email", "eBank", "Other", "Users", "Exit", "Save", "Title",
                                   "User", "Password", "User", "Password", "IsRoot", "Http"}));
}
