// The "Decrypt" tab's handlers short of the reveal: choosing the carrier,
// switching between text and file mode with the default target filled in
// at every switch to file mode, opening the directory chooser; and the
// values the reveal builds from the boxes: the output path and the bit count.
#include <QCoreApplication>
#include <QSignalSpy>
#include <QtTest>

#include "BancoDeCrypt.h"
#include "Estrazione.h"
#include "Seldir.h"

class TestDeCryptModi : public QObject {
  Q_OBJECT

  std::unique_ptr<BancoDeCrypt> b_;

  QString Predefinita() const {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
  }

  // The controls that serve file mode alone.
  QList<QWidget*> DelModoFile() const {
    return {b_->Etichetta("Label11"), b_->Etichetta("Label12"), b_->Casella("Text4"),
            b_->Casella("Text5"), b_->Pulsante("Command2"), b_->Cornice("Frame3")};
  }

  void ModoTesto() const {
    for (QWidget* c : DelModoFile())
      QVERIFY2(!c->isEnabled(), qPrintable(c->objectName()));
    QCOMPARE(b_->Casella("Text4")->text(), QString());
    QCOMPARE(b_->Casella("Text5")->text(), QString());
    QVERIFY(b_->Multiriga("Text1")->isEnabled());
    QVERIFY(b_->Multiriga("Text1")->isReadOnly());
  }

  void ModoFile() const {
    for (QWidget* c : DelModoFile())
      QVERIFY2(c->isEnabled(), qPrintable(c->objectName()));
    QVERIFY(!b_->Multiriga("Text1")->isEnabled());
    QCOMPARE(b_->Multiriga("Text1")->text(), QString());
  }

 private slots:
  void initTestCase() { Avvio::Prepara(*qApp); }
  void init() { b_ = std::make_unique<BancoDeCrypt>(); }
  void cleanup() { b_.reset(); }

  void apriMostraIlDialogoConIDueFiltri() {
    const QString scelto = b_->Cartella() + QStringLiteral("/scelta.bmp");
    b_->seam->Risposte.push_back(scelto);
    QSignalSpy testi(b_->Casella("TxtDirDeCrypt"), &QLineEdit::textChanged);
    QTest::mouseClick(b_->Pulsante("CmdDirDeCrypt"), Qt::LeftButton);
    QCOMPARE(b_->seam->Dialoghi.size(), std::size_t(1));
    QCOMPARE(b_->seam->Dialoghi[0].Filtro,
             QStringLiteral("Tutti i file (*.*)|*.*|FileBitmap (*.bmp)|*.bmp"));
    QCOMPARE(b_->seam->Dialoghi[0].Indice, 2);
    QCOMPARE(b_->Casella("TxtDirDeCrypt")->text(), scelto);
    QCOMPARE(testi.count(), 1);

    // A new choice empties the path before it asks, so the window sees the
    // tab without a carrier first.
    const QString altro = b_->Cartella() + QStringLiteral("/altra.bmp");
    b_->seam->Risposte.push_back(altro);
    QTest::mouseClick(b_->Pulsante("CmdDirDeCrypt"), Qt::LeftButton);
    QCOMPARE(testi.count(), 3);
    QCOMPARE(testi.at(1).at(0).toString(), QString());
    QCOMPARE(b_->Casella("TxtDirDeCrypt")->text(), altro);
    QVERIFY(b_->seam->Messaggi.isEmpty());
  }

  void annullareLasciaSenzaBitmapESenzaMessaggi() {
    b_->Casella("TxtDirDeCrypt")->setText(QStringLiteral("/prima.bmp"));
    b_->seam->Risposte.push_back(std::nullopt);
    QTest::mouseClick(b_->Pulsante("CmdDirDeCrypt"), Qt::LeftButton);
    QCOMPARE(b_->Casella("TxtDirDeCrypt")->text(), QString());
    QVERIFY(b_->seam->Messaggi.isEmpty());
    QCOMPARE(b_->seam->Inattesi, 0);
  }

  void stringaEFileScambianoIControlli() {
    b_->Carrier(b_->NuovoCarrier());
    ModoTesto();
    b_->Multiriga("Text1")->setText(QStringLiteral("estratto"));
    QTest::mouseClick(b_->Opzione("Option6"), Qt::LeftButton);
    QVERIFY(b_->Opzione("Option6")->isChecked());
    ModoFile();
    QCOMPARE(b_->Casella("Text4")->text(), Predefinita());
    QCOMPARE(b_->Casella("Text5")->text(), QStringLiteral("Crypto.cry"));
    // Back in text mode the string box stays empty.
    QTest::mouseClick(b_->Opzione("Option5"), Qt::LeftButton);
    QVERIFY(b_->Opzione("Option5")->isChecked());
    ModoTesto();
    QCOMPARE(b_->Multiriga("Text1")->text(), QString());
  }

  // Text mode leaves an earlier result where it is; only "&DeCrypt" clears it.
  void laModalitaTestoNonCancellaIlRisultato() {
    b_->Carrier(b_->NuovoCarrier());
    b_->Multiriga("Text1")->setText(QStringLiteral("di prima"));
    b_->Carrier(b_->NuovoCarrier());
    QCOMPARE(b_->Multiriga("Text1")->text(), QStringLiteral("di prima"));
    ModoTesto();
  }

  void ognIngressoInFileRimetteIPredefiniti() {
    b_->Carrier(b_->NuovoCarrier());
    QTest::mouseClick(b_->Opzione("Option6"), Qt::LeftButton);
    b_->Casella("Text4")->setText(QStringLiteral("/altrove"));
    b_->Casella("Text5")->setText(QStringLiteral("mio.bin"));
    QTest::mouseClick(b_->Opzione("Option5"), Qt::LeftButton);
    QTest::mouseClick(b_->Opzione("Option6"), Qt::LeftButton);
    QCOMPARE(b_->Casella("Text4")->text(), Predefinita());
    QCOMPARE(b_->Casella("Text5")->text(), QStringLiteral("Crypto.cry"));

    // Also after a folder chosen in the chooser.
    QTest::mouseClick(b_->Pulsante("Command2"), Qt::LeftButton);
    Seldir* s = b_->w->findChild<Seldir*>();
    QVERIFY(s);
    QVERIFY(s->Dir1->setPath(b_->Cartella()));
    QTest::mouseClick(s->OK, Qt::LeftButton);
    QCOMPARE(b_->Casella("Text4")->text(), QDir::toNativeSeparators(b_->Cartella()));
    QTest::mouseClick(b_->Opzione("Option5"), Qt::LeftButton);
    QTest::mouseClick(b_->Opzione("Option6"), Qt::LeftButton);
    QCOMPARE(b_->Casella("Text4")->text(), Predefinita());
    QCOMPARE(b_->Casella("Text5")->text(), QStringLiteral("Crypto.cry"));
  }

  // The chooser opens as an ordinary window over the disabled main window;
  // the handler does not wait for it.
  void salvaSuApreIlSelettoreSenzaAttendere() {
    b_->Carrier(b_->NuovoCarrier());
    QTest::mouseClick(b_->Opzione("Option6"), Qt::LeftButton);
    QVERIFY(!b_->w->findChild<Seldir*>());
    QTest::mouseClick(b_->Pulsante("Command2"), Qt::LeftButton);
    Seldir* s = b_->w->findChild<Seldir*>();
    QVERIFY(s);
    QVERIFY(s->isVisible());
    QVERIFY(s->isWindow());
    QCOMPARE(s->windowModality(), Qt::NonModal);
    QVERIFY(s->isEnabled());
    QVERIFY(!b_->w->isEnabled());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    // Nothing written yet.
    QCOMPARE(b_->Casella("Text4")->text(), Predefinita());
    QTest::mouseClick(s->Annulla, Qt::LeftButton);
    QVERIFY(b_->w->isEnabled());
  }

  void ilPercorsoDUscitaUnisceConUnSeparatore() {
    const QString sep = QDir::separator();
    QCOMPARE(sep, QStringLiteral("/"));
    QCOMPARE(Estrazione::PercorsoUscita(QString(), QString()), sep);
    QCOMPARE(Estrazione::PercorsoUscita(QStringLiteral("/a/b"), QStringLiteral("c.cry")),
             QStringLiteral("/a/b") + sep + QStringLiteral("c.cry"));
    QCOMPARE(Estrazione::PercorsoUscita(QStringLiteral("/a/b/"), QStringLiteral("c")),
             QStringLiteral("/a/b/") + sep + QStringLiteral("c"));
    QCOMPARE(Estrazione::PercorsoUscita(QStringLiteral("x"), QStringLiteral("/y")),
             QStringLiteral("x") + sep + QStringLiteral("/y"));
  }

  void ilNumeroDiBitSiLeggeDalTesto_data() {
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("nbit");
    QTest::newRow("1") << "1" << 1;
    QTest::newRow("2") << "2" << 2;
    QTest::newRow("4") << "4" << 4;
    QTest::newRow("8") << "8" << 8;
    QTest::newRow("blank prima") << " 4" << 4;
    QTest::newRow("coda") << "8x" << 8;
    QTest::newRow("decimale") << "3.7" << 4;
    QTest::newRow("pari per difetto") << "2.5" << 2;
    QTest::newRow("pari per eccesso") << "3.5" << 4;
    QTest::newRow("vuoto") << "" << 0;
    QTest::newRow("lettere") << "otto" << 0;
    QTest::newRow("troppo grande") << "40000" << 0;
    QTest::newRow("negativo") << "-2" << -2;
  }

  void ilNumeroDiBitSiLeggeDalTesto() {
    QFETCH(QString, testo);
    QFETCH(int, nbit);
    QCOMPARE(int(Estrazione::Bit(testo)), nbit);
  }
};

QTEST_MAIN(TestDeCryptModi)
#include "TestDeCryptModi.moc"
