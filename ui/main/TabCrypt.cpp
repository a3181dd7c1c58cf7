// The "Crypt" tab's workflow: choosing the carrier, text or file mode,
// choosing the file to hide with its size check, and the hide itself. The
// panel and the enabled states that follow a carrier are PannelloInfo.cpp's.
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <new>
#include <system_error>

#include "Codici.h"
#include "Crypta.h"
#include "FrmMain.h"
#include "Piattaforma.h"

namespace {

const QString kTroppoGrande = QStringLiteral("Attenzione !!\r\nFile troppo grande");
constexpr int64_t kMax32 = std::numeric_limits<int32_t>::max();

// A file to hide as the carrier must take it: its size, and the room it is
// checked against, its name's length plus its size.
struct Misura {
  int32_t Dimensione;
  int32_t Spazio;
};

// Nothing when the size cannot be read or the room does not fit in 32 bits:
// such a file is too big for any carrier.
std::optional<Misura> MisuraFile(const QString& file) {
  std::error_code ec;
  const std::uintmax_t dimensione =
      std::filesystem::file_size(std::filesystem::path(Codici::Percorso(file)), ec);
  if (ec || dimensione > std::uintmax_t(kMax32)) return std::nullopt;
  const int64_t nome = QFileInfo(file).fileName().toUcs4().size();
  const int64_t spazio = nome + int64_t(dimensione);
  if (spazio > kMax32) return std::nullopt;
  return Misura{int32_t(dimensione), int32_t(spazio)};
}

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

void FrmMain::CollegaCrypt() {
  connect(CmdDirCrypt, &QPushButton::clicked, this, &FrmMain::CmdDirCrypt_Click);
  connect(Option3, &QRadioButton::clicked, this, &FrmMain::Option3_Click);
  connect(Option4, &QRadioButton::clicked, this, &FrmMain::Option4_Click);
  connect(Command1, &QPushButton::clicked, this, &FrmMain::Command1_Click);
  connect(CmdCrypt, &QPushButton::clicked, this, &FrmMain::CmdCrypt_Click);
  Crypta::Finestra.TxtPerc2 = [this](const std::string& testo) {
    TxtPerc2->setText(QString::fromStdString(testo));
  };
  Crypta::Finestra.DoEvents = [] { Piattaforma::Attuale().DoEvents(); };
}

void FrmMain::CmdDirCrypt_Click() {
  // Emptied first, so that choosing the same file again analyses it again.
  TxtString->setText(QString());
  TxtDirCrypt->setText(QString());
  const std::optional<QString> scelto = Piattaforma::Attuale().ApriFile(
      this, QStringLiteral("Tutti i file (*.*)|*.*|FileBitmap (*.bmp)|*.bmp"), 2);
  if (!scelto) return;
  TxtDirCrypt->setText(*scelto);
}

void FrmMain::Option3_Click() {
  TxtString->setEnabled(true);
  TxtSelFile->setText(QString());
  TxtSelFile->setEnabled(false);
  CmdCrypt->setEnabled(true);
  Command1->setEnabled(false);
}

void FrmMain::Option4_Click() {
  TxtString->setText(QString());
  TxtString->setEnabled(false);
  TxtSelFile->setEnabled(true);
  CmdCrypt->setEnabled(false);
  Command1->setEnabled(true);
}

void FrmMain::Command1_Click() {
  TxtString->setText(QString());
  TxtSelFile->setText(QString());
  const std::optional<QString> scelto =
      Piattaforma::Attuale().ApriFile(this, QStringLiteral("Tutti i file (*.*)|*.*"), 1);
  if (!scelto) return;
  // The file's name counts although the hide does not store it.
  const std::optional<Misura> misura = MisuraFile(*scelto);
  if (!misura || !(double(misura->Spazio) < capienzaCrypt_)) {
    Avvisa(kTroppoGrande);
    CmdCrypt->setEnabled(false);
    return;
  }
  TxtSelFile->setText(*scelto);
  CmdCrypt->setEnabled(true);
}

void FrmMain::CmdCrypt_Click() {
  std::optional<QString> errore;
  {
    Disabilitata finestra(this);
    errore = Nascondi();
  }
  // A message box under a disabled window would be disabled with it.
  if (errore) Avvisa(*errore);
}

std::optional<QString> FrmMain::Nascondi() {
  const bool testo = Option3->isChecked();
  const QString carrier = TxtDirCrypt->text();
  const int16_t nbit = Bit(TxtBit);
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
      return kTroppoGrande;
    dati = *stringa;
    lunghezza = int32_t(stringa->size());
  } else {
    const QString file = TxtSelFile->text();
    if (file.isEmpty()) return QStringLiteral("Scegliere il file da nascondere.");
    // The size now, not the one seen when the file was chosen.
    const std::optional<Misura> misura = MisuraFile(file);
    if (!misura) {
      std::error_code ec;
      if (!std::filesystem::is_regular_file(std::filesystem::path(Codici::Percorso(file)), ec))
        return QStringLiteral("Il file \"") + file +
               QStringLiteral("\" non esiste più o non si può leggere.");
      return kTroppoGrande;
    }
    if (!(double(misura->Spazio) < capienza)) return kTroppoGrande;
    dati = Codici::Percorso(file);
    lunghezza = misura->Dimensione;
  }

  try {
    Crypta::CryptBitmap(Codici::Percorso(carrier), offset, lunghezza, dati, testo, *chiave, nbit);
  } catch (const Crypta::Errore& e) {
    return QString::fromUtf8(e.what());
  } catch (const std::bad_alloc&) {
    return QStringLiteral("Memoria insufficiente: i dati non sono stati nascosti.");
  } catch (const std::exception&) {
    return QStringLiteral("Errore imprevisto: i dati non sono stati nascosti.");
  }
  return std::nullopt;
}
