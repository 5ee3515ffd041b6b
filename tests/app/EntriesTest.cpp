// Password entries as a user meets them: a category's list, the editor, opening and deleting.
#include "support/AppFixture.h"

class EntriesTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        logIn("root", "tiwe");
    }
    QTableView* list() { return ui().passwordTableView; }
};

TEST_F(EntriesTest, ACategoryListsItsOwnersEntriesAsTheFileHoldsThemNow) {
    const int32_t anna = addAccount("anna", "a", 0);
    addEntry(1, 2, "b");
    addEntry(1, 2, "a");
    addEntry(anna, 2, "anna''s");
    addEntry(1, 1, "mail");
    ui().websiteButton->click();
    EXPECT_EQ(column(list(), 0), (Texts{"a", "b"}));
    EXPECT_EQ(ui().countLabel->text(), "2");

    // Another copy's writes show at the next question.
    exec("UPDATE LM_PASSWORD SET Title='0' WHERE Title='b'; DELETE FROM LM_PASSWORD WHERE "
         "Title='a'");
    EXPECT_EQ(list()->model()->index(1, 0).data(), ""); // a row the view was told of, now gone
    EXPECT_EQ(column(list(), 0), Texts{"0"});
    EXPECT_FALSE(
        list()->model()->headerData(list()->model()->columnCount(), Qt::Horizontal).isValid());
    ui().emailButton->click();
    EXPECT_EQ(column(list(), 0), Texts{"mail"});

    // A title with line breaks (an imported file may give one) shows on one line, all of it
    // in the tooltip.
    exec("UPDATE LM_PASSWORD SET Title='two' || char(10) || 'lines' WHERE Title='mail'");
    EXPECT_EQ(column(list(), 0), Texts{"two lines"});
    EXPECT_EQ(list()->model()->index(0, 0).data(Qt::ToolTipRole), "two\nlines");
    logIn("anna", "a");
    ui().websiteButton->click();
    EXPECT_EQ(column(list(), 0), Texts{"anna's"});
}

TEST_F(EntriesTest, TheEditorAddsChangesAndMovesAnEntryAndRefusesWhatIsMissing) {
    ui().emailButton->click();
    ui().addButton->click();
    EXPECT_EQ(ui().categoryPopupButton->currentText(), "Email");
    ui().saveButton->click();
    ui().titleField->setText("Work");
    ui().saveButton->click();
    EXPECT_EQ(alerts(), (Keys{"TitleNotNull/TitleNotNullInfo", "PwdNotNull/PwdNotNullInfo"}));
    EXPECT_EQ(window_->focusWidget(), ui().pwdField);

    fillEntryEditor("Work", "anna@x", "s3cret", "https://mail", "line 1\nline 2");
    ui().saveButton->click();
    EXPECT_EQ(sql("SELECT UserID, CategoryID, Title, User, Password, Http, Memo FROM LM_PASSWORD"),
              (Rows{{"1", "1", "Work", "anna@x", "s3cret", "https://mail", "line 1\nline 2"}}));
    EXPECT_EQ(app().shownBox(), ui().passwordBox);
    EXPECT_EQ(window_->statusBar()->currentMessage(), ""); // in sight: nothing to say

    openRow(list(), 0);
    EXPECT_EQ(ui().memoField->toPlainText(), "line 1\nline 2");
    ui().pwdField->setText("n3w 'quoted' パスワード");
    ui().categoryPopupButton->setCurrentText("Router");
    ui().saveButton->click();
    EXPECT_EQ(sql("SELECT CategoryID, Password FROM LM_PASSWORD"),
              (Rows{{"7", "n3w 'quoted' パスワード"}}));
    EXPECT_EQ(column(list(), 0), Texts{}); // moved out of the list on show, and said so
    EXPECT_EQ(window_->statusBar()->currentMessage(), "Moved to Router");

    // A category that another copy removed while the editor was open takes no entry.
    ui().addButton->click();
    fillEntryEditor("Lock box", "", "pw");
    ui().categoryPopupButton->setCurrentText("Lock");
    exec("DELETE FROM LM_CATEGORY WHERE Category='Lock'");
    ui().saveButton->click();
    EXPECT_EQ(alerts(), Keys{"SaveFailAlert/SaveFailAlertInfo"});
    EXPECT_EQ(sql("SELECT count(*) FROM LM_PASSWORD WHERE Title='Lock box'"), Rows{{"0"}});
    ui().cancelButton->click();

    // Escape closes the category pop-up and nothing more; then it cancels, as the button does
    // (asking first, for something was typed).
    ui().addButton->click();
    fillEntryEditor("Bank", "", "pw");
    ui().categoryPopupButton->showPopup();
    press(QApplication::activePopupWidget(), Qt::Key_Escape);
    EXPECT_EQ(app().shownBox(), ui().createPasswordBox);
    alerts_.answers = {AlertDefaultReturn};
    press(ui().memoField, Qt::Key_Escape);
    alerts();
    EXPECT_EQ(app().shownBox(), ui().passwordBox);
    EXPECT_EQ(sql("SELECT count(*) FROM LM_PASSWORD"), Rows{{"1"}});

    // Written by another program: saved unchanged it keeps every byte; without a password it
    // may stay so; a text longer than Lockmere keeps is refused.
    exec("INSERT INTO LM_PASSWORD VALUES(50,1,1,'note','','','',"
         "'a' || char(13,10) || 'b' || char(13) || 'c' || char(160))");
    const Rows stored = sql("SELECT * FROM LM_PASSWORD WHERE ID=50");
    ui().emailButton->click();
    openRow(list(), 0);
    ui().saveButton->click();
    EXPECT_EQ(sql("SELECT * FROM LM_PASSWORD WHERE ID=50"), stored);
    openRow(list(), 0);
    ui().titleField->setText("note 2");
    ui().saveButton->click();
    EXPECT_EQ(sql("SELECT Title, Password FROM LM_PASSWORD WHERE ID=50"), (Rows{{"note 2", ""}}));
    openRow(list(), 0);
    ui().userField->setText(QString(4097, 'u'));
    ui().saveButton->click();
    EXPECT_EQ(alerts(), Keys{"This text is too long/The field User Name holds at most 4096 "
                             "characters. Shorten it, then save again."});
    ui().cancelButton->click();

    // A new entry among search results has no category chosen: the editor asks for one.
    ui().searchField->setText("note");
    QCoreApplication::processEvents();
    ui().addButton->click();
    fillEntryEditor("t", "", "p");
    ui().saveButton->click();
    EXPECT_EQ(alerts(), Keys{"CategoryNotNull/CategoryNotNullInfo"});
}

TEST_F(EntriesTest, DeletingAsksFirstAndRemovesExactlyTheChosenEntry) {
    addEntry(1, 1, "twin", "one");
    addEntry(1, 1, "twin", "two");
    exec("UPDATE LM_PASSWORD SET User='zed' WHERE Password='two'");
    ui().emailButton->click();
    ui().removeButton->click(); // nothing chosen: nothing asked
    EXPECT_TRUE(alerts().empty());
    list()->selectRow(1);
    ui().removeButton->click(); // answered Cancel
    EXPECT_EQ(alerts(), Keys{"DelConfirm[twin — zed]/DelEntryInfo?OK|Cancel"});
    EXPECT_EQ(sql("SELECT count(*) FROM LM_PASSWORD"), Rows{{"2"}});
    alerts_.answers = {AlertDefaultReturn, AlertDefaultReturn};
    ui().removeButton->click();
    EXPECT_EQ(sql("SELECT Password FROM LM_PASSWORD"), Rows{{"one"}});

    // The Delete key does what the button does; a refusal of the database is said.
    exec("CREATE TRIGGER keep BEFORE DELETE ON LM_PASSWORD BEGIN SELECT RAISE(ABORT,'no'); END");
    list()->selectRow(0);
    alerts();
    press(ui().emailButton, Qt::Key_Delete); // the list's keys work only in the list
    EXPECT_TRUE(alerts().empty());
    press(list(), Qt::Key_Delete);
    EXPECT_EQ(alerts(), (Keys{"DelConfirm[twin — u]/DelEntryInfo?OK|Cancel",
                              "DeleteFailAlert/DeleteFailAlertInfo"}));
    EXPECT_EQ(sql("SELECT count(*) FROM LM_PASSWORD"), Rows{{"1"}});
}

TEST_F(EntriesTest, TheSidebarIsOneTabStopWalkedWithArrowsAndReturnOnACheckBoxSaves) {
    press(ui().searchField, Qt::Key_Tab);
    EXPECT_EQ(window_->focusWidget(), ui().emailButton);
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Return}) {
        QTest::keyClick(window_->focusWidget(), key);
    }
    EXPECT_EQ(window_->focusWidget(), ui().websiteButton);
    EXPECT_EQ(app().currentCategory(), "Website");
    QTest::keyClick(ui().websiteButton, Qt::Key_Tab);
    EXPECT_EQ(window_->focusWidget(), list());
    QTest::keyClick(list(), Qt::Key_Backtab); // back to the button used last
    EXPECT_EQ(window_->focusWidget(), ui().websiteButton);

    ui().usersButton->click();
    ui().userAddButton->click();
    ui().user1Field->setText("bob");
    ui().pwd1Field->setText("b");
    press(ui().isRootCheckBox, Qt::Key_Return);
    EXPECT_EQ(sql("SELECT User FROM LM_USER WHERE User='bob'"), Rows{{"bob"}});
    ui().emailButton->click(); // and on the entry editor's category
    ui().addButton->click();
    fillEntryEditor("by keys", "", "k");
    press(ui().categoryPopupButton, Qt::Key_Return);
    EXPECT_EQ(sql("SELECT CategoryID FROM LM_PASSWORD WHERE Title='by keys'"), Rows{{"1"}});
}

TEST_F(EntriesTest, ListsSortAsTheLanguageReadsByAnyColumnAndRowsActOnTheRecordTheyShow) {
    for (const char* title :
         {"zupa", "źrebię", "Äpfel", "apple", "Banana", "item 10", "item 2", "Ωmega", "щука"}) {
        addEntry(1, 1, title, std::string("pw of ") + title);
    }
    struct Case {
        QLocale language;
        Texts order;
    };
    const Case cases[] = {
        {QLocale(QLocale::English),
         {"Äpfel", "apple", "Banana", "item 2", "item 10", "źrebię", "zupa", "Ωmega", "щука"}},
        {QLocale(QLocale::Polish), // ź is a letter of its own, after z
         {"Äpfel", "apple", "Banana", "item 2", "item 10", "zupa", "źrebię", "Ωmega", "щука"}},
        {QLocale(QLocale::Swedish), // ä comes after z
         {"apple", "Banana", "item 2", "item 10", "źrebię", "zupa", "Äpfel", "Ωmega", "щука"}},
    };
    for (const Case& c : cases) {
        Localizer::install(c.language, kTranslationTables);
        ui().emailButton->click();
        EXPECT_EQ(column(list(), 0), c.order) << c.language.name().toStdString();
    }
    Localizer::install(QLocale(QLocale::English), kTranslationTables);

    // A header click sorts by its column, a second one the other way; ties go by title.
    exec("UPDATE LM_PASSWORD SET User='b' WHERE Title IN ('zupa', 'apple')");
    const auto clickHeader = [&](int section) {
        QHeaderView* header = list()->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(section) + 5, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    };
    clickHeader(1);
    EXPECT_EQ(column(list(), 0)[0], "apple");
    EXPECT_EQ(column(list(), 0)[1], "zupa");
    list()->selectRow(0);
    clickHeader(1); // the chosen entry stays chosen wherever its row goes
    EXPECT_EQ(column(list(), 0).front(), "щука");
    EXPECT_EQ(column(list(), 0).back(), "apple");
    ASSERT_EQ(list()->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(list()->selectionModel()->selectedRows().front().data(), "apple");

    // A row acts on the record it shows: opened, deleted.
    openRow(list(), 7);
    EXPECT_EQ(ui().titleField->text(), "zupa");
    EXPECT_EQ(ui().pwdField->text(), "pw of zupa");
    alerts_.answers = {AlertDefaultReturn};
    list()->selectRow(0);
    ui().removeButton->click();
    EXPECT_EQ(sql("SELECT count(*) FROM LM_PASSWORD WHERE Title='щука'"), Rows{{"0"}});
    EXPECT_EQ(sql("SELECT count(*) FROM LM_PASSWORD"), Rows{{"8"}});

    // Search results sort as the lists do; a column's first click sorts it A to Z.
    clickHeader(0);
    ui().searchField->setText("item");
    QCoreApplication::processEvents();
    EXPECT_EQ(column(list(), 0), (Texts{"item 2", "item 10"}));
}
