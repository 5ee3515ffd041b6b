#!/usr/bin/env bash
# Run by install_roundtrip.sh inside xvfb-run: starts the installed
# /usr/bin/lockmere with a fresh HOME, waits for its login window and its
# database file, then ends it.
#
#   run_installed.sh HOME_DIR
set -euo pipefail

export HOME=$1
# A fresh user: the documents folder is $HOME/Documents, the display is X11.
unset QT_QPA_PLATFORM WAYLAND_DISPLAY XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME \
  XDG_STATE_HOME XDG_DOCUMENTS_DIR
export XDG_RUNTIME_DIR="$HOME/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

DATABASE="$HOME/Documents/Lockmere.sqlite3"
LOG="$HOME/lockmere.log"
PID=

fail() {
  echo "FAIL: $*" >&2
  if [ -s "$LOG" ]; then
    echo "--- what lockmere printed:" >&2
    cat "$LOG" >&2
  fi
  exit 1
}

stop_program() {
  if [ -n "$PID" ] && kill -0 "$PID" 2>/dev/null; then
    kill -TERM "$PID" 2>/dev/null || true
    for _ in $(seq 50); do
      kill -0 "$PID" 2>/dev/null || break
      sleep 0.1
    done
    kill -KILL "$PID" 2>/dev/null || true
  fi
}
trap stop_program EXIT

[ ! -e "$DATABASE" ] || fail "$DATABASE exists before the first start"

/usr/bin/lockmere >"$LOG" 2>&1 &
PID=$!

# Like xdotool search --sync, but gives up as soon as the program is gone.
WINDOW=
for _ in $(seq 300); do
  kill -0 "$PID" 2>/dev/null || fail "/usr/bin/lockmere exited before showing a window"
  WINDOW=$(xdotool search --onlyvisible --name '^Lockmere$' 2>/dev/null | head -n 1 || true)
  [ -n "$WINDOW" ] && break
  sleep 0.1
done
[ -n "$WINDOW" ] || fail "no visible window named Lockmere within 30 s"
WINDOW_PID=$(xdotool getwindowpid "$WINDOW") || fail "window $WINDOW has no _NET_WM_PID"
[ "$WINDOW_PID" = "$PID" ] ||
  fail "the Lockmere window belongs to process $WINDOW_PID, not to the started /usr/bin/lockmere ($PID)"
[ "$(readlink "/proc/$PID/exe")" = /usr/bin/lockmere ] ||
  fail "process $PID runs $(readlink "/proc/$PID/exe"), not /usr/bin/lockmere"
echo "window $WINDOW 'Lockmere' shown by /usr/bin/lockmere (pid $PID)"

# Desktops tie the window to the installed desktop file by its class.
DESKTOP_FILE=/usr/share/applications/org.lockmere.Lockmere.desktop
WANTED_CLASS=$(sed -n 's/^StartupWMClass=//p' "$DESKTOP_FILE")
WINDOW_CLASS=$(xprop -id "$WINDOW" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')
[ -n "$WANTED_CLASS" ] || fail "$DESKTOP_FILE has no StartupWMClass"
[ "$WINDOW_CLASS" = "$WANTED_CLASS" ] ||
  fail "the window's class is '$WINDOW_CLASS', the desktop file's StartupWMClass '$WANTED_CLASS'"
echo "window class $WINDOW_CLASS matches StartupWMClass"

for _ in $(seq 100); do
  [ -s "$DATABASE" ] && break
  sleep 0.1
done
[ -s "$DATABASE" ] || fail "$DATABASE was not created within 10 s of the window"
MODE=$(stat -c %a "$DATABASE")
[ "$MODE" = 600 ] || fail "$DATABASE has mode $MODE; it must be readable by its owner only (600)"
echo "database created: $DATABASE ($(stat -c %s "$DATABASE") bytes, mode $MODE)"

kill -0 "$PID" 2>/dev/null || fail "/usr/bin/lockmere exited on its own"
kill -TERM "$PID"
for _ in $(seq 100); do
  kill -0 "$PID" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$PID" 2>/dev/null && fail "/usr/bin/lockmere did not end within 10 s of SIGTERM"
PID=
echo "closed"
