#pragma once

#include "MySQLLite.h"
#include "controller/EntryRows.h"
#include "controller/FreshList.h"
#include "controller/ReadLatch.h"
#include "passwordtools/GeneratorOptions.h"
#include "passwordtools/PasswordGenerator.h"
#include "passwordtools/StrengthMeter.h"
#include "privacy/PasswordHiding.h"
#include "protection/FileProtection.h"
#include "search/EntrySearch.h"
#include "sessionguard/IdleWatch.h"
#include "sessionguard/ScreenLockWatch.h"
#include "sorting/RowOrder.h"
#include "toolkit/AlertPresenter.h"
#include "toolkit/ControllerTableModel.h"
#include "toolkit/SecretClipboard.h"
#include "transfer/CsvImport.h"
#include "undo/EntryHistory.h"
#include "undo/RecycleBin.h"
#include "windows/LoginWindow.h"
#include "windows/MainWindow.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <map>
#include <memory>
#include <optional>

// The controller: the target of every control action, the data source of
// both lists, and the owner of the record store and of the program's state.
// Its operations live in one file per subsystem: start-up and login, password
// records, user administration, and the lists' data source.
class QAction;
class QMenu;

class AppDelegate : public QObject, public TableDataSource {
    Q_OBJECT
public:
    // The windows come from the interface description; alerts go through
    // `alerts`, which tests replace to answer them.
    AppDelegate(LoginWindow& loginWindow, MainWindow& window, AlertPresenter& alerts);
    ~AppDelegate() override;

    // --- Start-up (AppDelegateStartup.cpp) ---------------------------------
    void applicationDidFinishLaunching();
    void initButtons();

    // --- Login and logout (AppDelegateLogin.cpp) ---------------------------
    void userAction();
    void passwordAction();
    void loginAction();
    void logoutAction();
    void shakeWindow(QWidget* window);
    // Five minutes without input, a locked screen or sleep end the session as Log Out does.
    static constexpr std::chrono::minutes kIdleLogout{5};
    IdleWatch& idleWatch() { return idleWatch_; }
    // Ends the session without asking about an editor's changes, as the idle and lock guards do.
    void logoutUnattended();
    void offerPasswordChange();
    // The logged-in account as the file holds it now. When another copy deleted it, renamed it or
    // changed its administrator flag, the session ends as Log Out ends it, with the reason said,
    // and false is returned; so it is when the accounts cannot be read (also said). Every write
    // and every rights decision asks this first.
    bool sessionStillValid();

    // --- Password records (AppDelegatePasswords.cpp) ----------------------
    void pwdButtonAction(QAbstractButton* sender);
    void initCreateNewPasswordBox();
    void addPasswordRecord();
    void removePasswordRecord();
    void cancelAction();
    void saveAction();
    bool verify();
    void clickTableAction();

    // --- User administration (AppDelegateUsers.cpp) -----------------------
    void usersAction(QAbstractButton* sender);
    void initCreateNewUserBox();
    void addUserRecord();
    void removeUserRecord();
    void userCancelAction();
    void userSaveAction();
    bool userVerify();

    // --- Copying and new passwords (AppDelegateClipboard.cpp) -------------
    void copyPasswordAction();
    void copyUserAction();
    void copyHttpAction();
    void generatePassword(const GeneratorOptions* options, QLineEdit* field);
    SecretClipboard& secretClipboard() { return secretClipboard_; }

    // --- Web addresses (AppDelegateWeb.cpp) -------------------------------
    // Hands a web page to the desktop's browser; false when nothing took it.
    // Tests put one in that records instead of starting a browser.
    using UrlOpener = std::function<bool(const QUrl&)>;
    static UrlOpener desktopUrlOpener();
    void setUrlOpener(UrlOpener opener) { urlOpener_ = std::move(opener); }
    void openHttpAction();
    void openEditorHttpAction();

    // --- Import and export (AppDelegateTransfer.cpp) -----------------------
    // Asks for a file to read, or (`forSaving`) to write, suggesting `suggestedName`; empty when
    // the user cancelled. Tests put one in that answers without a dialog.
    using FileChooser =
        std::function<QString(QWidget* parent, bool forSaving, const QString& suggestedName)>;
    static FileChooser dialogFileChooser();
    void setFileChooser(FileChooser chooser) { fileChooser_ = std::move(chooser); }
    void importAction();
    void exportAction();

    // --- Finding entries (AppDelegateSearch.cpp) --------------------------
    void findAction();
    // The search field's text changed: the password list shows the entries
    // of every category that contain it; an empty text ends the search.
    void searchAction(const QString& text);
    void endSearch();
    bool searching() const;

    // --- Unsaved changes (AppDelegateUnsaved.cpp) ----------------------------
    // True when no editor with changes is on show, or the user chose to discard them. Every
    // way out of an editor but Save, Cancel and the unattended logout asks this first.
    bool mayLeaveEditor();
    bool editorChanged() const;

    // --- Commands and the menu bar (AppDelegateCommands.cpp) ---------------
    void showUsersAction();
    // The user list with a new account's editor open (administrators).
    void newAccountAction();
    void quitAction();
    void escapeEditor();
    // Enables exactly the commands that apply now.
    void updateCommands();
    // Protecting the file at rest (app/protection).
    FileProtection& protection() { return *protection_; }
    // Earlier versions and the recycle bin (app/undo).
    EntryHistory& history() { return *history_; }
    RecycleBin& recycleBin() { return *recycleBin_; }
    // View → Hide Passwords (app/privacy).
    PasswordHiding& passwordHiding() { return *hiding_; }
    void historyAction();
    void recycleBinAction();

    // --- The lists' data source (AppDelegateDataSource.cpp) ---------------
    int numberOfRowsInTableView(QTableView* table) override;
    QString objectValueForTableColumn(QTableView* table, const TableColumn& column,
                                      int row) override;
    void sortTableView(QTableView* table, int column, Qt::SortOrder order) override;

    // The lists' rows in the order shown (app/sorting): `rows` must outlive the answer.
    InOrder<EntryRows> entriesInOrder(const EntryRows& rows);
    InOrder<std::vector<UserSchema>> accountsInOrder(const std::vector<UserSchema>& accounts);

    // --- State -------------------------------------------------------------
    // The two operation modes: the editor opened last was opened for a new
    // record, or for one read from the store.
    static inline const QString kAdd = QStringLiteral("ADD");
    static inline const QString kEdit = QStringLiteral("EDIT");

    MySQLLite* mySQLLite() const { return mySQLLite_.get(); }
    const std::optional<UserSchema>& loginUser() const { return loginUser_; }
    void setLoginUser(std::optional<UserSchema> user) { loginUser_ = std::move(user); }
    const std::optional<QString>& currentCategory() const { return currentCategory_; }
    void setCurrentCategory(std::optional<QString> category) {
        currentCategory_ = std::move(category);
    }
    QTableView* currentTable() const { return currentTable_; }
    void setCurrentTable(QTableView* table) { currentTable_ = table; }
    QWidget* lastBox() const { return lastBox_; }
    void setLastBox(QWidget* box) { lastBox_ = box; }
    const QString& operation() const { return operation_; }
    void setOperation(QString operation) { operation_ = std::move(operation); }
    const PasswordSchema& passwordSchema() const { return passwordSchema_; }
    void setPasswordSchema(PasswordSchema entry) { passwordSchema_ = std::move(entry); }
    const UserSchema& userSchema() const { return userSchema_; }
    void setUserSchema(UserSchema user) { userSchema_ = std::move(user); }

    // --- Outlets -----------------------------------------------------------
    // Every control is reached by its object name in the interface
    // description: loginUi().userTextField, ui().emailButton, ...
    LoginWindow* loginWindow() const { return &loginWindow_; }
    MainWindow* window() const { return &window_; }
    const Ui::LoginWindow& loginUi() const { return loginWindow_.ui; }
    const Ui::MainWindow& ui() const { return window_.ui; }
    // The content area: one page per box, and an empty page.
    QStackedWidget* bottomBoxView() const { return window_.ui.bottomBoxView; }
    // The box on show, or nullptr when the area is empty.
    QWidget* shownBox() const;
    ControllerTableModel* passwordTableModel() const { return passwordTableModel_; }
    ControllerTableModel* userTableModel() const { return userTableModel_; }
    const TableColumn& titleColumn() const;
    const TableColumn& userColumn() const;
    const TableColumn& passwordColumn() const;
    const TableColumn& user1Column() const;
    const TableColumn& password1Column() const;
    const TableColumn& isRootColumn() const;
    const TableColumn& categoryColumn() const;
    // The ten category buttons of the sidebar, in its order.
    QList<QAbstractButton*> categoryButtons() const;

private:
    void connectActions();
    void connectPasswordTools();
    void initPasswordTools();
    // A row action acts on the record its row showed when the user chose it,
    // found again by its ID; none when no row is chosen, and, with the
    // "RecordGone" alert and a fresh list, when that record is gone.
    void rememberChosenEntry();
    void rememberChosenAccount();
    std::optional<PasswordSchema> chosenEntry();
    std::optional<UserSchema> chosenAccount();
    void recordGone(ControllerTableModel* model);
    // Tells the view the list may have changed; the selection stays on the entry it showed, or
    // goes when that entry is gone.
    void reloadEntryList();
    // Asked by the data source: the rows the view shows were read again since the view was last
    // told of them (another copy wrote), so it is told again.
    void entryListMoved();
    // Nothing of the logged-out account stays on screen or in the state.
    void forgetTheSession();
    void makeCommands();
    void makeMenuBar();
    void addEntryCommands(QMenu* menu) const;
    QAction* addCommand(QWidget* owner, const char* textKey, QList<QKeySequence> keys,
                        void (AppDelegate::*command)());
    QAction* addWindowCommand(const char* textKey, QList<QKeySequence> keys,
                              void (AppDelegate::*command)());
    void openWebAddress(const QString& address);
    // Asks with a summary, then adds every entry of `plan` (read from `fileName`); the
    // categories are categoryKeys_.
    void runImport(const ImportPlan& plan, const QString& fileName);
    // Ends a search without showing anything in its place.
    void leaveSearch();
    QAbstractButton* sidebarButtonOnShow() const;
    void goToResults();
    std::optional<EntryRows> searchResults(int32_t userID, const DataStamp& now);
    // The name of a category as the last search read them; empty when unknown.
    QString categoryName(int32_t categoryID) const;
    void showEntryMenu(const QPoint& position);
    void showClipboardCountdown(int secondsLeft);
    // Selects the category with `entryCategoryID`, or without one the current category.
    // False (and said) when the categories cannot be read.
    bool fillCategoryPopup(std::optional<int32_t> entryCategoryID);
    void closeEditor(QWidget* editor);
    QStringList editorContents(QWidget* editor) const;
    // Called once an editor is filled: its changes are measured from here.
    void rememberEditorContents();
    void endSession();
    // The lists' headers as at start: sorted by title, and by the account's name.
    void showFirstSortOrder();
    // Shows `box`; nullptr shows the empty page.
    void showBox(QWidget* box);
    void openEntry();
    void openAccount();
    void showAlert(const char* messageKey, const char* informativeKey);
    static constexpr int kStatusSeconds = 10;
    void tellInStatusLine(const QString& message);
    // True only when the user confirmed and the same session is still open:
    // a logout while the confirmation was open answers no.
    // `subject` names what is deleted.
    bool confirmDeletion(const QString& subject, const char* informativeKey = "DelInfo");
    bool maySaveAccount() const;
    bool ownsNoEntries(int32_t accountID);
    // The lists as the screens show them, as fresh as the store; none when the store cannot be
    // read now (said in the status line).
    std::optional<EntryRows> currentEntries();
    // What the password list was last answered from.
    EntryRows heldEntries() const;
    // What a list's cell shows for a record.
    QString entryCell(const PasswordSchema& entry, const TableColumn& column) const;
    QString accountCell(const UserSchema& account, const TableColumn& column, bool current) const;
    const std::vector<UserSchema>* allAccounts();
    // The store's stamp, or none when it cannot be read now: a read failed since the user last
    // did anything, or the stamp itself cannot be read.
    std::optional<DataStamp> storeStamp();
    // A read failed: the status line says why, and no read is tried again in this action.
    void storeUnreadable();
    // An action could not read what it needed: an alert says why, nothing was changed.
    void showStoreTrouble();
    // A write failed: an alert says why (the file busy, read-only, moved), or that it could not
    // be saved.
    void showWriteTrouble();
    void saveRefused(WriteResult result, const std::optional<PasswordSchema>& now);
    // The category rows a category name stands for: every row of its key, or the row of that
    // exact name.
    static std::vector<int32_t> categoryRows(const CategoryKeys& keys, const OptionalText& name);
    // What the start found wrong with the file, said once before the login window.
    void sayFileProblem();
    void showLoginWindow();
    bool mayChangeFile();
    void makeUndo();
    // Fills the entry editor with `entry`, as it stands in the file.
    void fillEntryEditor(const PasswordSchema& entry);

    LoginWindow& loginWindow_;
    MainWindow& window_;
    AlertPresenter& alerts_;
    // Made once the controller is complete: a view asks its model for rows
    // as soon as it gets it.
    ControllerTableModel* passwordTableModel_ = nullptr;
    ControllerTableModel* userTableModel_ = nullptr;
    // Looked up once: the data source tells the columns apart by these.
    const TableColumn* titleColumn_ = nullptr;
    const TableColumn* userColumn_ = nullptr;
    const TableColumn* passwordColumn_ = nullptr;
    const TableColumn* user1Column_ = nullptr;
    const TableColumn* password1Column_ = nullptr;
    const TableColumn* isRootColumn_ = nullptr;
    const TableColumn* categoryColumn_ = nullptr;
    const TableColumn* httpColumn_ = nullptr;

    std::unique_ptr<MySQLLite> mySQLLite_;
    std::optional<UserSchema> loginUser_;
    std::optional<QString> currentCategory_;
    QTableView* currentTable_ = nullptr;
    QWidget* lastBox_ = nullptr;
    QString operation_;
    PasswordSchema passwordSchema_;
    UserSchema userSchema_;
    QStringList openedContents_;

    FreshList<PasswordSchema, std::pair<int32_t, OptionalText>> entryList_;
    FreshList<UserSchema, bool> accountList_;
    // Non-empty while the password list shows search results.
    QString searchText_;
    // The sidebar button whose list was on show when the search began.
    QAbstractButton* searchReturnsTo_ = nullptr;
    EntrySearch entrySearch_;
    QTimer searchTimer_;
    // The results' positions among the entries that entrySearch_ keeps.
    FreshList<uint32_t, std::pair<int32_t, QString>> searchHits_;
    // The categories as the last search or export read them.
    std::optional<CategoryKeys> categoryKeys_;
    std::optional<int32_t> chosenEntryID_;
    std::optional<int32_t> chosenAccountID_;
    // Moves at every login and logout, so an action that waited on a modal
    // alert can tell that the account it acted for has gone.
    int session_ = 0;
    ReadLatch readLatch_;
    // The reads of the password list that the view was last told of.
    int shownEntryReads_ = 0;
    bool entryReloadQueued_ = false;
    // The category (its sidebar index) each account showed last since the program started: a
    // login opens on it, or on the first.
    std::map<int32_t, int> lastCategoryOf_;

    struct Commands {
        QAction* openEntry = nullptr;
        QAction* copyPassword = nullptr;
        QAction* copyUser = nullptr;
        QAction* copyHttp = nullptr;
        QAction* deleteEntry = nullptr;
        QAction* openHttp = nullptr;
        QAction* newEntry = nullptr;
        QAction* find = nullptr;
        QAction* users = nullptr;
        QAction* logout = nullptr;
        QAction* quit = nullptr;
        QAction* importEntries = nullptr;
        QAction* exportEntries = nullptr;
        QAction* recycleBin = nullptr;
        QAction* newAccount = nullptr;
        QAction* deleteAccount = nullptr;
        QAction* showWebAddresses = nullptr;
    } commands_;

    UrlOpener urlOpener_ = desktopUrlOpener();
    FileChooser fileChooser_ = dialogFileChooser();

    SecretClipboard secretClipboard_;
    std::unique_ptr<FileProtection> protection_;
    std::unique_ptr<EntryHistory> history_;
    std::unique_ptr<RecycleBin> recycleBin_;
    std::unique_ptr<PasswordHiding> hiding_;
    PasswordGenerator passwordGenerator_;
    QStringList wordList_;
    IdleWatch idleWatch_{kIdleLogout};
    ScreenLockWatch screenLockWatch_;
    std::optional<RowOrder> entryOrder_;
    std::optional<RowOrder> accountOrder_;
};
