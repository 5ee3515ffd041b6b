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

import os
import sys
import tempfile
import time
import traceback

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from accounts import AccountJourneys  # noqa: E402
from desktop import JourneyFailure, describe  # noqa: E402
from entries import EntryJourneys  # noqa: E402
from screen import Screen  # noqa: E402
from session import Program, run_outside  # noqa: E402

# The files whose lines a failure's "at" line names (desktop.py's are left out).
SOURCES = {os.path.join(os.path.dirname(os.path.abspath(__file__)), name)
           for name in ("journeys.py", "accounts.py", "entries.py", "steps.py", "screen.py",
                        "session.py")}


class Journeys(AccountJourneys, EntryJourneys):
    """All the journeys, on one program and one screen."""


JOURNEYS = [
    ("a first start creates the file and shows an empty login window", "first_start"),
    ("a refused login shakes the window and leaves it where it was", "refused_login_shakes"),
    ("root logs in", "root_logs_in"),
    ("root adds an ordinary account and an administrator", "root_adds_accounts"),
    ("an ordinary account adds, edits, moves and deletes entries",
     "ordinary_account_keeps_entries"),
    ("an ordinary account sees only its own password", "ordinary_account_sees_only_its_own_password"),
    ("root cannot delete an account that owns entries", "root_cannot_delete_an_account_with_entries"),
    ("a logout leaves nothing for the next account", "logout_and_second_login"),
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
                                 if frame.filename in SOURCES]
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


def main(argv):
    if len(argv) == 3 and argv[1] == "--inside":
        return run_inside(os.path.abspath(argv[2]))
    if len(argv) != 2:
        print(__doc__)
        return 2
    return run_outside(os.path.abspath(argv[1]), __file__)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
