#!/usr/bin/env bash
# tests/xvfb-run.sh gives the command a display, returns its exit code and stops its X server.
set -u
wrapper="$1"
out=$(mktemp)
trap 'rm -f "$out"' EXIT

"$wrapper" sh -c 'echo "$DISPLAY $SDL_VIDEODRIVER"; exit 3' >"$out"
status=$?
read -r display driver <"$out"
[ "$status" -eq 3 ] || { echo "exit code $status, expected 3"; exit 1; }
[ "$driver" = x11 ] || { echo "SDL_VIDEODRIVER is '$driver'"; exit 1; }
case "$display" in :[0-9]*) ;; *) echo "DISPLAY is '$display'"; exit 1 ;; esac
# The server is gone once the wrapper returns: its lock file is removed.
[ ! -e "/tmp/.X${display#:}-lock" ] || { echo "X server $display still running"; exit 1; }
echo "ok: $display"
