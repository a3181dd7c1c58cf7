#include "Avvisi.h"

#include <iostream>

#include "Avvertimenti.h"
#include "Lingua.h"
#include "Lingue.h"

namespace Cli {

void Avvisa(const std::string& testo) {
  std::cerr << "tavelin-cli: " << Crypta::Componi(_("Attenzione: %1"), {testo}) << std::endl;
}

void AvvisaNascondi(const std::string& carrier, const Crypta::Analisi& a, int16_t Nbit,
                    const std::string& chiave, bool cifrato, int64_t lunghezza) {
  for (const std::string& avviso :
       Crypta::AvvisiNascondi(carrier, a, Nbit, chiave, cifrato, lunghezza))
    Avvisa(avviso);
}

std::optional<Crypta::Steganalisi::Referto> Rilevabilita(const std::string& carrier) {
  namespace S = Crypta::Steganalisi;
  try {
    return S::Esamina(S::LeggiCanali(carrier));
  } catch (const Crypta::Errore&) {
    return std::nullopt;
  }
}

void AvvisaRilevabile(const std::optional<Crypta::Steganalisi::Referto>& prima,
                      const std::string& risultato) {
  namespace S = Crypta::Steganalisi;
  if (!prima || prima->verdetto != S::Verdetto::NessunSegno) return;
  const std::optional<S::Referto> dopo = Rilevabilita(risultato);
  if (dopo && dopo->verdetto != S::Verdetto::NessunSegno &&
      dopo->verdetto != S::Verdetto::TroppoPiccola)
    Avvisa(Crypta::Componi(_("i dati nascosti si possono rilevare: l'analisi trova %1 "
                             "(tavelin-cli analyze per i dettagli)."),
                           {S::Descrivi(*dopo)}));
}

}  // namespace Cli
