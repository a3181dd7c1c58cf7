// The info command: the carrier's header record, one row per field with the
// captions of the window's info panel, and the usable bytes.
#include <algorithm>
#include <cstdio>
#include <string>

#include "Comandi.h"
#include "Comune.h"
#include "Esito.h"
#include "Furtivo.h"

namespace Cli {

namespace {

void Riga(const std::string& didascalia, const std::string& valore) {
  char testa[40];
  std::snprintf(testa, sizeof testa, "%-26s", didascalia.c_str());
  ScriviUscita(std::string(testa) + valore + "\n");
}

}  // namespace

void Info(const OpzioniInfo& o) {
  const int16_t Nbit = LeggiBit(o.bit);
  const Crypta::Analisi a = Carica(o.bitmap, Nbit, true);
  const Crypta::Intestazione& h = a.campi;
  Riga("Dimensione File (Bytes):", Numero(h.DimensioneFile));
  Riga("Offset:", Numero(h.OffsetDati));
  Riga("Lunghezza Header:", Numero(h.LunghezzaHeader));
  Riga("Larghezza Bitmap:", Numero(h.Larghezza));
  Riga("Altezza Bitmap:", Numero(h.Altezza));
  Riga("Numero Piani:", Numero(h.NumeroPiani));
  Riga("Bits per Pixel:", Numero(h.BitPerPixel));
  Riga("Compressione:", h.Compressione);
  Riga("Grandezza Bitmap:", Numero(h.GrandezzaBitmap));
  Riga("Risoluzione Orizz. Px/Mt:", Numero(h.RisoluzioneOrizz));
  Riga("Risoluzione Vert. Px/Mt:", Numero(h.RisoluzioneVert));
  Riga("Colori usati:", Numero(h.ColoriUsati));
  Riga("Colori importanti:", Numero(h.ColoriImportanti));
  Riga("Tipo:", h.TipoBitmap);
  Riga("Bytes utilizzabili:", Numero(h.BytesUtilizzabili));
  // The length field stops at 2^31 - 1, whatever the carrier could hold.
  Riga("Bytes nascondibili:",
       Numero(std::max(0.0, std::min(h.BytesUtilizzabili, double(kMassimoNascondibile)))));
  if (const std::string furtiva = CapienzaFurtiva(a); !furtiva.empty())
    Riga("Bytes furtivi:", furtiva);
  ChiudiUscita();

  // The panel is shown in full before the window refuses such a carrier.
  if (!(h.BytesUtilizzabili > 0)) Rifiuta("Bitmap di dimensioni insufficienti");
}

}  // namespace Cli
