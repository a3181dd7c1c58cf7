// The hide from the "Crypt" tab: every check made again when "&Crypt" is
// pressed, the engine's hide called with the window disabled and an observer
// of this tab's own, and any failure told in one message once the window
// takes input again.
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <filesystem>
#include <limits>
#include <new>
#include <system_error>

#include "CasellaMultiriga.h"
#include "Codici.h"
#include "Crypta.h"
#include "Operazioni.h"
#include "Piattaforma.h"
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

QString NonAmmesso(const QString& dove, const QString& carattere) {
  return dove + QStringLiteral(" contiene il carattere \"") + carattere +
         QStringLiteral(
             "\", che non si può nascondere: usare solo caratteri "
             "dell'alfabeto latino occidentale.");
}

}  // namespace

const QString TabCrypt::TroppoGrande = QStringLiteral("Attenzione !!\r\nFile troppo grande");

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
  std::optional<QString> errore;
  {
    Disabilitata finestra(window());
    errore = Nascondi();
  }
  // A message box under a disabled window would be disabled with it.
  if (errore) Avvisa(*errore);
}

std::optional<QString> TabCrypt::Nascondi() {
  const bool testo = Option3->isChecked();
  const QString carrier = TxtDirCrypt->text();
  const int16_t nbit = nbit_;
  if (carrier.isEmpty()) return QStringLiteral("Scegliere prima la bitmap di appoggio.");

  // The header record is shared with the reveal tab, and the file may have
  // changed since it was chosen: offset and capacity come from a fresh read.
  if (!Crypta::LeggiHeader(Codici::Percorso(carrier), nbit))
    return QStringLiteral("La bitmap di appoggio \"") + carrier +
           QStringLiteral("\" non si può più leggere o non è più una bitmap valida.");
  const double offset = Crypta::BmpHeader.OffsetDati;
  const double capienza = Crypta::BmpHeader.BytesUtilizzabili;
  if (!(capienza > 0)) return QStringLiteral("Bitmap di dimensioni insufficienti");

  QString errato;
  const std::optional<std::string> chiave = Codici::DaTesto(TxtKey->text(), &errato);
  if (!chiave) return NonAmmesso(QStringLiteral("La chiave"), errato);

  std::string dati;
  int32_t lunghezza = 0;
  if (testo) {
    const std::optional<std::string> stringa = Codici::DaTesto(TxtString->text(), &errato);
    if (!stringa) return NonAmmesso(QStringLiteral("La stringa"), errato);
    // Stored length: a line break counts as the CR LF it becomes.
    if (double(stringa->size()) > capienza || stringa->size() > std::size_t(kMax32))
      return TroppoGrande;
    dati = *stringa;
    lunghezza = int32_t(stringa->size());
  } else {
    const QString file = TxtSelFile->text();
    if (file.isEmpty()) return QStringLiteral("Scegliere il file da nascondere.");
    // The size now, not the one seen when the file was chosen.
    const std::optional<Misura> misura = MisuraFile(file);
    if (!misura) {
      std::error_code ec;
      if (!std::filesystem::is_regular_file(std::filesystem::u8path(Codici::Percorso(file)), ec))
        return QStringLiteral("Il file \"") + file +
               QStringLiteral("\" non esiste più o non si può leggere.");
      return TroppoGrande;
    }
    if (!(double(misura->Spazio) < capienza)) return TroppoGrande;
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
  try {
    Crypta::Nascondi(r, o);
  } catch (const Crypta::Errore& e) {
    return QString::fromUtf8(e.what());
  } catch (const std::bad_alloc&) {
    return QStringLiteral("Memoria insufficiente: i dati non sono stati nascosti.");
  } catch (const std::exception&) {
    return QStringLiteral("Errore imprevisto: i dati non sono stati nascosti.");
  }
  return std::nullopt;
}
