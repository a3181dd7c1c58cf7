// The bitmap header reader: the header record, its fields and the capacity.
#include <algorithm>
#include <array>
#include <cmath>

#include "Crypta.h"
#include "File.h"
#include "Interno.h"

namespace Crypta {

Intestazione BmpHeader;

namespace {

// The carrier slot: the header bytes of the carrier that LeggiHeader reads.
// Positions past the end of a short file read as 0.
struct Slot {
  std::array<unsigned char, 54> byte{};
  size_t letti = 0;
};
Slot carrier;

}  // namespace

double LeggiValore(int32_t Inizio, int32_t Fine) {
  double valore = 0;
  const int64_t ultimo = std::min<int64_t>(Fine, static_cast<int64_t>(carrier.letti));
  for (int64_t p = std::max<int64_t>(Inizio, 1); p <= ultimo; ++p) {
    const unsigned char b = carrier.byte[static_cast<size_t>(p - 1)];
    if (b != 0) valore += b * std::pow(256.0, double(p - Inizio));
  }
  return valore;
}

std::string DescriviTipo(const std::string& Firma) {
  if (Firma == "BM") return "Windows 3.1x,95,98,Me,NT,2000 .... ";
  if (Firma == "BA") return "OS/2 Bitmap Array";
  if (Firma == "CI") return "OS/2 Color Icon";
  if (Firma == "CP") return "OS/2 Color Pointer";
  if (Firma == "IC") return "OS/2 Icon";
  if (Firma == "PT") return "OS/2 Pointer";
  return "";
}

double Capienza(double DimensioneFile, double OffsetDati, int16_t Nbit) {
  if (Nbit <= 0) return 0;  // no bit to carry anything
  const double n = Nbit;
  return std::floor((DimensioneFile - OffsetDati - 32 / n) * n / 8);
}

bool LeggiHeader(const std::string& Path, int16_t Nbit) {
  carrier = Slot{};
  {
    // A file that cannot be read (missing, a folder, no permission) is refused
    // like an unknown signature.
    const std::optional<File> f = File::ProvaApri(Path);
    try {
      if (f) carrier.letti = f->LeggiA(0, carrier.byte.data(), carrier.byte.size());
    } catch (const Errore&) {
      carrier = Slot{};
    }
  }
  const std::string firma{static_cast<char>(carrier.byte[0]), static_cast<char>(carrier.byte[1])};
  BmpHeader.TipoBitmap = carrier.letti >= 2 ? DescriviTipo(firma) : "";
  if (BmpHeader.TipoBitmap.empty()) return false;

  BmpHeader.DimensioneFile = LeggiValore(3, 6);
  BmpHeader.OffsetDati = LeggiValore(11, 14);
  if (!(BmpHeader.DimensioneFile > BmpHeader.OffsetDati)) return false;
  BmpHeader.LunghezzaHeader = LeggiValore(15, 18);
  if (BmpHeader.LunghezzaHeader != 40) return false;

  BmpHeader.Larghezza = LeggiValore(19, 22);
  BmpHeader.Altezza = LeggiValore(23, 26);
  BmpHeader.NumeroPiani = LeggiValore(27, 28);
  BmpHeader.BitPerPixel = LeggiValore(29, 30);
  BmpHeader.Compressione = std::to_string(static_cast<uint32_t>(LeggiValore(31, 34)));
  BmpHeader.GrandezzaBitmap = LeggiValore(35, 38);
  BmpHeader.RisoluzioneOrizz = LeggiValore(39, 42);
  BmpHeader.RisoluzioneVert = LeggiValore(43, 46);
  BmpHeader.ColoriUsati = LeggiValore(47, 50);
  BmpHeader.ColoriImportanti = LeggiValore(51, 54);
  BmpHeader.BytesUtilizzabili = Capienza(BmpHeader.DimensioneFile, BmpHeader.OffsetDati, Nbit);
  return true;
}

}  // namespace Crypta
