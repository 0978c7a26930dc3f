# Shared pieces of the hand-run benchmarks (sourced, not run): a private X server, the program
# started in a temporary home, clicks at canvas points, processor time and memory read from /proc.
# The caller sets `root`, `build` and `work` (a temporary directory it removes) first.

program="$build/shell/brevion"
[ -x "$program" ] || { echo "$0: $program is not built" >&2; exit 1; }

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_RUNTIME_DIR="$work/run" SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
"$root/scripts/prepare-data.sh" "$build" >/dev/null
if [ ! -x "$work/click_frames" ]; then
    g++ -O2 -std=c++20 -o "$work/click_frames" "$root/tests/bench/click_frames.cpp" -lX11 -lXdamage -lXtst
fi

# start_x NAME WIDTHxHEIGHT: a private X server; sets xpid_NAME and display_NAME.
start_x() {
    local name=$1 size=$2
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display-$name" 2>"$work/xvfb-$name.log" &
    printf -v "xpid_$name" '%s' $!
    for _ in $(seq 200); do
        [ -s "$work/display-$name" ] && break
        sleep 0.05
    done
    printf -v "display_$name" ':%s' "$(head -n1 "$work/display-$name")"
}

# The canvas's place on a screen of WIDTHxHEIGHT: the largest whole factor, centred.
canvas_geometry() {
    local w=${1%x*} h=${1#*x}
    factor=$((w / 640 < h / 480 ? w / 640 : h / 480))
    offset_x=$(((w - 640 * factor) / 2))
    offset_y=$(((h - 480 * factor) / 2))
}

# at X Y: the screen point of a canvas point.
at() { echo $((offset_x + factor * $1)) $((offset_y + factor * $2)); }

# click X Y [seconds]: a click at a canvas point, then a pause.
click() {
    # shellcheck disable=SC2046
    xdotool mousemove $(at "$1" "$2") click 1
    sleep "${3:-1}"
}

# The processor time of each thread of a process, "tid nanoseconds" per line.
cpu_snap() {
    for t in /proc/"$1"/task/*; do
        if [ -r "$t/schedstat" ]; then echo "${t##*/} $(cut -d' ' -f1 "$t/schedstat" 2>/dev/null)"; fi
    done
}

# cpu_since SNAPSHOT PID: nanoseconds used since the snapshot by the threads alive now. Only for
# processes whose threads all stay (the X server): a thread that ended meanwhile is left out.
cpu_since() {
    cpu_snap "$2" | awk 'NR == FNR {before[$1] = $2; next} {s += $2 - ($1 in before ? before[$1] : 0)}
        END {printf "%d\n", s}' <(printf '%s\n' "$1") -
}

# cpu_start PID / cpu_stop PID: the processor time of the program between the two calls, counted
# by perf over all its threads, also those that start and end meanwhile (the sound device's);
# cpu_stop prints nanoseconds.
command -v perf >/dev/null || { echo "$0: perf is needed (Debian package linux-perf)" >&2; exit 1; }
cpu_start() {
    perf stat -x, -e task-clock -p "$1" -o "$work/perf-$1" 2>/dev/null &
    printf -v "perf_of_$1" '%s' $!
    sleep 0.2 # perf is attached
}
cpu_stop() {
    local var="perf_of_$1"
    kill -INT "${!var}" 2>/dev/null
    wait "${!var}" 2>/dev/null || true
    # perf says "<not counted>" with a counting time of 0 for a process that never ran meanwhile:
    # that is no work. "nan" when perf could not attach in time, so that a failed count never
    # reads as no work.
    awk -F, '/task-clock/ && $1 ~ /^[0-9.]+$/ {printf "%d\n", $1 * 1e6; found = 1}
        /task-clock/ && $1 == "<not counted>" && $4 == "0" {print 0; found = 1}
        END {if (!found) print "nan"}' "$work/perf-$1"
}

# Resident and proportional memory in KiB.
rss_kib() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }
pss_kib() { awk '/^Pss:/ {print $2}' "/proc/$1/smaps_rollup"; }

# Starts the program in the background, its standard error into LOG; sets pid and gives the intro
# time to come up.
launch() {
    "$program" 2>"$1" &
    pid=$!
    sleep 3
}

# Ends a process with SIGTERM (the program's normal end) and waits until it is gone.
stop() {
    kill -TERM "$1" 2>/dev/null || return 0
    while kill -0 "$1" 2>/dev/null; do sleep 0.05; done
}

# From the intro to the setup screen of exercise 01 with a name and EXAMPLES examples (10, 15, 20,
# 25 or 30) chosen.
to_setup() {
    click 320 240 1.5 # the intro goes: the menu
    click 158 166     # category 1
    click 483 180 2.5 # exercise 01: its setup screen
    click 504 343     # the name field
    xdotool type Eva
    case ${1:-10} in
    10) click 150 267 ;;
    15) click 225 307 ;;
    20) click 224 384 ;;
    25) click 149 423 ;;
    30) click 73 384 ;;
    esac
    sleep 2 # the continue and print buttons light up, one animation after the other
}

# From the intro to the first page of exercise 01 for EXAMPLES examples.
to_exercise() {
    to_setup "$@"
    click 547 468 2 # continue: the first page
}

# The check and continue buttons of an exercise page, in canvas coordinates.
check_button=(318 42)
continue_button=(567 468)
