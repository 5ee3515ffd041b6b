"""A private X display and session bus, and the means a person (or a screen
reader) has to use a program on it: the keyboard and mouse through xdotool,
the accessibility tree through AT-SPI (pyatspi), window geometry through
xdotool, screenshots through ImageMagick's `import`.

Nothing here knows the program's internals: controls are found by their
accessible role and name, as a screen reader finds them.
"""

import ctypes
import ctypes.util
import os
import re
import subprocess
import time

DEFAULT_TIMEOUT = 10.0
TRACE = bool(os.environ.get("LOCKMERE_E2E_TRACE"))


class JourneyFailure(AssertionError):
    """A step of a journey did not see what a person should see."""


class Fatal(JourneyFailure):
    """A failure that no amount of waiting mends (the program has exited)."""


def wait_for(condition, what, timeout=DEFAULT_TIMEOUT, interval=0.05):
    """Polls `condition` until it returns something truthy and returns that.

    Exceptions raised by `condition` while polling count as "not yet" (the
    accessibility tree changes under our feet); the last one is reported
    when time runs out.
    """
    started = time.monotonic()
    deadline = started + timeout
    last_error = None
    while True:
        try:
            value = condition()
            if value:
                if TRACE:
                    print(f"       [{time.monotonic() - started:5.2f}s] {what}", flush=True)
                return value
        except Fatal:
            raise
        except Exception as error:  # noqa: BLE001 - anything else counts as "not yet"
            last_error = error
        if time.monotonic() >= deadline:
            detail = f" (last error: {last_error!r})" if last_error else ""
            raise JourneyFailure(f"timed out after {timeout:.0f}s waiting for {what}{detail}")
        time.sleep(interval)


def check(condition, message):
    if not condition:
        raise JourneyFailure(message)


def check_equal(seen, expected, what):
    if seen != expected:
        raise JourneyFailure(f"{what}: expected {expected!r}, saw {seen!r}")


# --- Keyboard and mouse -------------------------------------------------------

def xdotool(*args):
    started = time.monotonic()
    result = subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=20)
    if TRACE:
        print(f"       [{time.monotonic() - started:5.2f}s] xdotool {' '.join(args)}", flush=True)
    if result.returncode != 0:
        raise JourneyFailure(f"xdotool {' '.join(args)} failed: {result.stderr.strip()}")
    return result.stdout.strip()


def type_text(text):
    """Types `text` on the keyboard into whatever has the keyboard focus."""
    xdotool("type", "--delay", "15", "--", text)


def key(*names):
    """Presses keys one after the other, e.g. key("Tab"), key("ctrl+a", "BackSpace")."""
    xdotool("key", "--delay", "30", *names)


_last_click = [0.0]
DOUBLE_CLICK_PAUSE = 0.6  # longer than the toolkit's double-click interval (0.4s)


def click_at(x, y, double=False):
    # Not `mousemove --sync`: it waits for a motion that never comes when the
    # pointer is there already.
    xdotool("mousemove", str(x), str(y))
    wait_for(lambda: xdotool("getmouselocation", "--shell").split()[:2] == [f"X={x}", f"Y={y}"],
             f"the pointer at {x},{y}")
    # Two single clicks in quick succession would make a double click.
    pause = _last_click[0] + DOUBLE_CLICK_PAUSE - time.monotonic()
    if pause > 0:
        time.sleep(pause)
    xdotool("click", *(["--repeat", "2", "--delay", "80"] if double else []), "1")
    _last_click[0] = time.monotonic()


# --- Windows --------------------------------------------------------------------

def find_windows(title_regex, pid=None):
    """Visible top-level X windows whose title matches `title_regex`."""
    args = ["search", "--all", "--onlyvisible"]
    if pid is not None:
        args += ["--pid", str(pid)]
    args += ["--name", title_regex]
    result = subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=20)
    return [int(w) for w in result.stdout.split()]


def window_geometry(window):
    """(x, y, width, height) of an X window, as `xdotool getwindowgeometry` reports it."""
    out = xdotool("getwindowgeometry", str(window))
    pos = re.search(r"Position: (-?\d+),(-?\d+)", out)
    size = re.search(r"Geometry: (\d+)x(\d+)", out)
    if not pos or not size:
        raise JourneyFailure(f"unreadable geometry: {out!r}")
    return (int(pos.group(1)), int(pos.group(2)), int(size.group(1)), int(size.group(2)))


def window_name(window):
    return xdotool("getwindowname", str(window))


def focused_window():
    return int(xdotool("getwindowfocus", "-f"))


class _XClientMessageEvent(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("data", ctypes.c_long * 5),
    ]


class _XEvent(ctypes.Union):
    _fields_ = [("xclient", _XClientMessageEvent), ("pad", ctypes.c_long * 24)]


def close_window(window):
    """Asks a window to close as a window manager's close button does: a
    WM_DELETE_WINDOW client message (there is no window manager on the
    private display to do it)."""
    x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(_XEvent)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        raise JourneyFailure("cannot open the X display to close a window")
    try:
        event = _XEvent()
        event.xclient.type = 33  # ClientMessage
        event.xclient.window = window
        event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
        event.xclient.format = 32
        event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
        event.xclient.data[1] = 0  # CurrentTime
        x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
        x11.XFlush(display)
    finally:
        x11.XCloseDisplay(display)


def screenshot(window, path):
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    subprocess.run(["import", "-window", str(window), path], check=True, timeout=30,
                   capture_output=True)


# --- The accessibility tree -----------------------------------------------------

_pyatspi = None


def atspi():
    global _pyatspi
    if _pyatspi is None:
        import pyatspi  # only on the system interpreter: /usr/bin/python3
        _pyatspi = pyatspi
    return _pyatspi


def role(node):
    return node.getRoleName()


def is_showing(node):
    return node.getState().contains(atspi().STATE_SHOWING)


def is_focused(node):
    return node.getState().contains(atspi().STATE_FOCUSED)


def is_checked(node):
    return node.getState().contains(atspi().STATE_CHECKED)


def is_enabled(node):
    return node.getState().contains(atspi().STATE_ENABLED)


def text_of(node):
    """The text a screen reader reads from a text control."""
    text = node.queryText()
    return text.getText(0, -1)


def walk(node, showing_only=True, max_children=400):
    """Every descendant of `node` (depth first), only the ones on show by default."""
    stack = [node]
    while stack:
        current = stack.pop()
        yield current
        try:
            count = current.childCount
        except Exception:  # noqa: BLE001 - gone while we looked
            continue
        if count > max_children:
            continue
        children = []
        for i in range(count):
            try:
                child = current.getChildAtIndex(i)
            except Exception:  # noqa: BLE001
                child = None
            if child is None:
                continue
            try:
                if showing_only and not is_showing(child):
                    continue
            except Exception:  # noqa: BLE001
                continue
            children.append(child)
        stack.extend(reversed(children))


def describe(node, depth=0, lines=None):
    """The showing tree as text, for failure messages."""
    if lines is None:
        lines = []
    try:
        extra = ""
        try:
            extra = f" text={text_of(node)!r}"
        except NotImplementedError:
            pass
        lines.append("  " * depth + f"{role(node)} {node.name!r}{extra}")
        if node.childCount <= 400:
            for child in node:
                if child is not None and is_showing(child):
                    describe(child, depth + 1, lines)
    except Exception as error:  # noqa: BLE001
        lines.append("  " * depth + f"<unreadable: {error!r}>")
    return "\n".join(lines)


def press(node):
    """Presses a control through its accessible action, as a screen reader does."""
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "Toggle", "toggle", "click"):
            action.doAction(i)
            return
    raise JourneyFailure(f"{role(node)} {node.name!r} has no press action")


def focus(node):
    """Moves the keyboard focus to a control through its accessible action."""
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == "SetFocus":
            action.doAction(i)
            return
    raise JourneyFailure(f"{role(node)} {node.name!r} has no SetFocus action")


def labelled_by(node):
    """The names of the labels a control is labelled by (the label-for relation)."""
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == atspi().RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                names.append(relation.getTarget(i).name)
    return names


def set_text(node, text):
    node.queryEditableText().setTextContents(text)


def center(node):
    """Screen coordinates of the middle of a control."""
    ext = node.queryComponent().getExtents(atspi().DESKTOP_COORDS)
    return ext.x + ext.width // 2, ext.y + ext.height // 2


def table_cells(node):
    """The table's rows as lists of cell names, as a screen reader reads them."""
    table = node.queryTable()
    rows = []
    for r in range(table.nRows):
        rows.append([table.getAccessibleAt(r, c).name for c in range(table.nColumns)])
    return rows


def table_headers(node):
    """The column headers a screen reader announces, left to right."""
    return [child.name for child in node if child is not None and
            role(child) == "table column header"]
