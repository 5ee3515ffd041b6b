"""The journeys about password entries: an ordinary account adding, editing,
moving and deleting them, copying one to the clipboard, and the main window
used by keyboard alone.
"""

import subprocess

from desktop import (
    check,
    check_equal,
    focus,
    is_focused,
    key,
    labelled_by,
    press,
    set_text,
    text_of,
    type_text,
    wait_for,
    walk,
)
from screen import wait_focus
from steps import ADMIN, MASK, ORDINARY, Steps


class EntryJourneys(Steps):
    def ordinary_account_keeps_entries(self):
        self.log_out("root")
        self.log_in_by_keyboard("anna", "anna-pw")
        self.s.main_window("anna")
        self.s.x_window("anna")

        # Email: two entries, the first by keyboard alone, the second through
        # the accessibility interface.
        press(self.s.sidebar("Email"))
        self.s.rows("Password Entries", [])
        self.s.list_box_reads("Password Entries", ["Title", "User Name", "Password"],
                              "Number of entries", "0", "Add Entry", "Remove Entry")
        self.s.click(self.s.find("push button", "Add Entry"))
        self.s.focused("text", "Title")
        combo = self.s.find("combo box", "Email")  # a combo box is named by what it shows
        check("Category" in labelled_by(combo),
              f"the category pop-up is labelled by {labelled_by(combo)}, not Category")
        type_text("Work mail")
        key("Tab")
        type_text("anna@example.org")
        key("Tab")
        type_text("s3cret")
        key("Tab")
        self.s.focused("push button", "Generate a Strong Password")
        key("Tab")
        type_text("https://mail.example.org")
        key("Tab")
        self.s.focused("text", "Notes")
        type_text("line one")
        key("Return")
        type_text("line two")
        key("Tab")
        self.s.focused("push button", "Cancel")
        key("Tab")
        self.s.focused("push button", "Save")
        key("Return")
        self.s.rows("Password Entries", [["Work mail", "anna@example.org", "s3cret"]])
        self.add_entry("Private mail", "anna", "pr1vate")
        self.add_entry("Newsletter", "anna", "news")
        self.s.rows("Password Entries", [["Newsletter", "anna", "news"],
                                         ["Private mail", "anna", "pr1vate"],
                                         ["Work mail", "anna@example.org", "s3cret"]])
        check_equal(self.s.count_label("Number of entries").name, "3", "the entry count")
        check_equal(self.db("SELECT u.User AS Owner, c.Category, p.Title, p.User, p.Password, "
                            "p.Http, p.Memo FROM LM_PASSWORD p JOIN LM_USER u ON u.ID = p.UserID "
                            "JOIN LM_CATEGORY c ON c.ID = p.CategoryID WHERE p.Title = "
                            "'Work mail'"),
                    [["anna", "Email", "Work mail", "anna@example.org", "s3cret",
                      "https://mail.example.org", "line one\nline two"]], "the entry in the file")
        self.s.shoot(self.s.x_window("anna"), "main.png")

        # Website: two more.
        press(self.s.sidebar("Website"))
        self.s.rows("Password Entries", [])
        self.add_entry("Forum", "anna_f", "f0rum")
        self.add_entry("Old forum", "anna_o", "0ld")
        self.s.rows("Password Entries", [["Forum", "anna_f", "f0rum"],
                                         ["Old forum", "anna_o", "0ld"]])

        # Edit: a double click opens the entry, filled in.
        press(self.s.sidebar("Email"))
        self.s.rows("Password Entries", [["Newsletter", "anna", "news"],
                                         ["Private mail", "anna", "pr1vate"],
                                         ["Work mail", "anna@example.org", "s3cret"]])
        self.s.click(self.s.row_cell("Password Entries", 2), double=True)
        title = self.s.field("Title")
        wait_for(lambda: text_of(title) == "Work mail", "the editor to show Work mail")
        check_equal(text_of(self.s.field("Password")), "s3cret", "the opened password")
        check_equal(text_of(self.s.field("Web Address")), "https://mail.example.org",
                    "the opened web address")
        check_equal(text_of(self.s.field("Notes")), "line one\nline two", "the opened notes")
        self.s.find("combo box", "Email")
        self.s.shoot(self.s.x_window("anna"), "editor.png")
        set_text(self.s.field("Password"), "n3w s3cret")
        press(self.s.find("push button", "Save"))
        self.s.rows("Password Entries", [["Newsletter", "anna", "news"],
                                         ["Private mail", "anna", "pr1vate"],
                                         ["Work mail", "anna@example.org", "n3w s3cret"]])
        check_equal(self.db("SELECT Password FROM LM_PASSWORD WHERE Title = 'Work mail'"),
                    [["n3w s3cret"]], "the edited password in the file")

        # Move: a click selects Forum, Return opens it, the keyboard picks Router.
        press(self.s.sidebar("Website"))
        self.s.click(self.s.row_cell("Password Entries", 0))
        table = self.s.table("Password Entries")
        wait_for(lambda: is_focused(table), "the keyboard focus in the entry list")
        key("Return")
        title = self.s.field("Title")
        wait_for(lambda: text_of(title) == "Forum", "the editor to show Forum")
        focus(title)
        self.s.focused("text", "Title")
        key("shift+Tab")
        combo = self.s.focused("combo box", "Website")
        key("r")
        wait_for(lambda: combo.name == "Router", f"Router in the pop-up (it shows {combo.name!r})")
        press(self.s.find("push button", "Save"))
        self.s.rows("Password Entries", [["Old forum", "anna_o", "0ld"]])
        press(self.s.sidebar("Router"))
        self.s.rows("Password Entries", [["Forum", "anna_f", "f0rum"]])
        check_equal(self.db("SELECT c.Category FROM LM_PASSWORD p JOIN LM_CATEGORY c ON "
                            "c.ID = p.CategoryID WHERE p.Title = 'Forum'"), [["Router"]],
                    "Forum's category in the file")

        # Delete: the Delete key asks first; Escape keeps the entry, the
        # Delete button of the question removes it.
        press(self.s.sidebar("Website"))
        self.s.click(self.s.row_cell("Password Entries", 0))
        wait_for(lambda: is_focused(self.s.table("Password Entries")),
                 "the keyboard focus in the entry list")
        key("Delete")
        alert, labels = self.s.alert("Delete the selected item?")
        check("It will be removed for good. This cannot be undone." in labels,
              f"the question's explanation: {labels}")
        self.s.find("push button", "Delete", within=alert)
        self.s.find("push button", "Cancel", within=alert)
        key("Escape")
        self.s.alert_closed("Delete the selected item?")
        self.s.rows("Password Entries", [["Old forum", "anna_o", "0ld"]])
        check_equal(self.db("SELECT count(*) FROM LM_PASSWORD WHERE Title = 'Old forum'"),
                    [[1]], "Old forum after answering Cancel")
        self.s.click(self.s.row_cell("Password Entries", 0))
        self.s.click(self.s.find("push button", "Remove Entry"))
        alert, _ = self.s.alert("Delete the selected item?")
        press(self.s.find("push button", "Delete", within=alert))
        self.s.alert_closed("Delete the selected item?")
        self.s.rows("Password Entries", [])
        check_equal(self.s.count_label("Number of entries").name, "0", "the entry count")
        check_equal(self.db("SELECT Title FROM LM_PASSWORD ORDER BY Title"),
                    [["Forum"], ["Newsletter"], ["Private mail"], ["Work mail"]],
                    "entries in the file")

    def copying_clears_the_clipboard(self):
        def clipboard(target=None):
            command = ["xclip", "-selection", "clipboard", "-o"]
            if target:
                command += ["-t", target]
            done = subprocess.run(command, capture_output=True, text=True, timeout=5)
            return done.stdout if done.returncode == 0 else ""

        self.s.click(self.s.row_cell("Password Entries", 2))
        key("ctrl+c")
        wait_for(lambda: clipboard() == "n3w s3cret", "the password on the clipboard")
        check("x-kde-passwordManagerHint" in clipboard("TARGETS"),
              "the copy is not marked as a secret for clipboard managers")
        check_equal(clipboard("x-kde-passwordManagerHint"), "secret", "the secret marker")
        def countdown_shown():
            return any("clears in" in (node.name or "") for node in walk(self.s.program.app()))

        wait_for(countdown_shown, "the countdown in the main window")
        key("ctrl+b")
        wait_for(lambda: clipboard() == "anna@example.org", "the user name on the clipboard")
        # Ten seconds later the clipboard no longer holds it, and the notice is gone.
        wait_for(lambda: clipboard() != "anna@example.org", "the clipboard cleared", timeout=13)
        wait_for(lambda: not countdown_shown(), "the countdown gone")

    def keyboard_alone(self):
        sidebar = ["Email", "Website", "Computer", "Software", "Bank Card", "Online Banking",
                   "Router", "Lock", "Safe", "Other", "Users", "Log Out"]
        cycle = [f"push button {name!r}" for name in sidebar] + [
            "table 'Password Entries'", "push button 'Add Entry'", "push button 'Remove Entry'"]
        email = self.s.sidebar("Email")
        check_equal(self.tab_cycle(email, len(cycle)), cycle[1:] + cycle[:1],
                    "the Tab order of the main window with the entry list on show")
        # Space presses the focused category button.
        wait_for(lambda: is_focused(email), "the keyboard focus back on Email")
        key("space")
        table = self.s.rows("Password Entries", [["Newsletter", "anna", "news"],
                                                 ["Private mail", "anna", "pr1vate"],
                                                 ["Work mail", "anna@example.org",
                                                  "n3w s3cret"]])
        # Into the list (Shift+Tab from the + button), Space selects the
        # current row, Enter opens it.
        focus(self.s.find("push button", "Add Entry"))
        self.s.focused("push button", "Add Entry")
        key("shift+Tab")
        wait_for(lambda: is_focused(table), "the keyboard focus in the entry list")
        key("space")
        wait_for(lambda: table.queryTable().isRowSelected(0), "the first row selected")
        key("KP_Enter")
        title = self.s.field("Title")
        wait_for(lambda: text_of(title) == "Newsletter", "the editor to show Newsletter")
        self.expect("focus-after-opening-an-entry", wait_focus(title),
                    "the keyboard focus in the Title field of an entry opened by Enter")
        if not is_focused(title):
            focus(title)
            self.s.focused("text", "Title")
        key("Escape")
        table = self.s.table("Password Entries")
        self.s.absent("push button", "Save")
        # Tab reaches the + button, Space opens an empty editor, Tab walks it.
        focus(self.s.find("push button", "Remove Entry"))
        self.s.focused("push button", "Remove Entry")
        key("shift+Tab")
        self.s.focused("push button", "Add Entry")
        key("space")
        self.s.focused("text", "Title")
        type_text("Keyboard")
        check_equal(self.tab_through(7), ["text 'User Name'", "text 'Password'",
                                          "push button 'Generate a Strong Password'",
                                          "text 'Web Address'", "text 'Notes'",
                                          "push button 'Cancel'", "push button 'Save'"],
                    "the Tab order of the entry editor")
        key("shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab")
        self.s.focused("text", "Password")
        type_text("kb")
        key("Tab", "Tab", "Tab", "Tab", "Tab")
        self.s.focused("push button", "Save")
        key("space")
        self.s.rows("Password Entries", [["Keyboard", "", "kb"], ["Newsletter", "anna", "news"],
                                         ["Private mail", "anna", "pr1vate"],
                                         ["Work mail", "anna@example.org", "n3w s3cret"]])
        # The same Delete, from the keyboard alone; Return answers Delete.
        table = self.s.table("Password Entries")
        focus(self.s.find("push button", "Add Entry"))
        self.s.focused("push button", "Add Entry")
        key("shift+Tab")
        wait_for(lambda: is_focused(table), "the keyboard focus in the entry list")
        if not table.queryTable().isRowSelected(0):
            key("space")
        wait_for(lambda: table.queryTable().isRowSelected(0), "the first row selected")
        key("Delete")
        self.s.alert("Delete the selected item?")
        key("Return")
        self.s.alert_closed("Delete the selected item?")
        self.s.rows("Password Entries", [["Newsletter", "anna", "news"],
                                         ["Private mail", "anna", "pr1vate"],
                                         ["Work mail", "anna@example.org", "n3w s3cret"]])
        check_equal(self.db("SELECT count(*) FROM LM_PASSWORD WHERE Title = 'Keyboard'"), [[0]],
                    "the entry deleted by keyboard")

        # The user list: its own Tab order; an account opened by Return.
        focus(self.s.sidebar("Users"))
        self.s.focused("push button", "Users")
        key("space")
        users = self.s.rows("User Accounts", [["root", MASK, ADMIN],
                                              ["anna", "anna-pw", ORDINARY]])
        cycle = [f"push button {name!r}" for name in sidebar] + [
            "table 'User Accounts'", "push button 'Add User'", "push button 'Remove User'"]
        check_equal(self.tab_cycle(self.s.sidebar("Email"), len(cycle)), cycle[1:] + cycle[:1],
                    "the Tab order of the main window with the user list on show")
        focus(self.s.find("push button", "Add User"))
        self.s.focused("push button", "Add User")
        key("shift+Tab")
        wait_for(lambda: is_focused(users), "the keyboard focus in the user list")
        key("Down")  # from the first row, where the focus came in, to anna's
        wait_for(lambda: users.queryTable().isRowSelected(1), "anna's row selected")
        key("Return")
        name = self.s.field("User Name")
        wait_for(lambda: text_of(name) == "anna", "the user editor to show anna")
        self.expect("focus-after-opening-an-account", wait_focus(name),
                    "the keyboard focus in the User Name field of an account opened by Return")
        if not is_focused(name):
            focus(name)
            self.s.focused("text", "User Name")
        key("Escape")
        self.s.table("User Accounts")
        self.s.absent("push button", "Save")
