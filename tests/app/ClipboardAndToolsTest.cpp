// Copying from the list, the row menu, and making and rating passwords in the editors.
#include "passwordtools/PasswordGenerator.h"
#include "support/AppFixture.h"

#include <QClipboard>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>
#include <functional>
#include <set>

class ClipboardTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        exec("INSERT INTO LM_PASSWORD VALUES(1,1,1,'mail','anna@x','s3cret','https://mail','')");
        logIn("root", "tiwe");
        ui().emailButton->click();
        clipboard()->setText("before");
    }
    static QClipboard* clipboard() { return QGuiApplication::clipboard(); }
    void copy(Qt::Key key) { press(ui().passwordTableView, key, Qt::ControlModifier); }
};

TEST_F(ClipboardTest, ShortcutsCopyAsASecretThatClearsAfterTenSecondsOrAtLogout) {
    copy(Qt::Key_C); // nothing chosen: nothing copied
    EXPECT_EQ(clipboard()->text(), "before");
    ui().passwordTableView->selectRow(0);
    copy(Qt::Key_B);
    EXPECT_EQ(clipboard()->text(), "anna@x");
    copy(Qt::Key_C);
    EXPECT_EQ(clipboard()->text(), "s3cret");
    EXPECT_EQ(window_->statusBar()->currentMessage(), "Password copied; clears in 10 s");
    EXPECT_EQ(clipboard()->mimeData()->data("x-kde-passwordManagerHint"), "secret");
    EXPECT_TRUE(app().secretClipboard().ticker().isActive());
    for (int second = 0; second < 9; ++second) {
        app().secretClipboard().secondElapsed();
    }
    EXPECT_EQ(clipboard()->text(), "s3cret");
    app().secretClipboard().secondElapsed();
    EXPECT_EQ(clipboard()->text(), "");

    // A logout clears our copy, never what the user copied since.
    copy(Qt::Key_C);
    ui().logoutButton->click();
    EXPECT_EQ(clipboard()->text(), "");
    logIn("root", "tiwe");
    ui().emailButton->click();
    ui().passwordTableView->selectRow(0);
    copy(Qt::Key_C);
    ASSERT_EQ(clipboard()->text(), "s3cret");
    clipboard()->setText("mine"); // the user copied since: neither the tick nor a logout clears it
    app().secretClipboard().secondElapsed();
    ui().logoutButton->click();
    EXPECT_EQ(clipboard()->text(), "mine");
}

TEST_F(ClipboardTest, TheRowMenuOffersTheListsOwnCommandsAndALogoutClosesItAndAnyAlert) {
    QTableView* list = ui().passwordTableView;
    QList<QAction*> offered;
    bool closedByLogout = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        offered = menu->actions();
        offered.removeIf(std::mem_fn(&QAction::isSeparator));
        menu->actions().at(4)->trigger();
        EXPECT_EQ(clipboard()->text(), "https://mail");
        QMessageBox alert; // an alert over the menu
        alert.show();
        app().logoutAction();
        closedByLogout = !menu->isVisible() && !alert.isVisible();
        menu->close();
    });
    emit list->customContextMenuRequested(list->visualRect(list->model()->index(0, 0)).center());
    EXPECT_EQ(offered, list->actions()); // so the key a menu entry shows works
    EXPECT_TRUE(closedByLogout);
}

TEST_F(ClipboardTest, EditorsGenerateStrongPasswordsAndRateWhatIsTyped) {
    ui().addButton->click();
    ui().generatePasswordButton->click();
    EXPECT_EQ(ui().pwdField->text().size(), PasswordGenerator::kDefaultLength);
    EXPECT_EQ(ui().pwdStrengthMeter->score(), 4);
    ui().pwdField->setText("password");
    EXPECT_EQ(ui().pwdStrengthMeter->score(), 0);

    // Over many passwords every character of every class is drawn.
    const QString alphabet = PasswordGenerator::uppercase() + PasswordGenerator::lowercase() +
                             PasswordGenerator::digits() + PasswordGenerator::symbols();
    std::set<QChar> drawn;
    for (int i = 0; i < 2000; ++i) {
        const QString password = PasswordGenerator().generate();
        drawn.insert(password.begin(), password.end());
    }
    EXPECT_EQ(drawn, std::set<QChar>(alphabet.begin(), alphabet.end()));
}
