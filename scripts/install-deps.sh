#!/usr/bin/env bash
# Installs the Debian packages the project needs, and only those that are missing (dpkg is asked
# first, so a second call costs a fraction of a second and needs no network).
#   scripts/install-deps.sh run    what building and running the program needs (the run command)
#   scripts/install-deps.sh test   that, plus what the tests, the fuzz targets and the package check need
set -euo pipefail

run_packages=(
  build-essential cmake pkg-config ccache
  libsdl2-dev libsdl2-ttf-dev
  libfontconfig-dev fonts-liberation2 fonts-dejavu-core fonts-urw-base35
  libcairo2-dev libpango1.0-dev
  libcups2-dev
  libinih-dev libzstd-dev
  libx11-dev libxext-dev
)
test_packages=(
  clang-format clang libclang-rt-14-dev
  libgtest-dev googletest ccache
  xvfb xauth xdotool x11-utils imagemagick poppler-utils zstd strace linux-perf libxdamage-dev libxtst-dev
  cups-daemon cups-client printer-driver-cups-pdf
  dpkg-dev fakeroot file desktop-file-utils appstream lintian
)

case "${1:-test}" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac

# One dpkg-query for all of them; a package dpkg has never heard of is missing too.
installed=$(dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' "${packages[@]}" 2>/dev/null | awk '$1 == "ii" { print $2 }')
missing=()
for p in "${packages[@]}"; do
  grep -qx "$p" <<<"$installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
