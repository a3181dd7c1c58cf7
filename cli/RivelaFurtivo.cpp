// The stealth reveal on the command line, into the chosen sink or into a
// new file named as the stored name; and the stealth capacity for info.
#include <algorithm>
#include <cstdio>

#include "Barra.h"
#include "Comune.h"
#include "Esito.h"
#include "Furtivo.h"
#include "Lingua.h"
#include "Lingue.h"
#include "OperazioniFurtive.h"

namespace Cli {

std::string Rata(double r) {
  char t[32];
  std::snprintf(t, sizeof t, "%.2f", r);
  std::string s = t;
  std::replace(s.begin(), s.end(), '.', ',');
  return s;
}

const char* const kNienteFurtivo = N_("Nessun dato nascosto con questa passphrase.");

const char* const kSenzaFurtivo = "";

bool FurtivoDisponibile() {
  return true;
}

bool PortatoreFurtivo(const std::string& path) {
  return Crypta::OstacoloFurtivo(Crypta::Analizza(path, 1)).empty();
}

bool RivelaFurtivo(const std::string& bitmap, const std::string& passphrase,
                   Crypta::Destinazione* d) {
  Barra barra(_("Estraggo"));
  Crypta::DestinazioneMemoria memoria;
  const Crypta::RivelazioneFurtiva r =
      Crypta::RivelaFurtivo(bitmap, passphrase, d ? *d : memoria, Osserva(barra));
  if (!r.trovato) return false;
  barra.Completa();
  if (d) return true;
  // The name comes from the carrier: it may only name a new file here.
  if (r.nome.empty())
    Rifiuta(_("I dati nascosti sono un testo, senza nome di file: indicare -t, -o FILE oppure -."));
  if (const std::string perche = Crypta::Furtivo::NomeNonValido(r.nome); !perche.empty())
    Rifiuta(Crypta::Componi(_("Il nome del file nascosto non si può usare (%1): indicare -o FILE."),
                            {perche}));
  const Crypta::File carrier = Crypta::File::Apri(bitmap, Crypta::File::Modo::Lettura);
  Crypta::DestinazioneNuova nuova(r.nome);
  nuova.Apri(carrier, r.lunghezza);
  try {
    nuova.Scrivi(reinterpret_cast<const uint8_t*>(memoria.dati.data()), memoria.dati.size());
    nuova.Completa();
  } catch (...) {
    nuova.Annulla();
    throw;
  }
  ScriviUscita(r.nome + "\n");
  ChiudiUscita();
  return true;
}

std::string CapienzaFurtiva(const Crypta::Analisi& a) {
  const std::string perche = Crypta::OstacoloFurtivo(a);
  if (!perche.empty()) return "0: " + perche;
  return Crypta::Componi(_("%1 a %2 bit per valore"), {Numero(double(Crypta::CapienzaFurtiva(a))),
                                                       Rata(Crypta::Furtivo::kRataSicura)});
}

}  // namespace Cli
