// The ways out of the directory chooser: "&Ok" writes the folder last opened
// (by double click or Return) into the main window's folder box, "&Annulla"
// and the close control write nothing, each gives the main window back, and
// every opening starts afresh.
#include <QtTest>

#include "BancoSeldir.h"

class TestSeldirUscite : public BancoSeldir {
  Q_OBJECT

 private slots:
  void initTestCase() {
    Avvio::Prepara(*qApp);
    Prepara();
  }

  void init() { Inizia(); }

  void cleanup() { Finisci(); }

  void okScriveLaCartellaApertaNonQuellaEvidenziata() {
    QPointer<Seldir> s = Apri();
    QVERIFY(s);
    QVERIFY(Clic(s, In("gamma"), true));
    QCOMPARE(s->Dir1->Path(), In("gamma"));
    QVERIFY(!Riga(s, In("alfa")));  // the list now shows gamma's folders
    QVERIFY(Clic(s, In("gamma/delta"), false));
    QCOMPARE(s->Dir1->currentItem(), Riga(s, In("gamma/delta")));
    QCOMPARE(s->Dir1->Path(), In("gamma"));
    QVERIFY(!b_->w->isEnabled());
    QTest::mouseClick(s->OK, Qt::LeftButton);
    QCOMPARE(b_->Casella("Text4")->text(), QDir::toNativeSeparators(In("gamma")));
    Chiuso(s);
    QVERIFY(b_->seam->Messaggi.isEmpty());
  }

  void siScendeESiRisale() {
    QPointer<Seldir> s = Apri();
    QVERIFY(Clic(s, In("gamma"), true));
    QVERIFY(Clic(s, In("gamma/delta"), true));
    QCOMPARE(s->Dir1->Path(), In("gamma/delta"));
    QVERIFY(Riga(s, In("gamma")));
    // Up two levels at once through the path's rows, then to the root.
    QVERIFY(Clic(s, cartella_, true));
    QCOMPARE(s->Dir1->Path(), cartella_);
    QVERIFY(Clic(s, QDir::rootPath(), true));
    QCOMPARE(s->Dir1->Path(), QDir::rootPath());
    QCOMPARE(Righe(s).first(), QDir::rootPath());
    QCOMPARE(s->Drive1->currentData().toString(), QDir::rootPath());
    QTest::mouseClick(s->OK, Qt::LeftButton);
    QCOMPARE(b_->Casella("Text4")->text(), QDir::toNativeSeparators(QDir::rootPath()));
    Chiuso(s);
  }

  void invioApreLaCartellaEvidenziata() {
    QPointer<Seldir> s = Apri();
    QVERIFY(Clic(s, In("beta"), false));
    QCOMPARE(s->Dir1->Path(), cartella_);
    QTest::keyClick(s->Dir1, Qt::Key_Return);
    QCOMPARE(s->Dir1->Path(), In("beta"));
    QTest::mouseClick(s->OK, Qt::LeftButton);
    QCOMPARE(b_->Casella("Text4")->text(), QDir::toNativeSeparators(In("beta")));
    Chiuso(s);
  }

  void okSubitoDaLaCartellaDiLavoro() {
    QPointer<Seldir> s = Apri();
    QTest::mouseClick(s->OK, Qt::LeftButton);
    QCOMPARE(b_->Casella("Text4")->text(), QDir::toNativeSeparators(cartella_));
    Chiuso(s);
  }

  void annullaNonScriveNiente() {
    QPointer<Seldir> s = Apri();
    QVERIFY(Clic(s, In("alfa"), true));
    QTest::mouseClick(s->Annulla, Qt::LeftButton);
    QCOMPARE(b_->Casella("Text4")->text(), QStringLiteral("scritto a mano"));
    Chiuso(s);
  }

  // The title bar's close control reaches the window as a close request.
  void laChiusuraNonScriveNiente() {
    QPointer<Seldir> s = Apri();
    QVERIFY(Clic(s, In("alfa"), true));
    QVERIFY(s->close());
    QCOMPARE(b_->Casella("Text4")->text(), QStringLiteral("scritto a mano"));
    Chiuso(s);
  }

  void laFinestraPrincipaleNonSiChiudeIntanto() {
    QPointer<Seldir> s = Apri();
    QVERIFY(!b_->w->close());
    QVERIFY(b_->w->isVisible());
    QVERIFY(s);
    QTest::mouseClick(s->Annulla, Qt::LeftButton);
    Chiuso(s);
    QVERIFY(b_->w->close());
  }

  void ogniAperturaRicominciaDaCapo() {
    QPointer<Seldir> s = Apri();
    QVERIFY(Clic(s, In("gamma"), true));
    QVERIFY(Clic(s, In("gamma/delta"), true));
    QTest::mouseClick(s->OK, Qt::LeftButton);
    Chiuso(s);
    QPointer<Seldir> di_nuovo = Apri();
    QVERIFY(di_nuovo);
    QCOMPARE(di_nuovo->Dir1->Path(), cartella_);
    QCOMPARE(di_nuovo->Dir1->currentItem(), Riga(di_nuovo, cartella_));
    QTest::mouseClick(di_nuovo->Annulla, Qt::LeftButton);
    QCOMPARE(b_->Casella("Text4")->text(), QDir::toNativeSeparators(In("gamma/delta")));
    Chiuso(di_nuovo);
  }
};

QTEST_MAIN(TestSeldirUscite)
#include "TestSeldirUscite.moc"
