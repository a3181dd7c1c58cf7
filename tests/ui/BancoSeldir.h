// The bench of the directory chooser's tests: the main window on its
// "Decrypt" tab in file mode with a hand-written folder, a working directory
// of known folders, and the chooser opened, clicked and closed as a person
// does it.
#pragma once

#include <QDir>
#include <QPointer>
#include <QtTest>
#include <memory>

#include "BancoDeCrypt.h"
#include "Seldir.h"

class BancoSeldir : public QObject {
 protected:
  std::unique_ptr<BancoDeCrypt> b_;
  QString lavoro_;    // the working directory of the test run
  QString cartella_;  // the working directory during each test

  // Opens the chooser as "Salva su..." does, in file mode.
  Seldir* Apri() {
    QTest::mouseClick(b_->Pulsante("Command2"), Qt::LeftButton);
    Seldir* aperto = nullptr;
    for (Seldir* s : b_->w->findChildren<Seldir*>())
      if (s->isVisible()) aperto = s;
    if (aperto) (void)QTest::qWaitForWindowExposed(aperto);
    return aperto;
  }

  static QListWidgetItem* Riga(const Seldir* s, const QString& path) {
    for (int i = 0; i < s->Dir1->count(); ++i)
      if (s->Dir1->item(i)->data(ListaCartelle::RuoloPath).toString() == path)
        return s->Dir1->item(i);
    return nullptr;
  }

  static QStringList Righe(const Seldir* s) {
    QStringList r;
    for (int i = 0; i < s->Dir1->count(); ++i)
      r << s->Dir1->item(i)->data(ListaCartelle::RuoloPath).toString();
    return r;
  }

  static bool Clic(Seldir* s, const QString& path, bool doppio) {
    QListWidgetItem* riga = Riga(s, path);
    if (!riga) return false;
    s->Dir1->scrollToItem(riga);
    const QPoint punto = s->Dir1->visualItemRect(riga).center();
    QWidget* const area = s->Dir1->viewport();
    QTest::mouseClick(area, Qt::LeftButton, {}, punto);
    if (doppio) {
      // The second press of a double click arrives as a press and a
      // double-click event, as the platform delivers it.
      QTest::mousePress(area, Qt::LeftButton, {}, punto);
      QTest::mouseDClick(area, Qt::LeftButton, {}, punto);
      QTest::mouseRelease(area, Qt::LeftButton, {}, punto);
    }
    return true;
  }

  // The chooser is gone and the main window is back.
  void Chiuso(const QPointer<Seldir>& s) {
    QTRY_VERIFY(s.isNull());
    QVERIFY(b_->w->isEnabled());
  }

  QString In(const QString& nome) const { return cartella_ + QLatin1Char('/') + nome; }

  // For initTestCase(), init() and cleanup().
  void Prepara() { lavoro_ = QDir::currentPath(); }

  void Inizia() {
    b_ = std::make_unique<BancoDeCrypt>();
    cartella_ = QDir::cleanPath(b_->Cartella());
    QDir d(cartella_);
    for (const char* c : {"alfa", "beta", "gamma/delta", "Zeta"})
      QVERIFY(d.mkpath(QString::fromLatin1(c)));
    prova::Scrivi(b_->dir / "un file", prova::Byte{1});
    QVERIFY(QDir::setCurrent(cartella_));
    b_->Carrier(b_->NuovoCarrier());
    QTest::mouseClick(b_->Opzione("Option6"), Qt::LeftButton);
    b_->Casella("Text4")->setText(QStringLiteral("scritto a mano"));
  }

  void Finisci() {
    QDir::setCurrent(lavoro_);
    b_.reset();
  }
};
