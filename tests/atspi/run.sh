#!/usr/bin/env bash
# Runs the screen-reader test: the built program on an X display of its own, inside a private D-Bus
# session, read by atspi_test.py, which starts the accessibility bus itself. Usage: run.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
tools=$(realpath "$here/../../tools")

# Xvfb picks a free display number itself and writes it to the pipe, so parallel runs never collide;
# it does not reset when a client leaves, which a client connecting just then would find as no display.
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d -t atspi-test.XXXXXX)
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
read -r -t 20 -u "$displayfd" number || { echo "Xvfb did not start"; exit 1; }

# A home of its own and settings in memory, so that switching accessibility on outlasts nothing.
mkdir -m 700 "$work/runtime"
export HOME=$work XDG_CONFIG_HOME=$work XDG_RUNTIME_DIR=$work/runtime GSETTINGS_BACKEND=memory
# The test reads the Japanese interface, whatever the caller's locale.
export LC_ALL=C.UTF-8
DISPLAY=":$number" PYTHONPATH="$tools" timeout 150 dbus-run-session -- /usr/bin/python3 "$here/atspi_test.py" "$program"
