// The header reader of the design: the header record, its fields and the
// capacity, filled from one analysis of the file.
#include <algorithm>
#include <cmath>

#include "Crypta.h"
#include "Interno.h"
#include "Operazioni.h"

namespace Crypta {

Intestazione BmpHeader;

namespace {

// The carrier slot: the header bytes of the carrier that LeggiHeader read
// last. Positions past the end of a short file read as 0.
Analisi ultima;

}  // namespace

double LeggiValore(int32_t Inizio, int32_t Fine) {
  double valore = 0;
  const int64_t fine = std::min<int64_t>(Fine, static_cast<int64_t>(ultima.letti));
  for (int64_t p = std::max<int64_t>(Inizio, 1); p <= fine; ++p) {
    const unsigned char b = ultima.byte[static_cast<size_t>(p - 1)];
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
  // A file that cannot be read (missing, a folder, no permission) is refused
  // like an unknown signature.
  ultima = Analizza(Path, Nbit);
  const Intestazione& h = ultima.campi;
  using E = Analisi::Esito;
  // The record keeps, past the point where the file is refused, the fields of
  // the carrier read before.
  BmpHeader.TipoBitmap = h.TipoBitmap;
  if (ultima.esito == E::Illeggibile || ultima.esito == E::Firma) return false;
  BmpHeader.DimensioneFile = h.DimensioneFile;
  BmpHeader.OffsetDati = h.OffsetDati;
  if (ultima.esito == E::Dimensione) return false;
  BmpHeader.LunghezzaHeader = h.LunghezzaHeader;
  if (ultima.esito == E::Header) return false;
  BmpHeader = h;
  return true;
}

}  // namespace Crypta
