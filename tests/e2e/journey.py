# Root is told its password is the published one, imports a KeePassXC export through the file
# dialog, finds an entry from the search field, copies its password (the status line says so),
# leaves it open in the editor and logs out; the next account must find nothing of it on screen,
# and is logged out when the screen locks; a crash would dump no core. Driven through AT-SPI with
# dogtail, as a screen reader sees the program, and the mouse.
# Run by CTest under xvfb-run: python3 journey.py PATH/TO/lockmere
import os
import re
import sqlite3
import subprocess
import sys
import tempfile

from dogtail.config import config

config.checkForA11y = False  # the private session turns accessibility on for the program itself
config.searchShowingOnly = True
config.searchCutoffCount = 60  # a sanitizer build on a busy machine takes a while to start
from dogtail import tree  # noqa: E402


def log_in(app, user, password):
    app.child(roleName="text", name="User Name").text = user
    app.child(roleName="password text", name="Password").text = password
    app.button("Log In").doActionNamed("Press")
    app.child(roleName="frame", name=user)


home = tempfile.mkdtemp(prefix="lockmere-e2e-")
program = subprocess.Popen([sys.argv[1]], env=dict(  # on the X display even when run offscreen
    os.environ, HOME=home, LC_ALL="C.UTF-8", QT_QPA_PLATFORM="xcb",
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_RUNTIME_DIR=home))
try:
    app = tree.root.application("Lockmere")
    app.button("Log In")
    db = sqlite3.connect(os.path.join(home, "Documents", "Lockmere.sqlite3"), isolation_level=None)
    db.execute("INSERT INTO LM_USER(User,Password,IsRoot) VALUES('anna','anna-pw',0)")
    db.execute("INSERT INTO LM_PASSWORD VALUES(1,1,1,'Bank','root-user','r00t-secret','','')")
    log_in(app, "root", "tiwe")
    app.child(roleName="alert", name="root still has its published password")
    app.button("Later").doActionNamed("Press")
    # A file that KeePassXC 2.7.4 exported, chosen in the file dialog and imported after the summary.
    app.menuItem("File").doActionNamed("ShowMenu")
    app.menuItem("Import…").click()  # a mouse click: the dialog it opens holds up an AT-SPI reply
    dialog = app.child(roleName="dialog", name="Import Passwords")
    dialog.child(roleName="text", name="File name:").text = os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "keepassxc-2.7.4-export.csv")
    dialog.button("Open").doActionNamed("Press")
    app.button("Import").doActionNamed("Press")
    imported = db.execute("SELECT c.Category, p.Title, p.Password FROM LM_PASSWORD p JOIN "
                          "LM_CATEGORY c ON c.ID = p.CategoryID WHERE p.ID > 1 ORDER BY p.ID").fetchall()
    if imported != [("Other", "Bäckerei Müller", "käse"), ("Email", "Work mail", 's3c"r,et'),
                    ("Router", "Home Router", "r0uter")]:
        sys.exit(f"FAIL: the KeePassXC file imported as {imported}")
    # Found from the search field, without choosing a category, and opened.
    app.child(roleName="text", name="Search all entries").text = "BAN"
    app.child(roleName="table cell", name="Email")  # the result's category
    app.child(roleName="table cell", name="Bank").click()
    app.menuItem("Entry").doActionNamed("ShowMenu")
    app.menuItem("Copy Password").click()
    said = [label.name for label in app.child(roleName="status bar").findChildren(
        lambda node: node.roleName == "label")]
    if not any(re.fullmatch(r"Password copied; clears in (10|9) s", name) for name in said):
        sys.exit(f"FAIL: the copy was not said where a screen reader reads it: {said}")
    app.child(roleName="table cell", name="Bank").doubleClick()
    if app.child(roleName="text", name="Title").text != "Bank":
        sys.exit("FAIL: the search result did not open in the editor")
    app.button("Log Out").doActionNamed("Press")
    log_in(app, "anna", "anna-pw")
    texts = [n.text or n.name for n in app.findChildren(lambda n: True)]
    left = [t for t in texts if "r00t" in t or "root" in t or t in ("Bank", "Save", "BAN")]
    if left:
        sys.exit(f"FAIL: anna sees what root left: {left}")
    # The screen locks: the session ends as at Log Out and the login window is back.
    subprocess.run(["dbus-send", "--session", "--type=signal", "/org/freedesktop/ScreenSaver",
                    "org.freedesktop.ScreenSaver.ActiveChanged", "boolean:true"], check=True)
    app.button("Log In")
    if app.findChildren(lambda n: n.roleName == "frame" and n.name == "anna"):
        sys.exit("FAIL: anna is still logged in after the screen locked")
    if os.environ.get("LOCKMERE_RELEASE_BUILD") != "1":
        sys.exit(None)  # debug and sanitizer builds keep their core dumps
    with open(f"/proc/{program.pid}/limits") as limits:
        core = [line.split()[4:6] for line in limits if line.startswith("Max core file size")]
    if core != [["0", "0"]]:
        sys.exit(f"FAIL: a crash may dump the passwords: core size {core}")
finally:
    program.terminate()
    program.wait(timeout=10)
