#!/usr/bin/env bash
# The template of the engine's texts (gettext domain "tavelin-crypta"): every
# literal written inside Tr(...) in engine/ and its libraries. The one way to
# extract them, so that the catalog's check and a translator see the same list.
#   scripts/estrai-crypta.sh [file.pot]   the template (standard output by default)
#   scripts/estrai-crypta.sh --aggiorna   merges it into traduzioni/crypta/en.po
# Needs xgettext and msgmerge (package gettext).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
estrai() {
  find engine \( -name '*.cpp' -o -name '*.h' \) | LC_ALL=C sort |
    xgettext --from-code=UTF-8 --language=C++ --keyword= --keyword=Tr --add-location=file \
      --package-name=tavelin-crypta -f - -o "$1"
}
if [ "${1:-}" = --aggiorna ]; then
  modello=$(mktemp --suffix=.pot)
  trap 'rm -f "$modello"' EXIT
  estrai "$modello"
  msgmerge --quiet --update --backup=none --no-fuzzy-matching --add-location=file \
    traduzioni/crypta/en.po "$modello"
else
  estrai "${1:--}"
fi
