// The hide from the "Crypt" tab: every check made again when "&Crypt" is
// pressed, the engine's hide called with the window disabled and an observer
// of this tab's own, and any failure told in one message once the window
// takes input again.
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <limits>
#include <memory>
#include <new>
#include <system_error>

#include "CasellaMultiriga.h"
#include "Cifratura.h"
#include "Codici.h"
#include "Crypta.h"
#include "File.h"
#include "Frase.h"
#include "Operazioni.h"
#include "Piattaforma.h"
#include "RigaStato.h"
#include "TabCrypt.h"

namespace {

constexpr int64_t kMax32 = std::numeric_limits<int32_t>::max();

// The window takes no input while the engine works, and takes it again
// however the work ends.
class Disabilitata {
 public:
  explicit Disabilitata(QWidget* w) : w_(w) { w_->setEnabled(false); }
  ~Disabilitata() { w_->setEnabled(true); }
  Disabilitata(const Disabilitata&) = delete;
  Disabilitata& operator=(const Disabilitata&) = delete;

 private:
  QWidget* w_;
};

// What a payload of `n` bytes takes in the carrier: itself, or its ciphertext.
int64_t Occupa(int64_t n, bool cifrato) {
  return cifrato ? Crypta::LunghezzaCifrata(n) : n;
}

// The plaintext in order for the cipher: the string's codes, or the file
// read from its start.
std::function<void(uint8_t*, size_t)> Lettore(bool testo, const std::string& dati) {
  if (testo)
    return [&dati, pos = size_t{0}](uint8_t* dest, size_t n) mutable {
      std::copy_n(dati.data() + pos, n, dest);
      pos += n;
    };
  auto file = std::make_shared<Crypta::File>(Crypta::File::Apri(dati, Crypta::File::Modo::Lettura));
  return [file, pos = int64_t{0}](uint8_t* dest, size_t n) mutable {
    if (file->LeggiA(pos, dest, n) != n)
      throw Crypta::Errore(QCoreApplication::translate(
                               "TabCrypt", "Il file \"%1\" si è accorciato durante l'operazione.")
                               .arg(QString::fromStdString(file->Nome()))
                               .toStdString(),
                           Crypta::Genere::File);
    pos += int64_t(n);
  };
}

}  // namespace

QString TabCrypt::TroppoGrande() {
  return tr("Attenzione !!\r\nFile troppo grande");
}

std::optional<TabCrypt::Misura> TabCrypt::MisuraFile(const QString& file) {
  std::error_code ec;
  const std::uintmax_t dimensione =
      std::filesystem::file_size(std::filesystem::u8path(Codici::Percorso(file)), ec);
  if (ec || dimensione > std::uintmax_t(kMax32)) return std::nullopt;
  const int64_t nome = QFileInfo(file).fileName().toUcs4().size();
  const int64_t spazio = nome + int64_t(dimensione);
  if (spazio > kMax32) return std::nullopt;
  return Misura{int32_t(dimensione), int32_t(spazio)};
}

void TabCrypt::CmdCrypt_Click() {
  // Asked while the window takes input: a dialog over a disabled window
  // would be disabled with it. Cancel hides nothing.
  std::optional<Crypta::Segreto> frase;
  if (ChkPassphrase->isChecked()) {
    frase = Frase::Chiedi(window(), true);
    if (!frase) return;
  }
  std::optional<QString> errore;
  {
    Disabilitata finestra(window());
    errore = Nascondi(frase);
  }
  // A message box under a disabled window would be disabled with it.
  if (errore) Avvisa(*errore);
}

std::optional<QString> TabCrypt::Nascondi(std::optional<Crypta::Segreto>& frase) {
  const bool testo = Option3->isChecked();
  const QString carrier = TxtDirCrypt->text();
  const int16_t nbit = nbit_;
  if (carrier.isEmpty()) return tr("Scegliere prima la bitmap di appoggio.");

  // The header record is shared with the reveal tab, and the file may have
  // changed since it was chosen: offset and capacity come from a fresh read.
  if (!Crypta::LeggiHeader(Codici::Percorso(carrier), nbit))
    return tr("La bitmap di appoggio \"%1\" non si può più leggere o non è più una bitmap valida.")
        .arg(carrier);
  const double offset = Crypta::BmpHeader.OffsetDati;
  const double capienza = Crypta::BmpHeader.BytesUtilizzabili;
  if (!(capienza > 0)) return tr("Bitmap di dimensioni insufficienti");

  QString errato;
  const std::optional<std::string> chiave = Codici::DaTesto(TxtKey->text(), &errato);
  if (!chiave)
    return tr("La chiave contiene il carattere \"%1\", che non si può nascondere: usare solo "
              "caratteri dell'alfabeto latino occidentale.")
        .arg(errato);

  std::string dati;
  int32_t lunghezza = 0;
  if (testo) {
    const std::optional<std::string> stringa = Codici::DaTesto(TxtString->text(), &errato);
    if (!stringa)
      return tr("La stringa contiene il carattere \"%1\", che non si può nascondere: usare "
                "solo caratteri dell'alfabeto latino occidentale.")
          .arg(errato);
    // Stored length: a line break counts as the CR LF it becomes.
    if (double(Occupa(int64_t(stringa->size()), bool(frase))) > capienza ||
        stringa->size() > std::size_t(kMax32))
      return TroppoGrande();
    dati = *stringa;
    lunghezza = int32_t(stringa->size());
  } else {
    const QString file = TxtSelFile->text();
    if (file.isEmpty()) return tr("Scegliere il file da nascondere.");
    // The size now, not the one seen when the file was chosen.
    const std::optional<Misura> misura = MisuraFile(file);
    if (!misura) {
      std::error_code ec;
      if (!std::filesystem::is_regular_file(std::filesystem::u8path(Codici::Percorso(file)), ec))
        return tr("Il file \"%1\" non esiste più o non si può leggere.").arg(file);
      return TroppoGrande();
    }
    const int64_t nome = int64_t(misura->Spazio) - misura->Dimensione;
    if (!(double(nome + Occupa(misura->Dimensione, bool(frase))) < capienza)) return TroppoGrande();
    dati = Codici::Percorso(file);
    lunghezza = misura->Dimensione;
  }

  Crypta::Richiesta r;
  r.carrier = Codici::Percorso(carrier);
  r.Nbit = nbit;
  r.chiave = *chiave;
  r.carico = testo ? Crypta::Carico::DiByte(dati) : Crypta::Carico::DiFile(dati);
  r.lunghezza = lunghezza;
  r.offset = offset;
  // This hide's own observer: the progress in this tab, the window's events.
  Crypta::Osservatore o;
  o.Avanzamento = [this](int figura) { TxtPerc2->setText(QStringLiteral(" %1%").arg(figura)); };
  o.Eventi = [] { Piattaforma::Attuale().DoEvents(); };
  std::optional<Crypta::Cifratore> cifratore;
  try {
    if (frase && Invisibile(carrier, testo, dati, lunghezza, *frase)) {
      emit Stato(tr("Nascosti %1 byte in %2 (invisibili, protetti da passphrase)")
                     .arg(Byte(lunghezza), QFileInfo(carrier).fileName()));
      return std::nullopt;
    }
    if (frase) {
      emit Stato(tr("Derivazione della chiave dalla passphrase in corso…"));
      // Argon2id's second of work, away from the window's thread.
      Frase::Attendi([&] {
        cifratore.emplace(Crypta::DaPassphrase(std::move(*frase)), int64_t(lunghezza),
                          Lettore(testo, dati));
      });
      r.carico = Crypta::Carico::DiProduttore(
          [&cifratore](uint8_t* dest, size_t n) { cifratore->Produci(dest, n); });
      r.lunghezza = cifratore->Lunghezza();
    }
    Crypta::Nascondi(r, o);
    const QString fatto = tr("Nascosti %1 byte in %2 (%3 bit per byte%4)")
                              .arg(Byte(lunghezza), QFileInfo(carrier).fileName())
                              .arg(nbit)
                              .arg(cifratore ? tr(", protetti da passphrase") : QString());
    // Too large for the stealth layout, or a carrier it cannot use: the
    // encrypted payload is safe but a detector can find it.
    emit Stato(cifratore && TAVELIN_FURTIVO
                   ? tr("Attenzione: i dati non entrano nello strato invisibile e i rilevatori "
                        "possono scoprirli. %1")
                         .arg(fatto)
                   : fatto);
  } catch (const Crypta::Errore& e) {
    emit Stato(QString());
    return QString::fromUtf8(e.what());
  } catch (const std::bad_alloc&) {
    return tr("Memoria insufficiente: i dati non sono stati nascosti.");
  } catch (const std::exception&) {
    return tr("Errore imprevisto: i dati non sono stati nascosti.");
  }
  return std::nullopt;
}
