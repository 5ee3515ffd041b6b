"""Root leaves an entry open in the editor and logs out; the next account must find nothing of it
on screen. Run by journey.sh: python3 journey.py PATH/TO/lockmere"""
import os
import sqlite3
import subprocess
import sys
import tempfile
import time

import pyatspi


def wait_for(condition, what, timeout=20):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            found = condition()
        except Exception:  # noqa: BLE001 - a node that went while we looked
            found = None
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: waited {timeout}s for {what}")


def showing(node):
    """Every node on show under `node`."""
    stack = [node]
    while stack:
        current = stack.pop()
        yield current
        for child in current:
            if child is not None and child.getState().contains(pyatspi.STATE_SHOWING):
                stack.append(child)


def texts(app):
    seen = []
    for node in showing(app):
        seen.append(node.name or "")
        if "Text" in pyatspi.utils.listInterfaces(node):
            seen.append(node.queryText().getText(0, -1))
    return seen


def find(app, role, name):
    return wait_for(lambda: next(n for n in showing(app)
                                 if n.getRoleName() == role and n.name == name), f"{role} {name}")


def press(node):
    node.queryAction().doAction(0)


def log_in(app, user, password):
    find(app, "text", "User Name").queryEditableText().setTextContents(user)
    find(app, "password text", "Password").queryEditableText().setTextContents(password)
    press(find(app, "push button", "Log In"))
    find(app, "frame", user)


def main(binary):
    home = tempfile.mkdtemp(prefix="lockmere-e2e-")
    env = dict(os.environ, HOME=home, LANG="C.UTF-8", LC_ALL="C.UTF-8", QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_RUNTIME_DIR=home)
    program = subprocess.Popen([binary], env=env)
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_for(lambda: next(a for a in desktop if a.get_process_id() == program.pid),
                       "the program in the accessibility tree")
        find(app, "push button", "Log In")
        with sqlite3.connect(os.path.join(home, "Documents", "Lockmere.sqlite3")) as db:
            db.execute("INSERT INTO LM_USER(User,Password,IsRoot) VALUES('anna','anna-pw',0)")
            db.execute("INSERT INTO LM_PASSWORD(UserID,CategoryID,Title,User,Password,Http,Memo)"
                       " VALUES(1,1,'Bank','root-user','r00t-secret','','')")
        log_in(app, "root", "tiwe")
        press(find(app, "push button", "Email"))
        cell = find(app, "table cell", "Bank")
        box = cell.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", str(box.x + 5), str(box.y + box.height // 2),
                        "click", "--repeat", "2", "--delay", "80", "1"], check=True)
        wait_for(lambda: "r00t-secret" in texts(app), "root's entry open in the editor")
        press(find(app, "push button", "Log Out"))
        log_in(app, "anna", "anna-pw")
        left = [t for t in texts(app) if "r00t" in t or "root" in t or t in ("Bank", "Save")]
        if left:
            sys.exit(f"FAIL: anna sees what root left: {left}")
        print("PASS: a logout leaves nothing for the next account")
    finally:
        program.terminate()
        program.wait(timeout=10)


if __name__ == "__main__":
    main(sys.argv[1])
