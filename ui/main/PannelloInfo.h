// The carrier info panel "Dati Bitmap:" and the two bit-count selectors.
// The panel analyses the hide carrier and shows its header fields and
// capacity; the selectors write 1, 2, 4 or 8 into their boxes. The hide
// selector sits on the "Crypt" page beside the panel, the reveal one in the
// "Parametri" frame of the "Decrypt" page: both are placed where the design
// puts them, in frames of other parts, and the panel keeps them.
#pragma once

#include <QGroupBox>
#include <QString>
#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QScrollBar;

class PannelloInfo : public QGroupBox {
  Q_OBJECT

 public:
  // The panel goes into `crypt`, the "Crypt" page's frame, with the hide
  // selector; the reveal selector goes into `parametri`.
  PannelloInfo(QWidget* crypt, QWidget* parametri);

  // Analyses the carrier at `Path` for `Nbit` bits per byte and shows it;
  // "CCCCCCCC" stands for no carrier and clears the panel.
  void AssegnaLbl(const QString& Path, int16_t Nbit);

  // The hide carrier's path has changed.
  void TxtDirCrypt_Change(const QString& path);
  // The reveal tab has a carrier or none: its bit count is usable or not.
  void AbilitaBt(bool abilitato);

 signals:
  // What the hide carrier offers, after every analysis: its capacity in
  // payload bytes; 0 when it takes nothing or there is none.
  void Capienza(double bytes);
  // A new hide bit count: the "Crypt" tab starts over, since a capacity
  // holds for one count only.
  void Azzera();
  // The bit count of each tab, whenever its box changes.
  void BitCrypt(int16_t nbit);
  void BitDeCrypt(int16_t nbit);

 private:
  void Disponi(QWidget* crypt, QWidget* parametri);
  void TxtBit_Change();
  void VScroll1_Change(int valore);
  void VScroll2_Change(int valore);
  // The placeholder's outcome, and a refused file's: nothing shown.
  void Svuota();
  void Avvisa(const QString& testo);

  std::array<QLabel*, 14> Label2{};  // values of the header table
  QLabel* Label5 = nullptr;
  QLineEdit* TxtBit = nullptr;
  QScrollBar* VScroll1 = nullptr;
  QLineEdit* TxtBt = nullptr;
  QScrollBar* VScroll2 = nullptr;
};
