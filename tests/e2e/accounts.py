"""The journeys about starting and ending the program, logging in and the
accounts: the first start, a refused login, root adding and deleting accounts,
what an ordinary account may see, a second start, and the German names.
"""

import os
import stat

from desktop import (
    check,
    check_equal,
    close_window,
    find_windows,
    is_checked,
    is_enabled,
    key,
    press,
    set_text,
    table_headers,
    text_of,
    type_text,
    wait_for,
    window_geometry,
)
from steps import ADMIN, MASK, ORDINARY, Steps


class AccountJourneys(Steps):
    def first_start(self):
        check(not os.path.exists(self.p.database), "the database exists before the first start")
        self.p.start()
        window = self.s.login_window()
        self.s.x_window("Lockmere")
        wait_for(lambda: os.path.exists(self.p.database), "the database file to be created")
        mode = stat.S_IMODE(os.stat(self.p.database).st_mode)
        check(mode & 0o077 == 0, f"the database is readable by others: mode {oct(mode)}")
        check_equal(self.db("SELECT ID, User, Password, IsRoot FROM LM_USER"),
                    [[1, "root", "tiwe", 1]], "accounts after the first start")
        check_equal([row[0] for row in self.db("SELECT Category FROM LM_CATEGORY ORDER BY ID")],
                    ["Email", "Website", "Computer", "Software", "Bank Card", "Online Banking",
                     "Router", "Lock", "Safe", "Other"], "categories after the first start")
        check_equal(self.db("SELECT count(*) FROM LM_PASSWORD"), [[0]], "entries")

        # Both fields empty, named as their placeholders say, the cursor in the first.
        user = self.s.find("text", "User Name", within=window)
        password = self.s.find("password text", "Password", within=window)
        check_equal(text_of(user), "", "the user name field")
        check_equal(text_of(password), "", "the password field")
        self.s.focused("text", "User Name")
        check(not find_windows("^root$", pid=self.p.process.pid), "a main window is on show")
        self.s.shoot(self.s.x_window("Lockmere"), "login.png")

    def refused_login_shakes(self):
        login = self.s.x_window("Lockmere")
        home = window_geometry(login)
        # Keyboard only: the name, Tab to the password field, a wrong password, Return.
        self.s.focused("text", "User Name")
        type_text("root")
        key("Tab")
        self.s.focused("password text", "Password")
        type_text("wrong")
        key("Return")
        self.watch_shake(login, home)
        check(not find_windows("^root$", pid=self.p.process.pid),
              "a main window opened for a wrong password")
        window = self.s.login_window()
        check_equal(text_of(self.s.find("text", "User Name", within=window)), "root",
                    "the user name after a refused login")

    def root_logs_in(self):
        # The user name is still there; the password field has the focus.
        self.s.focused("password text", "Password")
        key("ctrl+a", "BackSpace")
        type_text("tiwe")
        key("Return")
        self.s.main_window("root")
        self.s.x_window("root")
        self.s.no_x_window("Lockmere")
        self.s.top_level_gone("Lockmere")
        # The sidebar: ten categories, Users and Log Out.
        for name in ("Email", "Website", "Computer", "Software", "Bank Card", "Online Banking",
                     "Router", "Lock", "Safe", "Other", "Users", "Log Out"):
            self.s.sidebar(name)

    def root_adds_accounts(self):
        self.s.click(self.s.sidebar("Users"))
        self.s.rows("User Accounts", [["root", "tiwe", ADMIN]])
        self.s.list_box_reads("User Accounts", ["User Name", "Password", "Administrator"],
                              "Number of accounts", "1", "Add User", "Remove User")

        # An ordinary account, by keyboard: the editor opens with the cursor in
        # User Name; Tab runs through Password, the generator, Administrator,
        # Cancel, Save.
        self.s.click(self.s.find("push button", "Add User"))
        self.s.focused("text", "User Name")
        type_text("anna")
        key("Tab")
        self.s.focused("text", "Password")
        type_text("anna-pw")
        key("Tab")
        self.s.focused("push button", "Generate a Strong Password")
        key("Tab")
        checkbox = self.s.focused("check box", "Administrator")
        check(not is_checked(checkbox), "the Administrator box is ticked for a new account")
        check(is_enabled(checkbox), "root cannot tick the Administrator box")
        key("Tab")
        self.s.focused("push button", "Cancel")
        key("Tab")
        self.s.focused("push button", "Save")
        key("Return")
        self.s.rows("User Accounts", [["root", "tiwe", ADMIN], ["anna", "anna-pw", ORDINARY]])

        # An administrator, through the accessibility interface.
        press(self.s.find("push button", "Add User"))
        set_text(self.s.field("User Name"), "ben")
        set_text(self.s.field("Password"), "ben-pw")
        checkbox = self.s.find("check box", "Administrator")
        press(checkbox)
        wait_for(lambda: is_checked(checkbox), "the Administrator box ticked")
        press(self.s.find("push button", "Save"))
        self.s.rows("User Accounts", [["root", "tiwe", ADMIN], ["anna", "anna-pw", ORDINARY],
                                      ["ben", "ben-pw", ADMIN]])
        check_equal(self.s.count_label("Number of accounts").name, "3", "the account count")
        check_equal(self.db("SELECT User, Password, IsRoot FROM LM_USER ORDER BY ID"),
                    [["root", "tiwe", 1], ["anna", "anna-pw", 0], ["ben", "ben-pw", 1]],
                    "accounts in the file")

        # Escape leaves the user editor without saving.
        press(self.s.find("push button", "Add User"))
        self.s.focused("text", "User Name")
        type_text("not-saved")
        key("Escape")
        self.s.table("User Accounts")
        self.s.absent("push button", "Save")
        check_equal(self.db("SELECT count(*) FROM LM_USER"), [[3]], "accounts after Escape")

    def ordinary_account_sees_only_its_own_password(self):
        press(self.s.sidebar("Users"))
        self.s.rows("User Accounts", [["root", MASK, ADMIN], ["anna", "anna-pw", ORDINARY],
                                      ["ben", MASK, ADMIN]])
        # Only administrators add accounts. (Clicked, not pressed through the
        # accessibility interface: a tool button's accessible press answers only
        # once the alert it opens is closed, and the call times out before.)
        self.s.click(self.s.find("push button", "Add User"))
        alert, labels = self.s.alert("You are not allowed to do this.")
        key("Return")
        self.s.alert_closed("You are not allowed to do this.")
        check(alert is not None and labels, "the refusal says why")
        self.s.absent("push button", "Save")

    def root_cannot_delete_an_account_with_entries(self):
        self.log_out("anna")
        self.log_in_by_keyboard("root", "tiwe")
        self.s.main_window("root")
        press(self.s.sidebar("Users"))
        self.s.rows("User Accounts", [["root", "tiwe", ADMIN], ["anna", "anna-pw", ORDINARY],
                                      ["ben", "ben-pw", ADMIN]])
        self.s.click(self.s.row_cell("User Accounts", 1))
        self.s.click(self.s.find("push button", "Remove User"))
        alert, labels = self.s.alert("This account cannot be deleted.")
        check("This account still owns password entries. Log in with it and delete its entries "
              "first." in labels, f"the alert's explanation: {labels}")
        press(self.s.find("push button", "OK", within=alert))
        self.s.alert_closed("This account cannot be deleted.")
        check_equal(self.db("SELECT User FROM LM_USER ORDER BY ID"),
                    [["root"], ["anna"], ["ben"]], "accounts in the file")

        # An account without entries goes, after the question, by the Delete key.
        self.s.click(self.s.row_cell("User Accounts", 2))
        key("Delete")
        self.s.alert("Delete the selected item?")
        key("Return")  # the default answer is Delete
        self.s.alert_closed("Delete the selected item?")
        self.s.rows("User Accounts", [["root", "tiwe", ADMIN], ["anna", "anna-pw", ORDINARY]])
        check_equal(self.db("SELECT User FROM LM_USER ORDER BY ID"), [["root"], ["anna"]],
                    "accounts in the file")

    def logout_and_second_login(self):
        # Root leaves its own account open in the editor, password in clear text.
        self.s.click(self.s.row_cell("User Accounts", 0), double=True)
        self.s.find("push button", "Save")
        self.log_out("root")
        # A wrong password for another account, then the right one, by the Log In button.
        self.s.focused("text", "User Name")
        type_text("anna")
        key("Tab")
        type_text("root-pw")
        login = self.s.x_window("Lockmere")
        home = window_geometry(login)
        self.s.click(self.s.find("push button", "Log In"))
        self.watch_shake(login, home)
        check(not find_windows("^anna$", pid=self.p.process.pid),
              "anna logged in with root's password")
        password = self.s.find("password text", "Password")
        set_text(password, "anna-pw")
        self.s.click(self.s.find("push button", "Log In"))
        self.s.main_window("anna")
        # Nothing of root's session is left: no editor, no list of root's.
        self.s.absent("push button", "Save")
        self.s.absent("table", "User Accounts")
        press(self.s.sidebar("Email"))
        self.s.rows("Password Entries", [["Newsletter", "anna", "news"],
                                         ["Private mail", "anna", "pr1vate"],
                                         ["Work mail", "anna@example.org", "n3w s3cret"]])

    def closing_the_last_window_ends_the_program(self):
        close_window(self.s.x_window("anna"))
        check_equal(self.p.wait_exit(10), 0, "the exit status")
        check_equal(self.db("SELECT count(*) FROM LM_PASSWORD"), [[4]], "entries after exit")

    def second_start_keeps_everything(self):
        self.p.start()
        self.s.login_window()
        self.log_in_by_keyboard("anna", "anna-pw")
        self.s.main_window("anna")
        press(self.s.sidebar("Router"))
        self.s.rows("Password Entries", [["Forum", "anna_f", "f0rum"]])
        self.log_out("anna")
        close_window(self.s.x_window("Lockmere"))
        check_equal(self.p.wait_exit(10), 0, "the exit status after closing the login window")

    def german_names(self):
        """In German every name a screen reader speaks is German too (a new home)."""
        german_home = os.path.join(self.p.log_dir, "home-de")
        os.makedirs(german_home)
        self.p.home = german_home
        self.p.start(language="de_DE.UTF-8")
        window = self.s.top_level("Lockmere", roles=("filler", "frame", "window"))
        self.s.find("text", "Benutzername", within=window)
        self.s.find("password text", "Passwort", within=window)
        self.s.find("push button", "Anmelden", within=window)
        self.log_in_by_keyboard("root", "tiwe", user_field="Benutzername",
                                password_field="Passwort")
        self.s.main_window("root")
        press(self.s.sidebar("E-Mail"))
        check_equal(table_headers(self.s.table("Passworteinträge")),
                    ["Titel", "Benutzername", "Passwort"], "the German headers")
        add = self.s.find("push button", "Eintrag hinzufügen")
        check_equal(add.description, "Eintrag hinzufügen", "the German tool tip")
        self.s.find("push button", "Eintrag löschen")
        check_equal(self.s.count_label("Anzahl der Einträge").name, "0", "the entry count")
        press(self.s.sidebar("Benutzer"))
        self.s.rows("Benutzerkonten", [["root", "tiwe", ADMIN]])
        self.s.find("push button", "Benutzer hinzufügen")
        self.s.find("push button", "Benutzer löschen")
        close_window(self.s.x_window("root"))
        check_equal(self.p.wait_exit(10), 0, "the exit status")
