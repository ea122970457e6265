#!/usr/bin/env bash
# Runs the screen-reader test: the built program on an X display of its own, inside a private
# D-Bus session with the accessibility bus, read by atspi_test.py. Usage: run.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")

# Xvfb picks a free display number itself and writes it to the pipe, so parallel runs never collide.
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true' EXIT
read -r -t 20 -u "$displayfd" number || { echo "Xvfb did not start"; exit 1; }

DISPLAY=":$number" PROGRAM="$program" HERE="$here" timeout 150 dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    trap "kill $launcher 2>/dev/null" EXIT
    /usr/bin/python3 "$HERE/atspi_test.py" "$PROGRAM"
'
