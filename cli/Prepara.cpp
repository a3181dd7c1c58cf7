// The prepare command: the engine's converter makes a carrier of any picture
// it reads; then the capacity at every bit count.
#include <cstdio>
#include <iostream>

#include "Comandi.h"
#include "Comune.h"
#include "Conversione.h"
#include "Segnali.h"

namespace Cli {

namespace {

void Capienze(const std::string& path, const Crypta::Conversione& c) {
  char riga[128];
  std::snprintf(riga, sizeof riga, ": %d x %d pixel, 24 bit.\n", c.larghezza, c.altezza);
  ScriviUscita("Bitmap scritta in " + path + riga);
  for (const int16_t Nbit : {1, 2, 4, 8}) {
    const Crypta::Analisi a = Crypta::Analizza(path, Nbit);
    if (!a.Accettata())
      throw Crypta::Errore("La bitmap scritta non risulta valida.", Crypta::Genere::File);
    std::snprintf(riga, sizeof riga, "Bytes utilizzabili a %d bit: %s\n", Nbit,
                  Numero(a.campi.BytesUtilizzabili).c_str());
    ScriviUscita(riga);
  }
  ChiudiUscita();
}

}  // namespace

void Prepara(const OpzioniPrepara& o) {
  Crypta::Osservatore osserva;
  osserva.Annullare = [] { return SegnaleRicevuto() != 0; };
  const Crypta::Conversione c = Crypta::Converti(o.immagine, o.uscita, osserva);
  // A channel that is opaque throughout loses nothing (GIFs always come with one).
  if (c.trasparente)
    std::cerr << "tavelin-cli: Attenzione: l'immagine ha un canale alfa, che la bitmap non "
                 "conserva: i pixel trasparenti diventano opachi, con il loro colore."
              << std::endl;
  Capienze(o.uscita, c);
}

}  // namespace Cli
