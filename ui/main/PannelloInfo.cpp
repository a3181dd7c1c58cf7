// The carrier info panel and the bit-count selectors: their controls, the
// analysis of the hide carrier with its two messages, and the bit counts.
#include "PannelloInfo.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "Codici.h"
#include "Crypta.h"
#include "Diagnosi.h"
#include "Disegno.h"
#include "Estrazione.h"
#include "File.h"
#include "Operazioni.h"
#include "Piattaforma.h"

using Disegno::Carattere;

namespace {

// The path that stands for "no carrier". It is never a file: a file of that
// name in the working directory must not turn into a carrier.
const QString kSegnaposto = QStringLiteral("CCCCCCCC");

// The header table: a caption and the box of its value per row.
struct Riga {
  int Indice;
  const char* Caption;
  Disegno::Twips Label1, Label2;
};

// Why the file at `path` is no carrier, in one sentence.
QString Perche(const QString& path, int16_t Nbit) {
  const std::string p = Codici::Percorso(path);
  const Crypta::Analisi a = Crypta::Analizza(p, Nbit);
  if (a.esito == Crypta::Analisi::Esito::Illeggibile)
    return QString::fromUtf8(Crypta::MessaggioErrore(p, "aprire", a.errore).c_str());
  return QString::fromUtf8(Crypta::Diagnostica(p, a).perche.c_str());
}

// The value labels are told from the caption labels by a single-line border.
void Valore(QLabel* l) {
  l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

// A header field as plain digits: no grouping, no decimals.
QString Numero(double v) {
  if (v == 0) v = 0;  // no "-0"
  return QString::number(v, 'f', 0);
}

// The text a selector shows for the value of its bar: 3 is 1 bit, 0 is 8.
QString Testo(int valore) {
  return QString::number(1 << (3 - valore));
}

}  // namespace

PannelloInfo::PannelloInfo(QWidget* crypt, QWidget* parametri) : QGroupBox(crypt) {
  Disponi(crypt, parametri);
  connect(TxtBit, &QLineEdit::textChanged, this, &PannelloInfo::TxtBit_Change);
  connect(VScroll1, &QScrollBar::valueChanged, this, &PannelloInfo::VScroll1_Change);
  connect(VScroll2, &QScrollBar::valueChanged, this, &PannelloInfo::VScroll2_Change);
  // The reveal bit count has no handler of its own: the reveal tab only
  // takes it.
  connect(TxtBt, &QLineEdit::textChanged, this,
          [this](const QString& testo) { emit BitDeCrypt(Estrazione::Bit(testo)); });
}

void PannelloInfo::Disponi(QWidget* crypt, QWidget* parametri) {
  const QFont sans = Carattere("MS Sans Serif", 8.25);
  Disegno::Posa(this, "FrmInfo", {4080, 1440, 3135, 4815}, Carattere("MS Sans Serif", 8.25, true),
                27);
  setTitle(tr("Dati Bitmap:"));
  // The captions in the source language, translated where the labels
  // are made.
  static constexpr Riga Tabella[] = {
      {13, QT_TR_NOOP("Tipo"), {120, 360, 495, 255}, {600, 240, 2295, 315}},
      {0, QT_TR_NOOP("Dimensione File (Bytes)"), {120, 600, 1695, 225}, {1920, 600, 1005, 225}},
      {1, QT_TR_NOOP("Offset"), {120, 840, 735, 225}, {1920, 840, 1005, 225}},
      {2, QT_TR_NOOP("Lunghezza Header"), {120, 1080, 1455, 225}, {1920, 1080, 1005, 225}},
      {3, QT_TR_NOOP("Larghezza Bitmap"), {120, 1320, 1455, 225}, {1920, 1320, 1005, 225}},
      {4, QT_TR_NOOP("Altezza Bitmap"), {120, 1560, 1335, 225}, {1920, 1560, 1005, 225}},
      {5, QT_TR_NOOP("Numero Piani"), {120, 1800, 1215, 225}, {1920, 1800, 1005, 225}},
      {6, QT_TR_NOOP("Bits per Pixel"), {120, 2040, 975, 225}, {1920, 2040, 1005, 225}},
      {7, QT_TR_NOOP("Compressione"), {120, 2280, 1335, 225}, {1920, 2280, 1005, 225}},
      {8, QT_TR_NOOP("Grandezza Bitmap"), {120, 2520, 1335, 225}, {1920, 2520, 1005, 225}},
      {9, QT_TR_NOOP("Risoluzione Orizz. Px/Mt"), {120, 2760, 1815, 225}, {1920, 2760, 1005, 225}},
      {10, QT_TR_NOOP("Risoluzione Vert. Px/Mt"), {120, 3000, 1815, 225}, {1920, 3000, 1005, 225}},
      {11, QT_TR_NOOP("Colori usati"), {120, 3240, 1455, 225}, {1920, 3240, 1005, 225}},
      {12, QT_TR_NOOP("Colori importanti"), {120, 3480, 1455, 225}, {1920, 3480, 1005, 225}},
  };
  const QFont arial = Carattere("Arial", 8.25);
  for (const Riga& r : Tabella) {
    const int i = r.Indice;
    const QByteArray nome1 = "Label1_" + QByteArray::number(i);
    const QByteArray nome2 = "Label2_" + QByteArray::number(i);
    Disegno::Etichetta(this, nome1.constData(), tr(r.Caption), r.Label1, arial, 28 + i);
    Label2[i] = Disegno::Etichetta(this, nome2.constData(), "", r.Label2, arial, 42 + i);
    Valore(Label2[i]);
  }
  Disegno::Etichetta(this, "Label4", tr("Bytes utilizzabili:"), {600, 3840, 2055, 375},
                     Carattere("Microsoft Sans Serif", 12, true), 56);
  Label5 = Disegno::Etichetta(this, "Label5", "", {840, 4200, 1455, 375},
                              Carattere("MS Sans Serif", 9.75, true), 57);
  Valore(Label5);

  TxtBit = Disegno::Casella(crypt, "TxtBit", "1", {2400, 4680, 375, 375}, sans, 66);
  TxtBit->setReadOnly(true);
  VScroll1 = Disegno::Barra(crypt, "VScroll1", {2760, 4680, 255, 375}, 67);

  TxtBt = Disegno::Casella(parametri, "TxtBt", "1", {5640, 600, 375, 375}, sans, 17);
  TxtBt->setReadOnly(true);
  TxtBt->setEnabled(false);
  VScroll2 = Disegno::Barra(parametri, "VScroll2", {6000, 600, 255, 375}, 16);
  VScroll2->setEnabled(false);
}

void PannelloInfo::AssegnaLbl(const QString& Path, int16_t Nbit) {
  // The placeholder is no path at all: the engine is not asked about it.
  if (Path == kSegnaposto) {
    Svuota();
    emit Capienza(0);
    return;
  }
  if (!Crypta::LeggiHeader(Codici::Percorso(Path), Nbit)) {
    // A new path always follows an emptied one, so this only repeats what
    // the emptying did.
    Svuota();
    emit Capienza(0);
    Avvisa(tr("Formato file non valido\r\n%1").arg(Perche(Path, Nbit)));
    return;
  }
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
  // The figure stays in view also when the carrier takes nothing.
  const std::string ostacolo = Crypta::Ostacolo(h);
  emit Capienza(h.BytesUtilizzabili > 0 && ostacolo.empty() ? h.BytesUtilizzabili : 0);
  if (!ostacolo.empty())
    Avvisa(tr("La bitmap non può accogliere dati: %1.").arg(QString::fromStdString(ostacolo)));
  else if (!(h.BytesUtilizzabili > 0))
    Avvisa(tr("Bitmap di dimensioni insufficienti"));
}

void PannelloInfo::Svuota() {
  for (QLabel* l : Label2) l->setText(QString());
  Label5->setText(QString());
}

void PannelloInfo::TxtDirCrypt_Change(const QString& path) {
  if (!path.isEmpty())
    AssegnaLbl(path, Estrazione::Bit(TxtBit->text()));
  else
    AssegnaLbl(kSegnaposto, 1);
}

void PannelloInfo::TxtBit_Change() {
  emit BitCrypt(Estrazione::Bit(TxtBit->text()));
  // Empties the tab's payload and carrier path; an emptied path comes back
  // here as a change and clears the panel already.
  emit Azzera();
  AssegnaLbl(kSegnaposto, 1);
}

void PannelloInfo::VScroll1_Change(int valore) {
  TxtBit->setText(Testo(valore));
}

void PannelloInfo::VScroll2_Change(int valore) {
  TxtBt->setText(Testo(valore));
}

void PannelloInfo::AbilitaBt(bool abilitato) {
  TxtBt->setEnabled(abilitato);
  VScroll2->setEnabled(abilitato);
}

void PannelloInfo::Avvisa(const QString& testo) {
  Piattaforma::Attuale().Messaggio(window(), testo);
}
