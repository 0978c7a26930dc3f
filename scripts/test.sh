#!/usr/bin/env bash
# Installs what the project needs, builds everything and runs every test once:
#  1. the optimised build (./build) of the program as it ships, and the tests that need it, a real
#     X server under Xvfb or a private CUPS server (labels x11, print_cups and package, the check of
#     the Debian package among them, and the process tests);
#  2. every other test, built with AddressSanitizer and UndefinedBehaviorSanitizer (./build-asan);
#  3. the fuzz targets of every file parser (./build-fuzz, clang and libFuzzer), a few seconds each.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
jobs=$(nproc)
fuzz_seconds=10
# Each stage says when it starts (seconds since the script started).
stage() { echo "== [${SECONDS} s] $*"; }

# Tests against real outside services, run on the optimised build only: the private CUPS server and
# the real X11 windows under Xvfb (the package check among them).
outside_labels='^(print_cups|x11|package)$'
# The process tests start the program with an environment of their own, so its sanitizer runtime
# gets no suppressions and reports fontconfig's caches as leaks.
outside_tests='^ProcessTest\.'

stage "build and the tests of the real program, X server and printing system"
# Unity builds here and below: several files compiled as one, which saves most of the compile time.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_UNITY_BUILD=ON >/dev/null
cmake --build build --target outside-tests -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs" --timeout 600 -L "$outside_labels"
ctest --test-dir build --output-on-failure -j"$jobs" --timeout 600 -R "$outside_tests"

stage "every other test, with AddressSanitizer and UndefinedBehaviorSanitizer"
# Unoptimised (Debug): with the sanitizers on, -O2 compiles several times slower, and the tests run
# fast enough at -O0. The tools that the build runs (asset generator, data tool) are sanitized too.
sanitizer_env=(
  ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
)
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DBREVION_SANITIZE=ON -DCMAKE_UNITY_BUILD=ON >/dev/null
env "${sanitizer_env[@]}" cmake --build build-asan -j"$jobs"
env "${sanitizer_env[@]}" ctest --test-dir build-asan --output-on-failure -j"$jobs" --timeout 600 \
  -LE "$outside_labels" -E "$outside_tests"

if ! command -v clang++ >/dev/null; then
  stage "fuzz targets skipped: clang is not installed"
  exit 0
fi
stage "fuzz targets (${fuzz_seconds} s each)"
CC=clang CXX=clang++ cmake -S tests/fuzz -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target fuzzers -j"$jobs"
tests/fuzz/run.sh build-fuzz "$fuzz_seconds"
stage "all tests passed"
