// The carrier info panel of the "Crypt" tab and the two bit-count selectors:
// analysing the hide carrier, showing its header fields and capacity, the
// string box's limit, the hide tab's enabled states, and the reveal tab's
// controls that follow its carrier path.
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>

#include "Codici.h"
#include "Crypta.h"
#include "Estrazione.h"
#include "FrmMain.h"

namespace {

// The path that stands for "no carrier"; the engine never accepts it.
const QString kSegnaposto = QStringLiteral("CCCCCCCC");
const QString kSenzaFigura = QStringLiteral("Inserisci una stringa (max xx char)");
// The string box never takes more, however large the carrier.
constexpr double kMassimoStringa = 65536;

// A header field as plain digits: no grouping, no decimals.
QString Numero(double v) {
  if (v == 0) v = 0;  // no "-0"
  return QString::number(v, 'f', 0);
}

// The figure in signed-number form, where a blank stands for the plus sign;
// the figure is always positive here, hence two blanks after "max".
QString Didascalia(double figura) {
  return QStringLiteral("Inserisci una stringa (max  ") + Numero(figura) + QStringLiteral(" char)");
}

}  // namespace

void FrmMain::CollegaPannello() {
  connect(TxtDirCrypt, &QLineEdit::textChanged, this, &FrmMain::TxtDirCrypt_Change);
  connect(TxtBit, &QLineEdit::textChanged, this, &FrmMain::TxtBit_Change);
  connect(TxtDirDeCrypt, &QLineEdit::textChanged, this, &FrmMain::TxtDirDeCrypt_Change);
  connect(VScroll1, &QScrollBar::valueChanged, this, &FrmMain::VScroll1_Change);
  connect(VScroll2, &QScrollBar::valueChanged, this, &FrmMain::VScroll2_Change);
}

int16_t FrmMain::Bit(const QLineEdit* casella) {
  // One reading of a bit-count box for both tabs.
  return Estrazione::Bit(casella->text());
}

void FrmMain::StatoCrypt(bool pronto) {
  Frame1->setEnabled(pronto);
  TxtKey->setEnabled(pronto);
  CmdCrypt->setEnabled(pronto);
  Label3->setEnabled(pronto);
}

void FrmMain::AssegnaLbl(const QString& Path, int16_t Nbit) {
  capienzaCrypt_ = 0;
  if (Crypta::LeggiHeader(Codici::Percorso(Path), Nbit)) {
    const Crypta::Intestazione& h = Crypta::BmpHeader;
    const QString valori[14] = {Numero(h.DimensioneFile),   Numero(h.OffsetDati),
                                Numero(h.LunghezzaHeader),  Numero(h.Larghezza),
                                Numero(h.Altezza),          Numero(h.NumeroPiani),
                                Numero(h.BitPerPixel),      Codici::ATesto(h.Compressione),
                                Numero(h.GrandezzaBitmap),  Numero(h.RisoluzioneOrizz),
                                Numero(h.RisoluzioneVert),  Numero(h.ColoriUsati),
                                Numero(h.ColoriImportanti), Codici::ATesto(h.TipoBitmap)};
    for (std::size_t i = 0; i < Label2.size(); ++i) Label2[i]->setText(valori[i]);
    Label5->setText(Numero(h.BytesUtilizzabili));
    if (h.BytesUtilizzabili > 0) {
      // Above the cap the box still stops at the figure the caption shows:
      // a longer string would not fit anyway where it counts, at the hide.
      const double figura = std::min(h.BytesUtilizzabili, kMassimoStringa);
      Option3->setText(Didascalia(figura));
      TxtString->setMaxLength(static_cast<int>(figura));
      capienzaCrypt_ = h.BytesUtilizzabili;
      StatoCrypt(true);
    } else {
      Option3->setText(kSenzaFigura);
      StatoCrypt(false);
      Avvisa(QStringLiteral("Bitmap di dimensioni insufficienti"));
    }
    return;
  }

  // A refused file and the placeholder both leave the panel empty. A new
  // path always follows an emptied one, so for a refused file this only
  // repeats what the emptying did.
  for (QLabel* l : Label2) l->setText(QString());
  Label5->setText(QString());
  Option3->setText(kSenzaFigura);
  StatoCrypt(false);
  if (Path != kSegnaposto) Avvisa(QStringLiteral("Formato file non valido"));
}

void FrmMain::TxtDirCrypt_Change() {
  const QString path = TxtDirCrypt->text();
  if (!path.isEmpty())
    AssegnaLbl(path, Bit(TxtBit));
  else
    AssegnaLbl(kSegnaposto, 1);
}

void FrmMain::TxtBit_Change() {
  // A capacity holds for one bit count only: the carrier is chosen again
  // after the count, and the payload with it.
  TxtString->setText(QString());
  TxtSelFile->setText(QString());
  TxtDirCrypt->setText(QString());
  AssegnaLbl(kSegnaposto, 1);
}

void FrmMain::VScroll1_Change(int valore) {
  TxtBit->setText(QString::number(1 << (3 - valore)));
}

void FrmMain::VScroll2_Change(int valore) {
  TxtBt->setText(QString::number(1 << (3 - valore)));
}

void FrmMain::TxtDirDeCrypt_Change() {
  const bool carrier = !TxtDirDeCrypt->text().isEmpty();
  // The hide tab's key TxtKey is left alone: emptying it unseen here would
  // make the next hide go out unscrambled.
  for (QWidget* c : std::initializer_list<QWidget*>{FrmPar, CmdDeCrypt, Text3, Label9, Label7,
                                                    TxtBt, VScroll2, FrmResult, Option5, Option6})
    c->setEnabled(carrier);
  if (carrier) Seleziona(Option5);
}
