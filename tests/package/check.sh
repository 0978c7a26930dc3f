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
tests=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/brevion-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
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
for d in libsdl2-2.0-0 libsdl2-ttf-2.0-0 libcairo2 libpango-1.0-0 libcups2 libinih1 libzstd1 libc6 fonts-liberation2 fonts-urw-base35; do
  grep -q "\b$d\b" <<<"$depends" || fail "Depends lacks $d"
done
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$work/contents"
for f in /usr/bin/brevion /usr/bin/brevion-data /usr/bin/brevion-prehlad /usr/lib/brevion/brevion /usr/lib/brevion/print/Tisk.dll \
  /usr/share/brevion/cd/Bitmap/Select/bckg.bmp.zst /usr/share/brevion/cd/Sound/Click.wav /usr/share/brevion/hd/01.dat \
  /usr/share/brevion/hd/Znamky.dat /usr/share/applications/sk.brevion.Lumena.desktop \
  /usr/share/applications/sk.brevion.Prehlad.desktop \
  /usr/share/metainfo/sk.brevion.Lumena.metainfo.xml /usr/share/icons/hicolor/scalable/apps/brevion.svg \
  /usr/share/icons/hicolor/48x48/apps/brevion.png /usr/share/man/man1/brevion.1.gz /usr/share/man/man1/brevion-data.1.gz \
  /usr/share/doc/brevion/copyright /usr/share/doc/brevion/changelog.Debian.gz /etc/brevion.conf; do
  grep -qx "$f" "$work/contents" || fail "the package lacks $f"
done
! grep -q 'Vysledky.dat$' "$work/contents" || fail "the package ships a results log"
! grep -q '\.bmp$' "$work/contents" || fail "the package ships an uncompressed picture"
dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./conffiles | grep -qx /etc/brevion.conf || fail "/etc/brevion.conf is no conffile"

step "metadata"
root="$work/root"
dpkg-deb -x "$deb" "$root"
[ -f "$root/usr/share/brevion/cd/Data/Tisk.dll" ] || fail "the CD tree's print library link leads nowhere"
desktop-file-validate "$root/usr/share/applications/sk.brevion.Lumena.desktop" \
  "$root/usr/share/applications/sk.brevion.Prehlad.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/sk.brevion.Lumena.metainfo.xml"
lintian_status=0
lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || lintian_status=$?
grep -v "root privileges" "$work/lintian.log" || true
[ "$lintian_status" -eq 0 ] || fail "lintian reports an error"

step "first start of a new user from the extracted package"
"$tests/xvfb-run.sh" "$tests/package/first-start.sh" "$root" "$work" "${2:-}"
step "package check passed"
