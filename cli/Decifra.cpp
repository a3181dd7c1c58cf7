// The decrypt command: a payload that was revealed without --encrypt (or by
// the window, which knows nothing of encryption), decrypted into a new file
// or onto standard output. The same sink as reveal --encrypt, fed from a file.
#include <cerrno>
#include <vector>

#include "Cifratura.h"
#include "Comandi.h"
#include "Comune.h"
#include "Esito.h"
#include "Furtivo.h"
#include "Passphrase.h"
#include "Segnali.h"

namespace Cli {

void Decifra(const OpzioniDecifra& o) {
  if (!Crypta::CifraturaDisponibile()) ErroreUso(kSenzaCifratura);
  if (o.conTrattino && o.trattino != "-")
    ErroreUso("Argomento non previsto: \"" + o.trattino +
              "\" (un file di uscita si indica con -o FILE, lo standard output con -).");
  if (int{o.conUscita} + int{o.conTrattino} != 1)
    ErroreUso("Indicare una e una sola uscita: -o FILE oppure - (standard output).");
  if (o.conUscita && Crypta::File::Esiste(o.uscita)) Crypta::ErroreFile(o.uscita, "creare", EEXIST);
  const Crypta::File ingresso = Crypta::File::Apri(o.file, Crypta::File::Modo::Lettura);
  Crypta::DestinazioneNuova nuovo(o.uscita);
  Crypta::DestinazioneFlusso flusso(StandardOutput());
  Crypta::Destinazione& uscita = o.conUscita ? static_cast<Crypta::Destinazione&>(nuovo) : flusso;
  // No encrypted payload but a carrier of the stealth layout: the passphrase
  // is tried on that.
  uint8_t inizio[8];
  const size_t letti = ingresso.LeggiA(0, inizio, sizeof inizio);
  if (!Crypta::Cifrato(inizio, letti) && PortatoreFurtivo(o.file)) {
    if (!RivelaFurtivo(o.file, Passphrase(o.cifra, false, false), &uscita)) Rifiuta(kNienteFurtivo);
    return;
  }
  Crypta::Decifratore d(uscita, Crypta::DaPassphrase(Passphrase(o.cifra, false, false)));
  d.Apri(ingresso, ingresso.Dimensione());
  try {
    std::vector<uint8_t> blocco(size_t{1} << 20);
    for (int64_t pos = 0;;) {
      if (SegnaleRicevuto() != 0)
        throw Crypta::Errore("Operazione interrotta.", Crypta::Genere::Annullata);
      const size_t n = ingresso.LeggiA(pos, blocco.data(), blocco.size());
      if (n == 0) break;
      d.Scrivi(blocco.data(), n);
      pos += int64_t(n);
    }
    d.Completa();
  } catch (...) {
    d.Annulla();
    throw;
  }
}

}  // namespace Cli
