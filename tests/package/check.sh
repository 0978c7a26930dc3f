#!/usr/bin/env bash
# Builds the Debian package from a built build folder and checks it:
#  - its control fields (section, dependencies computed from the binaries, the fonts) and contents;
#  - the desktop entry (desktop-file-validate), the metainfo (appstreamcli, no network), lintian
#    (no error; warnings are printed);
#  - a user with an empty home starts the program from an extracted copy of the package through
#    the command of its desktop entry, on a private X server: the window appears with its icon,
#    the menu is reached, and the user's Brevion.ini and data folder are written.
# Keeps the package and a screenshot of the menu in <out-dir> when one is given.
#
#   tests/package/check.sh <build-dir> [out-dir]     makes the package with cpack, then checks it
#   tests/package/check.sh <package.deb> [out-dir]   checks a package made before
set -euo pipefail

if [ $# -lt 1 ]; then
  echo "usage: $0 <build-dir>|<package.deb> [out-dir]" >&2
  exit 2
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/brevion-package.XXXXXX")
xvfb_pid=
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null && wait "$program_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
step() { echo "== [${SECONDS} s] $*"; }

step "package"
if [ -f "$1" ]; then
  deb=$1
else
  cpack -G DEB --config "$1/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack"; }
  deb=$(ls "$work"/pkg/brevion_*.deb)
fi
ls -l "$deb" | awk '{ print $5, "bytes:", $NF }'
if [ $# -ge 2 ]; then mkdir -p "$2" && cp "$deb" "$2/"; fi

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Section)" = education ] || fail "section $(field Section)"
depends=$(field Depends)
echo "Depends: $depends"
echo "Installed-Size: $(field Installed-Size) KiB"
for d in libsdl2-2.0-0 libsdl2-ttf-2.0-0 libcairo2 libpango-1.0-0 libcups2 libinih1 libc6 fonts-liberation2; do
  grep -q "\b$d\b" <<<"$depends" || fail "Depends lacks $d"
done
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$work/contents"
for f in /usr/bin/brevion /usr/bin/brevion-data /usr/lib/brevion/brevion /usr/lib/brevion/print/Tisk.dll \
  /usr/share/brevion/cd/Bitmap/Select/bckg.bmp /usr/share/brevion/cd/Sound/Click.wav /usr/share/brevion/hd/01.dat \
  /usr/share/brevion/hd/Znamky.dat /usr/share/applications/sk.brevion.Lumena.desktop \
  /usr/share/metainfo/sk.brevion.Lumena.metainfo.xml /usr/share/icons/hicolor/scalable/apps/brevion.svg \
  /usr/share/icons/hicolor/48x48/apps/brevion.png /usr/share/man/man1/brevion.1.gz /usr/share/man/man1/brevion-data.1.gz \
  /usr/share/doc/brevion/copyright /usr/share/doc/brevion/changelog.Debian.gz /etc/brevion.conf; do
  grep -qx "$f" "$work/contents" || fail "the package lacks $f"
done
! grep -q 'Vysledky.dat$' "$work/contents" || fail "the package ships a results log"
dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./conffiles | grep -qx /etc/brevion.conf || fail "/etc/brevion.conf is no conffile"

step "metadata"
root="$work/root"
dpkg-deb -x "$deb" "$root"
[ -f "$root/usr/share/brevion/cd/Data/Tisk.dll" ] || fail "the CD tree's print library link leads nowhere"
desktop-file-validate "$root/usr/share/applications/sk.brevion.Lumena.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/sk.brevion.Lumena.metainfo.xml"
lintian_status=0
lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || lintian_status=$?
grep -v "root privileges" "$work/lintian.log" || true
[ "$lintian_status" -eq 0 ] || fail "lintian reports an error"

step "first start of a new user from the extracted package"
home="$work/home"
mkdir -p "$home" "$work/run" && chmod 700 "$work/run"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start"
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/sk.brevion.Lumena.desktop")
env -i PATH="$root/usr/bin:/usr/bin:/bin" HOME="$home" XDG_RUNTIME_DIR="$work/run" \
  DISPLAY=":$(head -n1 "$work/display")" SDL_AUDIODRIVER=dummy BREVION_SYSTEM_CONF="$root/etc/brevion.conf" \
  $exec_line >"$work/program.log" 2>&1 &
program_pid=$!
export DISPLAY=":$(head -n1 "$work/display")"
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
menu_ref="$root/usr/share/brevion/cd/Bitmap/Select/bckg.bmp"
intro_ref="$root/usr/share/brevion/cd/Bitmap/Intro/bckgrnd.bmp"
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
if [ $# -ge 2 ]; then cp "$work/screen.png" "$2/menu.png"; fi
[ -n "$reached" ] || fail "the menu was not reached (pixels unlike the menu: $menu of 307200)"
echo "menu reached ($menu of 307200 pixels unlike its bare background)"
kill -TERM "$program_pid"
wait "$program_pid" || true
program_pid=
step "package check passed"
