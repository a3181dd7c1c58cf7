// The reveal command: one reveal of the engine into a file it appends to, or
// streamed to standard output as raw bytes or as UTF-8 text; with --encrypt,
// decrypted on the way, only authenticated chunks going out.
#include <algorithm>
#include <optional>
#include <string>

#include "Avvisi.h"
#include "Barra.h"
#include "Cifratura.h"
#include "Comandi.h"
#include "Comune.h"
#include "Esito.h"
#include "Furtivo.h"
#include "Lingua.h"
#include "Lingue.h"
#include "Passphrase.h"
#include "Testo.h"

namespace Cli {

namespace {

// The revealed text on standard output: the codes become UTF-8 and each
// CR LF a LF. A CR that ends a block waits for the next, which may begin
// with its LF.
class UscitaTesto : public Crypta::Destinazione {
 public:
  void Apri(const Crypta::File& carrier, int64_t lunghezza) override {
    flusso_.Apri(carrier, lunghezza);
  }
  void Scrivi(const uint8_t* dati, size_t n) override {
    std::string parte = resto_ + std::string(reinterpret_cast<const char*>(dati), n);
    resto_.clear();
    if (!parte.empty() && parte.back() == '\r') {
      resto_ = "\r";
      parte.pop_back();
    }
    Emetti(parte);
  }
  void Completa() override { Emetti(resto_); }

 private:
  void Emetti(const std::string& codici) {
    const std::string utf8 = Crypta::CodiciAUtf8(Crypta::CapoLF(codici));
    flusso_.Scrivi(reinterpret_cast<const uint8_t*>(utf8.data()), utf8.size());
  }
  Crypta::DestinazioneFlusso flusso_{StandardOutput()};
  std::string resto_;
};

// Passes everything on and keeps the payload's first bytes, to tell a user
// who forgot --encrypt what the bytes are.
class Spia : public Crypta::Destinazione {
 public:
  explicit Spia(Crypta::Destinazione& d) : d_(d) {}
  void Apri(const Crypta::File& carrier, int64_t lunghezza) override {
    d_.Apri(carrier, lunghezza);
  }
  void Scrivi(const uint8_t* dati, size_t n) override {
    inizio_.append(reinterpret_cast<const char*>(dati),
                   std::min(n, 8 - std::min<size_t>(8, inizio_.size())));
    d_.Scrivi(dati, n);
  }
  void Completa() override { d_.Completa(); }
  void Annulla() noexcept override { d_.Annulla(); }
  bool Cifrati() const {
    return Crypta::Cifrato(reinterpret_cast<const uint8_t*>(inizio_.data()), inizio_.size());
  }

 private:
  Crypta::Destinazione& d_;
  std::string inizio_;
};

// The sinks a reveal may write to, one of which the options choose; none for
// a stealth reveal without an output, which names its file itself.
struct Uscite {
  explicit Uscite(const OpzioniRivela& o) : file(o.uscita) {
    scelta = o.conUscita     ? static_cast<Crypta::Destinazione*>(&file)
             : o.testo       ? static_cast<Crypta::Destinazione*>(&testo)
             : o.conTrattino ? &byte
                             : nullptr;
  }
  Crypta::DestinazioneFile file;
  Crypta::DestinazioneFlusso byte{StandardOutput()};
  UscitaTesto testo;
  Crypta::Destinazione* scelta;
};

void RivelaStealth(const OpzioniRivela& o) {
  if (o.conBit || o.chiave.conTesto || o.chiave.conFile)
    ErroreUso(
        _("-b e -k non valgono con --stealth: lo strato furtivo sceglie da sé dove nascondere."));
  if (int{o.testo} + int{o.conUscita} + int{o.conTrattino} > 1)
    ErroreUso(_("Indicare al più un'uscita: -t (testo), -o FILE oppure - (standard output)."));
  if (!FurtivoDisponibile()) ErroreUso(_(kSenzaFurtivo));
  Carica(o.bitmap, 1);
  Uscite u(o);
  if (!RivelaFurtivo(o.bitmap, Testo(Passphrase(o.cifra, false, false)), u.scelta))
    Rifiuta(_(kNienteFurtivo));
}

}  // namespace

void Rivela(const OpzioniRivela& o) {
  const int16_t Nbit = LeggiBit(o.bit);
  if (o.conTrattino && o.trattino != "-")
    ErroreUso(Crypta::Componi(_("Argomento non previsto: \"%1\" (un file di uscita si indica con "
                                "-o FILE, lo standard output con -)."),
                              {o.trattino}));
  if (o.furtivo) return RivelaStealth(o);
  if (int{o.testo} + int{o.conUscita} + int{o.conTrattino} != 1)
    ErroreUso(_("Indicare una e una sola uscita: -t (testo), -o FILE oppure - (standard output)."));
  if (o.cifra.cifra && !Crypta::CifraturaDisponibile()) ErroreUso(_(kSenzaCifratura));
  if (!o.cifra.cifra && o.cifra.conFile)
    ErroreUso(_("--passphrase-file vale solo con --encrypt o --stealth."));
  FileDistinti(o.chiave, o.cifra);
  const std::string chiave = ChiaveDa(o.chiave, false);
  Carica(o.bitmap, Nbit);

  Uscite u(o);
  Crypta::Destinazione& d = *u.scelta;
  Spia spia(d);
  Crypta::Segreto frase;
  std::optional<Crypta::Decifratore> decifratore;
  if (o.cifra.cifra) {
    frase = Passphrase(o.cifra, false, false);
    // The stealth layout may need it after this derivation has its own copy.
    decifratore.emplace(d, Crypta::DaPassphrase(Crypta::Segreto(frase.Dati(), frase.Lunghezza())));
  }
  // With --encrypt, what the design's layout holds goes through a second spy,
  // to tell an encrypted payload that refuses this passphrase from none.
  std::optional<Spia> cifrati;
  if (decifratore) cifrati.emplace(*decifratore);
  Crypta::Destinazione& prima = cifrati ? static_cast<Crypta::Destinazione&>(*cifrati) : spia;
  Barra barra(_("Estraggo"));
  std::optional<Crypta::Errore> rifiuto;
  bool trovato = false;
  try {
    trovato = Crypta::Rivela(o.bitmap, chiave, Nbit, prima, Osserva(barra)).trovato;
  } catch (const Crypta::Errore& e) {
    if (!decifratore || e.genere != Crypta::Genere::Rifiutata) throw;
    rifiuto = e;
  }
  if (!trovato && decifratore) {
    // No encrypted payload in the design's layout: the stealth layout may
    // hold one, into sinks of its own, as the failed ones gave back theirs.
    Uscite furtive(o);
    if (RivelaFurtivo(o.bitmap, Testo(frase), furtive.scelta)) return;
    if (rifiuto && cifrati->Cifrati()) throw *rifiuto;
    Rifiuta(_(kNienteFurtivo));
  }
  if (!trovato)
    Rifiuta(_("False: nessun dato nascosto leggibile con questa chiave e questo numero di bit."));
  barra.Completa();
  if (!decifratore && spia.Cifrati())
    Avvisa(
        _("i dati estratti sono cifrati: per leggerli usare reveal --encrypt, oppure "
          "tavelin-cli decrypt sul file estratto."));
}

}  // namespace Cli
