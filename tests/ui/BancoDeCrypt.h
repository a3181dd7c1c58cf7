// What the reveal tab's tests share: the window shown on its "Decrypt" tab
// with the scripted seam, carriers with a payload hidden straight through
// the engine, and the tab state that choosing a carrier gives it.
#pragma once

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>
#include <memory>
#include <string>

#include "Avvio.h"
#include "Codici.h"
#include "Crypta.h"
#include "FrmMain.h"
#include "PiattaformaProva.h"
#include "Supporto.h"
#include "Trova.h"

class BancoDeCrypt : public Controlli {
 public:
  BancoDeCrypt() : seam(std::make_unique<PiattaformaProva>()), w(std::make_unique<FrmMain>()) {
    Crypta::BmpHeader = {};
    Schede()->setCurrentIndex(1);
    w->show();
    // The clicks below need the window on screen.
    (void)QTest::qWaitForWindowExposed(w.get());
  }
  ~BancoDeCrypt() override {
    w.reset();
    seam.reset();
  }
  BancoDeCrypt(const BancoDeCrypt&) = delete;
  BancoDeCrypt& operator=(const BancoDeCrypt&) = delete;

  // The carrier path and the state it gives the tab: parameters, results
  // and both options enabled, text mode selected. Choosing a carrier does
  // the same once the window reacts to its path by itself; until then the
  // tests do it here.
  void Carrier(const std::string& path) const {
    // The path's change handler enables the tab and selects "&Stringa".
    Casella("TxtDirDeCrypt")->setText(QString());
    Casella("TxtDirDeCrypt")->setText(QString::fromStdString(path));
  }

  // The bit count as its scroll bar writes it.
  void Bit(int n) const { Casella("TxtBt")->setText(QString::number(n)); }

  // Text mode or file mode, as the user picks it.
  void Stringa() const { QTest::mouseClick(Opzione("Option5"), Qt::LeftButton); }
  void File(const QString& cartella, const QString& nome) const {
    QTest::mouseClick(Opzione("Option6"), Qt::LeftButton);
    Casella("Text4")->setText(cartella);
    Casella("Text5")->setText(nome);
  }

  void DeCrypt() const { QTest::mouseClick(Pulsante("CmdDeCrypt"), Qt::LeftButton); }

  // A carrier with `pixel` bytes of pixel data, as yet holding nothing.
  std::string NuovoCarrier(size_t pixel = 8000) {
    prova::Bitmap b;
    b.pixel = pixel;
    b.seme = uint32_t(++contatore);
    return prova::Scrivi(dir, "c" + std::to_string(contatore) + ".bmp", b);
  }

  // A carrier holding `testo`, as the window's string box holds it.
  std::string ConTesto(const QString& testo, const QString& chiave, int16_t nbit) {
    const std::string c = NuovoCarrier();
    const std::string codici = Codici::DaTesto(testo).value();
    Crypta::CryptBitmap(c, 54, int32_t(codici.size()), codici, true,
                        Codici::DaTesto(chiave).value(), nbit);
    return c;
  }

  // A carrier holding the file of `dati`.
  std::string ConFile(const prova::Byte& dati, const QString& chiave, int16_t nbit) {
    const std::string c = NuovoCarrier();
    const std::string sorgente = dir / ("dati" + std::to_string(contatore));
    prova::Scrivi(sorgente, dati);
    Crypta::CryptBitmap(c, 54, int32_t(dati.size()), sorgente, false,
                        Codici::DaTesto(chiave).value(), nbit);
    return c;
  }

  QString Cartella() const { return QString::fromStdString(dir.Path().string()); }

  prova::Cartella dir;
  std::unique_ptr<PiattaformaProva> seam;
  std::unique_ptr<FrmMain> w;
  int contatore = 0;

 protected:
  QWidget* Finestra() const override { return w.get(); }
};
