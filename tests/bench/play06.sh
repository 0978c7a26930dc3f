#!/usr/bin/env bash
# Plays exercise 06 under a private X server with real mouse events (xdotool: press, moves,
# release), from the menu to the results table: on every page seven cards are carried into the two
# columns in turn (so some are right and some wrong), one is placed and sent home by a double click,
# one stays home; then the check and continue. Screenshots (PNG) of a page being filled, each checked
# page, the correct-answer window of every placed card's evaluation image while it is held, and the
# results table go to OUT; the results table file and the results log are printed at the end. Before
# the first page is played, card 9 is dragged round 300 times and the time from each X pointer
# motion to the screen's drawing is printed (tests/bench/drag_frames.cpp).
# Hand-run, not part of the suite:
#
#   tests/bench/play06.sh <build-dir> <out-dir> [cards: 9 18 27 36 45] [WIDTHxHEIGHT]
set -euo pipefail

if [ $# -lt 2 ]; then
    echo "usage: $0 <build-dir> <out-dir> [9|18|27|36|45] [WIDTHxHEIGHT]" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
cards=${3:-9}
size=${4:-1280x960}

work=$(mktemp -d "${TMPDIR:-/tmp}/brevion-play06.XXXXXX")
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

shot() { import -window root "$out/$1.png"; }
g++ -O2 -std=c++20 -o "$work/drag_frames" "$root/tests/bench/drag_frames.cpp" -lX11 -lXdamage -lXtst

# drag X0 Y0 X1 Y1: press at one canvas point, move there in steps, release.
drag() {
    local x0=$1 y0=$2 x1=$3 y1=$4 i
    # shellcheck disable=SC2046
    xdotool mousemove $(at "$x0" "$y0") mousedown 1
    for i in 1 2 3 4 5 6 7 8; do
        # shellcheck disable=SC2046
        xdotool mousemove $(at $((x0 + (x1 - x0) * i / 8)) $((y0 + (y1 - y0) * i / 8)))
        sleep 0.02
    done
    xdotool mouseup 1
    sleep 0.2
}

# The home places of the nine cards (their centres), the slots' centres and the evaluation images.
homes=(0 "121 389" "301 389" "481 389" "141 422" "321 422" "501 422" "161 455" "341 455" "521 455")
slot() { local k=$1; if [ "$k" -le 7 ]; then echo "170 $((146 + 32 * (k - 1)))"; else echo "470 $((146 + 32 * (k - 8)))"; fi; }
image() { local k=$1; if [ "$k" -le 7 ]; then echo "277 $((146 + 32 * (k - 1)))"; else echo "577 $((146 + 32 * (k - 8)))"; fi; }

start_x play "$size"
export DISPLAY=$display_play
canvas_geometry "$size"
launch "$work/program.log"

click 320 240 1.5 # the intro goes: the menu
click 158 227     # category 2
click 483 287 2.5 # exercise 06: its setup screen
click 504 343
xdotool type Eva
case $cards in
9) click 150 267 ;;
18) click 225 307 ;;
27) click 224 384 ;;
36) click 149 423 ;;
45) click 73 384 ;;
*) echo "$0: $cards cards cannot be chosen" >&2; exit 2 ;;
esac
sleep 2
click 547 468 2 # continue: the first page

# Card 9 carried round and round over the page and back home: the time from each pointer motion to
# the screen's drawing.
echo "== dragging card 9 (X pointer motion to the first drawing)"
# shellcheck disable=SC2046
"$work/drag_frames" $(at 521 455) 300 $((140 * factor))

pages=$((cards / 9))
for page in $(seq "$pages"); do
    # Cards 1 to 7 into slots 1, 8, 2, 9, ... (left, right in turn).
    for c in 1 2 3 4 5 6 7; do
        if [ $((c % 2)) -eq 1 ]; then k=$(((c + 1) / 2)); else k=$((7 + c / 2)); fi
        # shellcheck disable=SC2046
        drag ${homes[$c]} $(slot "$k")
        if [ "$page" -eq 1 ] && [ "$c" -eq 4 ]; then
            # A card held over the columns, for the picture of a page being filled.
            read -r hx hy <<<"${homes[8]}"
            # shellcheck disable=SC2046
            xdotool mousemove $(at "$hx" "$hy") mousedown 1 mousemove $(at 330 300) mousemove $(at 350 290)
            sleep 0.3
            shot "page1-filling"
            xdotool mouseup 1
            sleep 0.3
        fi
    done
    # Card 8 placed in slot 7 and sent home by a double click; card 9 stays home.
    # shellcheck disable=SC2046
    drag ${homes[8]} $(slot 7)
    # shellcheck disable=SC2046
    xdotool mousemove $(at $(slot 7)) click --repeat 2 --delay 80 1
    sleep 0.3
    click 318 42 2 # check
    shot "page$page-checked"
    if [ "$page" -eq 1 ]; then
        for k in 1 2 3 4 8 9 10; do
            # shellcheck disable=SC2046
            xdotool mousemove $(at $(image "$k")) mousedown 1
            sleep 0.3
            shot "page1-answer-slot$k"
            xdotool mouseup 1
            sleep 0.2
        done
    fi
    click 567 468 2 # continue
done
sleep 1
shot "results-table"
kill -0 "$pid" 2>/dev/null || { echo "the program ended early:"; tail -n5 "$work/program.log"; exit 1; }
hd="$XDG_DATA_HOME/brevion"
echo "== P06.res"
iconv -f CP1250 -t UTF-8 "$hd/P06.res" | cat -A | head -5
echo "== Vysledky.dat"
iconv -f CP1250 -t UTF-8 "$hd/Vysledky.dat" | cat -A
stop "$pid"
pid=
