"""What a person sees and does: windows, controls, tables and alerts of the
program under test, found and read through the accessibility interface
(AT-SPI) and the X window list, the way a screen reader meets them.
"""

import os

from desktop import (
    JourneyFailure,
    center,
    check_equal,
    click_at,
    find_windows,
    focused_window,
    is_focused,
    is_showing,
    role,
    screenshot,
    table_cells,
    table_headers,
    walk,
    wait_for,
    xdotool,
)


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

    def list_box_reads(self, table_name, headers, count_description, count, add, remove):
        """A list box as a screen reader meets it: the list's headers, the
        number of rows, and the + and − buttons named and with tool tips."""
        check_equal(table_headers(self.table(table_name)), headers,
                    f"the headers of {table_name}")
        check_equal(self.count_label(count_description).name, count, count_description)
        for button in (add, remove):
            check_equal(self.find("push button", button).description, button,
                        f"the tool tip of {button}")

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
