// The directory chooser: its window and controls as designed; moving through
// folders with double clicks while a single click only highlights; "&Ok",
// "&Annulla" and the close control with what each writes back; drives that
// move the list or cannot be read; a fresh start at every opening.
#include <QComboBox>
#include <QPointer>
#include <QStorageInfo>
#include <QtTest>

#include "BancoDeCrypt.h"
#include "Seldir.h"

class TestSeldir : public QObject {
  Q_OBJECT

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

 private slots:
  void initTestCase() {
    Avvio::Prepara(*qApp);
    lavoro_ = QDir::currentPath();
  }

  void init() {
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

  void cleanup() {
    QDir::setCurrent(lavoro_);
    b_.reset();
  }

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
