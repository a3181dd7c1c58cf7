// Where a carrier's pixels are and whether the stealth layout may use them:
// uncompressed 24- and 32-bit bitmaps, bottom-up or top-down, whole.
#include "Portatore.h"

#include "Furtivo.h"
#include "Lingua.h"

namespace Crypta::Furtivo {

std::optional<Portatore> Geometria(const Analisi& a, int64_t dimensione, std::string* perche) {
  auto no = [perche](std::string s) -> std::optional<Portatore> {
    if (perche) *perche = std::move(s);
    return std::nullopt;
  };
  if (!a.Accettata()) return no(a.Perche());
  const Intestazione& h = a.campi;
  if (h.BitPerPixel != 24 && h.BitPerPixel != 32)
    return no(Tr("lo strato furtivo usa solo bitmap a 24 o 32 bit, e questa ne ha %1 per pixel",
                 {std::to_string(int(h.BitPerPixel))}));
  if (a.Compressione() != 0)
    return no(Tr("lo strato furtivo usa solo pixel non compressi (compressione %1)",
                 {std::to_string(a.Compressione())}));
  // A negative height, as a 32-bit two's complement, is a top-down picture;
  // the rows' order is nothing to the layout.
  const int64_t altezza =
      h.Altezza >= 2147483648.0 ? int64_t(4294967296.0 - h.Altezza) : int64_t(h.Altezza);
  const int64_t larghezza = int64_t(h.Larghezza);
  if (larghezza <= 0 || altezza <= 0 || larghezza >= (int64_t(1) << 31))
    return no(Tr("la bitmap non ha pixel"));
  const double valori = double(larghezza) * double(altezza) * 3;
  if (valori > double(kValoriMassimi))
    return no(Tr("la bitmap è troppo grande per lo strato furtivo (al massimo %1 pixel)",
                 {std::to_string(kValoriMassimi / 3)}));
  Portatore p;
  p.forma.larghezza = larghezza;
  p.forma.altezza = altezza;
  p.forma.byte_per_pixel = int(h.BitPerPixel) / 8;
  p.forma.passo = (larghezza * int64_t(h.BitPerPixel) + 31) / 32 * 4;
  p.inizio = int64_t(h.OffsetDati);
  p.byte = p.forma.passo * altezza;
  if (p.inizio < 54 || double(p.inizio) + double(p.byte) > double(dimensione))
    return no(Tr("la bitmap è più corta dei pixel che dichiara"));
  if (Capienza(p.forma.Valori(), 0) == 0)
    return no(Tr("la bitmap è troppo piccola per lo strato furtivo"));
  return p;
}

std::vector<uint8_t> Leggi(const Accesso& file, Portatore& p) {
  std::vector<uint8_t> byte(size_t(p.byte));
  if (file.LeggiA(p.inizio, byte.data(), byte.size()) != byte.size())
    throw Errore(Tr("La bitmap \"%1\" è più corta dei pixel che dichiara.", {file.Nome()}),
                 Genere::File);
  p.forma.byte = byte.data();
  return byte;
}

}  // namespace Crypta::Furtivo
