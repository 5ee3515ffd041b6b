#!/usr/bin/env bash
# The real program on a private X display with its own session bus and accessibility registry,
# driven as a person or a screen reader drives it. Skipped (77) only where Xvfb is missing.
set -euo pipefail
command -v xvfb-run >/dev/null || { echo "SKIP: xvfb-run is not installed"; exit 77; }
exec xvfb-run -a -s "-screen 0 1280x800x24 -noreset" \
  dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/journey.py" "$1"
