// The directory chooser: its window and controls as designed, the folders
// it lists, the drives that move the list or cannot be read, and a folder
// gone from under it.
#include <QComboBox>
#include <QStorageInfo>
#include <QtTest>

#include "BancoSeldir.h"

class TestSeldir : public BancoSeldir {
  Q_OBJECT

 private slots:
  void initTestCase() {
    Avvio::Prepara(*qApp);
    Prepara();
  }

  void init() { Inizia(); }

  void cleanup() { Finisci(); }

  void laFinestraEComeDisegnata() {
    Seldir* s = Apri();
    QVERIFY(s);
    QCOMPARE(s->objectName(), QStringLiteral("Seldir"));
    QCOMPARE(s->windowTitle(), QStringLiteral("Seleziona directory per il salvataggio..."));
    QCOMPARE(s->size(), QSize(297, 231));
    QCOMPARE(s->minimumSize(), s->maximumSize());
    const Qt::WindowFlags f = s->windowFlags();
    QVERIFY(f & Qt::Window);
    QVERIFY(f & Qt::WindowCloseButtonHint);
    QVERIFY(!(f & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(f & Qt::WindowMaximizeButtonHint));
    QCOMPARE(s->Drive1->geometry(), QRect(8, 8, 281, 21));
    QCOMPARE(s->Dir1->geometry(), QRect(8, 32, 281, 156));
    QCOMPARE(s->OK->geometry(), QRect(40, 200, 73, 25));
    QCOMPARE(s->Annulla->geometry(), QRect(184, 200, 73, 25));
    QCOMPARE(s->OK->text(), QStringLiteral("&Ok"));
    QCOMPARE(s->Annulla->text(), QStringLiteral("&Annulla"));
    QCOMPARE(s->Drive1->objectName(), QStringLiteral("Drive1"));
    QCOMPARE(s->Dir1->objectName(), QStringLiteral("Dir1"));
    QCOMPARE(s->OK->objectName(), QStringLiteral("OK"));
    QCOMPARE(s->Annulla->objectName(), QStringLiteral("Annulla"));
    QVERIFY(!s->OK->isDefault());
    QVERIFY(!s->Annulla->isDefault());
    // The drive list has the focus, and Tab runs on to Dir1, OK, Annulla.
    s->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(s));
    QCOMPARE(QApplication::focusWidget(), s->Drive1);
    for (QWidget* poi : {static_cast<QWidget*>(s->Dir1), static_cast<QWidget*>(s->OK),
                         static_cast<QWidget*>(s->Annulla), static_cast<QWidget*>(s->Drive1)}) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), poi);
    }
  }

  void siApreNellaCartellaDiLavoro() {
    Seldir* s = Apri();
    QVERIFY(s);
    QCOMPARE(s->Dir1->Path(), cartella_);
    // The folders above it, each a way back up, then its own folders
    // sorted by name; files are not listed.
    QStringList attese;
    for (QString p = cartella_;; p = QFileInfo(p).path()) {
      attese.prepend(p);
      if (QDir(p).isRoot()) break;
    }
    attese << In("alfa") << In("beta") << In("gamma") << In("Zeta");
    QCOMPARE(Righe(s), attese);
    QCOMPARE(s->Dir1->currentItem(), Riga(s, cartella_));
    QCOMPARE(s->Drive1->currentData().toString(), QStorageInfo(cartella_).rootPath());
  }

  void leUnitaSonoLeRadiciMontate() {
    Seldir* s = Apri();
    QVERIFY(s);
    QStringList unita;
    for (int i = 0; i < s->Drive1->count(); ++i) unita << s->Drive1->itemData(i).toString();
    QVERIFY(unita.contains(QDir::rootPath()));
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
      if (v.isValid() && v.isReady())
        QVERIFY2(unita.contains(v.rootPath()), qPrintable(v.rootPath()));
    QCOMPARE(unita.size(), QSet<QString>(unita.begin(), unita.end()).size());
  }

  void unaCartellaSparitaLoDiceERestaDovEra() {
    QPointer<Seldir> s = Apri();
    QVERIFY(QDir(In("beta")).removeRecursively());
    QVERIFY(Clic(s, In("beta"), true));
    QCOMPARE(b_->seam->Messaggi.size(), 1);
    QVERIFY(b_->seam->Messaggi.first().contains(QStringLiteral("cartella")));
    QVERIFY(b_->seam->Messaggi.first().contains(In("beta")));
    QCOMPARE(s->Dir1->Path(), cartella_);
    QVERIFY(s->isVisible());
    QVERIFY(!b_->w->isEnabled());
    // Still usable.
    QVERIFY(Clic(s, In("alfa"), true));
    QTest::mouseClick(s->OK, Qt::LeftButton);
    QCOMPARE(b_->Casella("Text4")->text(), QDir::toNativeSeparators(In("alfa")));
    Chiuso(s);
  }

  // Another drive, picked in the list, moves the directory list to it at
  // once; the drive of the working directory brings that directory back.
  void unAltraUnitaSpostaLElenco() {
    QPointer<Seldir> s = Apri();
    const QString unita = In("alfa");
    s->Drive1->addItem(unita, unita);
    const int casa = s->Drive1->currentIndex();
    s->Drive1->setCurrentIndex(s->Drive1->count() - 1);
    QCOMPARE(s->Dir1->Path(), unita);
    s->Drive1->setCurrentIndex(casa);
    QCOMPARE(s->Dir1->Path(), cartella_);
    s->Drive1->setCurrentIndex(s->Drive1->count() - 1);
    QTest::mouseClick(s->OK, Qt::LeftButton);
    QCOMPARE(b_->Casella("Text4")->text(), QDir::toNativeSeparators(unita));
    Chiuso(s);
    QVERIFY(b_->seam->Messaggi.isEmpty());
  }

  void unUnitaIlleggibileLoDiceERestaUsabile() {
    QPointer<Seldir> s = Apri();
    QVERIFY(Clic(s, In("alfa"), true));
    const int prima = s->Drive1->currentIndex();
    const QString assente = In("unità assente");
    s->Drive1->addItem(assente, assente);
    s->Drive1->setCurrentIndex(s->Drive1->count() - 1);
    QCOMPARE(b_->seam->Messaggi.size(), 1);
    QVERIFY(b_->seam->Messaggi.first().contains(QStringLiteral("unità")));
    QVERIFY(b_->seam->Messaggi.first().contains(assente));
    QCOMPARE(s->Dir1->Path(), In("alfa"));
    QCOMPARE(s->Drive1->currentIndex(), prima);
    QVERIFY(s->isVisible());
    QVERIFY(Clic(s, In("alfa"), false));
    QTest::mouseClick(s->OK, Qt::LeftButton);
    QCOMPARE(b_->Casella("Text4")->text(), QDir::toNativeSeparators(In("alfa")));
    Chiuso(s);
  }
};

QTEST_MAIN(TestSeldir)
#include "TestSeldir.moc"
