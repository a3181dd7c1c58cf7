// The "Crypt" tab: its frame FrmCrypt with the carrier choice, the logo, the
// payload source (a typed string or a file), the key, "&Crypt" and the
// progress figure. The info panel and the hide bit count sit in this frame
// too but are the panel's own: the tab tells it the carrier path and hears
// back the carrier's capacity, the bit count and when to start over.
// TabCrypt.cpp holds the choices, TabCryptImmagine.cpp the carrier made from
// a picture, TabCryptNascondi.cpp the hide.
#pragma once

#include <QGroupBox>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>

#include "CasellaPercorso.h"
#include "Segreto.h"

class CasellaMultiriga;
class Immagine;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TabCrypt : public QGroupBox {
  Q_OBJECT

 public:
  explicit TabCrypt(QWidget* parent);

  // Text mode: the payload is the typed string.
  void Option3_Click();

  // What the panel found in the carrier: room for `capienza` payload bytes,
  // none at 0. The payload source, the key and "&Crypt" follow it.
  void StatoCrypt(double capienza);
  // A new bit count: the payload and the carrier path are emptied.
  void Azzera();
  // The bit count the hide uses, as its selector shows it.
  void ImpostaBit(int16_t nbit) { nbit_ = nbit; }
  // A file given to the program to open: chosen as "&Apri..." would.
  void Apri(const QString& file);

 signals:
  // The carrier path has changed: a new carrier, or none when empty.
  void Carrier(const QString& path);
  // What the status line should say.
  void Stato(const QString& testo);

 private:
  // A file to hide as the carrier must take it: its size, and the room it
  // is checked against, its name's length plus its size.
  struct Misura {
    int32_t Dimensione;
    int32_t Spazio;
  };
  // Nothing when the size cannot be read or the room does not fit in 32
  // bits: such a file is too big for any carrier.
  static std::optional<Misura> MisuraFile(const QString& file);
  // The refusal of a payload that does not fit, "Attenzione !!" on two lines.
  static QString TroppoGrande();

  void Disponi();
  void CmdDirCrypt_Click();
  void TxtDirCrypt_Drop(const QString& file);
  void Option4_Click();
  void Command1_Click();
  void TxtSelFile_Drop(const QString& file);
  // What a carrier choice and a file choice do, by dialog or by drop.
  void ScegliCarrier(const SceltaFile& scelta);
  void ScegliFile(const SceltaFile& scelta);
  // A chosen file that cannot take a hide but is a picture the converter
  // reads: the offer of a carrier copy. The path to use, nothing to stop.
  std::optional<QString> Converti(const QString& file);
  // The payload bytes the carrier takes: the design's figure, less what
  // the encryption adds when the passphrase is on.
  double Utile() const;
  void MostraCapienza();
  // The warnings that apply to the carrier, key and protection as they are.
  void Avvisi();
  void CmdCrypt_Click();
  void Image1_Click();
  // Runs the hide; nothing when it is done, else the message for the user.
  // With a passphrase, the stealth layout when the payload fits its safe
  // capacity (the passphrase is then spent); false to go the classic way.
  bool Invisibile(const QString& carrier, bool testo, const std::string& dati, int64_t lunghezza,
                  const Crypta::Segreto& frase);
  // With a passphrase, the payload goes encrypted; the passphrase is spent.
  std::optional<QString> Nascondi(std::optional<Crypta::Segreto>& frase);
  void Avvisa(const QString& testo);

  CasellaPercorso* TxtDirCrypt = nullptr;
  QPushButton* CmdDirCrypt = nullptr;
  Immagine* Image1 = nullptr;
  QGroupBox* Frame1 = nullptr;
  QRadioButton* Option3 = nullptr;
  CasellaMultiriga* TxtString = nullptr;
  QRadioButton* Option4 = nullptr;
  QPushButton* Command1 = nullptr;
  CasellaPercorso* TxtSelFile = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* TxtKey = nullptr;
  QPushButton* CmdCrypt = nullptr;
  QLineEdit* TxtPerc2 = nullptr;
  QCheckBox* ChkPassphrase = nullptr;

  // Payload bytes the carrier takes, as last analysed; 0 without a carrier
  // ready for data.
  double capienza_ = 0;
  int16_t nbit_ = 1;  // the hide selector starts at 1 bit
  // The picture's warning for the carrier as analysed, kept while the key
  // changes: reading the picture again at every keystroke would be slow.
  QString avvisoImmagine_;
};
