#!/usr/bin/env bash
# Builds Tavelin and runs the whole test suite: a plain build, then the same
# tests under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/deps.sh"
tavelin_install_deps

jobs=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

# Every part on: the start script may have left the shared build folder with
# the window alone.
tutto=(-DTAVELIN_GUI=ON -DTAVELIN_CLI=ON -DTAVELIN_TEST=ON -DTAVELIN_BENCH=ON)
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${tutto[@]}" >/dev/null
cmake --build "$root/build" -j "$jobs"
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"

cmake -S "$root" -B "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DTAVELIN_SANITIZE=ON \
  "${tutto[@]}" >/dev/null
cmake --build "$root/build-asan" -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs"
