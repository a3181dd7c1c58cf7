#!/usr/bin/env bash
# Carriers travel between the builds byte for byte: the native tavelin-cli,
# the Windows one under Wine and the 64-bit ARM one under qemu each hide the
# same payloads into copies of one carrier, at every bit count; the copies
# must be identical, and every build must reveal every copy. The carriers
# are named outside ASCII ("prova è€"), which the Windows build takes through
# its UTF-16 arguments and paths.
#
#   scambio.sh FOLDER NATIVE WINDOWS_EXE ARM
#
# Wine's settings (WINEPREFIX and the server) come from the caller.
set -euo pipefail
[ $# -eq 4 ] || { echo "uso: $0 CARTELLA NATIVO WINDOWS ARM" >&2; exit 2; }
cartella=$1
declare -A comando=(
  [nativo]="$2"
  [windows]="$3"
  [arm]="$4"
)
build=(nativo windows arm)

esegui() {  # esegui BUILD ARGUMENTS...
  local b=$1
  shift
  case $b in
    nativo) "${comando[nativo]}" "$@" ;;
    windows) wine "${comando[windows]}" "$@" ;;
    arm) qemu-aarch64 -L /usr/aarch64-linux-gnu "${comando[arm]}" "$@" ;;
  esac
}

# A little-endian field of `byte` bytes, as printf escapes.
campo() {
  local v=$1 byte=$2 i s=''
  for ((i = 0; i < byte; i++)); do
    s+=$(printf '\\x%02x' $(((v >> (8 * i)) & 255)))
  done
  printf '%s' "$s"
}

# A 24-bit bitmap of 256 x 256 random pixels: at 1 bit per byte it holds
# 24572 bytes, at 8 bits 196604.
bitmap() {
  local pixel=$((256 * 256 * 3))
  {
    printf "BM$(campo $((54 + pixel)) 4)$(campo 0 4)$(campo 54 4)"
    printf "$(campo 40 4)$(campo 256 4)$(campo 256 4)$(campo 1 2)$(campo 24 2)"
    printf "$(campo 0 4)$(campo $pixel 4)$(campo 2835 4)$(campo 2835 4)$(campo 0 4)$(campo 0 4)"
    head -c "$pixel" /dev/urandom
  } >"$1"
}

errori=0
sbaglia() {
  echo "FALLITO: $*" >&2
  errori=$((errori + 1))
}

rm -rf "$cartella"
mkdir -p "$cartella"
cd "$cartella"  # relative names: the same for Wine as for Linux
bitmap "prova è€.bmp"
head -c 20000 /dev/urandom >dati
testo=$'Perché costa 5 €?\nSì, «davvero»…'
chiave='chiavè'

prove=0
for n in 1 2 4 8; do
  for b in "${build[@]}"; do
    esegui "$b" hide "prova è€.bmp" -f dati -k "$chiave" -b "$n" -o "prova è€ $b $n.bmp" ||
      sbaglia "$b: hide a $n bit"
    esegui "$b" hide "prova è€.bmp" -t "$testo" -k "$chiave" -b "$n" -o "testo è€ $b $n.bmp" ||
      sbaglia "$b: hide del testo a $n bit"
  done
  for b in windows arm; do
    cmp -s "prova è€ nativo $n.bmp" "prova è€ $b $n.bmp" || sbaglia "$b: bitmap diversa a $n bit"
    cmp -s "testo è€ nativo $n.bmp" "testo è€ $b $n.bmp" ||
      sbaglia "$b: bitmap del testo diversa a $n bit"
  done
  for b in "${build[@]}"; do
    for r in "${build[@]}"; do
      esegui "$r" reveal "prova è€ $b $n.bmp" - -k "$chiave" -b "$n" >rivelato ||
        sbaglia "$r: reveal di $b a $n bit"
      cmp -s dati rivelato || sbaglia "$r: dati rivelati da $b a $n bit diversi"
      [ "$(esegui "$r" reveal "testo è€ $b $n.bmp" -t -k "$chiave" -b "$n")" = "$testo" ] ||
        sbaglia "$r: testo rivelato da $b a $n bit diverso"
      prove=$((prove + 2))
    done
  done
done

echo "$((prove - errori)) passed, $errori failed"
[ "$errori" -eq 0 ]
