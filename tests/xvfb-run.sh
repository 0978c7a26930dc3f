#!/usr/bin/env bash
# Runs one command against a private X server, for tests that need a real X11 window.
#
#   tests/xvfb-run.sh <command> [arguments...]
#
# Starts its own Xvfb on a free display (1280x1024x24, no TCP), runs the command with DISPLAY set
# to it and SDL_VIDEODRIVER=x11, stops the server afterwards (also when the command fails or the
# script is interrupted) and exits with the command's exit code. Register an X11 test in CMake as
#
#   add_test(NAME my_x11_test COMMAND ${PROJECT_SOURCE_DIR}/tests/xvfb-run.sh $<TARGET_FILE:my_x11_tests>)
#   set_tests_properties(my_x11_test PROPERTIES LABELS x11)
#
# Tests run this way in parallel each get a server of their own. XVFB_ARGS adds server arguments,
# for example "-extension MIT-SHM" for a server that shares no memory with its clients, as one
# across a network.
set -u

if [ $# -eq 0 ]; then
    echo "usage: $0 <command> [arguments...]" >&2
    exit 2
fi
if ! command -v Xvfb >/dev/null; then
    echo "xvfb-run.sh: Xvfb is not installed (run scripts/install-deps.sh)" >&2
    exit 2
fi

workdir=$(mktemp -d "${TMPDIR:-/tmp}/xvfb-run.XXXXXX") || exit 2
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$workdir"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Xvfb writes the display number it chose to the file once it accepts connections.
# shellcheck disable=SC2086 # XVFB_ARGS is a list of arguments
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp ${XVFB_ARGS:-} 3>"$workdir/display" 2>"$workdir/xvfb.log" &
xvfb_pid=$!
display=
for _ in $(seq 100); do
    display=$(head -n1 "$workdir/display" 2>/dev/null)
    [ -n "$display" ] && break
    if ! kill -0 "$xvfb_pid" 2>/dev/null; then
        echo "xvfb-run.sh: Xvfb did not start:" >&2
        cat "$workdir/xvfb.log" >&2
        exit 2
    fi
    sleep 0.1
done
if [ -z "$display" ]; then
    echo "xvfb-run.sh: Xvfb did not report a display within 10 seconds" >&2
    exit 2
fi

DISPLAY=":$display" SDL_VIDEODRIVER=x11 "$@"
