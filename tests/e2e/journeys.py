#!/usr/bin/python3
"""Lockmere end to end: the real program on a private X display, used only
through the keyboard, the mouse and the accessibility interface, the way a
person or a screen reader uses it. What the program shows is read back the
same way (window titles and positions, controls, table cells, alerts), and
what it stored is read from the database file with the sqlite3 tool.

    /usr/bin/python3 journeys.py PATH/TO/lockmere

Needs Xvfb (without it the run is skipped with exit status 77), xdotool,
dbus-run-session, at-spi2-core, sqlite3 and pyatspi (Debian's
python3-pyatspi, for /usr/bin/python3). With LOCKMERE_SCREENSHOTS=DIR set it
also saves login.png, main.png and editor.png into DIR (ImageMagick's import).

The journeys share one home folder and run in order, each going on from
where the one before left the program; after a failure the rest are skipped.
The last line says "N passed, N failed, N skipped".
"""

import json
import os
import select
import shutil
import signal
import stat
import subprocess
import sys
import tempfile
import threading
import time
import traceback

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop import (  # noqa: E402
    Fatal,
    JourneyFailure,
    center,
    check,
    check_equal,
    click_at,
    close_window,
    describe,
    find_windows,
    focused_window,
    focus,
    is_checked,
    is_enabled,
    is_focused,
    is_showing,
    key,
    labelled_by,
    press,
    role,
    screenshot,
    set_text,
    table_cells,
    table_headers,
    text_of,
    type_text,
    wait_for,
    walk,
    xdotool,
    window_geometry,
)

SKIP = 77
SYSTEM_PYTHON = "/usr/bin/python3"
OVERALL_TIMEOUT = 170  # seconds for the whole run, a safety net only
# Faults the journeys see and that are not mended yet: a check marked with one
# of these keys reports the fault instead of failing, and fails as soon as it
# passes, so that the key is removed here and the check guards the mend.
KNOWN_FAULTS = {}
# What the session bus and the accessibility registry say as they start.
NOISE = ("dbus-daemon[", "SpiRegistry daemon is running")
MASK = "******"
ADMIN = "\u2714"  # ✔
ORDINARY = "\u2717"  # ✗


# --- The program under test -------------------------------------------------------

class Program:
    """One run of the lockmere binary on the private display, with its own HOME."""

    def __init__(self, binary, home, log_dir):
        self.binary = binary
        self.home = home
        self.log_dir = log_dir
        self.process = None
        self.log_path = None
        self._app = None
        self.runs = 0

    @property
    def database(self):
        return os.path.join(self.home, "Documents", "Lockmere.sqlite3")

    def start(self, language="C.UTF-8"):
        self.runs += 1
        env = dict(os.environ)
        for name in ("QT_QPA_PLATFORM", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME",
                     "LANGUAGE", "LC_MESSAGES", "QT_ACCESSIBILITY"):
            env.pop(name, None)
        runtime = os.path.join(self.log_dir, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        env.update(HOME=self.home, LANG=language, LC_ALL=language, XDG_RUNTIME_DIR=runtime,
                   QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.log_path = os.path.join(self.log_dir, f"lockmere-{self.runs}.log")
        with open(self.log_path, "wb") as log:
            self.process = subprocess.Popen([self.binary], env=env, stdout=log, stderr=log,
                                            stdin=subprocess.DEVNULL)
        self._app = None

    def app(self):
        """The program's node in the accessibility tree (found by process id)."""
        if self._app is None:
            desktop = atspi_desktop()

            def found():
                if self.process.poll() is not None:
                    raise Fatal(f"lockmere exited with status {self.process.returncode}: "
                                f"{self.log()}")
                for i in range(desktop.childCount):
                    node = desktop.getChildAtIndex(i)
                    if node is not None and node.get_process_id() == self.process.pid:
                        return node
                return None

            self._app = wait_for(found, "the program to appear in the accessibility tree",
                                 timeout=20)
        return self._app

    def wait_exit(self, timeout):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise JourneyFailure(f"the program was still running {timeout}s later") from None

    def stop(self):
        if self.process is not None and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(timeout=5)

    def log(self):
        try:
            with open(self.log_path, encoding="utf-8", errors="replace") as log:
                text = log.read().strip()
            return text[-2000:] if text else "(it wrote nothing)"
        except OSError:
            return "(no log)"


def atspi_desktop():
    import pyatspi
    return pyatspi.Registry.getDesktop(0)


# --- What a person sees and does ---------------------------------------------------

class Screen:
    """The program as a person (or a screen reader) meets it."""

    def __init__(self, program, shots_dir):
        self.program = program
        self.shots_dir = shots_dir

    # Windows
    def top_level(self, name, roles=("frame", "filler", "dialog", "window")):
        app = self.program.app()

        def found():
            for i in range(app.childCount):
                node = app.getChildAtIndex(i)
                if node is not None and node.name == name and role(node) in roles and \
                        showing(node):
                    return node
            return None

        return wait_for(found, f"a window named {name!r} on show")

    def top_level_gone(self, name):
        app = self.program.app()

        def gone():
            for i in range(app.childCount):
                node = app.getChildAtIndex(i)
                if node is not None and node.name == name and showing(node):
                    return False
            return True

        wait_for(gone, f"the window named {name!r} to close")

    def login_window(self):
        window = self.top_level("Lockmere", roles=("filler", "frame", "window"))
        self.find("push button", "Log In", within=window)
        return window

    def main_window(self, user):
        return self.top_level(user, roles=("frame",))

    def x_window(self, title):
        """The X window with exactly this title, on show."""
        pattern = "^" + title.replace(".", r"\.") + "$"
        windows = wait_for(lambda: find_windows(pattern, pid=self.program.process.pid),
                           f"an X window titled {title!r}")
        check_equal(len(windows), 1, f"visible X windows titled {title!r}")
        return windows[0]

    def no_x_window(self, title):
        pattern = "^" + title + "$"
        wait_for(lambda: not find_windows(pattern, pid=self.program.process.pid),
                 f"no X window titled {title!r} on show")

    # Controls
    def find(self, role_name, name, within=None, timeout=10, where=None):
        root = within if within is not None else self.program.app()

        def found():
            for node in walk(root):
                if role(node) == role_name and node.name == name and \
                        (where is None or where(node)):
                    return node
            return None

        return wait_for(found, f"{role_name} {name!r} on show", timeout=timeout)

    def absent(self, role_name, name, within=None):
        root = within if within is not None else self.program.app()
        wait_for(lambda: not any(role(n) == role_name and n.name == name for n in walk(root)),
                 f"{role_name} {name!r} to be gone")

    def sidebar(self, name):
        """A sidebar button (the category list's header repeats the category's name)."""
        return self.find("push button", name, where=lambda n: role(n.parent) == "filler")

    def field(self, name):
        return self.find("text", name)

    def focused(self, role_name, name):
        node = self.find(role_name, name)
        wait_for(lambda: is_focused(node), f"the keyboard focus in {role_name} {name!r}")
        return node

    def focus_description(self):
        """The control with the keyboard focus. A table's current cell says it is
        focused even when its table is not, so cells do not count."""
        for node in walk(self.program.app()):
            if is_focused(node) and role(node) != "table cell":
                return f"{role(node)} {node.name!r}"
        return "nothing"

    def click(self, node, double=False):
        x, y = center(node)
        click_at(x, y, double=double)

    # Tables
    def table(self, name):
        return self.find("table", name)

    def rows(self, name, expected):
        """Waits for the list's cells, row by row, to read as `expected`."""
        table = self.table(name)
        try:
            wait_for(lambda: table_cells(table) == expected, f"{name} to show {expected!r}")
        except JourneyFailure as failure:
            raise JourneyFailure(f"{name} shows {safe_cells(table)!r}, not {expected!r} "
                                 f"({failure})") from None
        return table

    def row_cell(self, table_name, row, column=0):
        table = self.table(table_name)
        return table.queryTable().getAccessibleAt(row, column)

    def count_label(self, description):
        """The number beside a list's heading, found by what it counts."""
        app = self.program.app()
        return wait_for(lambda: next((node for node in walk(app) if role(node) == "label" and
                                      node.description == description), None),
                        f"the label described as {description!r}")

    # Alerts
    def alert(self, message):
        alert = self.top_level(message, roles=("alert", "dialog"))
        return alert, [node.name for node in walk(alert) if role(node) == "label"]

    def alert_closed(self, message):
        """Waits for an alert to go, then gives the keyboard focus back to the
        window underneath, as a window manager does: without one X leaves the
        focus nowhere when a dialog closes."""
        self.top_level_gone(message)
        windows = wait_for(lambda: find_windows(".*", pid=self.program.process.pid),
                           "a window on show under the alert")
        check_equal(len(windows), 1, "windows on show after the alert closed")
        if focused_window() != windows[0]:
            xdotool("windowfocus", str(windows[0]))
            wait_for(lambda: focused_window() == windows[0], "the keyboard focus back")

    # Screenshots
    def shoot(self, window, name):
        if self.shots_dir:
            screenshot(window, os.path.join(self.shots_dir, name))


def showing(node):
    try:
        return is_showing(node)
    except Exception:  # noqa: BLE001 - gone while we looked
        return False


def wait_focus(node, timeout=1.0):
    """Whether the keyboard focus arrives in `node` within a second."""
    try:
        wait_for(lambda: is_focused(node), "the focus", timeout=timeout)
        return True
    except JourneyFailure:
        return False


def safe_cells(table):
    try:
        return table_cells(table)
    except Exception as error:  # noqa: BLE001
        return f"<unreadable: {error!r}>"


def sql(database, query):
    """Rows of a query, read by the sqlite3 tool as any other program would."""
    result = subprocess.run(["sqlite3", "-readonly", "-json", database, query],
                            capture_output=True, text=True, timeout=20)
    if result.returncode != 0:
        raise JourneyFailure(f"sqlite3 {query!r} failed: {result.stderr.strip()}")
    out = result.stdout.strip()
    return [list(row.values()) for row in json.loads(out)] if out else []


# --- The journeys -------------------------------------------------------------------

class Journeys:
    def __init__(self, program, screen):
        self.p = program
        self.s = screen

    def db(self, query):
        return sql(self.p.database, query)

    def expect(self, fault, ok, message):
        """A check that a known fault (a key of KNOWN_FAULTS) still fails."""
        if fault not in KNOWN_FAULTS:
            check(ok, message)
        elif ok:
            raise JourneyFailure(f"{message}: this now works, so the known fault {fault!r} is "
                                 "mended: remove it from KNOWN_FAULTS in tests/e2e/journeys.py")
        else:
            print(f"     KNOWN FAULT {fault}: {KNOWN_FAULTS[fault]}", flush=True)

    def tab_cycle(self, start, count):
        """The controls the Tab key visits, starting from `start`."""
        focus(start)
        wait_for(lambda: is_focused(start), f"the keyboard focus in {start.name!r}")
        return self.tab_through(count)

    def tab_through(self, count, tab="Tab"):
        """Presses Tab `count` times; returns where the focus went each time."""
        seen = []
        for _ in range(count):
            before = self.s.focus_description()
            key(tab)
            try:
                wait_for(lambda: self.s.focus_description() != before, "", timeout=2)
                seen.append(self.s.focus_description())
            except JourneyFailure:
                seen.append(f"(still) {before}")
        return seen

    def log_in_by_keyboard(self, user, password, user_field="User Name",
                           password_field="Password"):
        """Types the name, Return (to the password field), the password, Return."""
        self.s.focused("text", user_field)
        type_text(user)
        key("Return")
        self.s.focused("password text", password_field)
        type_text(password)
        key("Return")

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

    def watch_shake(self, window, home):
        """Samples the window's place until it has moved and then stayed put
        for a while; checks that it went both ways and came back home."""
        places = []
        settled = None
        started = time.monotonic()
        last_change = started
        while time.monotonic() - started < 4:
            place = window_geometry(window)
            now = time.monotonic()
            if not places or place != places[-1]:
                places.append(place)
                last_change = now
            elif len(places) > 1 and now - last_change >= 0.4:
                settled = place
                break
        xs = sorted({x for x, _, _, _ in places} - {home[0]})
        check(xs, f"the login window did not shake: it stayed at {home[:2]}")
        check(xs[0] < home[0] < xs[-1],
              f"the window moved only to one side: x positions {xs} around {home[0]}")
        check_equal({y for _, y, _, _ in places}, {home[1]}, "the window's height on screen")
        check(settled is not None, f"the window did not come to rest: {places[-5:]}")
        check_equal(settled, home, "the login window's place after the shake")

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
        check_equal(table_headers(self.s.table("User Accounts")),
                    ["User Name", "Password", "Administrator"], "the user list's headers")
        check_equal(self.s.count_label("Number of accounts").name, "1", "the account count")
        check_equal(self.s.find("push button", "Add User").description, "Add User",
                    "the + button's tool tip")
        check_equal(self.s.find("push button", "Remove User").description, "Remove User",
                    "the − button's tool tip")

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

    def log_out(self, user):
        press(self.s.sidebar("Log Out"))
        window = self.s.login_window()
        self.s.top_level_gone(user)
        self.s.no_x_window(user)
        check_equal(text_of(self.s.find("text", "User Name", within=window)), "",
                    "the user name field after logging out")
        check_equal(text_of(self.s.find("password text", "Password", within=window)), "",
                    "the password field after logging out")
        return window

    def ordinary_account_keeps_entries(self):
        self.log_out("root")
        self.log_in_by_keyboard("anna", "anna-pw")
        self.s.main_window("anna")
        self.s.x_window("anna")

        # Email: two entries, the first by keyboard alone, the second through
        # the accessibility interface.
        press(self.s.sidebar("Email"))
        self.s.rows("Password Entries", [])
        check_equal(table_headers(self.s.table("Password Entries")),
                    ["Title", "User Name", "Password"], "the entry list's headers")
        check_equal(self.s.count_label("Number of entries").name, "0", "the entry count")
        check_equal(self.s.find("push button", "Add Entry").description, "Add Entry",
                    "the + button's tool tip")
        check_equal(self.s.find("push button", "Remove Entry").description, "Remove Entry",
                    "the − button's tool tip")
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

    def add_entry(self, title, user, password):
        press(self.s.find("push button", "Add Entry"))
        set_text(self.s.field("Title"), title)
        set_text(self.s.field("User Name"), user)
        set_text(self.s.field("Password"), password)
        press(self.s.find("push button", "Save"))
        self.s.absent("push button", "Save")

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
        press(self.s.sidebar("Email"))
        self.s.rows("Password Entries", [["Newsletter", "anna", "news"],
                                         ["Private mail", "anna", "pr1vate"],
                                         ["Work mail", "anna@example.org", "n3w s3cret"]])

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


JOURNEYS = [
    ("a first start creates the file and shows an empty login window", "first_start"),
    ("a refused login shakes the window and leaves it where it was", "refused_login_shakes"),
    ("root logs in", "root_logs_in"),
    ("root adds an ordinary account and an administrator", "root_adds_accounts"),
    ("an ordinary account adds, edits, moves and deletes entries",
     "ordinary_account_keeps_entries"),
    ("an ordinary account sees only its own password", "ordinary_account_sees_only_its_own_password"),
    ("root cannot delete an account that owns entries", "root_cannot_delete_an_account_with_entries"),
    ("logout and a second login", "logout_and_second_login"),
    ("copying a password puts it on the clipboard for ten seconds",
     "copying_clears_the_clipboard"),
    ("the main window by keyboard alone", "keyboard_alone"),
    ("closing the last window ends the program", "closing_the_last_window_ends_the_program"),
    ("a second start keeps everything", "second_start_keeps_everything"),
    ("in German the controls are named in German", "german_names"),
]


def run_inside(binary):
    """Runs the journeys; the display and the session bus are already there."""
    passed = failed = skipped = 0
    shots_dir = os.environ.get("LOCKMERE_SCREENSHOTS") or None
    if shots_dir:
        shots_dir = os.path.abspath(shots_dir)
    with tempfile.TemporaryDirectory(prefix="lockmere-e2e-") as work:
        home = os.path.join(work, "home")
        os.makedirs(home)
        program = Program(binary, home, work)
        screen = Screen(program, shots_dir)
        journeys = Journeys(program, screen)
        broken = None
        try:
            for title, method in JOURNEYS:
                if broken is not None:
                    skipped += 1
                    print(f"SKIP {title} (after the failure of: {broken})", flush=True)
                    continue
                started = time.monotonic()
                try:
                    getattr(journeys, method)()
                    passed += 1
                    print(f"PASS {title} ({time.monotonic() - started:.1f}s)", flush=True)
                except Exception as error:  # noqa: BLE001 - reported, then the run goes on
                    failed += 1
                    broken = title
                    print(f"FAIL {title} ({time.monotonic() - started:.1f}s)", flush=True)
                    print(f"     {type(error).__name__}: {error}")
                    if not isinstance(error, JourneyFailure):
                        traceback.print_exc(file=sys.stdout)
                    else:
                        where = traceback.extract_tb(error.__traceback__)
                        steps = [f"{frame.name}:{frame.lineno}" for frame in where
                                 if frame.filename == os.path.abspath(__file__)]
                        print(f"     at {' > '.join(steps)}")
                    print_state(program)
        finally:
            program.stop()
    print(f"{passed} passed, {failed} failed, {skipped} skipped", flush=True)
    return 0 if failed == 0 else 1


def print_state(program):
    """What was on show when a journey failed."""
    if program.process is None:
        return
    if program.process.poll() is not None:
        print(f"     the program had exited with status {program.process.returncode}")
        print("     its output: " + program.log())
        return
    try:
        print("     on show:\n" + "\n".join("       " + line
                                            for line in describe(program.app()).splitlines()))
    except Exception as error:  # noqa: BLE001
        print(f"     (the accessibility tree could not be read: {error!r})")


# --- The private display and session bus ---------------------------------------------

def start_xvfb(log):
    """Starts Xvfb on a free display number; returns (process, ":N")."""
    read_end, write_end = os.pipe()
    process = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x800x24", "-nolisten",
         "tcp", "-noreset"], pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=log,
        stderr=log)
    os.close(write_end)
    # Xvfb writes the number, then a newline in a second write: read up to the
    # newline, or closing the pipe early kills it.
    received = b""
    deadline = time.monotonic() + 20
    try:
        while not received.endswith(b"\n") and time.monotonic() < deadline:
            ready, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))
            chunk = os.read(read_end, 64) if ready else b""
            if not chunk:
                break
            received += chunk
    finally:
        os.close(read_end)
    number = received.decode().strip() if received.endswith(b"\n") else ""
    if not number:
        process.kill()
        process.wait()
        raise RuntimeError("Xvfb did not start")
    return process, ":" + number


def run_outside(binary):
    if shutil.which("Xvfb") is None:
        print("SKIP: Xvfb is not installed, and the end-to-end journeys need an X server "
              "(Debian: apt-get install xvfb)")
        return SKIP
    needed = ["xdotool", "dbus-run-session", "sqlite3"]
    if os.environ.get("LOCKMERE_SCREENSHOTS"):
        needed.append("import")
    missing = [tool for tool in needed if shutil.which(tool) is None]
    if not os.path.exists(SYSTEM_PYTHON) or subprocess.run(
            [SYSTEM_PYTHON, "-c", "import pyatspi"], capture_output=True).returncode != 0:
        missing.append("pyatspi for /usr/bin/python3 (python3-pyatspi)")
    if missing:
        print("FAIL: missing " + ", ".join(missing))
        return 1
    if not os.access(binary, os.X_OK):
        print(f"FAIL: {binary} is not an executable")
        return 1

    started = time.monotonic()
    with tempfile.TemporaryFile() as xvfb_log:
        xvfb, display = start_xvfb(xvfb_log)
        inner = None
        try:
            env = dict(os.environ, DISPLAY=display)
            for name in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY",
                         "QT_QPA_PLATFORM", "XAUTHORITY"):
                env.pop(name, None)
            inner = subprocess.Popen(
                ["dbus-run-session", "--", SYSTEM_PYTHON, os.path.abspath(__file__),
                 "--inside", binary], env=env, stdin=subprocess.DEVNULL,
                stdout=subprocess.PIPE, stderr=subprocess.STDOUT, start_new_session=True)
            timed_out = threading.Event()

            def overdue():
                timed_out.set()
                os.killpg(inner.pid, signal.SIGKILL)

            watchdog = threading.Timer(OVERALL_TIMEOUT, overdue)
            watchdog.start()
            try:
                # The session bus and the accessibility registry chat as they
                # start; pass on everything else as it comes.
                for line in inner.stdout:
                    text = line.decode(errors="replace")
                    if not text.startswith(NOISE):
                        sys.stdout.write(text)
                        sys.stdout.flush()
                inner.wait()
            finally:
                watchdog.cancel()
            if timed_out.is_set():
                print(f"FAIL: the journeys did not finish within {OVERALL_TIMEOUT}s")
                return 1
            print(f"(the journeys took {time.monotonic() - started:.1f}s)")
            return inner.returncode
        finally:
            if inner is not None and inner.poll() is None:
                os.killpg(inner.pid, signal.SIGKILL)
                inner.wait()
            xvfb.terminate()
            try:
                xvfb.wait(timeout=5)
            except subprocess.TimeoutExpired:
                xvfb.kill()
                xvfb.wait()


def main(argv):
    if len(argv) == 3 and argv[1] == "--inside":
        return run_inside(os.path.abspath(argv[2]))
    if len(argv) != 2:
        print(__doc__)
        return 2
    return run_outside(os.path.abspath(argv[1]))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
