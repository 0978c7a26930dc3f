#!/usr/bin/env bash
# Installs what the program needs (only what is missing), builds the program and its installation
# tree (only what changed, no tests), and starts it through the build's start command, which
# prepares the data roots first (never touching a pupil's results).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
# Configured once; later builds configure again by themselves when a CMake file changed.
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target brevion-program -j"$(nproc)"
exec build/bin/brevion
