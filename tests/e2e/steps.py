"""What the journeys share: the steps several of them take (logging in and out
by keyboard, adding an entry, walking the Tab order, watching the login window
shake), the database read back with the sqlite3 tool, and the faults that are
known and not mended yet.
"""

import json
import subprocess
import time

from desktop import (
    JourneyFailure,
    check,
    check_equal,
    focus,
    is_focused,
    key,
    press,
    set_text,
    text_of,
    type_text,
    wait_for,
    window_geometry,
)

# Faults the journeys see and that are not mended yet: a check marked with one
# of these keys reports the fault instead of failing, and fails as soon as it
# passes, so that the key is removed here and the check guards the mend.
KNOWN_FAULTS = {}
MASK = "******"
ADMIN = "\u2714"  # ✔
ORDINARY = "\u2717"  # ✗


def sql(database, query):
    """Rows of a query, read by the sqlite3 tool as any other program would."""
    result = subprocess.run(["sqlite3", "-readonly", "-json", database, query],
                            capture_output=True, text=True, timeout=20)
    if result.returncode != 0:
        raise JourneyFailure(f"sqlite3 {query!r} failed: {result.stderr.strip()}")
    out = result.stdout.strip()
    return [list(row.values()) for row in json.loads(out)] if out else []


class Steps:
    """The program and its screen, with the steps the journeys share."""

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
                                 "mended: remove it from KNOWN_FAULTS in tests/e2e/steps.py")
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

    def add_entry(self, title, user, password):
        press(self.s.find("push button", "Add Entry"))
        set_text(self.s.field("Title"), title)
        set_text(self.s.field("User Name"), user)
        set_text(self.s.field("Password"), password)
        press(self.s.find("push button", "Save"))
        self.s.absent("push button", "Save")
