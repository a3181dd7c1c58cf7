// A PNG's compressed data against what its header implies: deflate never
// needs much more than the data it codes (stored blocks add 5 bytes in
// 65535, fixed codes at worst an eighth), so a file whose IDAT chunks hold
// more than that codes more than its rows, the mark of data made to swell.
// Only the chunks' lengths are read; nothing is inflated.
#include <cstring>

#include "Controlli.h"
#include "Lingua.h"

namespace Crypta {

namespace {

uint32_t Be(const uint8_t* p) {
  return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

// The inflated size of the rows: each row a filter byte and its samples;
// the passes of an interlaced picture add a filter byte and a partial byte
// a row each, bounded by 16 bytes a row.
uint64_t Righe(const uint8_t* ihdr) {
  const uint64_t larghezza = Be(ihdr), altezza = Be(ihdr + 4), bit = ihdr[8];
  const int canali[] = {1, 0, 3, 1, 2, 0, 4};
  const uint64_t n = ihdr[9] < 7 ? canali[ihdr[9]] : 4;
  return altezza * (1 + (larghezza * n * bit + 7) / 8) + (ihdr[12] ? 16 * altezza : 0);
}

}  // namespace

std::optional<std::string> DifettoPng(const File& f) {
  int64_t pos = 8;
  uint64_t righe = 0, compressi = 0;
  for (;;) {
    uint8_t testa[8 + 13];
    const size_t n = f.LeggiA(pos, testa, sizeof testa);
    if (n < 8) break;
    const uint32_t lunga = Be(testa);
    if (std::memcmp(testa + 4, "IHDR", 4) == 0 && lunga == 13 && n == sizeof testa)
      righe = Righe(testa + 8);
    else if (std::memcmp(testa + 4, "IDAT", 4) == 0)
      compressi += lunga;
    else if (std::memcmp(testa + 4, "IEND", 4) == 0)
      break;
    pos += 12 + int64_t(lunga);
  }
  const uint64_t massimo = righe + righe / 8 + 4096;
  if (righe == 0 || compressi <= massimo) return std::nullopt;
  return Tr(
      "i suoi dati compressi (%1 byte) sono più di quanti ne possano servire alle sue righe "
      "(%2 byte): si espanderebbero oltre quanto dichiara l'intestazione",
      {std::to_string(compressi), std::to_string(righe)});
}

}  // namespace Crypta
