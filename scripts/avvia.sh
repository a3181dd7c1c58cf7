#!/usr/bin/env bash
# Builds the window program, and only what it needs, then starts it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/deps.sh"
tavelin_install_deps "${tavelin_deps_finestra[@]}"

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAVELIN_GUI=ON -DTAVELIN_CLI=OFF -DTAVELIN_TEST=OFF -DTAVELIN_BENCH=OFF >/dev/null
cmake --build "$root/build" -j "$(nproc 2>/dev/null || echo 2)" --target tavelin
if [ ! -x "$root/build/app/tavelin" ]; then
  echo "Il programma non è stato compilato: manca $root/build/app/tavelin (serve Qt 6 Widgets)." >&2
  exit 1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Tavelin è compilato, ma qui non c'è uno schermo (DISPLAY non è impostato)."
  echo "Per vedere la finestra: bash $root/scripts/screenshot.sh"
  echo "la apre su uno schermo virtuale e ne salva un'immagine per scheda in $root/screenshots/."
  exit 0
fi
exec "$root/build/app/tavelin"
