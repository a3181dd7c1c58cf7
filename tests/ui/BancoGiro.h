// The bench of the round-trip tests: a fresh window shown for each test, the
// scripted seam, carriers of their own, and the moves a person makes on
// each tab, every one checking that the window took it without a message.
#pragma once

#include <QtTest>
#include <algorithm>
#include <memory>
#include <random>
#include <string>

#include "Codici.h"
#include "Crypta.h"
#include "FrmMain.h"
#include "PiattaformaProva.h"
#include "Supporto.h"
#include "Trova.h"

// A helper's failed check ends the test that called it.
#define PASSO(chiamata)                     \
  do {                                      \
    chiamata;                               \
    if (QTest::currentTestFailed()) return; \
  } while (false)

inline QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// The scroll bar position for a bit count: the top gives 8 bits, the bottom 1.
inline int Posizione(int nbit) {
  return nbit == 8 ? 0 : nbit == 4 ? 1 : nbit == 2 ? 2 : 3;
}

inline const QString kTesto = QStringLiteral("Prima riga: caffè a 2 €\nseconda riga");
inline const QString kChiave = QStringLiteral("Chiave è €");

// The key backwards: other characters in another order, the same mask.
inline QString AlRovescio(const QString& s) {
  QString r = s;
  std::reverse(r.begin(), r.end());
  return r;
}

// A few hundred bytes holding every byte value, in an order of their own.
inline prova::Byte OgniByte(uint32_t seme) {
  prova::Byte b = prova::Casuali(300, seme);
  for (int i = 0; i < 256; ++i) b[size_t(i)] = uint8_t(i);
  std::shuffle(b.begin(), b.end(), std::mt19937(seme));
  return b;
}

inline std::string CodiciDi(const QString& testo) {
  return Codici::DaTesto(testo).value();
}

class BancoGiro : public QObject, public Controlli {
 protected:
  QWidget* Finestra() const override { return w_.get(); }

  std::unique_ptr<prova::Cartella> dir_;
  std::unique_ptr<PiattaformaProva> seam_;
  std::unique_ptr<FrmMain> w_;
  uint32_t seme_ = 0;

  std::string Portante(const std::string& nome, uint32_t offset = 54, size_t pixel = 4000) {
    prova::Bitmap b;
    b.offset = offset;
    b.pixel = pixel;
    b.seme = ++seme_;
    return prova::Scrivi(*dir_, nome, b);
  }

  QString Cartella() const { return Q(dir_->Path().string()); }

  // Keystrokes as the keyboard makes them: Return for a line break, every
  // other character as its key's text, so "€" comes in as typed too.
  static void Digita(QWidget* casella, const QString& testo) {
    casella->setFocus();
    for (const QChar c : testo) {
      if (c == QLatin1Char('\n'))
        QTest::keyClick(casella, Qt::Key_Return);
      else
        QTest::sendKeyEvent(QTest::Click, casella, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }

  void Fatto() {
    QVERIFY(w_->isEnabled());
    QCOMPARE(seam_->Messaggi, QStringList());
    QCOMPARE(seam_->Inattesi, 0);
  }

  // The bit count first: moving its scroll bar empties the tab's carrier.
  void ScegliCrypt(const std::string& carrier, int nbit) {
    Schede()->setCurrentIndex(0);
    Barra("VScroll1")->setValue(Posizione(nbit));
    QCOMPARE(Casella("TxtBit")->text(), QString::number(nbit));
    seam_->Risposte.push_back(Q(carrier));
    QTest::mouseClick(Pulsante("CmdDirCrypt"), Qt::LeftButton);
    QCOMPARE(Casella("TxtDirCrypt")->text(), Q(carrier));
    QVERIFY(Pulsante("CmdCrypt")->isEnabled());
    PASSO(Fatto());
  }

  void Chiave(const QString& chiave) {
    Casella("TxtKey")->clear();
    Digita(Casella("TxtKey"), chiave);
    QCOMPARE(Casella("TxtKey")->text(), chiave);
  }

  void Crypt() {
    QVERIFY(Pulsante("CmdCrypt")->isEnabled());
    QTest::mouseClick(Pulsante("CmdCrypt"), Qt::LeftButton);
    PASSO(Fatto());
  }

  void NascondiTesto(const QString& testo, const QString& chiave) {
    Schede()->setCurrentIndex(0);
    QTest::mouseClick(Opzione("Option3"), Qt::LeftButton);
    QVERIFY(Opzione("Option3")->isChecked());
    Multiriga("TxtString")->clear();
    Digita(Multiriga("TxtString"), testo);
    QCOMPARE(Multiriga("TxtString")->text(), testo);
    PASSO(Chiave(chiave));
    PASSO(Crypt());
  }

  void NascondiFile(const std::string& file, const QString& chiave) {
    Schede()->setCurrentIndex(0);
    QTest::mouseClick(Opzione("Option4"), Qt::LeftButton);
    QVERIFY(Opzione("Option4")->isChecked());
    seam_->Risposte.push_back(Q(file));
    QTest::mouseClick(Pulsante("Command1"), Qt::LeftButton);
    QCOMPARE(Casella("TxtSelFile")->text(), Q(file));
    PASSO(Chiave(chiave));
    PASSO(Crypt());
  }

  void ScegliDeCrypt(const std::string& carrier) {
    Schede()->setCurrentIndex(1);
    seam_->Risposte.push_back(Q(carrier));
    QTest::mouseClick(Pulsante("CmdDirDeCrypt"), Qt::LeftButton);
    QCOMPARE(Casella("TxtDirDeCrypt")->text(), Q(carrier));
    QVERIFY(Pulsante("CmdDeCrypt")->isEnabled());
    PASSO(Fatto());
  }

  void DeCrypt(int nbit, const QString& chiave) {
    Barra("VScroll2")->setValue(Posizione(nbit));
    QCOMPARE(Casella("TxtBt")->text(), QString::number(nbit));
    Casella("Text3")->clear();
    Digita(Casella("Text3"), chiave);
    QCOMPARE(Casella("Text3")->text(), chiave);
    QTest::mouseClick(Pulsante("CmdDeCrypt"), Qt::LeftButton);
    PASSO(Fatto());
  }

  static void OgniNumeroDiBit() {
    QTest::addColumn<int>("nbit");
    for (const int n : {1, 2, 4, 8}) QTest::newRow(QByteArray::number(n) + " bit") << n;
  }

  // What the reveal shows is left in Text1.
  void RivelaTesto(int nbit, const QString& chiave) {
    Schede()->setCurrentIndex(1);
    QTest::mouseClick(Opzione("Option5"), Qt::LeftButton);
    QVERIFY(Opzione("Option5")->isChecked());
    PASSO(DeCrypt(nbit, chiave));
  }

  // Into `nome` in the test's folder, typed over the defaults of "&File".
  void RivelaFile(int nbit, const QString& chiave, const QString& nome) {
    Schede()->setCurrentIndex(1);
    QTest::mouseClick(Opzione("Option6"), Qt::LeftButton);
    QVERIFY(Opzione("Option6")->isChecked());
    Casella("Text5")->clear();
    Digita(Casella("Text5"), nome);
    Casella("Text4")->clear();
    Digita(Casella("Text4"), Cartella());
    QCOMPARE(Casella("Text4")->text(), Cartella());
    PASSO(DeCrypt(nbit, chiave));
  }

  void Apri() {
    Crypta::BmpHeader = {};
    dir_ = std::make_unique<prova::Cartella>();
    seam_ = std::make_unique<PiattaformaProva>();
    w_ = std::make_unique<FrmMain>();
    w_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
  }

  void Chiudi() {
    w_.reset();
    seam_.reset();
    dir_.reset();
  }
};
