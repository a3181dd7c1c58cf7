#include "Esito.h"

#include "Segnali.h"

namespace Cli {

int StatoDi(const Crypta::Errore& e) {
  switch (e.genere) {
    case Crypta::Genere::Rifiutata:
    case Crypta::Genere::TroppoGrande:
    case Crypta::Genere::InUso:
      return kRifiuto;
    case Crypta::Genere::Annullata:
      return kSegnale + SegnaleRicevuto();
    case Crypta::Genere::File:
    case Crypta::Genere::Argomento:
      break;
  }
  return kUso;
}

}  // namespace Cli
