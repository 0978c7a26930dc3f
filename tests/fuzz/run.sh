#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a while, each on its seeds and on a corpus that keeps
# what it finds from one run to the next.
#
#   tests/fuzz/run.sh <fuzz build folder> [seconds per target, default 10] [libFuzzer options...]
#
# A target that crashes, leaks, times out or breaks an invariant fails the script; the input that
# did it is kept as <build>/artifacts/<target>-crash-... (replay it: <build>/fuzz_<target> <file>).
set -euo pipefail

if [ $# -lt 1 ]; then
  echo "usage: $0 <fuzz build folder> [seconds per target] [libFuzzer options...]" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
seconds=${2:-10}
shift $(($# < 2 ? $# : 2))
here=$(cd "$(dirname "$0")" && pwd)

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/../lsan.supp}
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

failed=()
for binary in "$build"/fuzz_*; do
  [ -x "$binary" ] || continue
  name=${binary##*/fuzz_}
  corpus=$build/corpus/$name
  mkdir -p "$corpus" "$build/artifacts" "$build/logs"
  log=$build/logs/$name.log
  if "$binary" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/$name-" "$@" "$corpus" "$build/seeds/$name" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$name: ok, ${runs:-?} inputs in ${seconds} s, corpus $(ls "$corpus" | wc -l) files"
  else
    echo "fuzz_$name: FAILED (log: $log)"
    grep -E 'ERROR|SUMMARY|invariant|uncaught|Test unit written|Seed:' "$log" | head -20 || tail -30 "$log"
    failed+=("$name")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz targets failed: ${failed[*]}" >&2
  exit 1
fi
