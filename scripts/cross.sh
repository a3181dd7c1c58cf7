#!/usr/bin/env bash
# Builds the engine and tavelin-cli for Windows (MinGW-w64) and for 64-bit ARM
# Linux on this Debian machine, runs their tests under Wine and qemu, and
# checks that carriers travel between those builds and the native one byte
# for byte. Installs the cross tools it needs when they are missing; the
# window's own scripts never pull them in.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/deps.sh"
# Not deps.sh's list: Wine and the cross compilers are for this script only.
tavelin_deps=(cmake make g++ libgtest-dev libcli11-dev
              g++-mingw-w64-x86-64-posix wine wine64
              g++-aarch64-linux-gnu qemu-user)
tavelin_install_deps

jobs=$(nproc 2>/dev/null || echo 2)
# Wine reads the arguments it passes on in the locale's encoding.
export LC_ALL=C.UTF-8
base="$root/build-cross"
mkdir -p "$base"

# One Wine of our own, its server kept up for the whole run: otherwise every
# program waits for a server to start and stop, and ctest can hang.
export WINEPREFIX="$base/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
wineserver -k 2>/dev/null || true
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
wineboot -i >/dev/null 2>&1

# What the test programs counted, which ctest, running each whole, does not
# show: tests run, passed, failed, and each one skipped with its reason.
riassunto() {
  awk '/^\[==========\] .* ran/ || /^\[  (PASSED|FAILED)  \] [0-9]+ test/ { print "   " $0 }
       /: Skipped$/ { getline perche; next }
       /^\[  SKIPPED \] [A-Za-z_].*\(/ { sub(/ \(.*/, ""); print "   skipped " substr($0, 14) ": " perche }' \
    "$base/$1/Testing/Temporary/LastTest.log"
}

costruisci() {  # costruisci NAME TOOLCHAIN
  echo "== $1: build"
  cmake -S "$root" -B "$base/$1" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$2" \
        -DCMAKE_BUILD_TYPE=Release -DTAVELIN_GUI=OFF -DTAVELIN_BENCH=OFF >/dev/null
  cmake --build "$base/$1" -j "$jobs"
  echo "== $1: tests"
  ctest --test-dir "$base/$1" --output-on-failure -j "$jobs" --timeout 900
  riassunto "$1"
}
costruisci windows mingw-w64.cmake
costruisci arm aarch64-linux-gnu.cmake

# The native program: the one scripts/test.sh built, or one of our own.
if [ -f "$root/build/CMakeCache.txt" ]; then
  nativo_build="$root/build"
else
  nativo_build="$base/nativo"
  cmake -S "$root" -B "$nativo_build" -DCMAKE_BUILD_TYPE=Release -DTAVELIN_GUI=OFF \
        -DTAVELIN_BENCH=OFF >/dev/null
fi
cmake --build "$nativo_build" -j "$jobs" --target tavelin-cli

echo "== carriers between the builds"
bash "$root/tests/cross/scambio.sh" "$base/scambio" \
  "$nativo_build/cli/tavelin-cli" "$base/windows/cli/tavelin-cli.exe" "$base/arm/cli/tavelin-cli"
