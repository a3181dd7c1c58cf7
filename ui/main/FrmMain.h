// The main window: the frame around the two tabs. It holds the tab strip and
// the exit button, builds the parts ("Crypt" tab, carrier info panel with the
// bit-count selectors, "Decrypt" tab), and links them; each part keeps its
// own controls and handlers. Controls carry the design's names as objectName.
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>

class PannelloInfo;
class RigaStato;
class QPushButton;
class QTabWidget;
class TabCrypt;
class TabDeCrypt;

class FrmMain : public QWidget {
  Q_OBJECT

 public:
  explicit FrmMain(QWidget* parent = nullptr);

  // Analyses the carrier at `Path` for `Nbit` bits per byte and shows it in
  // the info panel; "CCCCCCCC" stands for no carrier and clears the panel.
  void AssegnaLbl(const QString& Path, int16_t Nbit);
  // Text mode on the "Crypt" tab: the payload is the typed string.
  void Option3_Click();
  // A file given to the program: opened on the "Crypt" tab as "&Apri..."
  // would open it.
  void Apri(const QString& file);

 protected:
  void closeEvent(QCloseEvent* evento) override;

 private:
  void Disponi();
  void Collega();
  void OrdineTab();
  void CmdEsci_Click();

  QTabWidget* SSTab1 = nullptr;
  QPushButton* CmdEsci = nullptr;
  TabCrypt* crypt_ = nullptr;
  PannelloInfo* pannello_ = nullptr;
  TabDeCrypt* decrypt_ = nullptr;
  RigaStato* LblStato = nullptr;
};
