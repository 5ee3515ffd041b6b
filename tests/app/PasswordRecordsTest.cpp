// Password entries as a user meets them: choosing a category, the list, the
// entry editor, opening and deleting rows.
#include "AppFixture.h"

#include <QIcon>
#include <QImage>

using Rows = std::vector<std::vector<std::string>>;

class PasswordRecordsTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        start();
        logIn("root", "tiwe");
    }

    // Adds an entry through the editor, as a user would.
    void addThroughEditor(const QString& title, const QString& password,
                          const QString& category = {}) {
        ui().addButton->click();
        if (!category.isEmpty()) {
            ui().categoryPopupButton->setCurrentText(category);
        }
        fillEntryEditor(title, "", password);
        ui().saveButton->click();
    }

    void addStored(int32_t userID, const char* category, const std::string& title,
                   const std::string& password = "pw") {
        const int32_t categoryID = app().mySQLLite()->getIDByCategory(std::string(category));
        ASSERT_TRUE(
            app().mySQLLite()->insertPassword(makeEntry(userID, categoryID, title, "", password)));
    }

    static QImage image(const QIcon& icon) { return icon.pixmap(24, 24).toImage(); }
};

TEST_F(PasswordRecordsTest, ACategoryButtonShowsThatCategorysOwnEntries) {
    const int32_t anna = addAccount("anna", "a", 0);
    addStored(1, "Website", "forum");
    addStored(anna, "Website", "anna's forum");
    addStored(1, "Email", "mail");

    EXPECT_EQ(rows(ui().passwordTableView), 0); // no list chosen yet
    EXPECT_EQ(ui().countLabel->text(), "0");

    ui().emailButton->click();
    ui().websiteButton->click();
    EXPECT_EQ(app().currentTable(), ui().passwordTableView);
    EXPECT_EQ(app().currentCategory(), "Website");
    EXPECT_EQ(ui().passwordBox->title(), "Website");
    EXPECT_EQ(ui().imageButton->text(), "Website");
    EXPECT_EQ(ui().imageButton->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    EXPECT_EQ(image(ui().imageButton->icon()), image(QIcon(":/images/website24.png")));
    EXPECT_EQ(app().shownBox(), ui().passwordBox);
    EXPECT_EQ(app().lastBox(), ui().passwordBox);
    EXPECT_EQ(columnTexts(ui().passwordTableView, 0), std::vector<QString>{"forum"});
    EXPECT_EQ(cell(ui().passwordTableView, 0, 2), "pw"); // passwords in plain
    EXPECT_EQ(ui().countLabel->text(), "1");

    // A title that no category key gives keeps the icon and lists nothing.
    ui().otherButton->setText("Misc");
    ui().otherButton->click();
    EXPECT_EQ(app().currentCategory(), "Misc");
    EXPECT_EQ(image(ui().imageButton->icon()), image(QIcon(":/images/website24.png")));
    EXPECT_EQ(rows(ui().passwordTableView), 0);
    EXPECT_EQ(ui().countLabel->text(), "0");
}

TEST_F(PasswordRecordsTest, TheRoadOfOneEdit) {
    ui().emailButton->click();
    ui().addButton->click();
    EXPECT_EQ(app().operation(), "ADD");
    EXPECT_EQ(app().shownBox(), ui().createPasswordBox);
    EXPECT_EQ(window_->focusWidget(), ui().titleField);
    EXPECT_EQ(ui().categoryPopupButton->count(), 10);
    EXPECT_EQ(ui().categoryPopupButton->currentText(), "Email");

    fillEntryEditor("Work mail", "anna@example.org", "s3cret", "https://mail.example.org",
                    "line one\nline two");
    ui().saveButton->click();
    EXPECT_TRUE(alerts_.alerts.empty());
    EXPECT_EQ(app().shownBox(), ui().passwordBox);
    EXPECT_EQ(
        query("SELECT UserID, CategoryID, Title, User, Password, Http, Memo FROM LM_PASSWORD"),
        (Rows{{"1", "1", "Work mail", "anna@example.org", "s3cret", "https://mail.example.org",
               "line one\nline two"}}));
    ASSERT_EQ(rows(ui().passwordTableView), 1);
    EXPECT_EQ(ui().countLabel->text(), "1");
    EXPECT_EQ(cell(ui().passwordTableView, 0, 1), "anna@example.org");

    doubleClickRow(ui().passwordTableView, 0);
    EXPECT_EQ(app().operation(), "EDIT");
    EXPECT_EQ(app().shownBox(), ui().createPasswordBox);
    EXPECT_EQ(ui().titleField->text(), "Work mail");
    EXPECT_EQ(ui().pwdField->text(), "s3cret");
    EXPECT_EQ(ui().httpField->text(), "https://mail.example.org");
    EXPECT_EQ(ui().memoField->toPlainText(), "line one\nline two");
    EXPECT_EQ(ui().categoryPopupButton->currentText(), "Email");

    ui().pwdField->setText("n3w 'quoted' パスワード");
    ui().saveButton->click();
    EXPECT_EQ(query("SELECT count(*), Password FROM LM_PASSWORD"),
              (Rows{{"1", "n3w 'quoted' パスワード"}}));
    EXPECT_EQ(cell(ui().passwordTableView, 0, 2), "n3w 'quoted' パスワード");

    // Moving it to another category takes it out of the list on show.
    doubleClickRow(ui().passwordTableView, 0);
    ui().categoryPopupButton->setCurrentText("Router");
    ui().saveButton->click();
    EXPECT_EQ(rows(ui().passwordTableView), 0);
    EXPECT_EQ(ui().countLabel->text(), "0");
    ui().routerButton->click();
    EXPECT_EQ(columnTexts(ui().passwordTableView, 0), std::vector<QString>{"Work mail"});
}

TEST_F(PasswordRecordsTest, TheEditorChecksTitleThenPasswordAndCancelStoresNothing) {
    ui().emailButton->click();
    ui().addButton->click();
    ui().saveButton->click();
    EXPECT_EQ(alertKeys(), std::vector<std::string>{"TitleNotNull/TitleNotNullInfo"});
    EXPECT_EQ(window_->focusWidget(), ui().titleField);

    alerts_.alerts.clear();
    ui().titleField->setText("a");
    ui().saveButton->click();
    EXPECT_EQ(alertKeys(), std::vector<std::string>{"PwdNotNull/PwdNotNullInfo"});
    EXPECT_EQ(window_->focusWidget(), ui().pwdField);
    EXPECT_EQ(app().shownBox(), ui().createPasswordBox);
    EXPECT_EQ(query("SELECT count(*) FROM LM_PASSWORD"), (Rows{{"0"}}));

    ui().pwdField->setText(" ");          // only emptiness is refused
    press(ui().pwdField, Qt::Key_Escape); // Escape cancels, as the button does
    EXPECT_EQ(app().shownBox(), ui().passwordBox);
    EXPECT_EQ(query("SELECT count(*) FROM LM_PASSWORD"), (Rows{{"0"}}));

    // The next new entry starts empty again.
    ui().addButton->click();
    EXPECT_EQ(ui().titleField->text(), "");
    EXPECT_EQ(ui().pwdField->text(), "");
    ui().titleField->setText("a");
    ui().pwdField->setText(" ");
    ui().saveButton->click();
    EXPECT_EQ(query("SELECT Title, User, Password, Http, Memo FROM LM_PASSWORD"),
              (Rows{{"a", "", " ", "", ""}}));
}

TEST_F(PasswordRecordsTest, ASaveTheDatabaseRefusesKeepsEverythingTyped) {
    ui().emailButton->click();
    ui().addButton->click();
    fillEntryEditor("Bank", "me", "pw", "", "a long memo");

    // Another program holds the write lock.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(dbFile().toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    ui().saveButton->click();
    EXPECT_EQ(alertKeys(), std::vector<std::string>{"SaveFailAlert/SaveFailAlertInfo"});
    EXPECT_EQ(app().shownBox(), ui().createPasswordBox);
    EXPECT_EQ(ui().titleField->text(), "Bank");
    EXPECT_EQ(ui().memoField->toPlainText(), "a long memo");
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);

    // Once the lock is gone the same Save goes through.
    ui().saveButton->click();
    EXPECT_EQ(alerts_.alerts.size(), 1u);
    EXPECT_EQ(app().shownBox(), ui().passwordBox);
    EXPECT_EQ(query("SELECT Title, Memo FROM LM_PASSWORD"), (Rows{{"Bank", "a long memo"}}));
}

TEST_F(PasswordRecordsTest, WithNoCategoryChosenTheEditorAsksForOneInsteadOfHidingTheEntry) {
    ui().emailButton->click();
    ui().logoutButton->click();
    logIn("root", "tiwe"); // the list box stays on show, with no category
    EXPECT_EQ(rows(ui().passwordTableView), 0);
    ui().addButton->click();
    EXPECT_EQ(ui().categoryPopupButton->currentIndex(), -1);
    fillEntryEditor("t", "", "p");
    ui().saveButton->click();
    EXPECT_EQ(alertKeys(), std::vector<std::string>{"CategoryNotNull/CategoryNotNullInfo"});
    EXPECT_EQ(query("SELECT count(*) FROM LM_PASSWORD"), (Rows{{"0"}}));

    ui().categoryPopupButton->setCurrentText("Safe");
    ui().saveButton->click();
    EXPECT_EQ(query("SELECT CategoryID, Title FROM LM_PASSWORD"), (Rows{{"9", "t"}}));

    // A category that is gone by the time of the save fails it, rather than
    // filing the entry where no list shows it.
    alerts_.alerts.clear();
    ui().addButton->click();
    ui().categoryPopupButton->setCurrentText("Lock");
    fillEntryEditor("u", "", "p");
    execAsAnotherProgram("DELETE FROM LM_CATEGORY WHERE Category='Lock'");
    ui().saveButton->click();
    EXPECT_EQ(alertKeys(), std::vector<std::string>{"SaveFailAlert/SaveFailAlertInfo"});
    EXPECT_EQ(query("SELECT count(*) FROM LM_PASSWORD"), (Rows{{"1"}}));
}

TEST_F(PasswordRecordsTest, TheListFollowsTheStoreAtEveryQuestion) {
    for (const char* title : {"b", "A", "a", "B"}) {
        addStored(1, "Email", title);
    }
    ui().emailButton->click();
    EXPECT_EQ(columnTexts(ui().passwordTableView, 0), (std::vector<QString>{"A", "B", "a", "b"}));

    // Another program adds an entry: it shows at the next question.
    execAsAnotherProgram("INSERT INTO LM_PASSWORD(UserID,CategoryID,Title,User,Password,Http,Memo) "
                         "VALUES(1,1,'0 first','','x','','')");
    EXPECT_EQ(cell(ui().passwordTableView, 0, 0), "0 first");
    EXPECT_EQ(rows(ui().passwordTableView), 5);

    // A row beyond the end of the fresh list answers the empty text.
    execAsAnotherProgram("DELETE FROM LM_PASSWORD WHERE Title IN ('a','b')");
    EXPECT_EQ(cell(ui().passwordTableView, 4, 0), "");

    // A selected row is resolved against the list as it is now.
    ui().passwordTableView->model()->rowCount();
    dynamic_cast<ControllerTableModel*>(ui().passwordTableView->model())->reloadData();
    doubleClickRow(ui().passwordTableView, 1);
    EXPECT_EQ(ui().titleField->text(), "A");

    // Pressing a category while the editor is open replaces it, keeps the
    // fields, and leaves the operation mode.
    ui().titleField->setText("typed");
    ui().websiteButton->click();
    EXPECT_EQ(app().shownBox(), ui().passwordBox);
    EXPECT_EQ(ui().titleField->text(), "typed");
    EXPECT_EQ(app().operation(), "EDIT");
}

TEST_F(PasswordRecordsTest, DeletingAsksFirstAndRemovesExactlyTheSelectedEntry) {
    addStored(1, "Email", "twin", "one");
    addStored(1, "Email", "twin", "two");
    addStored(1, "Website", "twin", "one");
    ui().emailButton->click();

    ui().removeButton->click(); // nothing selected: nothing at all
    EXPECT_TRUE(alerts_.alerts.empty());

    selectRow(ui().passwordTableView, 1);
    alerts_.answerNextConfirmation(AlertOtherReturn);
    ui().removeButton->click();
    ASSERT_EQ(alerts_.alerts.size(), 1u);
    const auto& confirmation = alerts_.alerts[0];
    EXPECT_EQ(confirmation.kind, ScriptedAlerts::Alert::Kind::Confirmation);
    EXPECT_EQ(confirmation.messageKey, "DelConfirm");
    EXPECT_EQ(confirmation.informativeKey, "DelInfo");
    EXPECT_EQ(confirmation.buttons, (QStringList{"OK", "Cancel"}));
    EXPECT_EQ(query("SELECT count(*) FROM LM_PASSWORD"), (Rows{{"3"}}));

    const std::string secondID = query("SELECT ID FROM LM_PASSWORD WHERE Password='two'")[0][0];
    alerts_.answerNextConfirmation(AlertDefaultReturn);
    ui().removeButton->click();
    EXPECT_EQ(query("SELECT ID FROM LM_PASSWORD WHERE ID=" + secondID), Rows{});
    EXPECT_EQ(query("SELECT count(*) FROM LM_PASSWORD"), (Rows{{"2"}}));
    EXPECT_EQ(ui().countLabel->text(), "1");

    // The Delete key does what the button does.
    selectRow(ui().passwordTableView, 0);
    alerts_.answerNextConfirmation(AlertDefaultReturn);
    press(ui().passwordTableView, Qt::Key_Delete);
    EXPECT_EQ(rows(ui().passwordTableView), 0);
    EXPECT_EQ(ui().countLabel->text(), "0");
    EXPECT_EQ(query("SELECT Title, Password FROM LM_PASSWORD"), (Rows{{"twin", "one"}}));
}
