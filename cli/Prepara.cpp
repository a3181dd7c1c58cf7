// The prepare command: the engine's converter makes a carrier of any picture
// it reads; then the capacity at every bit count.
#include <cstdio>

#include "Avvisi.h"
#include "Comandi.h"
#include "Comune.h"
#include "Conversione.h"
#include "Esito.h"
#include "Lingua.h"
#include "Lingue.h"
#include "Segnali.h"

namespace Cli {

namespace {

void Capienze(const std::string& path, const Crypta::Conversione& c) {
  ScriviUscita(Crypta::Componi(_("Bitmap scritta in %1: %2 x %3 pixel, 24 bit."),
                               {path, std::to_string(c.larghezza), std::to_string(c.altezza)}) +
               "\n");
  for (const int16_t Nbit : {1, 2, 4, 8}) {
    const Crypta::Analisi a = Crypta::Analizza(path, Nbit);
    if (!a.Accettata())
      throw Crypta::Errore(_("La bitmap scritta non risulta valida."), Crypta::Genere::File);
    ScriviUscita(Crypta::Componi(
                     P_("Bytes utilizzabili a %1 bit: %2", "Bytes utilizzabili a %1 bit: %2", Nbit),
                     {std::to_string(Nbit), Numero(a.campi.BytesUtilizzabili)}) +
                 "\n");
  }
  ChiudiUscita();
}

}  // namespace

void Prepara(const OpzioniPrepara& o) {
  // Elsewhere "-" names the standard streams; a carrier is a file to hide in
  // and a picture is read more than once, so here it names neither.
  if (o.uscita == "-")
    ErroreUso(
        _("prepare scrive la bitmap in un file: indicarne il nome con -o FILE (\"-\", lo "
          "standard output, non è ammesso; un file di nome \"-\" si scrive ./-)."));
  if (o.immagine == "-")
    ErroreUso(
        _("prepare legge l'immagine da un file: indicarne il nome (\"-\", lo standard "
          "input, non è ammesso; un file di nome \"-\" si indica come ./-)."));
  Crypta::Osservatore osserva;
  osserva.Annullare = [] { return SegnaleRicevuto() != 0; };
  const Crypta::Conversione c = Crypta::Converti(o.immagine, o.uscita, osserva);
  // A channel that is opaque throughout loses nothing (GIFs always come with one).
  if (c.trasparente)
    Avvisa(
        _("l'immagine ha un canale alfa, che la bitmap non conserva: i pixel trasparenti "
          "diventano opachi, con il loro colore."));
  Capienze(o.uscita, c);
}

}  // namespace Cli
