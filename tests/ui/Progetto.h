// The main window as designed, written down once more for the tests: every
// control with its kind, container, rectangle in twips relative to that
// container, tab position, caption or text, font and initial state. The
// tests hold the window against this table, not against the layout code.
#pragma once

#include <QString>
#include <vector>

namespace Progetto {

struct Controllo {
  QString Nome, Tipo, Padre;  // Padre empty: the window's client area
  int Left, Top, Width, Height;
  int Tab;  // -1: no place in the tab order
  QString Testo;
  QString Famiglia;
  double Punti;
  bool Grassetto;
  bool Disabilitato;  // disabled in its own right at start
  bool SolaLettura;
};

inline std::vector<Controllo> Controlli() {
  const QString mss = QStringLiteral("MS Sans Serif");
  const QString arial = QStringLiteral("Arial");
  // clang-format off
  std::vector<Controllo> c = {
      // name, kind, container, L, T, W, H, tab, text, font, size, bold, disabled, read-only
      {"SSTab1", "QTabWidget", "", 120, 120, 7575, 6855, 1, "", mss, 8.25, false, false, false},
      {"CmdEsci", "QPushButton", "", 8760, 6720, 1695, 615, 0, "Esci", arial, 9.75, false, false, false},
      {"FrmCrypt", "QGroupBox", "SSTab1", 120, 360, 7335, 6375, 24, "", arial, 8.25, true, false, false},
      {"LblDir", "QLabel", "FrmCrypt", 120, 240, 2535, 255, 69, "Seleziona Bitmap di appoggio", mss, 8.25, true, false, false},
      {"CmdDirCrypt", "QPushButton", "FrmCrypt", 2760, 240, 1215, 300, 25, "&Apri...", mss, 8.25, false, false, false},
      {"TxtDirCrypt", "QLineEdit", "FrmCrypt", 120, 600, 3855, 330, 26, "", arial, 9, false, false, true},
      {"Image1", "QLabel", "FrmCrypt", 4200, 360, 2775, 795, -1, "", "", 0, false, false, false},
      {"Frame1", "QGroupBox", "FrmCrypt", 120, 1080, 3855, 2535, 59, " Sorgente da Crittografare ", mss, 8.25, true, true, false},
      {"FrmInfo", "QGroupBox", "FrmCrypt", 4080, 1440, 3135, 4815, 27, "Dati Bitmap:", mss, 8.25, true, false, false},
      {"Label3", "QLabel", "FrmCrypt", 240, 3840, 3135, 255, 70, "Inserire chiave crittografica (max 30 char):", mss, 8.25, false, true, false},
      {"TxtKey", "QLineEdit", "FrmCrypt", 240, 4200, 3495, 315, 58, "", mss, 8.25, false, true, false},
      {"Label6", "QLabel", "FrmCrypt", 600, 4800, 1815, 255, 71, "Bit da utilizzare (1-2-4-8):", mss, 8.25, false, false, false},
      {"TxtBit", "QLineEdit", "FrmCrypt", 2400, 4680, 375, 375, 66, "1", mss, 8.25, false, false, true},
      {"VScroll1", "QScrollBar", "FrmCrypt", 2760, 4680, 255, 375, 67, "", "", 0, false, false, false},
      {"Label16", "QLabel", "FrmCrypt", 2280, 5280, 1215, 255, 75, "% di criptazione:", mss, 8.25, false, false, false},
      {"CmdCrypt", "QPushButton", "FrmCrypt", 480, 5520, 1335, 495, 65, "&Crypt", mss, 9.75, true, true, false},
      {"TxtPerc2", "QLineEdit", "FrmCrypt", 2400, 5520, 975, 495, 68, "", mss, 12, false, false, false},
      {"Option3", "QRadioButton", "Frame1", 240, 360, 3135, 255, 60, "&Inserisci una stringa (max xx char)", mss, 8.25, false, false, false},
      {"TxtString", "CasellaMultiriga", "Frame1", 120, 720, 3495, 735, 61, "", mss, 8.25, false, false, false},
      {"Option4", "QRadioButton", "Frame1", 240, 1560, 1575, 375, 63, "Seleziona un &file", mss, 8.25, false, false, false},
      {"Command1", "QPushButton", "Frame1", 2280, 1560, 1335, 300, 64, "Apri...", mss, 8.25, false, true, false},
      {"TxtSelFile", "QLineEdit", "Frame1", 120, 2040, 3495, 285, 62, "", mss, 8.25, false, true, true},
      {"Label4", "QLabel", "FrmInfo", 600, 3840, 2055, 375, 56, "Bytes utilizzabili:", "Microsoft Sans Serif", 12, true, false, false},
      {"Label5", "QLabel", "FrmInfo", 840, 4200, 1455, 375, 57, "", mss, 9.75, true, false, false},
      {"FrmDeCrypt", "QGroupBox", "SSTab1", 120, 360, 7215, 6375, 2, "", mss, 8.25, true, false, false},
      {"Label8", "QLabel", "FrmDeCrypt", 240, 240, 2535, 255, 23, "Seleziona Bitmap di appoggio", mss, 8.25, true, false, false},
      {"TxtDirDeCrypt", "QLineEdit", "FrmDeCrypt", 240, 480, 5535, 285, 22, "", arial, 9, false, false, true},
      {"CmdDirDeCrypt", "QPushButton", "FrmDeCrypt", 5880, 480, 1095, 300, 21, "Apri...", mss, 8.25, false, false, false},
      {"FrmPar", "QGroupBox", "FrmDeCrypt", 120, 840, 6975, 1215, 15, "Parametri", mss, 8.25, false, false, false},
      {"FrmResult", "QGroupBox", "FrmDeCrypt", 120, 2160, 6975, 3975, 3, "Risultati del processo di decriptazione ", mss, 8.25, false, false, false},
      {"Label7", "QLabel", "FrmPar", 5520, 120, 1095, 495, 19, "Bit da utilizzare (1-2-4-8)", mss, 8.25, false, true, false},
      {"Label9", "QLabel", "FrmPar", 120, 360, 3735, 255, 20, "Inserire chiave crittografica (max 30 char)", mss, 8.25, false, true, false},
      {"Text3", "QLineEdit", "FrmPar", 120, 600, 5295, 285, 18, "", mss, 8.25, false, true, false},
      {"TxtBt", "QLineEdit", "FrmPar", 5640, 600, 375, 375, 17, "1", mss, 8.25, false, true, true},
      {"VScroll2", "QScrollBar", "FrmPar", 6000, 600, 255, 375, 16, "", "", 0, false, true, false},
      {"Label13", "QLabel", "FrmResult", 120, 360, 1335, 255, 73, "Stringa decriptata:", mss, 8.25, false, false, false},
      {"Text1", "CasellaMultiriga", "FrmResult", 120, 600, 3495, 2295, 72, "", mss, 8.25, false, true, true},
      {"Frame3", "QGroupBox", "FrmResult", 3840, 600, 3015, 2175, 8, "File ", mss, 8.25, false, true, false},
      {"Label14", "QLabel", "FrmResult", 5520, 2880, 1215, 255, 74, "% di criptazione:", mss, 8.25, false, false, false},
      {"Option5", "QRadioButton", "FrmResult", 2760, 3120, 975, 255, 6, "&Stringa", mss, 8.25, false, true, false},
      {"CmdDeCrypt", "QPushButton", "FrmResult", 3960, 3120, 1335, 495, 7, "&DeCrypt", mss, 9.75, true, true, false},
      {"TxtPerc", "QLineEdit", "FrmResult", 5640, 3120, 975, 495, 4, "", mss, 12, false, false, false},
      {"Label10", "QLabel", "FrmResult", 240, 3240, 2415, 375, 14, "Selezionare cosa estrarre:", mss, 9.75, false, false, false},
      {"Option6", "QRadioButton", "FrmResult", 2760, 3360, 855, 255, 5, "&File", mss, 8.25, false, true, false},
      {"Label12", "QLabel", "Frame3", 120, 360, 1095, 255, 12, "Nome file:", mss, 8.25, false, true, false},
      {"Text5", "QLineEdit", "Frame3", 120, 600, 2775, 285, 9, "", mss, 8.25, false, true, false},
      {"Label11", "QLabel", "Frame3", 120, 1320, 855, 255, 13, "Percorso:", mss, 8.25, false, true, false},
      {"Command2", "QPushButton", "Frame3", 1680, 1320, 1215, 300, 10, "Salva su...", mss, 8.25, false, true, false},
      {"Text4", "QLineEdit", "Frame3", 120, 1680, 2775, 285, 11, "", mss, 8.25, false, true, false},
  };
  // clang-format on
  // The header table: index, caption, the caption's width; rows 0 to 12 run
  // down from Top 600 at 240 twips apart, row 13 sits above them.
  struct Riga {
    int Indice;
    const char* Caption;
    int Larghezza;
  };
  const Riga righe[] = {{0, "Dimensione File (Bytes)", 1695},
                        {1, "Offset", 735},
                        {2, "Lunghezza Header", 1455},
                        {3, "Larghezza Bitmap", 1455},
                        {4, "Altezza Bitmap", 1335},
                        {5, "Numero Piani", 1215},
                        {6, "Bits per Pixel", 975},
                        {7, "Compressione", 1335},
                        {8, "Grandezza Bitmap", 1335},
                        {9, "Risoluzione Orizz. Px/Mt", 1815},
                        {10, "Risoluzione Vert. Px/Mt", 1815},
                        {11, "Colori usati", 1455},
                        {12, "Colori importanti", 1455}};
  for (const Riga& r : righe) {
    const int top = 600 + 240 * r.Indice;
    const QString i = QString::number(r.Indice);
    c.push_back({"Label1_" + i, "QLabel", "FrmInfo", 120, top, r.Larghezza, 225, 28 + r.Indice,
                 r.Caption, arial, 8.25, false, false, false});
    c.push_back({"Label2_" + i, "QLabel", "FrmInfo", 1920, top, 1005, 225, 42 + r.Indice, "", arial,
                 8.25, false, false, false});
  }
  c.push_back({"Label1_13", "QLabel", "FrmInfo", 120, 360, 495, 255, 41, "Tipo", arial, 8.25, false,
               false, false});
  c.push_back({"Label2_13", "QLabel", "FrmInfo", 600, 240, 2295, 315, 55, "", arial, 8.25, false,
               false, false});
  return c;
}

}  // namespace Progetto
