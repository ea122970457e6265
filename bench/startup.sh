#!/usr/bin/env bash
# Start-up time and resident memory of the real program, measured from outside it under
# Xvfb: five starts timed from launch to the menu window on screen, then the memory with
# all seven windows open. Usage: bench/startup.sh PROGRAM OUT.json
set -euo pipefail
prog=${1:-build-release/palettra}
out=${2:-build/startup.json}
runs=5

# A display of our own: another server on it would bring windows of its own.
n=$((100 + RANDOM % 100))
while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
disp=:$n
# -noreset: a server resets when its last client leaves, and the program, started just after the
# readiness check below has left, would find no display while it does.
Xvfb "$disp" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
pid=
trap 'kill $pid $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$disp
# On a busy machine the server can take seconds to come up; a program started before it would find
# no display and never show a window.
for _ in $(seq 400); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
xdpyinfo >/dev/null 2>&1 || { echo "startup.sh: Xvfb did not start within 20 s" >&2; exit 1; }

now_us() { echo $(( $(date +%s%N) / 1000 )); }

# Gives up, rather than hanging, when the screen does not show what is waited for.
deadline() {
    if [ "$(now_us)" -gt $(($1 + 20000000)) ]; then
        echo "startup.sh: $2 within 20 s; giving up" >&2
        exit 1
    fi
}

on_screen() { xdotool search --onlyvisible --class palettra >/dev/null 2>&1; }

# Waits until the program has a window on screen ("shown"), or has none left ("gone", so the
# next start is timed from nothing). One program runs at a time here.
wait_until() {
    local since
    since=$(now_us)
    until { [ "$1" = shown ] && on_screen; } || { [ "$1" = gone ] && ! on_screen; }; do
        deadline "$since" "the window not $1"
        sleep 0.001
    done
}

times=()
for _ in $(seq $runs); do
    start=$(now_us)
    "$prog" >/dev/null 2>&1 &
    pid=$!
    wait_until shown
    times+=($(( $(now_us) - start )))
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    wait_until gone
done
median_us=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")

# All seven windows: press the six menu buttons (the menu's client area starts at 20, 20).
"$prog" >/dev/null 2>&1 &
pid=$!
wait_until shown
for y in 116 204 292 380 468 556; do
    xdotool mousemove 80 "$y" click 1
    sleep 0.3
done
sleep 0.5
windows=$(xdotool search --onlyvisible --class palettra 2>/dev/null | wc -l)
rss_kb=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
kill "$pid"
wait "$pid" 2>/dev/null || true

# Rounded once, so that the table and the JSON give the same figures.
median_ms=$(printf '%.1f' "$(echo "$median_us / 1000" | bc -l)")
rss_mb=$(printf '%.1f' "$(echo "$rss_kb / 1024" | bc -l)")
printf '\n%-34s %8s ms   (runs: %s us)\n' "start-up to menu on screen, median" "$median_ms" "${times[*]}"
printf '%-34s %8s MB   (%s windows on screen)\n' "resident memory, all windows open" "$rss_mb" "$windows"
mkdir -p "$(dirname "$out")"
cat >"$out" <<JSON
{
  "startup_runs_us": [$(IFS=,; echo "${times[*]}")],
  "startup_median_ms": $median_ms,
  "resident_all_windows_mb": $rss_mb,
  "windows_on_screen": $windows
}
JSON
