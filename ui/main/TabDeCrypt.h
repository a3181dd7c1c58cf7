// The "Decrypt" tab: its frame FrmDeCrypt with the carrier choice, the
// parameters, text or file mode with the target of an extracted file, the
// directory chooser, "&DeCrypt" and the progress figure. The reveal bit
// count sits in the "Parametri" frame but is the panel's own: the tab tells
// it whether there is a carrier and hears back the count.
// TabDeCrypt.cpp holds the choices, TabDeCryptRivela.cpp the reveal,
// TabDeCryptCifrato.cpp what a payload protected by a passphrase adds.
#pragma once

#include <QGroupBox>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>

#include "CasellaPercorso.h"

class CasellaMultiriga;
namespace Crypta {
class Destinazione;
class Segreto;
}  // namespace Crypta
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TabDeCrypt : public QGroupBox {
  Q_OBJECT

 public:
  explicit TabDeCrypt(QWidget* parent);

  // The "Parametri" frame, where the reveal's bit-count selector goes.
  QWidget* Parametri() const;
  // The bit count the reveal uses, as its selector shows it.
  void ImpostaBit(int16_t nbit) { nbit_ = nbit; }

 signals:
  // The tab has a carrier, or none: the bit count is usable exactly then.
  void CarrierScelto(bool scelto);
  // What the status line should say.
  void Stato(const QString& testo);

 private:
  void Disponi();
  void TxtDirDeCrypt_Change(const QString& path);
  void CmdDirDeCrypt_Click();
  void TxtDirDeCrypt_Drop(const QString& file);
  // What a carrier choice does, by dialog or by drop.
  void ScegliCarrier(const SceltaFile& scelta);
  void Option5_Click();
  void Option6_Click();
  void Command2_Click();
  void CmdDeCrypt_Click();
  // The reveal once the inputs are checked: plain, or through the decryption
  // when the payload carries the encrypted marker. Nothing when done, else
  // the message for the user.
  std::optional<QString> Rivela(const std::string& carrier, const std::string& chiave,
                                const QString& uscita, bool testo);
  // The stealth layout's payload into `d`: its stored name, or nothing when
  // the passphrase finds none.
  std::optional<std::string> RivelaInvisibile(const std::string& carrier,
                                              const Crypta::Segreto& frase,
                                              Crypta::Destinazione& d);
  void Avvisa(const QString& testo);

  CasellaPercorso* TxtDirDeCrypt = nullptr;
  QPushButton* CmdDirDeCrypt = nullptr;
  QGroupBox* FrmPar = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label9 = nullptr;
  QLineEdit* Text3 = nullptr;
  QGroupBox* FrmResult = nullptr;
  CasellaMultiriga* Text1 = nullptr;
  QGroupBox* Frame3 = nullptr;
  QLabel* Label12 = nullptr;
  QLineEdit* Text5 = nullptr;
  QLabel* Label11 = nullptr;
  QPushButton* Command2 = nullptr;
  QLineEdit* Text4 = nullptr;
  QRadioButton* Option5 = nullptr;
  QPushButton* CmdDeCrypt = nullptr;
  QLineEdit* TxtPerc = nullptr;
  QRadioButton* Option6 = nullptr;
  QCheckBox* ChkPassphraseRivela = nullptr;

  int16_t nbit_ = 1;  // the reveal selector starts at 1 bit
};
