#!/usr/bin/env bash
# Installs what the project needs, builds the program and its installation tree, prepares the
# data roots (never touching a pupil's results) and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
if [ -x scripts/prepare-data.sh ]; then
  scripts/prepare-data.sh build
fi
exec build/shell/brevion
