#!/usr/bin/env bash
# The shape of the sources: every include of a product file points to its
# own folder or to one below it (engine < piattaforma < ui < app, engine <
# cli), and no source file is over 300 lines.
set -euo pipefail
cd "$1"
livello() {
  case $1 in
    engine/*) echo 1 ;; piattaforma/*) echo 2 ;; ui/*) echo 3 ;; app/*|cli/*) echo 4 ;; *) echo 0 ;;
  esac
}
# Where each header of the product lives.
declare -A casa
while IFS= read -r h; do casa[$(basename "$h")]=$h; done \
  < <(find engine piattaforma ui app cli -name '*.h' -o -name '*.h.in' | sed 's/\.in$//')
casa[Identita.h]=engine/Identita.h
errori=0
while IFS= read -r f; do
  mio=$(livello "$f")
  while IFS= read -r incluso; do
    # A header beside the file is the one it means.
    [ -f "$(dirname "$f")/$incluso" ] && continue
    dove=${casa[$incluso]:-}
    [ -n "$dove" ] || continue
    suo=$(livello "$dove")
    if [ "$suo" -gt "$mio" ] || { [ "$suo" -eq 4 ] && [ "${dove%%/*}" != "${f%%/*}" ]; }; then
      echo "struttura: $f include $dove, che sta più in alto" >&2
      errori=1
    fi
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$f")
done < <(find engine piattaforma ui app cli -name '*.cpp' -o -name '*.h')
while IFS= read -r f; do
  righe=$(wc -l < "$f")
  if [ "$righe" -gt 300 ]; then
    echo "struttura: $f ha $righe righe" >&2
    errori=1
  fi
done < <(find engine piattaforma ui app cli tests bench fuzz -name '*.cpp' -o -name '*.h')
exit $errori
