// A household protects its file, lives with it, changes its passphrase, recovers with the code
// and takes protection off: the menu's commands under their rights, the unlock window at start.
#include "protection/SecretAsker.h"
#include "support/AppFixture.h"
#include "toolkit/WindowShaker.h"

#include <QLineEdit>
#include <QPropertyAnimation>

namespace {
// Answers what protecting asks: the passphrase to give, each recovery code shown is kept, and
// the file's current secret is asked for as `currents` says, one answer a time (then cancelled).
struct ScriptedAsker : SecretAsker {
    QString passphrase;
    QString codeShown;
    QStringList currents;
    QString newPassphrase(QWidget*, bool) override { return passphrase; }
    bool keepRecoveryCode(QWidget*, const QString& code, bool) override {
        codeShown = code;
        return true;
    }
    QString currentSecret(QWidget*) override {
        return currents.isEmpty() ? QString() : currents.takeFirst();
    }
};
} // namespace

class ProtectionTest : public AppFixture {
protected:
    // The program starts anew; a protected file asks for its secret first.
    void restart() {
        start();
        asker_ = new ScriptedAsker;
        app().protection().setAsker(std::unique_ptr<SecretAsker>(asker_));
        app().protection().setCost(KdfCost::cheapest());
    }
    // Types `secret` into the unlock window and presses Return; whether the login window came.
    bool unlockWith(const QString& secret) {
        UnlockWindow* window = app().protection().unlockWindow();
        if (window == nullptr || !window->isVisible()) {
            return false;
        }
        window->secretField()->setText(secret);
        QTest::keyClick(window->secretField(), Qt::Key_Return);
        return loginWindow_->isVisible();
    }
    void command(int index) { app().protection().commands().at(index)->trigger(); }
    // The file as another program opens it now.
    Rows fresh(const std::string& query) {
        return OtherConnection(home_.filePath("Documents/Lockmere.sqlite3").toStdString())
            .rows(query);
    }

    ScriptedAsker* asker_ = nullptr;
};

TEST_F(ProtectionTest, AHouseholdProtectsItsFileLivesWithItAndTakesProtectionOff) {
    restart();
    addAccount("anna", "a", 0);
    addEntry(1, 1, "mail", "s3cret");
    asker_->passphrase = "amber-kettle-horizon";
    logIn("anna", "a"); // not an administrator: not hers to change
    EXPECT_FALSE(app().protection().commands().at(0)->isEnabled());
    exec("UPDATE LM_USER SET Password='soon forgotten' WHERE User='root'");
    logIn("root", "soon forgotten");
    command(0);
    EXPECT_EQ(alerts(), Keys{"ProtectedAlert/ProtectedAlertInfo"});
    EXPECT_EQ(fresh("SELECT count(*) FROM LM_USER"), Rows{{"error: file is not a database"}});
    const QString code = asker_->codeShown;
    EXPECT_EQ(code.size(), 39); // eight groups of four

    restart();
    EXPECT_FALSE(loginWindow_->isVisible());
    EXPECT_FALSE(unlockWith("amber-kettle"));
    EXPECT_TRUE(app().protection().unlockWindow()->findChild<QPropertyAnimation*>(
                    WindowShaker::animationName) != nullptr);
    // The code, however it is typed, opens the file, and resets root's forgotten password.
    alerts_.answers = {AlertDefaultReturn};
    EXPECT_TRUE(unlockWith(code.toLower().remove('-')));
    EXPECT_EQ(alerts(), (Keys{"RecoveredAlert/RecoveredAlertInfo?ResetRootPassword|Later",
                              "RootPasswordResetAlert/RootPasswordResetAlertInfo"}));
    logIn("root", "tiwe");
    ui().emailButton->click();
    EXPECT_EQ(column(ui().passwordTableView, 0), Texts{"mail"});

    // Changing the protection takes its current secret, not only an administrator's window.
    asker_->passphrase = "violet-harbour-lantern";
    asker_->currents = {"amber-kettle", "", "amber-kettle"}; // each wrong, then cancelled
    command(1);
    alerts_.answers = {AlertDefaultReturn};
    command(3);
    EXPECT_EQ(alerts(), (Keys{"WrongFileSecret/UnlockRefused",
                              "RemoveProtectionAlert/RemoveProtectionAlertInfo?RemoveProtection|"
                              "Cancel",
                              "WrongFileSecret/UnlockRefused"}));
    asker_->currents = {"amber-kettle", code};
    command(1); // a new passphrase, once the current secret is given right
    asker_->currents = {"violet-harbour-lantern"};
    command(2); // a new recovery code
    EXPECT_EQ(alerts(), (Keys{"WrongFileSecret/UnlockRefused",
                              "PassphraseChangedAlert/PassphraseChangedAlertInfo",
                              "RecoveryCodeChangedAlert/RecoveryCodeChangedAlertInfo"}));
    const QString newCode = asker_->codeShown;
    EXPECT_NE(newCode, code);
    restart();
    EXPECT_FALSE(unlockWith("amber-kettle-horizon"));
    EXPECT_FALSE(unlockWith(code));
    EXPECT_TRUE(unlockWith("violet-harbour-lantern"));
    restart();
    alerts_.answers = {AlertOtherReturn};
    EXPECT_TRUE(unlockWith(newCode));
    logIn("root", "tiwe");
    asker_->currents = {newCode};
    alerts_.answers = {AlertDefaultReturn};
    command(3);
    EXPECT_EQ(alerts(), (Keys{"RecoveredAlert/RecoveredAlertInfo?ResetRootPassword|Later",
                              "RemoveProtectionAlert/RemoveProtectionAlertInfo?RemoveProtection|"
                              "Cancel",
                              "ProtectionRemovedAlert/ProtectionRemovedAlertInfo"}));
    EXPECT_EQ(fresh("SELECT Title, Password FROM LM_PASSWORD"), (Rows{{"mail", "s3cret"}}));
}
