#!/usr/bin/env bash
# Prepares the data roots of a build folder without starting the program: Brevion.ini and the HD
# root, as the start command <build-dir>/bin/brevion does before every start (see there).
# Usage: scripts/prepare-data.sh <build-dir>
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 <build-dir>" >&2
  exit 2
fi
if [ ! -x "$1/bin/brevion" ]; then
  echo "$0: $1 holds no start command (bin/brevion); build it first" >&2
  exit 1
fi
exec "$1/bin/brevion" --priprav
