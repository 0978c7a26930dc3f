#!/usr/bin/env bash
# What printing leaves in the program (hand-run, not run by CI): resident and proportional memory
# on the setup screen of exercise 01 before a worksheet, after it (its notice closed), and after
# two more, and which mappings grew (heap, anonymous, files) between the first and the second
# reading.
#
#   tests/bench/print_memory.sh <build-dir>
set -euo pipefail

if [ $# -lt 1 ]; then
    echo "usage: $0 <build-dir>" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)

work=$(mktemp -d "${TMPDIR:-/tmp}/brevion-print-memory.XXXXXX")
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    [ -n "${xpid_print:-}" ] && kill "$xpid_print" 2>/dev/null
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# shellcheck source=lib.sh
source "$root/tests/bench/lib.sh"

# Resident KiB per mapping: "name kib" per line, anonymous mappings by their kind.
mappings() {
    awk '/^[0-9a-f]+-[0-9a-f]+ / { name = (NF >= 6 ? $6 : "[anonymous]") }
         /^Rss:/ { rss[name] += $2 }
         END { for (n in rss) print n, rss[n] }' "/proc/$1/smaps"
}

print_once() {
    click 95 468 4 # print: the notice says where the sheet went
    xdotool key Return
    sleep 1
}

start_x print 1280x960
export DISPLAY=$display_print
canvas_geometry 1280x960
launch "$work/program.log"
to_setup 10
sleep 1
before=$(rss_kib "$pid")
echo "setup screen, before printing:     VmRSS $before  Pss $(pss_kib "$pid")"
mappings "$pid" >"$work/before"
print_once
after=$(rss_kib "$pid")
echo "after the first worksheet:         VmRSS $after  Pss $(pss_kib "$pid")  (growth $((after - before)) KiB)"
mappings "$pid" >"$work/after"
print_once
print_once
echo "after the third worksheet:         VmRSS $(rss_kib "$pid")  Pss $(pss_kib "$pid")"
echo "mappings that grew by the first worksheet (KiB):"
join -a2 -e0 -o 0,1.2,2.2 <(sort "$work/before") <(sort "$work/after") |
    awk '$3 - $2 >= 16 { printf "  %6d  %s\n", $3 - $2, $1 }' | sort -rn
kill -0 "$pid" 2>/dev/null || { echo "the program ended early:"; tail -n5 "$work/program.log"; }
stop "$pid"
pid=
