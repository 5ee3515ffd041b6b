// Copying from the list, the row menu, and making and rating passwords in the editors.
#include "passwordtools/PasswordGenerator.h"
#include "passwordtools/WordList.h"
#include "support/AppFixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QSpinBox>
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
    // One countdown in the status bar names what was copied.
    const std::pair<Qt::Key, const char*> copies[] = {
        {Qt::Key_U, "Web address copied; clears in 10 s"},
        {Qt::Key_B, "User name copied; clears in 10 s"},
        {Qt::Key_C, "Password copied; clears in 10 s"},
    };
    QLabel* countdown = ui().clipboardLabel;
    for (const auto& [key, said] : copies) {
        key == Qt::Key_U
            ? press(ui().passwordTableView, key, Qt::ControlModifier | Qt::ShiftModifier)
            : copy(key);
        EXPECT_EQ(countdown->text(), said);
    }
    EXPECT_EQ(countdown->parent(), window_->statusBar());
    app().secretClipboard().secondElapsed();
    EXPECT_EQ(countdown->text(), "Password copied; clears in 9 s");
    EXPECT_EQ(clipboard()->text(), "s3cret");
    EXPECT_EQ(clipboard()->mimeData()->data("x-kde-passwordManagerHint"), "secret");
    QTimer& ticker = app().secretClipboard().ticker();
    EXPECT_EQ(ticker.interval(), 1000); // ten ticks of a second, run short here
    ticker.setInterval(10);
    QTest::qWait(60);
    EXPECT_EQ(clipboard()->text(), "s3cret");
    EXPECT_TRUE(QTest::qWaitFor([&] { return clipboard()->text().isEmpty(); }, 2000));

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

    logIn("root", "tiwe"); // and when the program ends
    ui().emailButton->click();
    ui().passwordTableView->selectRow(0);
    copy(Qt::Key_C);
    ASSERT_EQ(clipboard()->text(), "s3cret");
    start();
    EXPECT_EQ(clipboard()->text(), "");
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
    // Every level between the ends, as zxcvbn rates what is typed.
    const std::pair<const char*, int> levels[] = {{"qwerty12", 0},
                                                  {"monkey2024", 1},
                                                  {"purple-cat", 2},
                                                  {"zebra42!Lm", 3},
                                                  {"blue-fish-9", 4}};
    for (const auto& [password, score] : levels) {
        ui().pwdField->setText(password);
        EXPECT_EQ(ui().pwdStrengthMeter->score(), score) << password;
    }

    // Over many passwords every character of every class is drawn, and each password has
    // every class, even at the shortest.
    const QList<QString> classes{PasswordGenerator::uppercase(), PasswordGenerator::lowercase(),
                                 PasswordGenerator::digits(), PasswordGenerator::symbols()};
    std::set<QChar> drawn;
    for (int i = 0; i < 2000; ++i) {
        const QString password = PasswordGenerator().generate(i % 2 ? 20 : 8);
        drawn.insert(password.begin(), password.end());
        for (const QString& each : classes) {
            ASSERT_TRUE(std::any_of(password.begin(), password.end(), [&](QChar c) {
                return each.contains(c);
            })) << password.toStdString();
        }
    }
    const QString alphabet = classes.join(QString());
    EXPECT_EQ(drawn, std::set<QChar>(alphabet.begin(), alphabet.end()));
}

TEST_F(ClipboardTest, TheGeneratorMakesWhatItsOptionsAskFromTheSystemsRandomSource) {
    ui().addButton->click();
    GeneratorOptions* options = ui().pwdGeneratorOptions;
    const QList<QCheckBox*> classes = options->classBoxes();
    for (int length : {8, 128}) {
        options->lengthBox()->setValue(length);
        ui().generatePasswordButton->click();
        EXPECT_EQ(ui().pwdField->text().size(), length);
    }
    options->lengthBox()->setValue(12);
    for (int unchosen : {0, 1, 3}) {
        classes[unchosen]->click();
    }
    EXPECT_FALSE(classes[2]->isEnabled()); // the last class chosen stays chosen
    ui().generatePasswordButton->click();
    EXPECT_TRUE(QRegularExpression("^[0-9]{12}$").match(ui().pwdField->text()).hasMatch());

    // Words from the system's list; the count is the words', and the characters' comes back.
    const QStringList wordList = loadWordList(wordListFor(QLocale(QLocale::English)));
    ASSERT_GT(wordList.size(), 20000);
    options->passphraseBox()->click();
    EXPECT_EQ(options->lengthBox()->value(), PasswordRecipe::kDefaultWords);
    ui().generatePasswordButton->click();
    const QStringList words = ui().pwdField->text().split('-');
    EXPECT_EQ(words.size(), PasswordRecipe::kDefaultWords);
    for (const QString& word : words) {
        EXPECT_TRUE(wordList.contains(word)) << word.toStdString();
    }
    EXPECT_GE(ui().pwdStrengthMeter->score(), 3);
    options->passphraseBox()->click();
    EXPECT_EQ(options->lengthBox()->value(), 12);

    // Every choice comes from the random source, and only plain words come from a list.
    QTemporaryDir folder;
    QFile list(folder.filePath("words"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("zebra\nAlice\nit's\ncaf\xc3\xa9\nox\nextraordinary\nzebra\nABC\nx-ray\napple\n");
    list.close();
    EXPECT_EQ(loadWordList({list.fileName(), QLocale::English, false}),
              (QStringList{"zebra", "café", "apple"}));
    // German nouns are words too, in lower case, each once.
    EXPECT_EQ(loadWordList({list.fileName(), QLocale::German, true}),
              (QStringList{"zebra", "alice", "café", "apple"}));
    const PasswordGenerator zeros(
        [](unsigned char* bytes, std::size_t n) { std::fill_n(bytes, n, 0); });
    PasswordRecipe recipe;
    recipe.uppercase = recipe.lowercase = recipe.symbols = false;
    EXPECT_EQ(zeros.generate(recipe, {}), QString(20, '0'));
    recipe.passphrase = true;
    recipe.words = 3;
    EXPECT_EQ(zeros.generate(recipe, {"zebra", "apple"}), "zebra-zebra-zebra");
    EXPECT_EQ(zeros.generate(recipe, {}), "");
}

TEST_F(ClipboardTest, HidePasswordsMasksBothListsAndTheEditorsUntilTheNextLogout) {
    QAction* hide = app().passwordHiding().command();
    const auto passwordsShown = [&] {
        ui().emailButton->click();
        const Texts entries = column(ui().passwordTableView, 2);
        ui().usersButton->click();
        return std::pair(entries.front(), column(ui().userTable, 1).front());
    };
    EXPECT_FALSE(hide->isChecked()); // the lists show passwords, as they always have
    EXPECT_EQ(passwordsShown(), std::pair(QString("s3cret"), QString("tiwe")));
    ui().emailButton->click();
    ui().passwordTableView->sortByColumn(2, Qt::DescendingOrder); // by password
    press(ui().passwordTableView, Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(hide->isChecked());
    // Masked passwords order nothing: the list goes back to its order by title.
    EXPECT_EQ(ui().passwordTableView->horizontalHeader()->sortIndicatorSection(), 0);
    EXPECT_EQ(passwordsShown(), std::pair(QString("******"), QString("******")));
    openRow(ui().userTable, 0);
    EXPECT_EQ(ui().pwd1Field->echoMode(), QLineEdit::Password);
    ui().emailButton->click();
    openRow(ui().passwordTableView, 0);
    EXPECT_EQ(ui().pwdField->echoMode(), QLineEdit::Password);
    QAction* reveal = ui().pwdField->actions().front(); // the eye beside the field
    reveal->trigger();
    EXPECT_EQ(ui().pwdField->echoMode(), QLineEdit::Normal);
    ui().cancelButton->click();
    ui().passwordTableView->selectRow(0);
    copy(Qt::Key_C); // the real password, masked or not
    EXPECT_EQ(clipboard()->text(), "s3cret");

    logIn("root", "tiwe"); // forgotten at logout: nothing of it is stored
    EXPECT_FALSE(hide->isChecked());
    EXPECT_EQ(ui().pwdField->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(passwordsShown(), std::pair(QString("s3cret"), QString("tiwe")));
}
