#!/usr/bin/env bash
# The detectability benchmark, run by hand (never in CI): covers from the
# wallpapers of Debian's mate-backgrounds, downscaled by 0.85 and cut into
# 512 x 512 tiles saved as 24-bit carriers; hides at 0.05, 0.1 and 0.2 bits
# per channel value in the design's layout, in the stealth layout (once its
# library can hide into memory), with ±1 at random places and with HILL
# costs under optimal ±1 embedding; then the detectors' rates at 5 % false
# alarms and the SPAM classifier's accuracy (classifica.py).
#
#   bash bench/rivelabilita/esegui.sh [FOLDER]
#
# FOLDER (default build-rivelabilita in the repository) keeps the build, the
# tiles and the measures; a second run reuses the tiles.
set -euo pipefail
qui=$(cd "$(dirname "$0")" && pwd)
radice=$(cd "$qui/../.." && pwd)
cartella=${1:-$radice/build-rivelabilita}
source "$radice/scripts/deps.sh"
tavelin_install_deps cmake make g++ pkg-config libsodium-dev libstb-dev imagemagick mate-backgrounds \
  python3-numpy

cmake -S "$radice" -B "$cartella/build" -DCMAKE_BUILD_TYPE=Release -DTAVELIN_GUI=OFF \
  -DTAVELIN_CLI=OFF -DTAVELIN_TEST=OFF -DTAVELIN_BENCH=OFF -DTAVELIN_RIVELABILITA=ON >/dev/null
cmake --build "$cartella/build" -j2 --target misura_rivelabilita >/dev/null

# The photographs; the larger copy of one picture is the same picture. The
# abstract renderings are left out: transparent, they flatten to blank tiles.
sfondi=/usr/share/backgrounds/mate
tessere=$cartella/tessere
if [ ! -s "$cartella/elenco.txt" ]; then
  mkdir -p "$tessere"
  : > "$cartella/elenco.txt"
  for f in "$sfondi"/nature/*.jpg "$sfondi"/abstract/Elephants.jpg \
           "$sfondi"/abstract/Elephants_5640x3172.jpg; do
    nome=$(basename "${f%.*}")
    immagine=${nome%%_*}
    convert "$f" -background white -alpha remove -alpha off -colorspace sRGB -resize 85% \
      -crop 512x512 +repage -type TrueColor "BMP3:$tessere/$nome-%02d.bmp"
    n=0
    for t in "$tessere/$nome"-*.bmp; do
      # Only whole tiles that are not flat, at most 12 from one file.
      if [ "$(identify -format '%wx%h %[fx:standard_deviation>0.02]' "$t")" = "512x512 1" ] &&
         [ $n -lt 12 ]; then
        echo "$immagine $t" >> "$cartella/elenco.txt"
        n=$((n + 1))
      else
        rm -f "$t"
      fi
    done
  done
fi
echo "$(wc -l < "$cartella/elenco.txt") tessere"
mkdir -p "$cartella/nascosti"
"$cartella/build/bench/rivelabilita/misura_rivelabilita" "$cartella/elenco.txt" \
  "$cartella/misure.txt" "$cartella/nascosti"
/usr/bin/python3 "$qui/classifica.py" "$cartella/misure.txt" 10 | tee "$cartella/risultati.txt"
