#!/usr/bin/env bash
# Thirty pupils on one terminal server (hand-run, not run by CI): starts N copies of the program
# (default 30), each full screen on its own private X server of 1280x960, and takes them through:
#  1. the menu: every copy sits there for 10 s; their processor time then is the idle cost;
#  2. one copy after the other: the first page of exercise 01 (a run of twenty: two pages of ten),
#     a check, a continue;
#  3. all copies at once: the check of the second page, clicked on every screen together.
# Reported per copy and in total: resident and proportional memory (VmRSS, Pss) in the menu and
# after the check, processor time at idle, per check and per continue (program and its X server),
# and the time from the click to the last frame drawn.
#
#   tests/bench/thirty.sh <build-dir> [copies]
set -euo pipefail

if [ $# -lt 1 ]; then
    echo "usage: $0 <build-dir> [copies]" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
copies=${2:-30}
size=1280x960

work=$(mktemp -d "${TMPDIR:-/tmp}/brevion-thirty.XXXXXX")
pids=()
xpids=()
cleanup() {
    for p in "${pids[@]}" "${xpids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# shellcheck source=lib.sh
source "$root/tests/bench/lib.sh"
canvas_geometry "$size"

ms() { awk -v n="$1" 'BEGIN {printf "%.1f", n / 1e6}'; }
# on I COMMAND...: runs a command against copy I's X server.
on() {
    local i=$1
    shift
    DISPLAY=${displays[$i]} "$@"
}

echo "load before the start: $(cut -d' ' -f1-3 /proc/loadavg)"
displays=()
for i in $(seq 0 $((copies - 1))); do
    start_x "c$i" "$size"
    xv=xpid_c$i dv=display_c$i
    xpids+=("${!xv}")
    displays+=("${!dv}")
    # Each copy is another pupil: a home and data roots of its own (one program per user).
    (
        export HOME="$work/home$i" XDG_CONFIG_HOME="$work/home$i/.config" XDG_DATA_HOME="$work/home$i/.local/share"
        export XDG_RUNTIME_DIR="$work/run$i" DISPLAY=${!dv}
        mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
        "$root/scripts/prepare-data.sh" "$build" >/dev/null
        exec "$program" 2>"$work/program-$i.log"
    ) &
    pids+=($!)
done
sleep 5
for i in $(seq 0 $((copies - 1))); do
    DISPLAY=${displays[$i]} click 320 240 0.2 # the intro goes: the menu
done
for i in $(seq 0 $((copies - 1))); do
    on "$i" xdotool mousemove 0 0 # off the buttons: no hover, no tooltip
done
sleep 3

declare -A idle_p idle_x rss_menu pss_menu
for i in $(seq 0 $((copies - 1))); do
    cpu_start "${pids[$i]}"
    idle_x[$i]=$(cpu_snap "${xpids[$i]}")
done
sleep 10
for i in $(seq 0 $((copies - 1))); do
    idle_p[$i]=$(cpu_stop "${pids[$i]}")
    idle_x[$i]=$(cpu_since "${idle_x[$i]}" "${xpids[$i]}")
    rss_menu[$i]=$(rss_kib "${pids[$i]}")
    pss_menu[$i]=$(pss_kib "${pids[$i]}")
done

# measure I BUTTON-X BUTTON-Y: a click on copy I; sets cost_p, cost_x (ns) and frame (ms).
measure() {
    local i=$1
    on "$i" xdotool mousemove $(at "$2" "$3")
    sleep 0.4
    local x0
    cpu_start "${pids[$i]}"
    x0=$(cpu_snap "${xpids[$i]}")
    frame=$(on "$i" "$work/click_frames" $(at "$2" "$3"))
    cost_p=$(cpu_stop "${pids[$i]}")
    cost_x=$(cpu_since "$x0" "${xpids[$i]}")
}

declare -A check_p check_x check_f cont_p cont_x cont_f rss_after pss_after
for i in $(seq 0 $((copies - 1))); do
    export DISPLAY=${displays[$i]}
    to_exercise 20
    measure "$i" "${check_button[@]}"
    check_p[$i]=$cost_p check_x[$i]=$cost_x check_f[$i]=$frame
    measure "$i" "${continue_button[@]}"
    cont_p[$i]=$cost_p cont_x[$i]=$cost_x cont_f[$i]=$frame
    rss_after[$i]=$(rss_kib "${pids[$i]}")
    pss_after[$i]=$(pss_kib "${pids[$i]}")
done

# All at once: the second page's check.
declare -A snap_p snap_x
for i in $(seq 0 $((copies - 1))); do
    cpu_start "${pids[$i]}"
    snap_x[$i]=$(cpu_snap "${xpids[$i]}")
    on "$i" xdotool mousemove $(at "${check_button[@]}")
done
sleep 0.5
clickers=()
for i in $(seq 0 $((copies - 1))); do
    on "$i" "$work/click_frames" $(at "${check_button[@]}") 1000 >"$work/together-$i" &
    clickers+=($!)
done
for p in "${clickers[@]}"; do wait "$p" 2>/dev/null || true; done
all_p=0 all_x=0
for i in $(seq 0 $((copies - 1))); do
    v=$(cpu_stop "${pids[$i]}")
    [ "$v" = nan ] && { echo "copy $i: perf could not count, left out of the total" >&2; v=0; }
    all_p=$((all_p + v))
    all_x=$((all_x + $(cpu_since "${snap_x[$i]}" "${xpids[$i]}")))
done

printf '%4s %8s %8s %8s %8s %7s %7s %7s %7s %7s %7s %7s %7s %7s\n' copy rss-menu pss-menu rss-end pss-end \
    idle-p idle-x check-p check-x chk-ms cont-p cont-x cont-ms all-ms
# The sum of the counted values; a "nan" (perf could not attach in time) is left out and said on
# the error output, so that it never reads as no work.
tot() {
    local s=0 missed=0
    for v in "$@"; do
        if [[ $v =~ ^[0-9]+$ ]]; then s=$((s + v)); else missed=$((missed + 1)); fi
    done
    [ "$missed" -eq 0 ] || echo "($missed of $# values not counted, left out of the total)" >&2
    echo "$s"
}
for i in $(seq 0 $((copies - 1))); do
    printf '%4d %8d %8d %8d %8d %7s %7s %7s %7s %7s %7s %7s %7s %7s\n' "$i" "${rss_menu[$i]}" "${pss_menu[$i]}" \
        "${rss_after[$i]}" "${pss_after[$i]}" "$(ms "${idle_p[$i]}")" "$(ms "${idle_x[$i]}")" \
        "$(ms "${check_p[$i]}")" "$(ms "${check_x[$i]}")" "${check_f[$i]}" \
        "$(ms "${cont_p[$i]}")" "$(ms "${cont_x[$i]}")" "${cont_f[$i]}" "$(cat "$work/together-$i")"
done
echo "memory in KiB, processor time in ms (idle: over 10 s), times from the click to the last frame in ms"
echo "total: VmRSS menu $(tot "${rss_menu[@]}") KiB, Pss menu $(tot "${pss_menu[@]}") KiB," \
    "VmRSS end $(tot "${rss_after[@]}") KiB, Pss end $(tot "${pss_after[@]}") KiB"
echo "total idle over 10 s: programs $(ms "$(tot "${idle_p[@]}")") ms, X servers $(ms "$(tot "${idle_x[@]}")") ms"
echo "total per check, one copy at a time: programs $(ms "$(tot "${check_p[@]}")") ms," \
    "X servers $(ms "$(tot "${check_x[@]}")") ms"
echo "all copies checking at once: programs $(ms "$all_p") ms, X servers $(ms "$all_x") ms," \
    "slowest last frame $(sort -n "$work"/together-* | tail -n1) ms"
echo "load at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
