// Reading a carrier's header into a value: the fields in the order the
// header reader takes them, stopping where the file is refused.
#include <cmath>

#include "Interno.h"
#include "Lingua.h"
#include "Operazioni.h"

namespace Crypta {

namespace {

// A little-endian number at 1-based positions inizio..fine; bytes past the
// end of a short file count 0.
double Valore(const Analisi& a, int inizio, int fine) {
  double v = 0;
  for (int p = fine; p >= inizio; --p)
    v = v * 256 + (static_cast<size_t>(p) <= a.letti ? a.byte[static_cast<size_t>(p - 1)] : 0);
  return v;
}

void Campi(Analisi& a, int16_t Nbit) {
  Intestazione& h = a.campi;
  const std::string firma{static_cast<char>(a.byte[0]), static_cast<char>(a.byte[1])};
  h.TipoBitmap = a.letti >= 2 ? DescriviTipo(firma) : "";
  a.esito = Analisi::Esito::Firma;
  if (h.TipoBitmap.empty()) return;
  h.DimensioneFile = Valore(a, 3, 6);
  h.OffsetDati = Valore(a, 11, 14);
  a.esito = Analisi::Esito::Dimensione;
  if (!(h.DimensioneFile > h.OffsetDati)) return;
  h.LunghezzaHeader = Valore(a, 15, 18);
  a.esito = Analisi::Esito::Header;
  if (h.LunghezzaHeader != 40) return;
  h.Larghezza = Valore(a, 19, 22);
  h.Altezza = Valore(a, 23, 26);
  h.NumeroPiani = Valore(a, 27, 28);
  h.BitPerPixel = Valore(a, 29, 30);
  h.Compressione = std::to_string(a.Compressione());
  h.GrandezzaBitmap = Valore(a, 35, 38);
  h.RisoluzioneOrizz = Valore(a, 39, 42);
  h.RisoluzioneVert = Valore(a, 43, 46);
  h.ColoriUsati = Valore(a, 47, 50);
  h.ColoriImportanti = Valore(a, 51, 54);
  h.BytesUtilizzabili = Capienza(h.DimensioneFile, h.OffsetDati, Nbit);
  a.esito = Analisi::Esito::Accettata;
}

}  // namespace

uint32_t Analisi::Compressione() const { return static_cast<uint32_t>(Valore(*this, 31, 34)); }

bool Analisi::Compressa() const { return Accettata() && !Ostacolo(campi).empty(); }

std::string Analisi::Perche() const {
  switch (esito) {
    case Esito::Illeggibile:
      return Tr("il file non si può leggere");
    case Esito::Firma:
      return Tr("non è una bitmap");
    case Esito::Dimensione:
      return Tr("la dimensione dichiarata non supera l'inizio dei pixel");
    case Esito::Header:
      return Tr("l'intestazione è di %1 byte, non di 40",
                {std::to_string(static_cast<uint32_t>(campi.LunghezzaHeader))});
    case Esito::Accettata: break;
  }
  return Ostacolo(campi);
}

std::string Ostacolo(const Intestazione& h) {
  // Every code but none (0) and bit fields (3) compresses the pixels.
  if (h.Compressione.empty() || h.Compressione == "0" || h.Compressione == "3") return "";
  return Tr("i pixel sono compressi (compressione %1) e i dati nascosti rovinerebbero l'immagine",
            {h.Compressione});
}

Analisi Analizza(const Accesso& file, int16_t Nbit) {
  Analisi a;
  try {
    a.letti = file.LeggiA(0, a.byte.data(), a.byte.size());
  } catch (const Errore& e) {
    a.errore = e.codice;
    a.byte.fill(0);
    return a;
  }
  Campi(a, Nbit);
  return a;
}

Analisi Analizza(const std::string& path, int16_t Nbit) {
  int err = 0;
  const std::optional<File> f = File::ProvaApri(path, &err);
  if (!f) {
    Analisi a;
    a.errore = err;
    return a;
  }
  return Analizza(*f, Nbit);
}

uint8_t MascheraDi(std::string_view chiave) {
  uint8_t k = 0;
  for (const char c : chiave) k ^= static_cast<uint8_t>(c);
  return k;
}

}  // namespace Crypta
