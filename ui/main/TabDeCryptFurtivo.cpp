// The reveal from the stealth layout, tried with the passphrase when the
// design's layout holds no encrypted payload: both key derivations and the
// decoding away from the window's thread, the payload into the tab's own
// sink (the string box, or the file in its boxes, as designed).
#include "Frase.h"
#include "Segreto.h"
#include "TabDeCrypt.h"
#if TAVELIN_FURTIVO
#include "OperazioniFurtive.h"
#endif

std::optional<std::string> TabDeCrypt::RivelaInvisibile(const std::string& carrier,
                                                        const Crypta::Segreto& frase,
                                                        Crypta::Destinazione& d) {
#if TAVELIN_FURTIVO
  window()->setEnabled(false);
  emit Stato(tr("Ricerca dei dati invisibili con la passphrase in corso…"));
  Crypta::RivelazioneFurtiva r;
  const std::string_view testo(reinterpret_cast<const char*>(frase.Dati()), frase.Lunghezza());
  Frase::Attendi([&] { r = Crypta::RivelaFurtivo(carrier, testo, d); });
  if (!r.trovato) return std::nullopt;
  return r.nome;
#else
  static_cast<void>(carrier), static_cast<void>(frase), static_cast<void>(d);
  return std::nullopt;
#endif
}
