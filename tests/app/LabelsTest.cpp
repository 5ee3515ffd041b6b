// Every text on screen comes from the localisation table, in the user's language.
#include "AppFixture.h"
#include "controller/TextConversion.h"

namespace {

struct Labels {
    std::vector<QString> buttons;
    std::vector<QString> headers;
    std::vector<QString> editorLabels;
};

} // namespace

class LabelsTest : public AppFixture {
protected:
    Labels labels() {
        Labels seen;
        for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
                 ui().emailButton, ui().websiteButton, ui().computerButton, ui().softwareButton,
                 ui().bankCardButton, ui().eBankButton, ui().routerButton, ui().lockButton,
                 ui().safeButton, ui().otherButton, ui().usersButton, ui().logoutButton,
                 ui().cancelButton, ui().saveButton, ui().userCancelButton, ui().userSaveButton}) {
            seen.buttons.push_back(button->text());
        }
        for (QTableView* list : {ui().passwordTableView, ui().userTable}) {
            for (int column = 0; column < list->model()->columnCount(); ++column) {
                seen.headers.push_back(
                    list->model()->headerData(column, Qt::Horizontal).toString());
            }
        }
        for (QLabel* label :
             {ui().categoryLabel, ui().titleLabel, ui().userLabel, ui().pwdLabel, ui().httpLabel,
              ui().memoLabel, ui().user1Label, ui().pwd1Label, ui().isRootLabel}) {
            seen.editorLabels.push_back(label->text());
        }
        return seen;
    }
};

TEST_F(LabelsTest, EnglishLabels) {
    start();
    const Labels seen = labels();
    EXPECT_EQ(seen.buttons,
              (std::vector<QString>{"Email", "Website", "Computer", "Software", "Bank Card",
                                    "Online Banking", "Router", "Lock", "Safe", "Other", "Users",
                                    "Log Out", "Cancel", "Save", "Cancel", "Save"}));
    EXPECT_EQ(seen.headers, (std::vector<QString>{"Title", "User Name", "Password", "User Name",
                                                  "Password", "Administrator"}));
    EXPECT_EQ(seen.editorLabels,
              (std::vector<QString>{"Category", "Title", "User Name", "Password", "Web Address",
                                    "Notes", "User Name", "Password", "Administrator"}));
    EXPECT_EQ(loginUi().loginButton->text(), "Log In");
}

TEST_F(LabelsTest, GermanLabelsAndGermanCategoryRows) {
    Localizer::install(QLocale(QLocale::German, QLocale::Germany));
    start();
    const Labels seen = labels();
    EXPECT_EQ(seen.buttons,
              (std::vector<QString>{"E-Mail", "Webseite", "Computer", "Software", "Bankkarte",
                                    "Online-Banking", "Router", "Schloss", "Tresor", "Sonstiges",
                                    "Benutzer", "Abmelden", "Abbrechen", "Speichern", "Abbrechen",
                                    "Speichern"}));
    EXPECT_EQ(seen.headers, (std::vector<QString>{"Titel", "Benutzername", "Passwort",
                                                  "Benutzername", "Passwort", "Administrator"}));
    EXPECT_EQ(seen.editorLabels.at(4), "Webadresse");
    EXPECT_EQ(loginUi().userTextField->placeholderText(), "Benutzername");

    // The store seeded the same German names, so a German button finds its row.
    EXPECT_EQ(query("SELECT Category FROM LM_CATEGORY WHERE ID IN (1, 6) ORDER BY ID"),
              (std::vector<std::vector<std::string>>{{"E-Mail"}, {"Online-Banking"}}));
    logIn("root", "tiwe");
    ui().eBankButton->click();
    EXPECT_EQ(app().currentCategory(), "Online-Banking");
    EXPECT_EQ(app().mySQLLite()->getIDByCategory(toText(*app().currentCategory())), 6);
}

TEST_F(LabelsTest, WithoutATranslationEveryControlShowsItsKey) {
    Localizer::uninstall();
    start();
    const Labels seen = labels();
    EXPECT_EQ(seen.buttons,
              (std::vector<QString>{"Email", "Website", "Computer", "Software", "BankCard", "eBank",
                                    "Router", "Lock", "Safe", "Other", "Users", "Exit", "Cancel",
                                    "Save", "Cancel", "Save"}));
    EXPECT_EQ(seen.headers,
              (std::vector<QString>{"Title", "User", "Password", "User", "Password", "IsRoot"}));
    EXPECT_EQ(seen.editorLabels,
              (std::vector<QString>{"Category", "Title", "User", "Password", "Http", "Memo", "User",
                                    "Password", "IsRoot"}));
}
