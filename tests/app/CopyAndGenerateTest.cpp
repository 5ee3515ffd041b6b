// Copying from the password list and making passwords in the editors, as a
// user does it, with the clock stepped by hand.
#include "AppFixture.h"

#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QTimer>

class CopyAndGenerateTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        start();
        logIn("root", "tiwe");
        execAsAnotherProgram("INSERT INTO LM_PASSWORD(UserID,CategoryID,Title,User,Password,"
                             "Http,Memo) VALUES(1,1,'mail','anna@example.org','s3cret',"
                             "'https://mail.example.org','')");
        ui().emailButton->click();
        QGuiApplication::clipboard()->setText("before");
    }

    QString clipboardText() { return QGuiApplication::clipboard()->text(); }
    void pressCtrl(Qt::Key key) { press(ui().passwordTableView, key, Qt::ControlModifier); }
};

TEST_F(CopyAndGenerateTest, ShortcutsCopyTheSelectedEntryAsASecretForTenSeconds) {
    pressCtrl(Qt::Key_C); // nothing selected: nothing copied
    EXPECT_EQ(clipboardText(), "before");
    EXPECT_FALSE(ui().clipboardLabel->isVisible());

    selectRow(ui().passwordTableView, 0);
    pressCtrl(Qt::Key_C);
    EXPECT_EQ(clipboardText(), "s3cret");
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->data("x-kde-passwordManagerHint"),
              "secret");
    EXPECT_TRUE(ui().clipboardLabel->isVisible());
    EXPECT_TRUE(ui().clipboardLabel->text().contains("10"));

    pressCtrl(Qt::Key_B);
    EXPECT_EQ(clipboardText(), "anna@example.org");
    for (int second = 0; second < 9; ++second) {
        app().secretClipboard().secondElapsed();
    }
    EXPECT_TRUE(ui().clipboardLabel->text().contains("1"));
    EXPECT_EQ(clipboardText(), "anna@example.org");
    app().secretClipboard().secondElapsed();
    EXPECT_EQ(clipboardText(), "");
    EXPECT_FALSE(ui().clipboardLabel->isVisible());

    // Nothing specified changed: no alert, the list and the database as before.
    EXPECT_TRUE(alerts_.alerts.empty());
    EXPECT_EQ(rows(ui().passwordTableView), 1);
}

TEST_F(CopyAndGenerateTest, TheRowMenuOffersTheListsOwnCommandsAndLogoutClearsThePendingCopy) {
    const QPoint row =
        ui().passwordTableView->visualRect(ui().passwordTableView->model()->index(0, 0)).center();
    QStringList offered;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                // The entry is the list's own command, so the key it shows works in the list.
                EXPECT_TRUE(ui().passwordTableView->actions().contains(action));
                offered << action->text() + " " + action->shortcut().toString();
            }
        }
        menu->actions().at(4)->trigger(); // the web address
        menu->close();
    });
    emit ui().passwordTableView->customContextMenuRequested(row);
    EXPECT_EQ(offered, (QStringList{"Open Return", "Copy Password Ctrl+C", "Copy User Name Ctrl+B",
                                    "Copy Web Address ", "Delete Del"}));
    EXPECT_EQ(selectedRow(ui().passwordTableView), 0);
    EXPECT_EQ(clipboardText(), "https://mail.example.org");

    ui().logoutButton->click();
    EXPECT_EQ(clipboardText(), "");

    // What the user copied since is never cleared.
    logIn("root", "tiwe");
    ui().emailButton->click();
    selectRow(ui().passwordTableView, 0);
    pressCtrl(Qt::Key_C);
    QGuiApplication::clipboard()->setText("mine");
    ui().logoutButton->click();
    EXPECT_EQ(clipboardText(), "mine");
}

TEST_F(CopyAndGenerateTest, EditorsGenerateStrongPasswordsAndRateWhatIsTyped) {
    ui().addButton->click();
    ui().generatePasswordButton->click();
    const QString generated = ui().pwdField->text();
    EXPECT_EQ(generated.size(), 20);
    EXPECT_EQ(ui().pwdStrengthMeter->score(), 4);
    EXPECT_EQ(ui().pwdStrengthMeter->word(), "Strong");
    EXPECT_EQ(ui().pwdStrengthMeter->accessibleDescription(), "Strong");
    ui().generatePasswordButton->click();
    EXPECT_NE(ui().pwdField->text(), generated);

    ui().pwdField->setText("password");
    EXPECT_EQ(ui().pwdStrengthMeter->score(), 0);
    EXPECT_EQ(ui().pwdStrengthMeter->word(), "Very weak");
    ui().pwdField->clear();
    EXPECT_EQ(ui().pwdStrengthMeter->word(), "");

    ui().usersButton->click();
    ui().userAddButton->click();
    ui().generatePassword1Button->click();
    EXPECT_EQ(ui().pwd1Field->text().size(), 20);
    EXPECT_EQ(ui().pwd1StrengthMeter->score(), 4);
}
