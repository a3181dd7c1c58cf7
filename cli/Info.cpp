// The info command: the carrier's header record, one row per field with the
// captions of the window's info panel, and the usable bytes.
#include <algorithm>
#include <cstdio>
#include <string>

#include "Comandi.h"
#include "Comune.h"
#include "Esito.h"
#include "Furtivo.h"
#include "Lingue.h"

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
  Riga(_("Dimensione File (Bytes):"), Numero(h.DimensioneFile));
  Riga(_("Offset:"), Numero(h.OffsetDati));
  Riga(_("Lunghezza Header:"), Numero(h.LunghezzaHeader));
  Riga(_("Larghezza Bitmap:"), Numero(h.Larghezza));
  Riga(_("Altezza Bitmap:"), Numero(h.Altezza));
  Riga(_("Numero Piani:"), Numero(h.NumeroPiani));
  Riga(_("Bits per Pixel:"), Numero(h.BitPerPixel));
  Riga(_("Compressione:"), h.Compressione);
  Riga(_("Grandezza Bitmap:"), Numero(h.GrandezzaBitmap));
  Riga(_("Risoluzione Orizz. Px/Mt:"), Numero(h.RisoluzioneOrizz));
  Riga(_("Risoluzione Vert. Px/Mt:"), Numero(h.RisoluzioneVert));
  Riga(_("Colori usati:"), Numero(h.ColoriUsati));
  Riga(_("Colori importanti:"), Numero(h.ColoriImportanti));
  Riga(_("Tipo:"), h.TipoBitmap);
  Riga(_("Bytes utilizzabili:"), Numero(h.BytesUtilizzabili));
  // The length field stops at 2^31 - 1, whatever the carrier could hold.
  Riga(_("Bytes nascondibili:"),
       Numero(std::max(0.0, std::min(h.BytesUtilizzabili, double(kMassimoNascondibile)))));
  if (const std::string furtiva = CapienzaFurtiva(a); !furtiva.empty())
    Riga(_("Bytes furtivi:"), furtiva);
  ChiudiUscita();

  // The panel is shown in full before the window refuses such a carrier.
  if (!(h.BytesUtilizzabili > 0)) Rifiuta(_("Bitmap di dimensioni insufficienti"));
}

}  // namespace Cli
