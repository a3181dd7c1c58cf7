// The stealth reveal over files: the walk's key, the header, the cipher's key
// from the salt found there, and the file into the sink only once it is
// whole and authentic.
#include "Chiavi.h"
#include "Lingua.h"
#include "OperazioniFurtive.h"
#include "Portatore.h"

namespace Crypta {

RivelazioneFurtiva RivelaFurtivo(const std::string& carrier, std::string_view passphrase,
                                 Destinazione& d, const Osservatore& o) {
  const File file = File::Apri(carrier, File::Modo::Lettura);
  if (!file.Blocca(File::Blocco::Condiviso))
    throw Errore(Tr("La bitmap \"%1\" è in uso in un'altra operazione: riprovare quando è finita.",
                    {carrier}),
                 Genere::InUso);
  RivelazioneFurtiva esito;
  auto g = Furtivo::Geometria(Analizza(file, 1), file.Dimensione(), nullptr);
  if (!g) return esito;
  const Furtivo::Chiave cammino =
      Furtivo::ChiaveCammino(passphrase, g->forma.larghezza, g->forma.altezza);
  const std::vector<uint8_t> pixel = Furtivo::Leggi(file, *g);
  const auto segreto = Furtivo::Rivela(
      g->forma, cammino,
      [passphrase](const Furtivo::Sale& s) { return Furtivo::ChiaveCifratura(passphrase, s); }, o);
  if (!segreto) return esito;
  esito = {true, int64_t(segreto->dati.size()), segreto->nome};
  if (o.Inizio) o.Inizio(esito.lunghezza);
  d.Apri(file, esito.lunghezza);
  try {
    d.Scrivi(reinterpret_cast<const uint8_t*>(segreto->dati.data()), segreto->dati.size());
    d.Completa();
  } catch (...) {
    d.Annulla();
    throw;
  }
  return esito;
}

}  // namespace Crypta
