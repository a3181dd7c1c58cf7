// The "Crypt" tab's controls and its choices: the carrier, text or file mode,
// the file to hide with its size check, each chosen by its dialog or by a
// drop on its path box, the state that follows the panel's analysis, and
// the logo link.
#include "TabCrypt.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <algorithm>

#include "Avvertimenti.h"
#include "Avvio.h"
#include "CasellaMultiriga.h"
#include "Cifratura.h"
#include "Codici.h"
#include "Crypta.h"
#include "Disegno.h"
#include "Identita.h"
#include "Immagine.h"
#include "Piattaforma.h"
#include "RigaStato.h"

using Disegno::Carattere;

namespace {

QString SenzaFigura() {
  return QCoreApplication::translate("TabCrypt", "Inserisci una stringa (max xx char)");
}
// The pictures the converter reads, as a file dialog's patterns.
constexpr char kImmagini[] = "*.bmp;*.dib;*.png;*.jpg;*.jpeg;*.jpe;*.gif;*.tga";
// The string box never takes more, however large the carrier.
constexpr double kMassimoStringa = 65536;

// The figure in signed-number form, where a blank stands for the plus sign;
// the figure is always positive here, hence two blanks after "max".
QString Didascalia(double figura) {
  return QCoreApplication::translate("TabCrypt", "Inserisci una stringa (max  %1 char)")
      .arg(QString::number(figura, 'f', 0));
}

}  // namespace

TabCrypt::TabCrypt(QWidget* parent) : QGroupBox(parent) {
  Disponi();
  connect(TxtDirCrypt, &QLineEdit::textChanged, this, &TabCrypt::Carrier);
  connect(CmdDirCrypt, &QPushButton::clicked, this, &TabCrypt::CmdDirCrypt_Click);
  connect(TxtDirCrypt, &CasellaPercorso::FileLasciato, this, &TabCrypt::TxtDirCrypt_Drop);
  connect(Option3, &QRadioButton::clicked, this, &TabCrypt::Option3_Click);
  connect(Option4, &QRadioButton::clicked, this, &TabCrypt::Option4_Click);
  connect(Command1, &QPushButton::clicked, this, &TabCrypt::Command1_Click);
  connect(TxtSelFile, &CasellaPercorso::FileLasciato, this, &TabCrypt::TxtSelFile_Drop);
  connect(CmdCrypt, &QPushButton::clicked, this, &TabCrypt::CmdCrypt_Click);
  connect(Image1, &Immagine::Click, this, &TabCrypt::Image1_Click);
  connect(ChkPassphrase, &QCheckBox::toggled, this, [this] {
    MostraCapienza();
    Avvisi();
  });
  connect(TxtKey, &QLineEdit::textChanged, this, &TabCrypt::Avvisi);
}

void TabCrypt::Disponi() {
  const QFont sans = Carattere("MS Sans Serif", 8.25);
  const QFont sansBold = Carattere("MS Sans Serif", 8.25, true);
  Disegno::Posa(this, "FrmCrypt", {120, 360, 7335, 6375}, Carattere("Arial", 8.25, true), 24);
  Disegno::Etichetta(this, "LblDir", tr("Seleziona Bitmap di appoggio"), {120, 240, 2535, 255},
                     sansBold, 69);
  CmdDirCrypt =
      Disegno::Pulsante(this, "CmdDirCrypt", tr("&Apri..."), {2760, 240, 1215, 300}, sans, 25);
  TxtDirCrypt =
      Disegno::Percorso(this, "TxtDirCrypt", {120, 600, 3855, 330}, Carattere("Arial", 9), 26);

  Image1 = new Immagine(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(Disegno::Pixel({4200, 360, 2775, 795}));
  Image1->setPixmap(Avvio::Logo());
  Image1->setToolTip(QString::fromUtf8(Identita::Indirizzo));

  Frame1 = Disegno::Cornice(this, "Frame1", tr(" Sorgente da Crittografare "),
                            {120, 1080, 3855, 2535}, sansBold, 59);
  Frame1->setEnabled(false);
  Option3 = Disegno::Opzione(Frame1, "Option3", tr("&Inserisci una stringa (max xx char)"),
                             {240, 360, 3135, 255}, sans, 60);
  Option3->setChecked(true);
  TxtString = Disegno::Multiriga(Frame1, "TxtString", {120, 720, 3495, 735}, sans, 61);
  Option4 = Disegno::Opzione(Frame1, "Option4", tr("Seleziona un &file"), {240, 1560, 1575, 375},
                             sans, 63);
  Command1 =
      Disegno::Pulsante(Frame1, "Command1", tr("Apri..."), {2280, 1560, 1335, 300}, sans, 64);
  Command1->setEnabled(false);
  TxtSelFile = Disegno::Percorso(Frame1, "TxtSelFile", {120, 2040, 3495, 285}, sans, 62);
  TxtSelFile->setEnabled(false);

  Label3 = Disegno::Etichetta(this, "Label3", tr("Inserire chiave crittografica (max 30 char):"),
                              {240, 3840, 3135, 255}, sans, 70);
  Label3->setEnabled(false);
  TxtKey = Disegno::Casella(this, "TxtKey", "", {240, 4200, 3495, 315}, sans, 58);
  TxtKey->setMaxLength(30);
  TxtKey->setEnabled(false);
  Disegno::Etichetta(this, "Label6", tr("Bit da utilizzare (1-2-4-8):"), {600, 4800, 1815, 255},
                     sans, 71);
  Disegno::Etichetta(this, "Label16", tr("% di criptazione:"), {2280, 5280, 1215, 255}, sans, 75);
  CmdCrypt = Disegno::Pulsante(this, "CmdCrypt", tr("&Crypt"), {480, 5520, 1335, 495},
                               Carattere("MS Sans Serif", 9.75, true), 65);
  CmdCrypt->setEnabled(false);
  TxtPerc2 = Disegno::Casella(this, "TxtPerc2", "", {2400, 5520, 975, 495},
                              Carattere("MS Sans Serif", 12), 68);
  // In the free strip below "&Crypt"; after the design's controls in the
  // tab order.
  ChkPassphrase = Disegno::Spunta(this, "ChkPassphrase", tr("Proteggi con &passphrase"),
                                  {480, 6060, 3135, 255}, sans, 76);
  ChkPassphrase->setEnabled(false);
  ChkPassphrase->setAccessibleName(tr("Proteggi con passphrase"));
  if (!Crypta::CifraturaDisponibile())
    ChkPassphrase->setToolTip(QString::fromStdString(Crypta::SenzaCifratura()));
}

void TabCrypt::StatoCrypt(double capienza) {
  const bool pronto = capienza > 0;
  capienza_ = pronto ? capienza : 0;
  MostraCapienza();
  Frame1->setEnabled(pronto);
  ChkPassphrase->setEnabled(pronto && Crypta::CifraturaDisponibile());
  TxtKey->setEnabled(pronto);
  CmdCrypt->setEnabled(pronto);
  Label3->setEnabled(pronto);
  avvisoImmagine_.clear();
  if (pronto) {
    // The whole capacity: the hidden bits show as much over any part of it.
    const std::string carrier = Codici::Percorso(TxtDirCrypt->text());
    const Crypta::Analisi a = Crypta::Analizza(carrier, nbit_);
    if (const std::optional<std::string> avviso =
            Crypta::AvvisoImmagine(carrier, a, nbit_, int64_t(capienza) + 4))
      avvisoImmagine_ = QString::fromStdString(*avviso);
    Avvisi();
  }
}

double TabCrypt::Utile() const {
  if (!ChkPassphrase->isChecked()) return capienza_;
  return double(std::max<int64_t>(0, Crypta::ChiaroMassimo(int64_t(capienza_))));
}

void TabCrypt::MostraCapienza() {
  if (capienza_ > 0) {
    // Above the cap the box still stops at the figure the caption shows: a
    // longer string would not fit anyway where it counts, at the hide.
    const double figura = std::min(Utile(), kMassimoStringa);
    Option3->setText(Didascalia(figura));
    TxtString->setMaxLength(static_cast<int>(figura));
  } else {
    Option3->setText(SenzaFigura());
  }
}

void TabCrypt::Avvisi() {
  if (!(capienza_ > 0)) return;
  QStringList avvisi;
  const std::optional<std::string> codici = Codici::DaTesto(TxtKey->text());
  if (codici)
    if (const std::optional<std::string> a =
            Crypta::AvvisoChiave(*codici, ChkPassphrase->isChecked()))
      avvisi << QString::fromStdString(*a);
  if (!avvisoImmagine_.isEmpty()) avvisi << avvisoImmagine_;
  // A warning that no longer applies goes from the line.
  emit Stato(avvisi.isEmpty() ? QString()
                              : tr("Attenzione: %1").arg(avvisi.join(QLatin1Char(' '))));
}

void TabCrypt::Azzera() {
  TxtString->setText(QString());
  TxtSelFile->setText(QString());
  TxtDirCrypt->setText(QString());
}

void TabCrypt::CmdDirCrypt_Click() {
  // Every picture the converter reads comes first and is preselected; the
  // design's entries follow.
  ScegliCarrier([this] {
    return Piattaforma::Attuale().ApriFile(
        window(),
        //: A file dialog's entry: a description, a bar, the patterns, a bar.
        tr("Tutte le immagini (%1)|%1|").arg(QLatin1String(kImmagini)) + Piattaforma::TuttiIFile() +
            QLatin1Char('|') + Piattaforma::FileBitmap(),
        1);
  });
}

void TabCrypt::Apri(const QString& file) {
  ScegliCarrier([&file] { return std::make_optional(file); });
}

void TabCrypt::TxtDirCrypt_Drop(const QString& file) {
  ScegliCarrier([&file] { return std::make_optional(file); });
}

void TabCrypt::ScegliCarrier(const SceltaFile& scelta) {
  // Emptied first, so that choosing the same file again analyses it again.
  TxtString->setText(QString());
  TxtDirCrypt->setText(QString());
  const std::optional<QString> scelto = scelta();
  if (!scelto) return;
  const std::optional<QString> carrier = Converti(*scelto);
  if (!carrier) return;
  TxtDirCrypt->setText(*carrier);
}

void TabCrypt::Option3_Click() {
  TxtString->setEnabled(true);
  TxtSelFile->setText(QString());
  TxtSelFile->setEnabled(false);
  CmdCrypt->setEnabled(true);
  Command1->setEnabled(false);
}

void TabCrypt::Option4_Click() {
  TxtString->setText(QString());
  TxtString->setEnabled(false);
  TxtSelFile->setEnabled(true);
  CmdCrypt->setEnabled(false);
  Command1->setEnabled(true);
}

void TabCrypt::Command1_Click() {
  ScegliFile(
      [this] { return Piattaforma::Attuale().ApriFile(window(), Piattaforma::TuttiIFile(), 1); });
}

void TabCrypt::TxtSelFile_Drop(const QString& file) {
  ScegliFile([&file] { return std::make_optional(file); });
}

void TabCrypt::ScegliFile(const SceltaFile& scelta) {
  TxtString->setText(QString());
  TxtSelFile->setText(QString());
  const std::optional<QString> scelto = scelta();
  if (!scelto) return;
  // The file's name counts although the hide does not store it; with the
  // passphrase, the file as it will be stored, encrypted.
  const std::optional<Misura> misura = MisuraFile(*scelto);
  const double cifratura =
      misura && ChkPassphrase->isChecked()
          ? double(Crypta::LunghezzaCifrata(misura->Dimensione) - misura->Dimensione)
          : 0;
  if (!misura || !(double(misura->Spazio) + cifratura < capienza_)) {
    Avvisa(TroppoGrande());
    CmdCrypt->setEnabled(false);
    return;
  }
  TxtSelFile->setText(*scelto);
  CmdCrypt->setEnabled(true);
}

void TabCrypt::Image1_Click() {
  // The tooltip holds a bare host name; the outcome is of no concern here.
  Piattaforma::Attuale().ApriIndirizzo(QUrl(QStringLiteral("http://") + Image1->toolTip()));
}

void TabCrypt::Avvisa(const QString& testo) {
  Piattaforma::Attuale().Messaggio(window(), testo);
}
