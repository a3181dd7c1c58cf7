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

}  // namespace

void Rivela(const OpzioniRivela& o) {
  const int16_t Nbit = LeggiBit(o.bit);
  if (o.conTrattino && o.trattino != "-")
    ErroreUso("Argomento non previsto: \"" + o.trattino +
              "\" (un file di uscita si indica con -o FILE, lo standard output con -).");
  if (int{o.testo} + int{o.conUscita} + int{o.conTrattino} != 1)
    ErroreUso("Indicare una e una sola uscita: -t (testo), -o FILE oppure - (standard output).");
  if (o.cifra.cifra && !Crypta::CifraturaDisponibile()) ErroreUso(kSenzaCifratura);
  if (!o.cifra.cifra && o.cifra.conFile) ErroreUso("--passphrase-file vale solo con --encrypt.");
  const std::string chiave = ChiaveDa(o.chiave, false);
  Carica(o.bitmap, Nbit);

  Crypta::DestinazioneFile file(o.uscita);
  Crypta::DestinazioneFlusso byte(StandardOutput());
  UscitaTesto testo;
  Crypta::Destinazione& d = o.conUscita ? static_cast<Crypta::Destinazione&>(file)
                            : o.testo   ? static_cast<Crypta::Destinazione&>(testo)
                                        : byte;
  Spia spia(d);
  std::optional<Crypta::Decifratore> decifratore;
  if (o.cifra.cifra) decifratore.emplace(d, Crypta::DaPassphrase(Passphrase(o.cifra, false, false)));
  Crypta::Destinazione& prima =
      decifratore ? static_cast<Crypta::Destinazione&>(*decifratore) : spia;
  Barra barra("Estraggo");
  if (!Crypta::Rivela(o.bitmap, chiave, Nbit, prima, Osserva(barra)).trovato)
    Rifiuta("False: nessun dato nascosto leggibile con questa chiave e questo numero di bit.");
  barra.Completa();
  if (!decifratore && spia.Cifrati())
    Avvisa(
        "i dati estratti sono cifrati: per leggerli usare reveal --encrypt, oppure "
        "tavelin-cli decrypt sul file estratto.");
}

}  // namespace Cli
