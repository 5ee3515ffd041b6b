"""The private session the end-to-end journeys run in: an Xvfb display of its
own, a session bus and accessibility registry (dbus-run-session, at-spi2-core)
on it, and the lockmere binary started there with a home folder of its own.
"""

import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

from desktop import Fatal, JourneyFailure, wait_for

SKIP = 77
SYSTEM_PYTHON = "/usr/bin/python3"
OVERALL_TIMEOUT = 170  # seconds for the whole run, a safety net only
# What the session bus and the accessibility registry say as they start.
NOISE = ("dbus-daemon[", "SpiRegistry daemon is running")


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


def run_outside(binary, script):
    """Checks the tools, starts Xvfb, and runs `script --inside BINARY` under
    dbus-run-session on that display, passing on what it prints."""
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
                ["dbus-run-session", "--", SYSTEM_PYTHON, os.path.abspath(script),
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
