// The bench most GUI tests stand on: a temporary folder, the scripted seam
// and a fresh main window for each test function, with the moves every tab
// test makes (show the window, choose a carrier or a payload file through the
// scripted file dialog, write a carrier or a payload) and the hide tab's state
// as the panel leaves it.
#pragma once

#include <QObject>
#include <QtTest>
#include <memory>
#include <string>

#include "FrmMain.h"
#include "PiattaformaProva.h"
#include "Supporto.h"
#include "Trova.h"

inline QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// The first line of each message: a refusal gives its reason on the next.
inline QStringList PrimeRighe(const QStringList& messaggi) {
  QStringList prime;
  for (const QString& m : messaggi) prime << m.section(QStringLiteral("\r\n"), 0, 0);
  return prime;
}

inline prova::Bitmap ConPixel(size_t pixel) {
  prova::Bitmap b;
  b.pixel = pixel;
  return b;
}

class Banco : public QObject, public Controlli {
 protected:
  QWidget* Finestra() const override { return w_.get(); }

  // For init() and cleanup(): the seam goes in before the window and out after it.
  void Apri() {
    dir_ = std::make_unique<prova::Cartella>();
    seam_ = std::make_unique<PiattaformaProva>();
    w_ = std::make_unique<FrmMain>();
  }
  void Chiudi() {
    w_.reset();
    seam_.reset();
    dir_.reset();
  }

  void Mostra() {
    w_->show();
    QVERIFY(QTest::qWaitForWindowActive(w_.get()));
  }

  // Chooses the hide carrier through "&Apri..." as the user would.
  void Scegli(const std::string& path) {
    seam_->Risposte.push_back(Q(path));
    Pulsante("CmdDirCrypt")->click();
  }

  // Chooses the file to hide through "Apri..." in the source frame.
  void ScegliFile(const std::string& path) {
    seam_->Risposte.push_back(Q(path));
    Pulsante("Command1")->click();
  }

  std::string Portante(const std::string& nome, const prova::Bitmap& b = {}) {
    return prova::Scrivi(*dir_, nome, b);
  }

  // A file of `n` bytes to hide, in the test's folder.
  std::string Carico(const std::string& nome, size_t n, uint32_t seme = 7) {
    const std::string p = *dir_ / nome;
    prova::Scrivi(p, prova::Casuali(n, seme));
    return p;
  }

  // Every value label of the panel, Label5 last.
  QStringList Pannello() const {
    QStringList p;
    for (int i = 0; i < 14; ++i) p << Valore(i)->text();
    return p << Etichetta("Label5")->text();
  }

  // Frame1, TxtKey, CmdCrypt and Label3, which the hide tab's state enables
  // together.
  QString Abilitati() const {
    QString s;
    for (const QWidget* c : std::initializer_list<const QWidget*>{
             Cornice("Frame1"), Casella("TxtKey"), Pulsante("CmdCrypt"), Etichetta("Label3")})
      s += c->isEnabled() ? '1' : '0';
    return s;
  }

  std::unique_ptr<prova::Cartella> dir_;
  std::unique_ptr<PiattaformaProva> seam_;
  std::unique_ptr<FrmMain> w_;
};
