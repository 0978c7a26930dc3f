#!/usr/bin/env bash
# Installs what the program needs (only what is missing), builds the program and its installation
# tree (no tests), and starts it through the build's start command, which prepares the data roots
# first (never touching a pupil's results).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
stamp=build/.run-built
# When no file of the checkout changed since the last build for this command, the build is skipped:
# make alone takes seconds to find out that nothing is to be done.
changed=yes
if [ -f "$stamp" ] && [ -x build/bin/brevion ] && [ -x build/shell/brevion ]; then
  changed=$(find . \( -name '.*' -o -name 'build*' \) -prune -o -newer "$stamp" -print -quit)
fi
if [ -n "$changed" ]; then
  # Configured once; later builds configure again by themselves when a CMake file changed.
  [ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  touch "$stamp.new"
  cmake --build build --target brevion-program -j"$(nproc)"
  mv "$stamp.new" "$stamp"
fi
exec build/bin/brevion
