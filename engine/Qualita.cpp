#include "Qualita.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace Crypta {

namespace {

constexpr int64_t kCampioni = 65536;  // carrier bytes looked at, evenly spread

struct Colore {
  double r = 0, g = 0, b = 0;
};

double Distanza(const Colore& a, const Colore& b) {
  return (a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b);
}

// The palette after the headers, as many entries as the bit count allows.
std::vector<Colore> Tavolozza(const Accesso& carrier, const Analisi& a, int bpp) {
  const size_t voci = size_t{1} << bpp;
  std::vector<Colore> t(voci);
  std::vector<uint8_t> byte(voci * 4);
  const int64_t inizio = 14 + int64_t(a.campi.LunghezzaHeader);
  const size_t letti = carrier.LeggiA(inizio, byte.data(), byte.size());
  for (size_t i = 0; i < voci && 4 * i + 3 <= letti; ++i)
    t[i] = {double(byte[4 * i + 2]), double(byte[4 * i + 1]), double(byte[4 * i])};
  return t;
}

// For a palette picture: the squared error each byte value costs on average,
// over the 2^Nbit low-bit patterns that may replace its own, summed over the
// pixels the byte holds.
std::array<double, 256> CostiTavolozza(const std::vector<Colore>& t, int bpp, int Nbit) {
  std::array<double, 256> costo{};
  const int pixel = 8 / bpp, maschera = (1 << Nbit) - 1, indice = (1 << bpp) - 1;
  for (int v = 0; v < 256; ++v) {
    double somma = 0;
    for (int r = 0; r <= maschera; ++r) {
      const int w = (v & ~maschera) | r;
      for (int p = 0; p < pixel; ++p) {
        const int spost = 8 - bpp * (p + 1);
        somma += Distanza(t[size_t((v >> spost) & indice)], t[size_t((w >> spost) & indice)]);
      }
    }
    costo[size_t(v)] = somma / double(maschera + 1);
  }
  return costo;
}

// A 16-bit pixel's channels on the 0-255 scale: five bits each, or six for
// green where the bit fields say so.
Colore Sedici(unsigned u, bool verde6) {
  if (verde6)
    return {double((u >> 11) & 31) * 255 / 31, double((u >> 5) & 63) * 255 / 63,
            double(u & 31) * 255 / 31};
  return {double((u >> 10) & 31) * 255 / 31, double((u >> 5) & 31) * 255 / 31,
          double(u & 31) * 255 / 31};
}

}  // namespace

double PsnrAtteso(const Accesso& carrier, const Analisi& a, int16_t Nbit, int64_t flusso) {
  const Intestazione& h = a.campi;
  const int bpp = int(h.BitPerPixel);
  const double larghezza = h.Larghezza;
  // A negative height, stored as its two's complement, is a top-down picture.
  const double altezza = h.Altezza >= 2147483648.0 ? 4294967296.0 - h.Altezza : h.Altezza;
  if (bpp <= 0 || bpp > 32 || !(larghezza > 0) || !(altezza > 0) || larghezza > 1e9)
    return INFINITY;
  const int64_t riga = (int64_t(larghezza) * bpp + 31) / 32 * 4;
  const int64_t usati = (int64_t(larghezza) * bpp + 7) / 8;  // a row's bytes before its padding
  const int64_t inizio = int64_t(h.OffsetDati);
  const int64_t fine = std::min(
      {inizio + flusso * (8 / Nbit), inizio + riga * int64_t(altezza), carrier.Dimensione()});
  if (fine <= inizio) return INFINITY;

  const bool tavolozza = bpp <= 8;
  std::array<double, 256> costo{};
  if (tavolozza) {
    costo = CostiTavolozza(Tavolozza(carrier, a, bpp), bpp, Nbit);
  } else {
    for (int v = 0; v < 256; ++v) {
      const int basso = v & ((1 << Nbit) - 1);
      double somma = 0;
      for (int r = 0; r < (1 << Nbit); ++r) somma += double((basso - r) * (basso - r));
      costo[size_t(v)] = somma / double(1 << Nbit);
    }
  }
  bool verde6 = false;
  if (bpp == 16 && a.Compressione() == 3) {
    uint8_t m[4] = {};
    verde6 = carrier.LeggiA(54 + 4, m, 4) == 4 && (m[0] | m[1] << 8) == 0x07E0;
  }

  const int64_t passo = std::max<int64_t>(1, (fine - inizio) / kCampioni);
  double errore = 0, campioni = 0;
  for (int64_t pos = inizio; pos < fine; pos += passo) {
    const int64_t colonna = (pos - inizio) % riga;
    if (colonna >= usati) continue;  // padding shows nothing
    uint8_t b[2] = {};
    if (carrier.LeggiA(pos - (bpp == 16 ? colonna % 2 : 0), b, bpp == 16 ? 2 : 1) == 0) break;
    if (tavolozza) {
      errore += costo[b[0]];
      campioni += 3.0 * (8 / bpp);
    } else if (bpp == 16) {
      const bool alto = colonna % 2 == 1;
      const unsigned u = unsigned(b[0]) | unsigned(b[1]) << 8;
      const Colore prima = Sedici(u, verde6);
      const unsigned maschera = ((1u << Nbit) - 1) << (alto ? 8 : 0);
      for (unsigned r = 0; r < (1u << Nbit); ++r)
        errore += Distanza(prima, Sedici((u & ~maschera) | r << (alto ? 8 : 0), verde6)) /
                  double(1 << Nbit);
      campioni += 1.5;
    } else if (bpp == 32 && colonna % 4 == 3) {
      continue;  // the byte beside the colours, which nothing shows
    } else {
      errore += costo[b[0]];
      campioni += 1;
    }
  }
  if (campioni == 0 || errore == 0) return INFINITY;
  return 10 * std::log10(255.0 * 255.0 / (errore / campioni));
}

}  // namespace Crypta
