// The seams between actions, where one account could reach another's data: a logout with an
// editor open, a save checked only when its editor opened, a row that moved under the user, a
// deletion or a save that raced another copy.
#include "support/AppFixture.h"
#include "support/Records.h"
#include "toolkit/WindowShaker.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPropertyAnimation>
#include <QRegularExpression>
#include <QSettings>
#include <QTimer>
#include <functional>

// Stands in for logind on the test program's own bus: every program is in one session.
class FakeLogind : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    static inline const QString kSession = QStringLiteral("/org/freedesktop/login1/session/_1");
public slots:
    QDBusObjectPath GetSessionByPID(uint) { return QDBusObjectPath(kSession); }
};

namespace {
const std::string kNoPermission = "NoPermissionAlert/NoPermissionAlertInfo";
const std::string kGone = "RecordGone/RecordGoneInfo";

// Every text the window holds, shown or not: title, fields, memo.
QString textsIn(QWidget* window) {
    QStringList texts{window->windowTitle()};
    for (auto* field : window->findChildren<QLineEdit*>()) {
        texts << field->text();
    }
    return texts.join('|') + window->findChild<QPlainTextEdit*>()->toPlainText();
}
} // namespace

class SeamsTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        addAccount("anna", "a", 0);
        addAccount("carl", "c", 1);
        for (const char* title : {"alpha", "bravo", "charlie"}) {
            addEntry(1, 1, title, std::string("secret-") + title);
        }
        logIn("root", "tiwe");
        ui().emailButton->click();
    }
    Rows everything() {
        return sql(
            "SELECT * FROM LM_USER UNION ALL SELECT ID,Title,Password,UserID FROM LM_PASSWORD");
    }
    QTableView* list() { return ui().passwordTableView; }
    // Opens the program's own file dialog, lets `look` at it, and cancels it.
    void chooseFile(const std::function<void(QFileDialog*)>& look) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            look(dialog);
            dialog->reject();
        });
        AppDelegate::dialogFileChooser()(window_.get(), false, QString());
    }
};

TEST_F(SeamsTest, TheNextAccountFindsNothingOfTheLastAndCannotSaveIt) {
    const Rows before = everything();
    const std::function<void()> leaveOpen[] = {
        [&] { openRow(list(), 1); },
        [&] {
            ui().usersButton->click();
            openRow(ui().userTable, 0);
        },
        [&] {
            ui().usersButton->click();
            ui().userAddButton->click();
            ui().user1Field->setText("mallory");
            ui().pwd1Field->setText("m");
            ui().isRootCheckBox->setChecked(true);
        },
    };
    for (const auto& open : leaveOpen) {
        logIn("root", "tiwe");
        ui().emailButton->click();
        open();
        ASSERT_NE(app().shownBox(), nullptr);
        logIn("anna", "a"); // on her first category's list, empty
        EXPECT_EQ(app().shownBox(), ui().passwordBox);
        EXPECT_EQ(window_->focusWidget(), ui().passwordTableView);
        EXPECT_EQ(app().operation(), QString());
        EXPECT_EQ(list()->model()->rowCount(), 0);
        EXPECT_EQ(ui().userTable->model()->rowCount(), 0);
        const QString left = textsIn(window_.get());
        EXPECT_FALSE(left.contains(QRegularExpression("secret|bravo|tiwe|root|mallory")))
            << left.toStdString();
        ui().saveButton->click();
        ui().userSaveButton->click();
        EXPECT_EQ(everything(), before);
    }
}

TEST_F(SeamsTest, NothingOneSessionTypedChoseOrCopiedIsLeftForTheNext) {
    const std::tuple<const char*, std::function<void()>, std::function<bool()>> leaks[] = {
        {"search undo", [&] { QTest::keyClicks(ui().searchField, "bravo"); },
         [&] {
             press(ui().searchField, Qt::Key_Z, Qt::ControlModifier);
             return ui().searchField->text().isEmpty();
         }},
        {"status line",
         [&] {
             list()->selectRow(0);
             press(list(), Qt::Key_B, Qt::ControlModifier);
         },
         [&] { return window_->statusBar()->currentMessage().isEmpty(); }},
        {"generator options",
         [&] {
             ui().addButton->click();
             ui().generatorOptionsButton->click();
             ui().pwdGeneratorOptions->passphraseBox()->click();
         },
         [&] {
             return !ui().pwdGeneratorOptions->recipe().passphrase &&
                    !ui().generatorOptionsButton->isChecked();
         }},
        {"the file dialog's folder",
         [&] { chooseFile([](QFileDialog* dialog) { dialog->setDirectory(QDir::rootPath()); }); },
         [&] {
             QString folder;
             chooseFile([&](QFileDialog* dialog) { folder = dialog->directory().path(); });
             const QSettings qtsOwn(QSettings::UserScope, QStringLiteral("QtProject"));
             return folder == home_.filePath("Documents") && qtsOwn.allKeys().isEmpty();
         }},
        {"a password copied out of the editor",
         [&] {
             openRow(list(), 0);
             ui().pwdField->selectAll();
             press(ui().pwdField, Qt::Key_C, Qt::ControlModifier);
             EXPECT_TRUE(app().secretClipboard().holdsOurCopy()); // marked, and counting down
         },
         [&] { return QGuiApplication::clipboard()->text().isEmpty(); }},
    };
    for (const auto& [name, act, leftNothing] : leaks) {
        logIn("root", "tiwe");
        ui().emailButton->click();
        act();
        logIn("anna", "a");
        EXPECT_TRUE(leftNothing()) << name;
    }
    EXPECT_EQ(alerts(), Keys{});
}

TEST_F(SeamsTest, AnAccountThatAnotherCopyDeletesOrDemotesLosesItsSessionAtItsNextStep) {
    logIn("carl", "c");
    ui().usersButton->click();
    const int anna = rowOf(ui().userTable, "anna");
    EXPECT_EQ(column(ui().userTable, 1)[anna], "a");
    exec("UPDATE LM_USER SET IsRoot=0 WHERE User='carl'");
    EXPECT_EQ(column(ui().userTable, 1)[anna], "******"); // at once
    QCoreApplication::processEvents();
    EXPECT_FALSE(app().loginUser());
    EXPECT_EQ(alerts(), Keys{"SessionEndedAlert/AccountChangedInfo"});

    logIn("anna", "a");
    ui().emailButton->click();
    ui().addButton->click();
    fillEntryEditor("orphan", "", "p");
    exec("DELETE FROM LM_USER WHERE User='anna'");
    ui().saveButton->click();
    EXPECT_EQ(alerts(), Keys{"SessionEndedAlert/AccountGoneInfo"});
    EXPECT_TRUE(loginWindow_->isVisible());
    EXPECT_EQ(sql("SELECT count(*) FROM LM_PASSWORD WHERE Title='orphan'"), Rows{{"0"}});

    // Its own change is no other copy's: an account that renames itself goes on under the name.
    logIn("root", "tiwe");
    ui().usersButton->click();
    openRow(ui().userTable, rowOf(ui().userTable, "root"));
    ui().user1Field->setText("boss");
    ui().userSaveButton->click();
    ui().emailButton->click();
    EXPECT_EQ(app().loginUser()->User(), "boss");
    EXPECT_EQ(window_->windowTitle(), "boss");
    EXPECT_EQ(alerts(), Keys{});
}

TEST_F(SeamsTest, EverySaveChecksTheRightsOfTheAccountLoggedInNow) {
    const PasswordSchema rootsEntry = app().mySQLLite()->getPasswords(1, std::string("Email"))[0];
    const UserSchema root = *app().mySQLLite()->login("root", "tiwe");
    const UserSchema eve = makeUser("eve", "e", 0, addAccount("eve", "e", 0));
    const Rows before = everything();
    const auto saveAccount = [&](const QString& operation, const UserSchema& account, bool admin) {
        app().setOperation(operation);
        app().setUserSchema(account);
        ui().user1Field->setText("mallory");
        ui().pwd1Field->setText("m");
        ui().isRootCheckBox->setChecked(admin);
        app().userSaveAction();
    };
    const std::pair<QString, std::function<void()>> attempts[] = {
        {"anna",
         [&] {
             app().setOperation(AppDelegate::kEdit);
             app().setPasswordSchema(rootsEntry);
             fillEntryEditor("mine now", "", "pw");
             ui().categoryPopupButton->addItem("Email");
             app().saveAction();
         }},
        {"anna", [&] { saveAccount(AppDelegate::kEdit, root, true); }},
        {"anna", [&] { saveAccount(AppDelegate::kAdd, UserSchema(), false); }},
        {"carl", [&] { saveAccount(AppDelegate::kAdd, UserSchema(), true); }},
        {"carl", [&] { saveAccount(AppDelegate::kEdit, eve, true); }},
    };
    for (const auto& [who, save] : attempts) {
        logIn(who, who.left(1));
        save();
        EXPECT_EQ(alerts(), Keys{kNoPermission}) << who.toStdString();
        EXPECT_EQ(everything(), before);
    }
    logIn("root", "tiwe");
    saveAccount(AppDelegate::kEdit, eve, true);
    EXPECT_TRUE(alerts().empty());
    EXPECT_EQ(sql("SELECT IsRoot FROM LM_USER WHERE User='mallory'"), Rows{{"1"}});
}

TEST_F(SeamsTest, RowActionsTakeTheRecordTheRowShowedOrSayItIsGone) {
    list()->selectRow(1);
    exec("DELETE FROM LM_PASSWORD WHERE Title='alpha'"); // row 1 would show "charlie" now
    EXPECT_EQ(column(list(), 0), (Texts{"bravo", "charlie"}));
    QCoreApplication::processEvents(); // the highlight follows the entry the commands act on
    EXPECT_EQ(list()->selectionModel()->selectedRows().value(0).row(), 0);
    press(list(), Qt::Key_Return);
    EXPECT_EQ(ui().titleField->text(), "bravo");
    ui().cancelButton->click();

    // Gone before the list was painted again: the action says so.
    const std::function<void()> actions[] = {
        [&] { QTest::keyClick(list(), Qt::Key_Return); },
        [&] { QTest::keyClick(list(), Qt::Key_C, Qt::ControlModifier); },
        [&] {
            alerts_.answers = {AlertDefaultReturn};
            ui().removeButton->click();
        },
    };
    for (const auto& act : actions) {
        addEntry(1, 1, "bravo", "secret-bravo");
        ui().emailButton->click();
        list()->selectRow(0);
        press(list(), Qt::Key_Shift); // the window active, the keyboard in the list
        exec("DELETE FROM LM_PASSWORD WHERE Title='bravo'");
        alerts();
        act();
        EXPECT_EQ(alerts(), Keys{kGone});
        EXPECT_EQ(app().shownBox(), ui().passwordBox);
        EXPECT_EQ(sql("SELECT Title FROM LM_PASSWORD"), Rows{{"charlie"}});
        EXPECT_FALSE(app().secretClipboard().holdsOurCopy());
        EXPECT_EQ(column(list(), 0), Texts{"charlie"});
    }

    // Gone while the confirmation is open; a logout while it is open answers no.
    list()->selectRow(0);
    alerts_.answers = {AlertDefaultReturn};
    alerts_.whileOpen = [&] { exec("DELETE FROM LM_PASSWORD"); };
    ui().removeButton->click();
    EXPECT_EQ(alerts(), (Keys{"DelConfirm[charlie — u]/DelEntryInfo?OK|Cancel", kGone}));
    addEntry(1, 1, "delta");
    list()->selectRow(0);
    alerts_.answers = {AlertDefaultReturn};
    alerts_.whileOpen = [&] { // root comes back, but the question was asked of the last session
        logIn("root", "tiwe");
        ui().emailButton->click();
        list()->selectRow(0);
    };
    ui().removeButton->click();
    alerts_.whileOpen = nullptr;
    EXPECT_EQ(sql("SELECT Title FROM LM_PASSWORD"), Rows{{"delta"}});
}

TEST_F(SeamsTest, WhileAnotherProgramLocksTheFileEachActionWaitsOnceAndSaysSo) {
    OtherConnection holder(home_.filePath("Documents/Lockmere.sqlite3").toStdString());
    list()->selectRow(1);
    ASSERT_EQ(holder.exec("BEGIN EXCLUSIVE"), ""); // another program in the middle of a commit
    QElapsedTimer clock;
    clock.start();
    press(list(), Qt::Key_Delete); // said, never taken for a deleted entry
    EXPECT_EQ(column(list(), 0), (Texts{"alpha", "bravo", "charlie"})); // what the list held
    EXPECT_EQ(ui().countLabel->text(), "–");
    QTest::mouseClick(ui().websiteButton, Qt::LeftButton);
    EXPECT_EQ(column(list(), 0), Texts{});
    EXPECT_LT(clock.elapsed(), 6000) << "one wait per action, not one per question";
    EXPECT_EQ(window_->statusBar()->currentMessage(), Localizer::text("FileBusyStatus"));
    press(list(), Qt::Key_L, Qt::ControlModifier);
    loginUi().userTextField->setText("root");
    loginUi().passwordTextField->setText("tiwe");
    press(loginUi().passwordTextField, Qt::Key_Return); // a right password is not refused
    EXPECT_FALSE(app().loginUser());
    EXPECT_EQ(loginWindow_->findChild<QPropertyAnimation*>(WindowShaker::animationName), nullptr);
    EXPECT_EQ(alerts(),
              (Keys{"FileBusyAlert/FileBusyAlertInfo", "FileBusyAlert/FileBusyAlertInfo"}));
    ASSERT_EQ(holder.exec("COMMIT"), "");
    press(loginUi().passwordTextField, Qt::Key_Return);
    EXPECT_TRUE(app().loginUser());
    EXPECT_EQ(sql("SELECT count(*) FROM LM_PASSWORD"), Rows{{"3"}});
}

TEST_F(SeamsTest, ASaveNeverUndoesAnotherCopysChangeUnseen) {
    // Changed by another copy while open: nothing saved until the user saves again, and then
    // the fields the user left keep the other copy's values.
    openRow(list(), 0);
    ui().pwdField->setText("mine");
    exec("UPDATE LM_PASSWORD SET Password='theirs', Memo='their note' WHERE Title='alpha'");
    ui().saveButton->click();
    EXPECT_EQ(alerts(), Keys{"ChangedMeanwhileAlert/ChangedMeanwhileAlertInfo"});
    EXPECT_EQ(sql("SELECT Password, Memo FROM LM_PASSWORD WHERE Title='alpha'"),
              (Rows{{"theirs", "their note"}}));
    ui().saveButton->click();
    EXPECT_EQ(sql("SELECT Password, Memo FROM LM_PASSWORD WHERE Title='alpha'"),
              (Rows{{"mine", "their note"}}));

    // Deleted by another copy while open: nothing saved, the text kept.
    openRow(list(), 0);
    ui().pwdField->setText("new secret");
    exec("DELETE FROM LM_PASSWORD WHERE Title='alpha'");
    ui().saveButton->click();
    EXPECT_EQ(alerts(), Keys{"DeletedMeanwhileAlert/DeletedMeanwhileAlertInfo"});
    EXPECT_EQ(ui().pwdField->text(), "new secret");
    EXPECT_EQ(app().shownBox(), ui().createPasswordBox);
}

TEST_F(SeamsTest, FiveMinutesWithoutKeysOrMouseOrALockedScreenLogOutWhateverIsOpen) {
    std::chrono::milliseconds now{0}; // the clock the program reads, moved on by the test
    app().idleWatch().setClock([&] { return now; });
    app().idleWatch().setTickInterval(std::chrono::milliseconds(5)); // its own timer, run short
    const auto meanwhile = [&](std::chrono::milliseconds passed) {
        now += passed;
        QTest::qWait(40);
    };
    QMessageBox alert; // an alert left open neither keeps the session nor survives it
    alert.show();
    const std::function<void()> inputs[] = {
        [&] { QTest::keyClick(&alert, Qt::Key_Shift); },
        [&] { QTest::mouseClick(&alert, Qt::LeftButton, {}, QPoint(2, 2)); },
        [&] { QTest::mouseMove(alert.windowHandle(), QPoint(3, 3)); },
    };
    meanwhile(std::chrono::minutes(5) - std::chrono::seconds(1));
    for (const auto& input : inputs) { // each puts the end off by five minutes from itself
        input();
        meanwhile(std::chrono::minutes(5) - std::chrono::seconds(1));
        ASSERT_TRUE(app().loginUser());
    }
    openRow(list(), 1);
    QTest::keyClicks(ui().titleField, " changed"); // discarded without asking: nobody is there
    app().secretClipboard().copy("secret-bravo");
    meanwhile(std::chrono::minutes(5));
    EXPECT_FALSE(app().loginUser());
    EXPECT_TRUE(loginWindow_->isVisible());
    EXPECT_FALSE(alert.isVisible());
    EXPECT_FALSE(textsIn(window_.get()).contains("bravo"));
    EXPECT_FALSE(app().secretClipboard().holdsOurCopy());
    EXPECT_EQ(alerts(), Keys{});

    // A locked screen, as either desktop's screen saver says it, and sleep, as logind says it,
    // at once (the test program's own bus stands in for both buses).
    QDBusConnection system = QDBusConnection::systemBus();
    FakeLogind logind;
    if (!system.isConnected() || !system.registerService("org.freedesktop.login1") ||
        !system.registerObject("/org/freedesktop/login1", &logind,
                               QDBusConnection::ExportAllSlots)) {
        GTEST_SKIP() << "no bus to send a locked screen on";
    }
    start(); // asks logind for its session now
    const std::pair<QDBusConnection, QDBusMessage> desktopSays[] = {
        {QDBusConnection::sessionBus(),
         QDBusMessage::createSignal("/ScreenSaver", "org.freedesktop.ScreenSaver",
                                    "ActiveChanged")},
        {QDBusConnection::sessionBus(),
         QDBusMessage::createSignal("/", "org.gnome.ScreenSaver", "ActiveChanged")},
        {system, QDBusMessage::createSignal("/org/freedesktop/login1",
                                            "org.freedesktop.login1.Manager", "PrepareForSleep")},
        {system, QDBusMessage::createSignal(FakeLogind::kSession, "org.freedesktop.login1.Session",
                                            "Lock")},
    };
    for (auto [bus, signal] : desktopSays) {
        logIn("root", "tiwe");
        bus.send(signal << true);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !app().loginUser(); }, 3000))
            << signal.interface().toStdString();
    }
}

TEST_F(SeamsTest, AnEditorsChangesAreAskedAboutOnEveryWayOutButSaveAndCancel) {
    const Keys asked{"DiscardAlert/DiscardAlertInfo?Discard|KeepEditing"};
    const auto left = [&] { return app().shownBox() != ui().createPasswordBox; };
    const std::tuple<const char*, std::function<void()>, std::function<bool()>> waysOut[] = {
        {"category", [&] { ui().websiteButton->click(); }, left},
        {"users", [&] { ui().usersButton->click(); }, left},
        {"new entry", [&] { press(ui().titleField, Qt::Key_N, Qt::ControlModifier); },
         [&] { return ui().titleField->text().isEmpty(); }},
        {"log out", [&] { press(ui().titleField, Qt::Key_L, Qt::ControlModifier); }, left},
        {"close", [&] { window_->close(); }, [&] { return !window_->isVisible(); }},
        {"escape", [&] { press(ui().titleField, Qt::Key_Escape); }, left},
        {"search",
         [&] {
             QTest::keyClick(ui().searchField, Qt::Key_A);
             QCoreApplication::processEvents(); // the search runs once the keys are in
         },
         left},
    };
    for (const auto& [name, leave, hasLeft] : waysOut) {
        SCOPED_TRACE(name);
        logIn("root", "tiwe");
        window_->show();
        ui().emailButton->click();
        openRow(list(), 0);
        QTest::keyClicks(ui().titleField, "!");
        leave(); // Keep Editing
        EXPECT_EQ(alerts(), asked);
        EXPECT_EQ(app().shownBox(), ui().createPasswordBox);
        EXPECT_TRUE(window_->isVisible());
        EXPECT_EQ(ui().titleField->text(), "alpha!");
        EXPECT_EQ(ui().searchField->text(), "");
        alerts_.answers = {AlertDefaultReturn}; // Discard
        leave();
        EXPECT_EQ(alerts(), asked);
        EXPECT_TRUE(hasLeft());
    }
    EXPECT_EQ(sql("SELECT Title FROM LM_PASSWORD WHERE Title LIKE '%!'"), Rows{});

    // Not asked: nothing changed (or changed back), or Cancel and Save.
    logIn("root", "tiwe");
    const std::function<void()> noQuestion[] = {
        [&] { ui().websiteButton->click(); },
        [&] {
            QTest::keyClicks(ui().titleField, "!");
            QTest::keyClick(ui().titleField, Qt::Key_Backspace);
            ui().usersButton->click();
        },
        [&] {
            QTest::keyClicks(ui().titleField, "!");
            ui().cancelButton->click();
        },
        [&] {
            QTest::keyClicks(ui().titleField, "?");
            ui().saveButton->click();
            ui().websiteButton->click();
        },
    };
    for (const auto& leave : noQuestion) {
        ui().emailButton->click();
        openRow(list(), 0);
        leave();
        EXPECT_NE(app().shownBox(), ui().createPasswordBox);
    }
    EXPECT_EQ(alerts(), Keys{});
    EXPECT_EQ(sql("SELECT Title FROM LM_PASSWORD ORDER BY ID"),
              (Rows{{"alpha?"}, {"bravo"}, {"charlie"}}));

    // The account editor too: a changed password is asked about.
    ui().usersButton->click();
    openRow(ui().userTable, 0);
    QTest::keyClicks(ui().pwd1Field, "x");
    ui().emailButton->click();
    EXPECT_EQ(alerts(), asked);
    EXPECT_EQ(app().shownBox(), ui().createUserBox);

    // A category changed alone is a change; Quit asks as well.
    logIn("root", "tiwe");
    ui().emailButton->click();
    openRow(list(), 0);
    ui().categoryPopupButton->setCurrentText("Website");
    press(ui().titleField, Qt::Key_Q, Qt::ControlModifier); // Keep Editing
    EXPECT_EQ(alerts(), asked);
    EXPECT_TRUE(app().loginUser());
    EXPECT_EQ(app().shownBox(), ui().createPasswordBox);
}

#include "SeamsTest.moc"

TEST_F(SeamsTest, AFileMovedAwayWhileOpenIsSaidOnceAndNothingIsWrittenElsewhere) {
    const QString path = home_.filePath("Documents/Lockmere.sqlite3");
    ASSERT_TRUE(QFile::rename(path, path + ".moved"));
    QTest::mouseClick(ui().websiteButton, Qt::LeftButton);
    QTest::mouseClick(ui().emailButton, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(alerts().size(), 1u);
    EXPECT_EQ(window_->statusBar()->currentMessage(), Localizer::text("FileMovedStatus"));
    EXPECT_FALSE(QFile::exists(path));
}
