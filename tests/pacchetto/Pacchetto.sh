#!/usr/bin/env bash
# Builds the Debian package from the build folder, unpacks it in a scratch
# folder and checks it as a user would meet it: the files it must hold and
# nothing outside /usr, each manual page and desktop text in English with its
# Italian variant, the fields of its control file, and its programs run from
# where they were unpacked.
set -euo pipefail
build=$1 versione=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
errore() { echo "pacchetto: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
deb=$scratch/out/tavelin_${versione}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || errore "nessun $deb"
dpkg-deb -x "$deb" "$scratch/radice"

for f in usr/bin/tavelin usr/bin/tavelin-cli \
         usr/share/applications/tavelin.desktop \
         usr/share/metainfo/example.quorvane.tavelin.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/tavelin.svg \
         usr/share/bash-completion/completions/tavelin-cli \
         usr/share/doc/tavelin/copyright usr/share/doc/tavelin/changelog.gz; do
  [ -s "$scratch/radice/$f" ] || errore "manca $f"
done
for lato in 16 24 32 48 64 128 256; do
  [ -s "$scratch/radice/usr/share/icons/hicolor/${lato}x$lato/apps/tavelin.png" ] || errore "manca l'icona $lato"
done
fuori=$(cd "$scratch/radice" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$fuori" ] || errore "fuori da /usr: $fuori"

# Each page in both languages, English where man looks in any locale and
# Italian where it looks under it_*: the right title, and the first heading in
# the page's own language.
while read -r pagina cartella intestazione; do
  f=$scratch/radice/usr/share/man/$cartella/$pagina.1.gz
  [ -s "$f" ] || errore "manca $cartella/$pagina.1.gz"
  zcat "$f" | grep -q "^\.TH \"$pagina\" \"1\"" || errore "$cartella/$pagina: titolo"
  [ "$(zcat "$f" | sed -n 's/^\.SH //p' | head -1)" = "$intestazione" ] || errore "$cartella/$pagina: non in $intestazione"
done <<'PAGINE'
tavelin man1 NAME
tavelin it/man1 NOME
tavelin-cli man1 NAME
tavelin-cli it/man1 NOME
PAGINE
# The desktop entry's texts: an English one, and an Italian [it] variant of it.
desktop=$scratch/radice/usr/share/applications/tavelin.desktop
for chiave in GenericName Comment Keywords; do
  en=$(sed -n "s/^$chiave=//p" "$desktop") it=$(sed -n "s/^$chiave\[it\]=//p" "$desktop")
  [ -n "$en" ] && [ -n "$it" ] && [ "$en" != "$it" ] || errore "$chiave senza una variante [it] propria"
done

campo() { dpkg-deb -f "$deb" "$1"; }
[ "$(campo Version)" = "$versione" ] || errore "versione $(campo Version)"
[ "$(campo Section)" = utils ] || errore "sezione $(campo Section)"
[[ "$(campo Maintainer)" == *"<"*"@quorvane.example>" ]] || errore "responsabile $(campo Maintainer)"
for d in libqt6widgets6 qt6-translations-l10n; do
  [[ "$(campo Depends)" == *"$d"* ]] || errore "$d non tra le dipendenze: $(campo Depends)"
done

cli=$scratch/radice/usr/bin/tavelin-cli
[ "$("$cli" --version)" = "tavelin-cli $versione" ] || errore "--version: $("$cli" --version)"
python3 - "$scratch/c.bmp" <<'PY'
import struct, sys
pixel = bytes((i * 37) & 255 for i in range(3000))
testa = b"BM" + struct.pack("<IHHI", 54 + len(pixel), 0, 0, 54)
info = struct.pack("<IiiHHIIiiII", 40, 20, 50, 1, 24, 0, len(pixel), 2835, 2835, 0, 0)
open(sys.argv[1], "wb").write(testa + info + pixel)
PY
"$cli" hide "$scratch/c.bmp" -t "dal pacchetto" -k chiave -b 2
[ "$("$cli" reveal "$scratch/c.bmp" -t -k chiave -b 2)" = "dal pacchetto" ] || errore "andata e ritorno"
echo "pacchetto: $(basename "$deb") a posto"
