// The fewest bytes a TGA's or an uncompressed BMP's pixels can take, from
// their headers: the library reads past the end of such a file as zeros, or
// (a raw TGA row) not at all, and either way only finds out once it has
// filled the whole picture. A file shorter than its pixels need is refused
// before a byte of them is set aside.
#include "Controlli.h"
#include "Lingua.h"

namespace Crypta {

namespace {

uint32_t Le(const uint8_t* p, int n) {
  uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = v << 8 | p[i];
  return v;
}

std::optional<std::string> Corto(const File& f, uint64_t serve) {
  const uint64_t ha = uint64_t(f.Dimensione());
  if (ha >= serve) return std::nullopt;
  return Tr(
      "il file finisce prima dell'immagine (è troncato): %1 byte, meno dei %2 che servono "
      "ai suoi pixel",
      {std::to_string(ha), std::to_string(serve)});
}

}  // namespace

std::optional<std::string> DifettoTga(const File& f) {
  uint8_t h[18];
  if (f.LeggiA(0, h, sizeof h) != sizeof h) return std::nullopt;
  const int tipo = h[2] & 7, bit = h[16];
  if (tipo < 1 || tipo > 3 || (bit != 8 && bit != 15 && bit != 16 && bit != 24 && bit != 32))
    return std::nullopt;
  const uint64_t pixel = uint64_t(Le(h + 12, 2)) * Le(h + 14, 2), byte = uint64_t(bit + 7) / 8;
  // The palette, when there is one, comes before the pixels.
  const uint64_t tavolozza = h[1] ? uint64_t(Le(h + 5, 2)) * ((h[7] + 7) / 8) : 0;
  // Run lengths code at most 128 pixels in a count byte and one pixel.
  const uint64_t dati = h[2] & 8 ? (pixel + 127) / 128 * (1 + byte) : pixel * byte;
  return Corto(f, sizeof h + h[0] + tavolozza + dati);
}

std::optional<std::string> DifettoBmp(const File& f) {
  uint8_t h[34];
  if (f.LeggiA(0, h, sizeof h) != sizeof h) return std::nullopt;
  const uint32_t testa = Le(h + 14, 4);
  uint64_t larghezza, altezza, bit;
  if (testa == 12) {
    larghezza = Le(h + 18, 2);
    altezza = Le(h + 20, 2);
    bit = Le(h + 24, 2);
  } else if (testa >= 40) {
    const uint32_t compressione = Le(h + 30, 4);
    // Run lengths and embedded JPEG or PNG: no size follows from the header.
    if (compressione != 0 && compressione != 3 && compressione != 6) return std::nullopt;
    const int32_t a = int32_t(Le(h + 22, 4));
    larghezza = Le(h + 18, 4);
    altezza = a < 0 ? uint64_t(-int64_t(a)) : uint64_t(a);
    bit = Le(h + 28, 2);
  } else {
    return std::nullopt;
  }
  if (larghezza == 0 || altezza == 0 || larghezza > 0x7FFFFFFF || bit == 0 || bit > 32)
    return std::nullopt;
  // Rows padded to 4 bytes, but the last one's padding is never read.
  const uint64_t riga = (larghezza * bit + 31) / 32 * 4, ultima = (larghezza * bit + 7) / 8;
  return Corto(f, 14 + testa + riga * (altezza - 1) + ultima);
}

}  // namespace Crypta
