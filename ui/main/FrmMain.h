// The main window: two tabs, one to hide a payload in a carrier bitmap and
// one to reveal it. One class whose member functions are split by concern:
// FrmMain.cpp (construction, exit, logo link), FrmMainLayout.cpp (every
// control, its place, caption, font and initial state, the tab order),
// PannelloInfo.cpp (carrier info panel, bit counts), TabCrypt.cpp (the hide).
// The controls are public members, named as the window's design names them
// and with the same objectName; the label arrays carry the index in the
// objectName ("Label2_3").
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

// The controls are the window's interface to the rest of the program, so
// their types come with it.
#include "CasellaMultiriga.h"
#include "Immagine.h"

class FrmMain : public QWidget {
  Q_OBJECT

 public:
  explicit FrmMain(QWidget* parent = nullptr);
  ~FrmMain() override;

  // Analyses the carrier at `Path` for `Nbit` bits per byte and shows it in
  // the info panel; "CCCCCCCC" stands for no carrier and clears the panel.
  void AssegnaLbl(const QString& Path, int16_t Nbit);
  // Text mode on the "Crypt" tab: the payload is the typed string.
  void Option3_Click();

  // Window level.
  QTabWidget* SSTab1 = nullptr;
  QPushButton* CmdEsci = nullptr;

  // Tab 0 "Crypt".
  QGroupBox* FrmCrypt = nullptr;
  QLabel* LblDir = nullptr;
  QPushButton* CmdDirCrypt = nullptr;
  QLineEdit* TxtDirCrypt = nullptr;
  Immagine* Image1 = nullptr;
  QGroupBox* Frame1 = nullptr;
  QRadioButton* Option3 = nullptr;
  CasellaMultiriga* TxtString = nullptr;
  QRadioButton* Option4 = nullptr;
  QPushButton* Command1 = nullptr;
  QLineEdit* TxtSelFile = nullptr;
  QGroupBox* FrmInfo = nullptr;
  std::array<QLabel*, 14> Label1{};  // captions of the header table
  std::array<QLabel*, 14> Label2{};  // values of the header table
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* TxtKey = nullptr;
  QLabel* Label6 = nullptr;
  QLineEdit* TxtBit = nullptr;
  QScrollBar* VScroll1 = nullptr;
  QLabel* Label16 = nullptr;
  QPushButton* CmdCrypt = nullptr;
  QLineEdit* TxtPerc2 = nullptr;

  // Tab 1 "Decrypt".
  QGroupBox* FrmDeCrypt = nullptr;
  QLabel* Label8 = nullptr;
  QLineEdit* TxtDirDeCrypt = nullptr;
  QPushButton* CmdDirDeCrypt = nullptr;
  QGroupBox* FrmPar = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label9 = nullptr;
  QLineEdit* Text3 = nullptr;
  QLineEdit* TxtBt = nullptr;
  QScrollBar* VScroll2 = nullptr;
  QGroupBox* FrmResult = nullptr;
  QLabel* Label13 = nullptr;
  CasellaMultiriga* Text1 = nullptr;
  QGroupBox* Frame3 = nullptr;
  QLabel* Label12 = nullptr;
  QLineEdit* Text5 = nullptr;
  QLabel* Label11 = nullptr;
  QPushButton* Command2 = nullptr;
  QLineEdit* Text4 = nullptr;
  QLabel* Label14 = nullptr;
  QRadioButton* Option5 = nullptr;
  QPushButton* CmdDeCrypt = nullptr;
  QLineEdit* TxtPerc = nullptr;
  QLabel* Label10 = nullptr;
  QRadioButton* Option6 = nullptr;

 protected:
  void closeEvent(QCloseEvent* evento) override;

 private:
  // FrmMainLayout.cpp
  void Disponi();
  void DisponiCrypt();
  void DisponiDeCrypt();
  void OrdineTab();

  // FrmMain.cpp
  void CmdEsci_Click();
  void Image1_Click();
  // The one way a message reaches the user: a box titled "Tavelin", OK only.
  void Avvisa(const QString& testo);
  // Selects an option button from code and runs its click handler, as a
  // click would.
  static void Seleziona(QRadioButton* opzione);

  // PannelloInfo.cpp
  void CollegaPannello();
  void TxtDirCrypt_Change();
  void TxtBit_Change();
  void TxtDirDeCrypt_Change();
  void VScroll1_Change(int valore);
  void VScroll2_Change(int valore);
  void StatoCrypt(bool pronto);
  // The bit count a box shows, as the engine takes it.
  static int16_t Bit(const QLineEdit* casella);
  // Payload bytes the hide carrier takes, as last analysed; 0 without a
  // carrier ready for data.
  double capienzaCrypt_ = 0;

  // TabCrypt.cpp
  void CollegaCrypt();
  void CmdDirCrypt_Click();
  void Option4_Click();
  void Command1_Click();
  void CmdCrypt_Click();
  // Runs the hide; nothing when it is done, else the message for the user.
  std::optional<QString> Nascondi();

  // TabDeCrypt.cpp
  void CollegaDeCrypt();
  void CmdDirDeCrypt_Click();
  void Option5_Click();
  void Option6_Click();
  void Command2_Click();
  void CmdDeCrypt_Click();
};
