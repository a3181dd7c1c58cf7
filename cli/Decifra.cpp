// The decrypt command: a payload that was revealed without --encrypt (or by
// the window, which knows nothing of encryption), decrypted into a new file
// or onto standard output. The same sink as reveal --encrypt, fed from a file
// or from standard input.
#include <cerrno>
#include <vector>

#include "Cifratura.h"
#include "Comandi.h"
#include "Comune.h"
#include "Esito.h"
#include "Furtivo.h"
#include "Lingua.h"
#include "Lingue.h"
#include "Passphrase.h"
#include "Segnali.h"

namespace Cli {

namespace {

// Standard input, whose length only its end shows, gathered in an unnamed
// temporary file first: it is ciphertext, which may lie on a disk.
Crypta::File Raccogli() {
  Crypta::File f = Crypta::File::Temporaneo(Crypta::CartellaTemporanea());
  std::vector<uint8_t> blocco(size_t{1} << 20);
  for (int64_t pos = 0;;) {
    if (SegnaleRicevuto() != 0)
      throw Crypta::Errore(_("Operazione interrotta."), Crypta::Genere::Annullata);
    if (!AttendiIngresso()) continue;
    const std::optional<size_t> n = StandardInput().LeggiParte(blocco.data(), blocco.size());
    if (!n) continue;
    if (*n == 0) return f;
    f.ScriviA(pos, blocco.data(), *n);
    pos += int64_t(*n);
  }
}

}  // namespace

void Decifra(const OpzioniDecifra& o) {
  if (!Crypta::CifraturaDisponibile()) ErroreUso(_(kSenzaCifratura));
  if (o.conTrattino && o.trattino != "-")
    ErroreUso(Crypta::Componi(_("Argomento non previsto: \"%1\" (un file di uscita si indica con "
                                "-o FILE, lo standard output con -)."),
                              {o.trattino}));
  if (int{o.conUscita} + int{o.conTrattino} != 1)
    ErroreUso(_("Indicare una e una sola uscita: -o FILE oppure - (standard output)."));
  if (o.conUscita && Crypta::File::Esiste(o.uscita)) Crypta::ErroreFile(o.uscita, "creare", EEXIST);
  // "-" is standard input here as everywhere (a file named so is ./-); the
  // passphrase, which then cannot come from it, is read first.
  const bool daIngresso = o.file == "-";
  Crypta::Segreto frase = Passphrase(o.cifra, false, daIngresso);
  const Crypta::File ingresso =
      daIngresso ? Raccogli() : Crypta::File::Apri(o.file, Crypta::File::Modo::Lettura);
  Crypta::DestinazioneNuova nuovo(o.uscita);
  Crypta::DestinazioneFlusso flusso(StandardOutput());
  Crypta::Destinazione& uscita = o.conUscita ? static_cast<Crypta::Destinazione&>(nuovo) : flusso;
  // No encrypted payload but a carrier of the stealth layout: the passphrase
  // is tried on that.
  uint8_t inizio[8];
  const size_t letti = ingresso.LeggiA(0, inizio, sizeof inizio);
  if (!daIngresso && !Crypta::Cifrato(inizio, letti) && PortatoreFurtivo(o.file)) {
    if (!RivelaFurtivo(o.file, Testo(frase), &uscita)) Rifiuta(_(kNienteFurtivo));
    return;
  }
  Crypta::Decifratore d(uscita, Crypta::DaPassphrase(std::move(frase)));
  d.Apri(ingresso, ingresso.Dimensione());
  try {
    std::vector<uint8_t> blocco(size_t{1} << 20);
    for (int64_t pos = 0;;) {
      if (SegnaleRicevuto() != 0)
        throw Crypta::Errore(_("Operazione interrotta."), Crypta::Genere::Annullata);
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
