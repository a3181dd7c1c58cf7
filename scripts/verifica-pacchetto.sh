#!/usr/bin/env bash
# Builds the Debian package from an existing build folder and runs the
# distribution's own checkers on it and on the desktop files: lintian with
# no error and no warning, desktop-file-validate, appstreamcli.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$root/scripts/deps.sh"
tavelin_install_deps "${tavelin_deps_verifica[@]}"
build=${1:-$root/build}

desktop-file-validate "$root/app/tavelin.desktop"
appstreamcli validate --no-net --pedantic "$build"/generati/*.metainfo.xml
rm -f "$build"/tavelin_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
lintian --fail-on error,warning "$build"/tavelin_*.deb
echo "Pacchetto verificato: $(basename "$build"/tavelin_*.deb)"
