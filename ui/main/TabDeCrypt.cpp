// The "Decrypt" tab's controls and its choices: the carrier, by its dialog or
// by a drop on its path box, the controls that follow its path, text or file
// mode with the default target, and the directory chooser.
#include "TabDeCrypt.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <optional>

#include "CasellaMultiriga.h"
#include "Cifratura.h"
#include "Codici.h"
#include "Crypta.h"
#include "Diagnosi.h"
#include "Disegno.h"
#include "Estrazione.h"
#include "Operazioni.h"
#include "Piattaforma.h"
#include "Seldir.h"

using Disegno::Carattere;

namespace {

const QString kNomeFile = QStringLiteral("Crypto.cry");

// Selects an option button from code and runs its click handler, as a click
// would.
void Seleziona(QRadioButton* opzione) {
  opzione->setChecked(true);
  emit opzione->clicked(true);
}

}  // namespace

TabDeCrypt::TabDeCrypt(QWidget* parent) : QGroupBox(parent) {
  Disponi();
  connect(TxtDirDeCrypt, &QLineEdit::textChanged, this, &TabDeCrypt::TxtDirDeCrypt_Change);
  connect(CmdDirDeCrypt, &QPushButton::clicked, this, &TabDeCrypt::CmdDirDeCrypt_Click);
  connect(TxtDirDeCrypt, &CasellaPercorso::FileLasciato, this, &TabDeCrypt::TxtDirDeCrypt_Drop);
  connect(Option5, &QRadioButton::clicked, this, &TabDeCrypt::Option5_Click);
  connect(Option6, &QRadioButton::clicked, this, &TabDeCrypt::Option6_Click);
  connect(Command2, &QPushButton::clicked, this, &TabDeCrypt::Command2_Click);
  connect(CmdDeCrypt, &QPushButton::clicked, this, &TabDeCrypt::CmdDeCrypt_Click);
}

QWidget* TabDeCrypt::Parametri() const {
  return FrmPar;
}

void TabDeCrypt::Disponi() {
  const QFont sans = Carattere("MS Sans Serif", 8.25);
  const QFont sansBold = Carattere("MS Sans Serif", 8.25, true);
  Disegno::Posa(this, "FrmDeCrypt", {120, 360, 7215, 6375}, sansBold, 2);
  Disegno::Etichetta(this, "Label8", tr("Seleziona Bitmap di appoggio"), {240, 240, 2535, 255},
                     sansBold, 23);
  TxtDirDeCrypt =
      Disegno::Percorso(this, "TxtDirDeCrypt", {240, 480, 5535, 285}, Carattere("Arial", 9), 22);
  CmdDirDeCrypt =
      Disegno::Pulsante(this, "CmdDirDeCrypt", tr("Apri..."), {5880, 480, 1095, 300}, sans, 21);

  FrmPar = Disegno::Cornice(this, "FrmPar", tr("Parametri"), {120, 840, 6975, 1215}, sans, 15);
  Label7 = Disegno::Etichetta(FrmPar, "Label7", tr("Bit da utilizzare (1-2-4-8)"),
                              {5520, 120, 1095, 495}, sans, 19);
  Label7->setEnabled(false);
  Label9 = Disegno::Etichetta(FrmPar, "Label9", tr("Inserire chiave crittografica (max 30 char)"),
                              {120, 360, 3735, 255}, sans, 20);
  Label9->setEnabled(false);
  Text3 = Disegno::Casella(FrmPar, "Text3", "", {120, 600, 5295, 285}, sans, 18);
  Text3->setMaxLength(30);
  Text3->setEnabled(false);

  FrmResult = Disegno::Cornice(this, "FrmResult", tr("Risultati del processo di decriptazione "),
                               {120, 2160, 6975, 3975}, sans, 3);
  Disegno::Etichetta(FrmResult, "Label13", tr("Stringa decriptata:"), {120, 360, 1335, 255}, sans,
                     73);
  Text1 = Disegno::Multiriga(FrmResult, "Text1", {120, 600, 3495, 2295}, sans, 72);
  Text1->setReadOnly(true);
  Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  Text1->setEnabled(false);

  Frame3 = Disegno::Cornice(FrmResult, "Frame3", tr("File "), {3840, 600, 3015, 2175}, sans, 8);
  Frame3->setEnabled(false);
  Label12 =
      Disegno::Etichetta(Frame3, "Label12", tr("Nome file:"), {120, 360, 1095, 255}, sans, 12);
  Label12->setEnabled(false);
  Text5 = Disegno::Casella(Frame3, "Text5", "", {120, 600, 2775, 285}, sans, 9);
  Text5->setEnabled(false);
  Label11 = Disegno::Etichetta(Frame3, "Label11", tr("Percorso:"), {120, 1320, 855, 255}, sans, 13);
  Label11->setEnabled(false);
  Command2 =
      Disegno::Pulsante(Frame3, "Command2", tr("Salva su..."), {1680, 1320, 1215, 300}, sans, 10);
  Command2->setEnabled(false);
  Text4 = Disegno::Casella(Frame3, "Text4", "", {120, 1680, 2775, 285}, sans, 11);
  Text4->setEnabled(false);

  Disegno::Etichetta(FrmResult, "Label14", tr("% di criptazione:"), {5520, 2880, 1215, 255}, sans,
                     74);
  Option5 = Disegno::Opzione(FrmResult, "Option5", tr("&Stringa"), {2760, 3120, 975, 255}, sans, 6);
  Option5->setEnabled(false);
  CmdDeCrypt = Disegno::Pulsante(FrmResult, "CmdDeCrypt", tr("&DeCrypt"), {3960, 3120, 1335, 495},
                                 Carattere("MS Sans Serif", 9.75, true), 7);
  CmdDeCrypt->setEnabled(false);
  TxtPerc = Disegno::Casella(FrmResult, "TxtPerc", "", {5640, 3120, 975, 495},
                             Carattere("MS Sans Serif", 12), 4);
  Disegno::Etichetta(FrmResult, "Label10", tr("Selezionare cosa estrarre:"), {240, 3240, 2415, 375},
                     Carattere("MS Sans Serif", 9.75), 14);
  Option6 = Disegno::Opzione(FrmResult, "Option6", tr("&File"), {2760, 3360, 855, 255}, sans, 5);
  Option6->setEnabled(false);
  // In the free strip below "&DeCrypt"; after the design's controls in the
  // tab order.
  ChkPassphraseRivela =
      Disegno::Spunta(FrmResult, "ChkPassphraseRivela", tr("P&rotetto da passphrase"),
                      {240, 3660, 3375, 255}, sans, 77);
  ChkPassphraseRivela->setEnabled(false);
  ChkPassphraseRivela->setAccessibleName(tr("Protetto da passphrase"));
  if (!Crypta::CifraturaDisponibile())
    ChkPassphraseRivela->setToolTip(QString::fromUtf8(Crypta::kSenzaCifratura));
}

void TabDeCrypt::TxtDirDeCrypt_Change(const QString& path) {
  const bool carrier = !path.isEmpty();
  // The hide tab's key TxtKey is left alone: emptying it unseen here would
  // make the next hide go out unscrambled.
  for (QWidget* c : std::initializer_list<QWidget*>{FrmPar, CmdDeCrypt, Text3, Label9, Label7})
    c->setEnabled(carrier);
  emit CarrierScelto(carrier);
  for (QWidget* c : std::initializer_list<QWidget*>{FrmResult, Option5, Option6})
    c->setEnabled(carrier);
  ChkPassphraseRivela->setEnabled(carrier && Crypta::CifraturaDisponibile());
  if (carrier) Seleziona(Option5);
}

void TabDeCrypt::CmdDirDeCrypt_Click() {
  ScegliCarrier([this] {
    return Piattaforma::Attuale().ApriFile(
        window(), Piattaforma::TuttiIFile() + QLatin1Char('|') + Piattaforma::FileBitmap(), 2);
  });
}

void TabDeCrypt::TxtDirDeCrypt_Drop(const QString& file) {
  ScegliCarrier([&file] { return std::make_optional(file); });
}

void TabDeCrypt::ScegliCarrier(const SceltaFile& scelta) {
  // Emptied first: a cancelled choice leaves the tab without a carrier.
  TxtDirDeCrypt->setText(QString());
  const std::optional<QString> scelto = scelta();
  if (!scelto) return;
  TxtDirDeCrypt->setText(*scelto);
  // A picture that is no carrier holds no hidden data, and converting it
  // would not bring any back: only why it is refused.
  const std::string path = Codici::Percorso(*scelto);
  const Crypta::Analisi a = Crypta::Analizza(path, 1);
  if (a.esito == Crypta::Analisi::Esito::Illeggibile || a.Accettata()) return;
  const Crypta::Diagnosi d = Crypta::Diagnostica(path, a);
  if (d.convertibile || !d.formato.empty())
    Avvisa(tr("Formato file non valido\r\n%1").arg(QString::fromStdString(d.perche)));
}

void TabDeCrypt::Option5_Click() {
  Label11->setEnabled(false);
  Label12->setEnabled(false);
  Text4->setText(QString());
  Text4->setEnabled(false);
  Text5->setText(QString());
  Text5->setEnabled(false);
  Command2->setEnabled(false);
  Frame3->setEnabled(false);
  Text1->setEnabled(true);
}

void TabDeCrypt::Option6_Click() {
  Text1->setText(QString());
  Text1->setEnabled(false);
  Frame3->setEnabled(true);
  Label11->setEnabled(true);
  Label12->setEnabled(true);
  // The defaults come back at every switch, over whatever was there.
  Text4->setEnabled(true);
  Text4->setText(QDir::toNativeSeparators(Estrazione::CartellaPredefinita()));
  Text5->setEnabled(true);
  Text5->setText(kNomeFile);
  Command2->setEnabled(true);
}

void TabDeCrypt::Command2_Click() {
  // The disabled window keeps the user in the chooser, which gives it back
  // on every way out; nothing waits for it here.
  window()->setEnabled(false);
  auto* chooser = new Seldir(window());
  connect(chooser, &Seldir::Scelta, Text4, &QLineEdit::setText);
  chooser->show();
}

void TabDeCrypt::Avvisa(const QString& testo) {
  Piattaforma::Attuale().Messaggio(window(), testo);
}
