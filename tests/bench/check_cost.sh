#!/usr/bin/env bash
# What one copy of the program costs a terminal server (hand-run, not run by CI):
#  - processor time of the program and of the X server per check of a page of exercise 01 (ten
#    rows, the continue button's animation), and the time from the click to the last frame drawn,
#    full screen on private X servers of 640x480, 1280x960 and 1920x1080 (ROUNDS starts of three
#    checks each, with their median);
#  - picture files opened and bytes read from the installation tree in a run of ten examples (strace);
#  - resident memory on the setup screen before and after printing a worksheet;
#  - the size of the installed tree.
#
#   [ROUNDS=n] tests/bench/check_cost.sh <build-dir> [sizes...]
set -euo pipefail

if [ $# -lt 1 ]; then
    echo "usage: $0 <build-dir> [WIDTHxHEIGHT...]" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
shift
sizes=("${@:-640x480}")
[ $# -eq 0 ] && sizes=(640x480 1280x960 1920x1080)

work=$(mktemp -d "${TMPDIR:-/tmp}/brevion-cost.XXXXXX")
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    for v in ${!xpid_*}; do kill "${!v}" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# shellcheck source=lib.sh
source "$root/tests/bench/lib.sh"

ms() { awk -v n="$1" 'BEGIN {printf "%.1f", n / 1e6}'; }

# Each size gets ROUNDS starts of the program (3 by default) with three checks each: one check's
# figure varies by a millisecond or more from one to the next on a virtual machine, so the summary
# gives the median and the quartiles of all of them.
rounds=${ROUNDS:-3}
summary() { # label, then one figure in nanoseconds per line on standard input
    sort -n | awk -v label="$1" '{a[NR] = $1 / 1e6}
        END {if (NR) printf "%s median %.2f (quartiles %.2f-%.2f, %d checks)", label, a[int((NR + 1) / 2)],
            a[int((NR + 3) / 4)], a[int((3 * NR + 1) / 4)], NR}'
}
echo "== processor time per check (program / X server, ms) and click to last frame (ms)"
for size in "${sizes[@]}"; do
    name=${size/x/_}
    start_x "$name" "$size"
    xpid_var=xpid_$name display_var=display_$name
    xpid=${!xpid_var}
    export DISPLAY=${!display_var}
    canvas_geometry "$size"
    : >"$work/checks-$name"
    for round in $(seq "$rounds"); do
        launch "$work/program-$name.log"
        to_exercise 30
        for page in 1 2 3; do
            # shellcheck disable=SC2046
            xdotool mousemove $(at "${check_button[@]}")
            sleep 0.4
            cpu_start "$pid"
            x0=$(cpu_snap "$xpid")
            # shellcheck disable=SC2046
            frame=$("$work/click_frames" $(at "${check_button[@]}"))
            p1=$(cpu_stop "$pid") x1=$(cpu_since "$x0" "$xpid")
            printf '%-10s round %d check %d: program %6s  X server %6s  last frame %6s\n' "$size" "$round" \
                "$page" "$(ms "$p1")" "$(ms "$x1")" "$frame"
            echo "$p1 $x1" >>"$work/checks-$name"
            [ "$page" -lt 3 ] && click "${continue_button[@]}" 1
        done
        if [ "$round" -eq "$rounds" ]; then
            cpu_start "$pid"
            x0=$(cpu_snap "$xpid")
            sleep 5
            p1=$(cpu_stop "$pid") x1=$(cpu_since "$x0" "$xpid")
            printf '%-10s idle 5 s: program %s ms, X server %s ms\n' "$size" "$(ms "$p1")" "$(ms "$x1")"
        fi
        kill -0 "$pid" 2>/dev/null || { echo "the program ended early:"; tail -n5 "$work/program-$name.log"; }
        stop "$pid"
        pid=
    done
    # A check perf could not count ("nan") is left out of the summary.
    printf '%-10s %s; %s\n' "$size" \
        "$(awk '$1 ~ /^[0-9]+$/ {print $1}' "$work/checks-$name" | summary "program")" \
        "$(awk '$2 ~ /^[0-9]+$/ {print $2}' "$work/checks-$name" | summary "X server")"
    kill "$xpid"
done

echo "== a run of ten under strace (files of the installation tree)"
start_x strace 1280x960
export DISPLAY=$display_strace
canvas_geometry 1280x960
strace -f -qq -e trace=openat,read,pread64,close -o "$work/strace.log" "$program" 2>/dev/null &
pid=$!
sleep 3
to_exercise 10
# shellcheck disable=SC2046
xdotool mousemove $(at "${check_button[@]}")
sleep 1
click "${check_button[@]}" 3
click "${continue_button[@]}" 3
stop "$(pgrep -P "$pid")" # the program; strace then ends with it
wait "$pid" || true
pid=
# Opens of files under the tree, and the bytes read through those descriptors.
awk -v tree="$build/tree/" '
    /openat\(/ && (index($0, tree) || /\.ttf"/) {
        n = split($0, q, "\""); path = q[2]
        if (match($0, /= [0-9]+$/)) { fd = substr($0, RSTART + 2); open[$1 " " fd] = path
            if (path ~ /\.ttf$/) { fontOpens++; next }
            opens++; files[path] = 1; if (path ~ /\.bmp/) bmp++ }
        next
    }
    /(read|pread64)\(/ {
        split($2, a, "("); key = $1 " " a[2]; sub(/,.*/, "", key)
        if ((key in open) && match($0, /= [0-9]+$/)) {
            if (open[key] ~ /\.ttf$/) { fontReads++; fontBytes += substr($0, RSTART + 2) }
            else bytes += substr($0, RSTART + 2)
        }
        next
    }
    /close\(/ { split($2, a, "("); key = $1 " " a[2]; sub(/\).*/, "", key); delete open[key] }
    END {
        distinct = 0; for (f in files) distinct++
        printf "opens of tree files: %d (%d distinct, %d of pictures), bytes read from them: %d\n", opens, distinct, bmp, bytes
        printf "font files: %d opens, %d reads, %d bytes\n", fontOpens, fontReads, fontBytes
    }' "$work/strace.log"
kill "$xpid_strace"

echo "== resident memory around a printed worksheet (KiB)"
start_x print 1280x960
export DISPLAY=$display_print
launch "$work/program-print.log"
to_setup 10
echo "setup screen, before printing: VmRSS $(rss_kib "$pid")  Pss $(pss_kib "$pid")"
click 95 468 4 # print
xdotool key Return # the notice of where the sheet went, closed
sleep 1
echo "after the first worksheet:     VmRSS $(rss_kib "$pid")  Pss $(pss_kib "$pid")"
stop "$pid"
pid=
kill "$xpid_print"

echo "== installation tree"
[ -f "$build/cmake_install.cmake" ] || { echo "(no install rules in $build)"; exit 0; }
cmake --install "$build" --strip --prefix "$work/installed" >/dev/null # stripped, as the package is
echo "installed: $(du -sb "$work/installed" | cut -f1) bytes, of which pictures $(du -sbc $(find "$work/installed" -type d -name Bitmap) | tail -n1 | cut -f1)"
