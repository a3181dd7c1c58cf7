#!/usr/bin/env bash
# Starts Tavelin on a virtual screen (Xvfb), saves a PNG picture of each tab
# of its window and stops what it started. The pictures go to the folder
# given as the first argument, screenshots/ in the repository by default.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/deps.sh"
tavelin_install_deps

out=${1:-$root/screenshots}
mkdir -p "$out"
out=$(cd "$out" && pwd)

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j "$(nproc 2>/dev/null || echo 2)" --target tavelin >/dev/null
program="$root/build/app/tavelin"
[ -x "$program" ] || { echo "Il programma non è stato compilato: $program" >&2; exit 1; }

# A display number that no X server holds.
n=91
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done

xvfb_pid='' app_pid='' runtime=''
finisci() {
  set +e  # a stopped process reports failure; the cleanup goes on regardless
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null; wait "$app_pid" 2>/dev/null; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
  if [ -n "$runtime" ]; then rm -rf "$runtime"; fi
}
trap finisci EXIT

Xvfb ":$n" -screen 0 1024x768x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$n"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

runtime=$(mktemp -d)
chmod 700 "$runtime"
XDG_RUNTIME_DIR=$runtime "$program" >/dev/null 2>&1 &
app_pid=$!

wid=$(timeout 20 xdotool search --sync --onlyvisible --name 'Tavelin' | head -n 1)
[ -n "$wid" ] || { echo "La finestra di Tavelin non è comparsa." >&2; exit 1; }
sleep 1
import -window "$wid" "$out/crypt.png"

# The "Decrypt" tab, second in the tab row at the top of the tab control.
xdotool mousemove --window "$wid" 90 20 click 1
sleep 1
import -window "$wid" "$out/decrypt.png"

echo "Schermate salvate: $out/crypt.png $out/decrypt.png"
