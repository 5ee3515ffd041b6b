#!/usr/bin/python3
"""Takes the README's screenshots of the real program on a private X display.

    xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- \\
        /usr/bin/python3 tools/screenshots.py build/app/lockmere docs/screenshots [LANGUAGE] [SCALE]

LANGUAGE is a locale such as de_DE (default en_US), SCALE is QT_SCALE_FACTOR (default 1).
"""
import os
import sqlite3
import subprocess
import sys
import tempfile
import time

from dogtail.config import config

config.checkForA11y = False
config.searchShowingOnly = True
from dogtail import tree  # noqa: E402

program, out = sys.argv[1], sys.argv[2]
language = sys.argv[3] if len(sys.argv) > 3 else "en_US"
scale = sys.argv[4] if len(sys.argv) > 4 else "1"
suffix = "" if (language, scale) == ("en_US", "1") else f"-{language}-{scale}x"
os.makedirs(out, exist_ok=True)


def shot(name):
    time.sleep(0.6)  # let the window finish painting
    path = os.path.join(out, f"{name}{suffix}.png")
    subprocess.run(["import", "-window", "root", path], check=True)
    # The window sits in the corner of an empty black screen: keep the window only.
    subprocess.run(["convert", path, "-trim", "+repage", path], check=True)


home = tempfile.mkdtemp(prefix="lockmere-shots-")
app_process = subprocess.Popen([program], env=dict(
    os.environ, HOME=home, LANG=f"{language}.UTF-8", LC_ALL=f"{language}.UTF-8",
    LANGUAGE=language, QT_QPA_PLATFORM="xcb", QT_SCALE_FACTOR=scale,
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_RUNTIME_DIR=home))
try:
    app = tree.root.application("Lockmere")
    app.child(roleName="password text")
    db = sqlite3.connect(os.path.join(home, "Documents", "Lockmere.sqlite3"), isolation_level=None)
    db.execute("UPDATE LM_USER SET Password='correct horse' WHERE User='root'")
    entries = [
        (2, "Bäckerei Müller online shop", "mueller@example.org", "https://shop.example.org"),
        (2, "Library", "anna.k", "https://library.example.net/account/login?return=/loans"),
        (2, "Weather service with a rather long name that does not fit", "anna", ""),
        (2, "Αθήνα ticket office", "anna", "https://tickets.example.jp"),
        (1, "Work mail", "anna@work.example", "imaps://mail.work.example"),
    ]
    for category, title, user, http in entries:
        db.execute("INSERT INTO LM_PASSWORD(UserID,CategoryID,Title,User,Password,Http,Memo) "
                   "VALUES(1,?,?,?,'s3cret',?,'')", (category, title, user, http))
    subprocess.run(["xdotool", "type", "--delay", "20", "root"], check=True)
    subprocess.run(["xdotool", "key", "Tab"], check=True)
    subprocess.run(["xdotool", "type", "--delay", "20", "correct horse"], check=True)
    shot("login")
    subprocess.run(["xdotool", "key", "Return"], check=True)
    frame = app.child(roleName="frame", name="root")
    buttons = frame.findChildren(lambda n: n.roleName == "push button")
    buttons[3].doActionNamed("Press")  # Users, Log Out, then the categories: Website
    shot("main")
    # From the keyboard, which works at any scale: find the entry, go to the result, open it.
    for step in (["key", "ctrl+f"], ["type", "--delay", "20", "shop"], ["key", "Down"],
                 ["key", "Return"]):
        subprocess.run(["xdotool", *step], check=True)
        time.sleep(0.3)
    if scale == "1":  # room enough to show the generator's options too
        subprocess.run(["xdotool", "key", "Tab", "Tab", "Tab", "Tab", "space"], check=True)
    shot("editor")
finally:
    app_process.terminate()
    app_process.wait(timeout=10)
