#!/usr/bin/env bash
# The opening of the first page of exercise 01 (hand-run, not run by CI): from the click on the
# setup screen's continue button to the last frame drawn, and the program's processor time for
# it, in a fresh program each run (so every picture of the page is read from the tree and decoded
# for the first time). Prints each run and the medians.
#
#   tests/bench/first_page.sh <build-dir> [runs, default 5]
set -euo pipefail

if [ $# -lt 1 ]; then
    echo "usage: $0 <build-dir> [runs]" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
runs=${2:-5}

work=$(mktemp -d "${TMPDIR:-/tmp}/brevion-first-page.XXXXXX")
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    [ -n "${xpid_page:-}" ] && kill "$xpid_page" 2>/dev/null
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# shellcheck source=lib.sh
source "$root/tests/bench/lib.sh"

start_x page 640x480
export DISPLAY=$display_page
canvas_geometry 640x480
: >"$work/frames"
: >"$work/cpu"
for run in $(seq "$runs"); do
    launch "$work/program.log"
    to_setup 10
    # shellcheck disable=SC2046
    xdotool mousemove $(at 547 468)
    sleep 0.5
    cpu_start "$pid"
    # shellcheck disable=SC2046
    frame=$("$work/click_frames" $(at 547 468))
    cpu=$(cpu_stop "$pid")
    printf 'run %d: last frame %s ms, program %.1f ms of processor time\n' "$run" "$frame" "$(awk -v n="$cpu" 'BEGIN {print n / 1e6}')"
    echo "$frame" >>"$work/frames"
    awk -v n="$cpu" 'BEGIN {print n / 1e6}' >>"$work/cpu"
    stop "$pid"
    pid=
done
median() { sort -n "$1" | awk '{v[NR] = $1} END {print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2)}'; }
echo "median: last frame $(median "$work/frames") ms, program $(median "$work/cpu") ms of processor time"
