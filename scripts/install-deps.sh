#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run and test.
# Safe to run again: apt-get skips what is already installed.
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang-format
  clang libclang-rt-14-dev
  libsdl2-dev libsdl2-ttf-dev libx11-dev
  libfontconfig-dev fonts-liberation2 fonts-dejavu-core
  libcairo2-dev libpango1.0-dev
  libcups2-dev
  libinih-dev
  libgtest-dev googletest ccache
  xvfb xauth xdotool imagemagick poppler-utils strace libxdamage-dev libxtst-dev
  cups-daemon cups-client printer-driver-cups-pdf
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
