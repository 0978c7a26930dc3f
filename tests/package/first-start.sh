#!/usr/bin/env bash
# The first start of a new user (empty home) from an extracted copy of the package, run by
# check.sh on a private X server (tests/xvfb-run.sh): the command of the desktop entry is started,
# the window must appear with its icon, the user's Brevion.ini and data folder must be written,
# and a click past the intro must reach the menu. A screenshot of it lands in <out-dir> if given.
#
#   tests/package/first-start.sh <extracted-root> <work-dir> [out-dir]
set -euo pipefail

root=$1
work=$2
out=${3:-}
program_pid=
cleanup() {
  if [ -n "$program_pid" ]; then
    kill "$program_pid" 2>/dev/null
    wait "$program_pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

home="$work/home"
mkdir -p "$home" "$work/run" && chmod 700 "$work/run"
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/sk.brevion.Lumena.desktop")
env -i PATH="$root/usr/bin:/usr/bin:/bin" HOME="$home" XDG_RUNTIME_DIR="$work/run" \
  DISPLAY="$DISPLAY" SDL_AUDIODRIVER=dummy BREVION_SYSTEM_CONF="$root/etc/brevion.conf" \
  $exec_line >"$work/program.log" 2>&1 &
program_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Brevion Lumena$' | head -n1) ||
  { cat "$work/program.log" >&2; fail "no window"; }
xprop -id "$window" -notype 32c _NET_WM_ICON | grep -q '^_NET_WM_ICON = 64, 64, ' || fail "the window has no 64x64 icon"

ini="$home/.config/Brevion.ini"
hd="$home/.local/share/brevion"
[ -f "$ini" ] || fail "no Brevion.ini"
printf '[CES1]\r\nCD=%s\r\nHD=%s\r\n' "$root/usr/share/brevion/cd" "$hd" | cmp - "$ini" || fail "Brevion.ini: $(cat -A "$ini")"
for f in Znamky.dat 01.dat 14.dat P01.res; do
  [ -f "$hd/$f" ] || fail "the data folder lacks $f"
done

# The intro goes with a click; the menu is the screen whose background is Select/bckg.bmp. The
# canvas fills the 1280x1024 screen at factor 2, 32 rows down.
sleep 1
xdotool mousemove 640 512 click 1
# The pictures are kept compressed.
zstd -q -d -c "$root/usr/share/brevion/cd/Bitmap/Select/bckg.bmp.zst" >"$work/menu.bmp"
zstd -q -d -c "$root/usr/share/brevion/cd/Bitmap/Intro/bckgrnd.bmp.zst" >"$work/intro.bmp"
menu_ref="$work/menu.bmp"
intro_ref="$work/intro.bmp"
# Pixels of two 640x480 pictures that differ (compare's exit status only says whether any do).
differs() { { compare -metric AE -fuzz 8% "$1" "$2" null: 2>&1 || true; } | cut -d' ' -f1; }
reached=
for _ in $(seq 40); do
  sleep 0.25
  import -window root "$work/screen.png"
  convert "$work/screen.png" -crop 1280x960+0+32 +repage -sample 640x480 "$work/canvas.png"
  menu=$(differs "$work/canvas.png" "$menu_ref")
  # Buttons and labels cover part of the background; the intro's picture is another one entirely.
  if [ "$menu" -lt 60000 ] && [ "$(differs "$work/canvas.png" "$intro_ref")" -gt "$menu" ]; then
    reached=yes
    break
  fi
done
if [ -n "$out" ]; then cp "$work/screen.png" "$out/menu.png"; fi
[ -n "$reached" ] || fail "the menu was not reached (pixels unlike the menu: $menu of 307200)"
echo "menu reached ($menu of 307200 pixels unlike its bare background)"
kill -TERM "$program_pid"
wait "$program_pid" || true
program_pid=
