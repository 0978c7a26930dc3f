#!/usr/bin/env bash
# Start-up of the real program on a private X server (1280x1024, no window manager):
#  - the time from exec to the window being mapped, median of N runs (default 10);
#  - resident memory (VmRSS, VmHWM) with the menu shown, and with an exercise page shown.
# The data roots are prepared in a temporary home, as the run command does. Not run by CI.
#
#   tests/bench/startup.sh <build-dir> [runs]
set -euo pipefail

if [ $# -lt 1 ]; then
    echo "usage: $0 <build-dir> [runs]" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
runs=${2:-10}
program="$build/shell/brevion"
[ -x "$program" ] || { echo "$0: $program is not built" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/brevion-bench.XXXXXX")
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
"$root/scripts/prepare-data.sh" "$build" >/dev/null
g++ -O2 -std=c++20 -o "$work/map_time" "$root/tests/bench/map_time.cpp" -lX11

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
export DISPLAY=":$(head -n1 "$work/display")" SDL_VIDEODRIVER=x11

# Ends the program with SIGTERM (its normal end) and waits until it is gone.
stop() {
    kill -TERM "$1"
    while kill -0 "$1" 2>/dev/null; do sleep 0.05; done
}
# A click at a point of the canvas (factor 2, 32 rows down on this screen).
click() {
    xdotool mousemove $((2 * $1)) $((32 + 2 * $2)) click 1
    sleep "${3:-0.7}"
}
memory() {
    printf '%-22s %s\n' "$1" "$(grep -E '^Vm(RSS|HWM)' "/proc/$2/status" | tr -s ' \t' ' ' | paste -sd' ')"
}

times=()
for _ in $(seq "$runs"); do
    { read -r ms; read -r pid; } < <("$work/map_time" "$program")
    times+=("$ms")
    sleep 0.3
    stop "$pid"
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
echo "exec to window mapped, ms (${runs} runs): $(echo $sorted)"
echo "median: $(printf '%s\n' $sorted | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}') ms"

{ read -r ms; read -r pid; } < <("$work/map_time" "$program")
sleep 1
click 320 240 1 # the intro goes: the menu
memory "menu shown:" "$pid"
click 158 166   # category 1
click 483 180   # exercise 01: its setup screen
click 504 343   # the name field
xdotool type Eva
click 150 267   # ten examples
click 547 468 1 # continue: the first page of exercise 01
memory "exercise page shown:" "$pid"
stop "$pid"
