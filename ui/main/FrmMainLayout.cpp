// Every control of the main window: kind, name, caption, place, font,
// initial state and tab position, tab by tab and frame by frame. Nothing
// here reacts to anything; the handlers live in the other FrmMain files.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <algorithm>
#include <utility>
#include <vector>

#include "Avvio.h"
#include "CasellaMultiriga.h"
#include "Disegno.h"
#include "FrmMain.h"
#include "Identita.h"
#include "Immagine.h"

using Disegno::Barra;
using Disegno::Carattere;
using Disegno::Casella;
using Disegno::Cornice;
using Disegno::Etichetta;
using Disegno::Multiriga;
using Disegno::Opzione;
using Disegno::Pulsante;

namespace {

QFont Sans() {
  return Carattere("MS Sans Serif", 8.25);
}
QFont SansBold() {
  return Carattere("MS Sans Serif", 8.25, true);
}

// The value labels are told from the caption labels by a single-line border.
void Valore(QLabel* l) {
  l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

// The header table of FrmInfo: a caption and the box of its value per row.
struct Riga {
  int Indice;
  const char* Caption;
  Disegno::Twips Label1, Label2;
};
constexpr Riga Tabella[] = {
    {13, "Tipo", {120, 360, 495, 255}, {600, 240, 2295, 315}},
    {0, "Dimensione File (Bytes)", {120, 600, 1695, 225}, {1920, 600, 1005, 225}},
    {1, "Offset", {120, 840, 735, 225}, {1920, 840, 1005, 225}},
    {2, "Lunghezza Header", {120, 1080, 1455, 225}, {1920, 1080, 1005, 225}},
    {3, "Larghezza Bitmap", {120, 1320, 1455, 225}, {1920, 1320, 1005, 225}},
    {4, "Altezza Bitmap", {120, 1560, 1335, 225}, {1920, 1560, 1005, 225}},
    {5, "Numero Piani", {120, 1800, 1215, 225}, {1920, 1800, 1005, 225}},
    {6, "Bits per Pixel", {120, 2040, 975, 225}, {1920, 2040, 1005, 225}},
    {7, "Compressione", {120, 2280, 1335, 225}, {1920, 2280, 1005, 225}},
    {8, "Grandezza Bitmap", {120, 2520, 1335, 225}, {1920, 2520, 1005, 225}},
    {9, "Risoluzione Orizz. Px/Mt", {120, 2760, 1815, 225}, {1920, 2760, 1005, 225}},
    {10, "Risoluzione Vert. Px/Mt", {120, 3000, 1815, 225}, {1920, 3000, 1005, 225}},
    {11, "Colori usati", {120, 3240, 1455, 225}, {1920, 3240, 1005, 225}},
    {12, "Colori importanti", {120, 3480, 1455, 225}, {1920, 3480, 1005, 225}},
};

}  // namespace

void FrmMain::Disponi() {
  setObjectName(QStringLiteral("FrmMain"));
  setWindowTitle(QStringLiteral("Quorvane - Tavelin - Versione 1.0 (Freeware)"));
  setWindowIcon(Avvio::Icona());
  setFont(Sans());
  setFixedSize(Disegno::Pixel({0, 0, 7755, 7080}).size());

  // The tab pages stay empty: each page's frame is a child of the tab
  // control itself, placed from its top-left corner as designed, and shown
  // only while its tab is current.
  SSTab1 = new QTabWidget(this);
  Disegno::Posa(SSTab1, "SSTab1", {120, 120, 7575, 6855}, Sans(), 1);
  SSTab1->setUsesScrollButtons(false);
  SSTab1->addTab(new QWidget(SSTab1), QStringLiteral("Crypt"));
  SSTab1->addTab(new QWidget(SSTab1), QStringLiteral("Decrypt"));
  DisponiCrypt();
  DisponiDeCrypt();
  SSTab1->setCurrentIndex(0);
  FrmDeCrypt->hide();
  connect(SSTab1, &QTabWidget::currentChanged, this, [this](int scheda) {
    FrmCrypt->setVisible(scheda == 0);
    FrmDeCrypt->setVisible(scheda == 1);
  });

  // Beyond the right edge of the window, so never seen; it is first in the
  // tab order and so holds the focus when the window opens.
  CmdEsci = Pulsante(this, "CmdEsci", "Esci", {8760, 6720, 1695, 615}, Carattere("Arial", 9.75), 0);
}

void FrmMain::DisponiCrypt() {
  FrmCrypt =
      Cornice(SSTab1, "FrmCrypt", "", {120, 360, 7335, 6375}, Carattere("Arial", 8.25, true), 24);
  LblDir = Etichetta(FrmCrypt, "LblDir", "Seleziona Bitmap di appoggio", {120, 240, 2535, 255},
                     SansBold(), 69);
  CmdDirCrypt = Pulsante(FrmCrypt, "CmdDirCrypt", "&Apri...", {2760, 240, 1215, 300}, Sans(), 25);
  TxtDirCrypt =
      Casella(FrmCrypt, "TxtDirCrypt", "", {120, 600, 3855, 330}, Carattere("Arial", 9), 26);
  TxtDirCrypt->setReadOnly(true);

  Image1 = new Immagine(FrmCrypt);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(Disegno::Pixel({4200, 360, 2775, 795}));
  Image1->setPixmap(Avvio::Logo());
  Image1->setToolTip(QString::fromUtf8(Identita::Indirizzo));

  Frame1 = Cornice(FrmCrypt, "Frame1", " Sorgente da Crittografare ", {120, 1080, 3855, 2535},
                   SansBold(), 59);
  Frame1->setEnabled(false);
  Option3 = Opzione(Frame1, "Option3", "&Inserisci una stringa (max xx char)",
                    {240, 360, 3135, 255}, Sans(), 60);
  Option3->setChecked(true);
  TxtString = Multiriga(Frame1, "TxtString", {120, 720, 3495, 735}, Sans(), 61);
  Option4 = Opzione(Frame1, "Option4", "Seleziona un &file", {240, 1560, 1575, 375}, Sans(), 63);
  Command1 = Pulsante(Frame1, "Command1", "Apri...", {2280, 1560, 1335, 300}, Sans(), 64);
  Command1->setEnabled(false);
  TxtSelFile = Casella(Frame1, "TxtSelFile", "", {120, 2040, 3495, 285}, Sans(), 62);
  TxtSelFile->setEnabled(false);
  TxtSelFile->setReadOnly(true);

  FrmInfo = Cornice(FrmCrypt, "FrmInfo", "Dati Bitmap:", {4080, 1440, 3135, 4815}, SansBold(), 27);
  const QFont arial = Carattere("Arial", 8.25);
  for (const Riga& r : Tabella) {
    const int i = r.Indice;
    const QByteArray nome1 = "Label1_" + QByteArray::number(i);
    const QByteArray nome2 = "Label2_" + QByteArray::number(i);
    Label1[i] = Etichetta(FrmInfo, nome1.constData(), r.Caption, r.Label1, arial, 28 + i);
    Label2[i] = Etichetta(FrmInfo, nome2.constData(), "", r.Label2, arial, 42 + i);
    Valore(Label2[i]);
  }
  Label4 = Etichetta(FrmInfo, "Label4", "Bytes utilizzabili:", {600, 3840, 2055, 375},
                     Carattere("Microsoft Sans Serif", 12, true), 56);
  Label5 = Etichetta(FrmInfo, "Label5", "", {840, 4200, 1455, 375},
                     Carattere("MS Sans Serif", 9.75, true), 57);
  Valore(Label5);

  Label3 =
      Etichetta(FrmCrypt, "Label3",
                "Inserire chiave crittografica (max 30 char):", {240, 3840, 3135, 255}, Sans(), 70);
  Label3->setEnabled(false);
  TxtKey = Casella(FrmCrypt, "TxtKey", "", {240, 4200, 3495, 315}, Sans(), 58);
  TxtKey->setMaxLength(30);
  TxtKey->setEnabled(false);
  Label6 = Etichetta(FrmCrypt, "Label6", "Bit da utilizzare (1-2-4-8):", {600, 4800, 1815, 255},
                     Sans(), 71);
  TxtBit = Casella(FrmCrypt, "TxtBit", "1", {2400, 4680, 375, 375}, Sans(), 66);
  TxtBit->setReadOnly(true);
  VScroll1 = Barra(FrmCrypt, "VScroll1", {2760, 4680, 255, 375}, 67);
  Label16 =
      Etichetta(FrmCrypt, "Label16", "% di criptazione:", {2280, 5280, 1215, 255}, Sans(), 75);
  CmdCrypt = Pulsante(FrmCrypt, "CmdCrypt", "&Crypt", {480, 5520, 1335, 495},
                      Carattere("MS Sans Serif", 9.75, true), 65);
  CmdCrypt->setEnabled(false);
  TxtPerc2 =
      Casella(FrmCrypt, "TxtPerc2", "", {2400, 5520, 975, 495}, Carattere("MS Sans Serif", 12), 68);
}

void FrmMain::DisponiDeCrypt() {
  FrmDeCrypt = Cornice(SSTab1, "FrmDeCrypt", "", {120, 360, 7215, 6375}, SansBold(), 2);
  Label8 = Etichetta(FrmDeCrypt, "Label8", "Seleziona Bitmap di appoggio", {240, 240, 2535, 255},
                     SansBold(), 23);
  TxtDirDeCrypt =
      Casella(FrmDeCrypt, "TxtDirDeCrypt", "", {240, 480, 5535, 285}, Carattere("Arial", 9), 22);
  TxtDirDeCrypt->setReadOnly(true);
  CmdDirDeCrypt =
      Pulsante(FrmDeCrypt, "CmdDirDeCrypt", "Apri...", {5880, 480, 1095, 300}, Sans(), 21);

  FrmPar = Cornice(FrmDeCrypt, "FrmPar", "Parametri", {120, 840, 6975, 1215}, Sans(), 15);
  Label7 = Etichetta(FrmPar, "Label7", "Bit da utilizzare (1-2-4-8)", {5520, 120, 1095, 495},
                     Sans(), 19);
  Label7->setEnabled(false);
  Label9 = Etichetta(FrmPar, "Label9", "Inserire chiave crittografica (max 30 char)",
                     {120, 360, 3735, 255}, Sans(), 20);
  Label9->setEnabled(false);
  Text3 = Casella(FrmPar, "Text3", "", {120, 600, 5295, 285}, Sans(), 18);
  Text3->setMaxLength(30);
  Text3->setEnabled(false);
  TxtBt = Casella(FrmPar, "TxtBt", "1", {5640, 600, 375, 375}, Sans(), 17);
  TxtBt->setReadOnly(true);
  TxtBt->setEnabled(false);
  VScroll2 = Barra(FrmPar, "VScroll2", {6000, 600, 255, 375}, 16);
  VScroll2->setEnabled(false);

  FrmResult = Cornice(FrmDeCrypt, "FrmResult", "Risultati del processo di decriptazione ",
                      {120, 2160, 6975, 3975}, Sans(), 3);
  Label13 =
      Etichetta(FrmResult, "Label13", "Stringa decriptata:", {120, 360, 1335, 255}, Sans(), 73);
  Text1 = Multiriga(FrmResult, "Text1", {120, 600, 3495, 2295}, Sans(), 72);
  Text1->setReadOnly(true);
  Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  Text1->setEnabled(false);

  Frame3 = Cornice(FrmResult, "Frame3", "File ", {3840, 600, 3015, 2175}, Sans(), 8);
  Frame3->setEnabled(false);
  Label12 = Etichetta(Frame3, "Label12", "Nome file:", {120, 360, 1095, 255}, Sans(), 12);
  Label12->setEnabled(false);
  Text5 = Casella(Frame3, "Text5", "", {120, 600, 2775, 285}, Sans(), 9);
  Text5->setEnabled(false);
  Label11 = Etichetta(Frame3, "Label11", "Percorso:", {120, 1320, 855, 255}, Sans(), 13);
  Label11->setEnabled(false);
  Command2 = Pulsante(Frame3, "Command2", "Salva su...", {1680, 1320, 1215, 300}, Sans(), 10);
  Command2->setEnabled(false);
  Text4 = Casella(Frame3, "Text4", "", {120, 1680, 2775, 285}, Sans(), 11);
  Text4->setEnabled(false);

  Label14 =
      Etichetta(FrmResult, "Label14", "% di criptazione:", {5520, 2880, 1215, 255}, Sans(), 74);
  Option5 = Opzione(FrmResult, "Option5", "&Stringa", {2760, 3120, 975, 255}, Sans(), 6);
  Option5->setEnabled(false);
  CmdDeCrypt = Pulsante(FrmResult, "CmdDeCrypt", "&DeCrypt", {3960, 3120, 1335, 495},
                        Carattere("MS Sans Serif", 9.75, true), 7);
  CmdDeCrypt->setEnabled(false);
  TxtPerc =
      Casella(FrmResult, "TxtPerc", "", {5640, 3120, 975, 495}, Carattere("MS Sans Serif", 12), 4);
  Label10 = Etichetta(FrmResult, "Label10", "Selezionare cosa estrarre:", {240, 3240, 2415, 375},
                      Carattere("MS Sans Serif", 9.75), 14);
  Option6 = Opzione(FrmResult, "Option6", "&File", {2760, 3360, 855, 255}, Sans(), 5);
  Option6->setEnabled(false);
}

void FrmMain::OrdineTab() {
  // Every control holds a tab position; labels and frames keep theirs but
  // never take the focus, so the chain links the others in that order.
  std::vector<std::pair<int, QWidget*>> ordine;
  for (QWidget* w : findChildren<QWidget*>()) {
    const QVariant tab = w->property(Disegno::TabIndex);
    if (tab.isValid() && (w->focusPolicy() & Qt::TabFocus)) ordine.emplace_back(tab.toInt(), w);
  }
  std::sort(ordine.begin(), ordine.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < ordine.size(); ++i)
    QWidget::setTabOrder(ordine[i - 1].second, ordine[i].second);
}
