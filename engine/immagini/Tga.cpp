// The size a TGA of raw rows needs: the library reads each row in one call
// and never checks what it got, so a file cut inside a row would leave the
// rest of the picture as whatever memory held.
#include "Controlli.h"

namespace Crypta {

std::optional<std::string> DifettoTga(const File& f) {
  uint8_t h[18];
  if (f.LeggiA(0, h, sizeof h) != sizeof h) return std::nullopt;
  const int tavolozza = h[1], tipo = h[2], bit = h[16];
  // Rows of colour or grey samples, without a palette or run lengths; the
  // library reads 15- and 16-bit colour a pixel at a time, and checks those.
  if (tavolozza != 0 || (tipo != 2 && tipo != 3) || (tipo == 2 && (bit == 15 || bit == 16)))
    return std::nullopt;
  if (bit != 8 && bit != 16 && bit != 24 && bit != 32) return std::nullopt;
  const uint64_t larghezza = h[12] | h[13] << 8, altezza = h[14] | h[15] << 8;
  const uint64_t serve = sizeof h + h[0] + larghezza * altezza * uint64_t(bit / 8);
  if (uint64_t(f.Dimensione()) >= serve) return std::nullopt;
  return "il file finisce prima dell'immagine (è troncato): " + std::to_string(f.Dimensione()) +
         " byte dei " + std::to_string(serve) + " che le righe richiedono";
}

}  // namespace Crypta
