// What a user sees from the first start to logging in and out.
#include "AppFixture.h"
#include "toolkit/WindowShaker.h"

#include <QFileInfo>
#include <QPropertyAnimation>
#include <QTimer>

using Rows = std::vector<std::vector<std::string>>;

TEST_F(AppFixture, FirstStartShowsAnEmptyLoginWindowOverASeededFile) {
    // The interface description may leave the main window showing; start-up hides it.
    loginWindow_ = std::make_unique<LoginWindow>();
    window_ = std::make_unique<MainWindow>();
    window_->show();
    delegate_ = std::make_unique<AppDelegate>(*loginWindow_, *window_, alerts_);
    delegate_->applicationDidFinishLaunching();

    EXPECT_TRUE(QFileInfo::exists(dbFile()));
    EXPECT_EQ(query("SELECT * FROM LM_USER"), (Rows{{"1", "root", "tiwe", "1"}}));
    EXPECT_EQ(query("SELECT Category FROM LM_CATEGORY WHERE ID IN (1, 10) ORDER BY ID"),
              (Rows{{"Email"}, {"Other"}}));

    EXPECT_FALSE(window_->isVisible());
    EXPECT_TRUE(loginWindow_->isVisible());
    EXPECT_EQ(loginUi().userTextField->text(), "");
    EXPECT_EQ(loginUi().passwordTextField->text(), "");
    EXPECT_EQ(loginUi().userTextField->placeholderText(), "User Name");
    EXPECT_EQ(loginUi().passwordTextField->placeholderText(), "Password");
    EXPECT_EQ(loginUi().passwordTextField->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(app().loginUser());
    EXPECT_FALSE(app().currentCategory());
    EXPECT_EQ(app().currentTable(), nullptr);
    EXPECT_EQ(app().lastBox(), nullptr);
    EXPECT_EQ(app().shownBox(), nullptr);
}

TEST_F(AppFixture, LoginIsRefusedWithAShakeUnlessNameAndPasswordMatchExactly) {
    start();
    loginWindow_->move(300, 200);
    const QPoint home = loginWindow_->pos();
    auto shake = [this] {
        return loginWindow_->findChild<QPropertyAnimation*>(WindowShaker::animationName);
    };

    // Return in the user field moves on to the password field and tries nothing.
    loginUi().userTextField->setText("root");
    QTest::keyClick(loginUi().userTextField, Qt::Key_Return);
    EXPECT_EQ(loginWindow_->focusWidget(), loginUi().passwordTextField);
    EXPECT_FALSE(app().loginUser());

    // An empty name does nothing at all, not even a shake.
    logIn("", "tiwe");
    EXPECT_EQ(shake(), nullptr);
    EXPECT_FALSE(app().loginUser());

    for (const auto& [user, password] : std::vector<std::pair<QString, QString>>{
             {"root", "wrong"}, {"Root", "tiwe"}, {"root", ""}, {"root ", "tiwe"}}) {
        logIn(user, password);
        EXPECT_FALSE(app().loginUser()) << user.toStdString();
        EXPECT_NE(shake(), nullptr) << user.toStdString();
        EXPECT_TRUE(loginWindow_->isVisible());
        // The fields keep what was typed.
        EXPECT_EQ(loginUi().userTextField->text(), user);
        EXPECT_EQ(loginUi().passwordTextField->text(), password);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return shake() == nullptr; }, 2000));
    EXPECT_EQ(loginWindow_->pos(), home);
    EXPECT_TRUE(alerts_.alerts.empty()); // a refused login shows no message

    // An empty password matches an account whose stored password is empty.
    addAccount("guest", "", 0);
    logIn("guest", "");
    ASSERT_TRUE(app().loginUser());
    EXPECT_EQ(app().loginUser()->User(), "guest");
}

TEST_F(AppFixture, LoginShowsTheMainWindowAndLogoutComesBackToAnEmptyLoginWindow) {
    start();
    logIn("root", "tiwe");
    ASSERT_TRUE(app().loginUser());
    EXPECT_EQ(app().loginUser()->ID(), 1);
    EXPECT_EQ(app().loginUser()->IsRoot(), 1);
    EXPECT_FALSE(loginWindow_->isVisible());
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(window_->windowTitle(), "root");

    ui().emailButton->click();
    EXPECT_EQ(app().currentCategory(), "Email");
    ui().logoutButton->click();
    EXPECT_FALSE(window_->isVisible());
    EXPECT_TRUE(loginWindow_->isVisible());
    EXPECT_FALSE(app().loginUser());
    EXPECT_FALSE(app().currentCategory());
    EXPECT_EQ(loginUi().userTextField->text(), "");
    EXPECT_EQ(loginUi().passwordTextField->text(), "");
    EXPECT_EQ(loginWindow_->focusWidget(), loginUi().userTextField);
    // Nothing of the account stays: not its name, not its list.
    EXPECT_EQ(window_->windowTitle(), QGuiApplication::applicationName());
    EXPECT_EQ(app().shownBox(), nullptr);
    EXPECT_EQ(app().currentTable(), nullptr);

    // A second login, as another account, starts from an empty content area.
    addAccount("anna", "pw", 0);
    logIn("anna", "pw");
    EXPECT_EQ(window_->windowTitle(), "anna");
    EXPECT_EQ(app().loginUser()->User(), "anna");
    EXPECT_EQ(app().shownBox(), nullptr);
    EXPECT_FALSE(app().currentCategory());
}

TEST_F(AppFixture, ClosingTheLastWindowEndsTheProgram) {
    start();
    logIn("root", "tiwe");
    bool timedOut = false;
    QTimer::singleShot(0, window_.get(), [this] { window_->close(); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        QApplication::exit(1);
    });
    watchdog.start(3000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(timedOut);
}
