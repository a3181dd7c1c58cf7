// The reveal itself, plain or protected: the payload's first bytes are
// looked at before anything is written; a payload that carries the
// encrypted marker is decrypted on the way, asking for the passphrase when
// the box was not ticked, the key derived away from the window's thread, and
// only authenticated bytes reach the string box or the file.
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

#include "CasellaMultiriga.h"
#include "Cifratura.h"
#include "Codici.h"
#include "Crypta.h"
#include "Frase.h"
#include "Operazioni.h"
#include "RigaStato.h"
#include "TabDeCrypt.h"

namespace {

// Reads the payload's first bytes, as many as an encrypted header takes,
// and stops the reveal there: nothing is written.
class Sonda : public Crypta::Destinazione {
 public:
  struct Basta {};
  void Apri(const Crypta::File&, int64_t lunghezza) override {
    trovato = true;
    voluti_ = size_t(std::min<int64_t>(lunghezza, int64_t(Crypta::kTestata)));
    if (voluti_ == 0) throw Basta{};
  }
  void Scrivi(const uint8_t* dati, size_t n) override {
    inizio.insert(inizio.end(), dati, dati + std::min(n, voluti_ - inizio.size()));
    if (inizio.size() >= voluti_) throw Basta{};
  }
  bool Cifrato() const { return trovato && Crypta::Cifrato(inizio.data(), inizio.size()); }

  bool trovato = false;
  std::vector<uint8_t> inizio;

 private:
  size_t voluti_ = 0;
};

// Passes the bytes on and counts them: the status line's figure.
class Conta : public Crypta::Destinazione {
 public:
  explicit Conta(Crypta::Destinazione& d) : d_(d) {}
  void Apri(const Crypta::File& carrier, int64_t lunghezza) override {
    d_.Apri(carrier, lunghezza);
  }
  void Scrivi(const uint8_t* dati, size_t n) override {
    d_.Scrivi(dati, n);
    byte += int64_t(n);
  }
  void Completa() override { d_.Completa(); }
  void Annulla() noexcept override { d_.Annulla(); }
  int64_t byte = 0;

 private:
  Crypta::Destinazione& d_;
};

}  // namespace

std::optional<QString> TabDeCrypt::Rivela(const std::string& carrier, const std::string& chiave,
                                          const QString& uscita, bool testo) {
  std::optional<Crypta::Segreto> frase;
  if (ChkPassphraseRivela->isChecked()) {
    frase = Frase::Chiedi(window(), false);
    if (!frase) return std::nullopt;
  }
  Sonda sonda;
  try {
    Crypta::Rivela(carrier, chiave, nbit_, sonda);
  } catch (const Sonda::Basta&) {
  }
  // An encrypted payload is opened with its passphrase, ticked or not.
  if (sonda.Cifrato() && !frase) {
    frase = Frase::Chiedi(window(), false);
    if (!frase) return std::nullopt;
  }

  Crypta::DestinazioneFile file(Codici::Percorso(uscita));
  Crypta::DestinazioneMemoria memoria;
  Crypta::Destinazione& d = testo ? static_cast<Crypta::Destinazione&>(memoria) : file;
  Conta conta(d);
  Crypta::Osservatore o;
  o.Inizio = [this](int64_t L) {
    if (L > 0) window()->setEnabled(false);
  };
  o.Avanzamento = [this](int figura) { TxtPerc->setText(QStringLiteral(" %1%").arg(figura)); };
  // As the design's reveal does, the shared record first takes this
  // carrier's header: it describes the carrier read last, by either tab.
  Crypta::LeggiHeader(carrier, nbit_);

  // A passphrase and no encrypted payload in the design's layout: the
  // stealth layout, before anything of the design's is shown.
  if (frase && !sonda.Cifrato()) {
    if (const std::optional<std::string> nome = RivelaInvisibile(carrier, *frase, conta)) {
      if (testo) Text1->setText(Codici::ATesto(memoria.dati));
      QString stato = tr("Estratti %1 byte").arg(Byte(conta.byte));
      stato += testo ? tr(" come stringa") : tr(" in %1").arg(uscita);
      if (!nome->empty())
        stato += tr(" (invisibili, nascosti come \"%1\")").arg(QString::fromStdString(*nome));
      emit Stato(stato);
      return std::nullopt;
    }
  }
  std::optional<Crypta::Decifratore> decifratore;
  Crypta::Segreto k;
  if (sonda.Cifrato()) {
    std::string perche;
    const std::optional<Crypta::Testata> t =
        Crypta::LeggiTestata(sonda.inizio.data(), sonda.inizio.size(), perche);
    if (!t) return Frase::Errata();
    window()->setEnabled(false);
    emit Stato(tr("Derivazione della chiave dalla passphrase in corso…"));
    Frase::Attendi([&] { k = Crypta::DaPassphrase(std::move(*frase))(*t); });
    // The header read again by the reveal must be the one the key is for.
    decifratore.emplace(conta, [&k, attesa = t->byte](const Crypta::Testata& letta) {
      if (letta.byte != attesa)
        throw Crypta::Errore(
            QCoreApplication::translate("TabDeCrypt", "La bitmap è cambiata durante l'operazione.")
                .toStdString(),
            Crypta::Genere::File);
      return Crypta::Segreto(k.Dati(), k.Lunghezza());
    });
  }
  Crypta::Destinazione& prima =
      decifratore ? static_cast<Crypta::Destinazione&>(*decifratore) : conta;
  bool trovato = false;
  try {
    trovato = Crypta::Rivela(carrier, chiave, nbit_, prima, o).trovato;
  } catch (const Crypta::Errore& e) {
    k = Crypta::Segreto();
    if (decifratore && e.genere == Crypta::Genere::Rifiutata) return Frase::Errata();
    throw;
  }
  k = Crypta::Segreto();
  if (testo) Text1->setText(Codici::ATesto(trovato ? memoria.dati : "False"));
  if (!trovato) {
    emit Stato(tr("Nessun dato trovato con questa chiave e questo numero di bit"));
    return std::nullopt;
  }
  QString stato = tr("Estratti %1 byte").arg(Byte(conta.byte));
  stato += testo ? tr(" come stringa") : tr(" in %1").arg(uscita);
  if (decifratore) stato += tr(", protetti da passphrase");
  if (frase && !decifratore)
    stato = tr("Attenzione: i dati estratti non erano protetti da passphrase. %1").arg(stato);
  emit Stato(stato);
  return std::nullopt;
}
