// The shell around the main window: the focus at start, ending the program
// from the exit button (also from the keyboard) and from the window's close
// control, a disabled window that cannot be closed, the logo link, and a
// window that cannot grow.
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <functional>
#include <memory>

#include "Avvio.h"
#include "Banco.h"
#include "CasellaMultiriga.h"
#include "FrmMain.h"
#include "Immagine.h"
#include "PiattaformaProva.h"
#include "Supporto.h"

class TestShell : public Banco {
  Q_OBJECT

  // Runs Qt's event loop as the program does, does `azione` inside it and
  // tells whether the loop ended by itself, as the program ends, within
  // `attesa` milliseconds.
  static bool FinisceIlProgramma(const std::function<void()>& azione, int attesa = 5000) {
    QTimer guardia;
    guardia.setSingleShot(true);
    bool scaduto = false;
    QObject::connect(&guardia, &QTimer::timeout, &guardia, [&scaduto] {
      scaduto = true;
      QApplication::exit(1);
    });
    guardia.start(attesa);
    QTimer::singleShot(0, &guardia, azione);
    const int esito = QApplication::exec();
    return esito == 0 && !scaduto;
  }

  // Every control's name, enabled state and text, to see that nothing moved.
  QStringList Istantanea() const {
    QStringList foto{QString::number(w_->isEnabled()), QString::number(w_->isVisible())};
    for (const QWidget* c : w_->findChildren<QWidget*>()) {
      QString t;
      if (auto* l = qobject_cast<const QLabel*>(c)) t = l->text();
      if (auto* b = qobject_cast<const QAbstractButton*>(c))
        t = b->text() + QString::number(b->isChecked());
      if (auto* e = qobject_cast<const QLineEdit*>(c)) t = e->text();
      if (auto* m = qobject_cast<const CasellaMultiriga*>(c)) t = m->text();
      foto << c->objectName() + QLatin1Char('|') + QString::number(c->isEnabled()) +
                  QLatin1Char('|') + t;
    }
    return foto;
  }

 private slots:
  void initTestCase() { Avvio::Prepara(*qApp); }

  void init() { Apri(); }

  void cleanup() { Chiudi(); }

  void lEsciNonSiVedeMaHaIlFuoco() {
    Mostra();
    QVERIFY(!w_->rect().intersects(Pulsante("CmdEsci")->geometry()));
    QVERIFY(Pulsante("CmdEsci")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), Pulsante("CmdEsci"));
  }

  void esciDallaTastieraFinisceIlProgramma_data() {
    QTest::addColumn<int>("tasto");
    QTest::newRow("spazio") << int(Qt::Key_Space);
    QTest::newRow("invio") << int(Qt::Key_Return);
  }

  void esciDallaTastieraFinisceIlProgramma() {
    QFETCH(int, tasto);
    Mostra();
    QSignalSpy ultima(qApp, &QGuiApplication::lastWindowClosed);
    QVERIFY(FinisceIlProgramma(
        [tasto] { QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(tasto)); }));
    QVERIFY(!w_->isVisible());
    QCOMPARE(ultima.count(), 1);
    QVERIFY(seam_->Messaggi.isEmpty());
  }

  void unClickSuEsciFinisceIlProgramma() {
    Mostra();
    QVERIFY(FinisceIlProgramma([this] { Pulsante("CmdEsci")->click(); }));
    QVERIFY(!w_->isVisible());
  }

  // The title bar's close control reaches the window as the platform's
  // close request; nothing asks and nothing is saved, also with a carrier
  // and a payload chosen.
  void laChiusuraDellaFinestraFinisceSubito() {
    Mostra();
    const prova::Cartella cartella;
    const std::string portante = prova::Scrivi(cartella, "portante.bmp", prova::Bitmap{});
    Casella("TxtDirCrypt")->setText(QString::fromStdString(portante));
    Multiriga("TxtString")->setText(QStringLiteral("da nascondere"));
    QVERIFY(Pulsante("CmdCrypt")->isEnabled());
    const prova::Byte prima = prova::Leggi(portante);
    QSignalSpy ultima(qApp, &QGuiApplication::lastWindowClosed);
    QVERIFY(FinisceIlProgramma([this] { w_->windowHandle()->close(); }));
    QVERIFY(!w_->isVisible());
    QCOMPARE(ultima.count(), 1);
    QVERIFY(seam_->Messaggi.isEmpty());
    QCOMPARE(seam_->Dialoghi.size(), std::size_t(0));
    QCOMPARE(prova::Leggi(portante), prima);
  }

  void unaFinestraDisabilitataNonSiChiude() {
    Mostra();
    w_->setEnabled(false);
    QVERIFY(!w_->close());
    QVERIFY(w_->isVisible());
    // The platform's close request inside the running program changes
    // nothing: the program goes on until the test stops it.
    QSignalSpy ultima(qApp, &QGuiApplication::lastWindowClosed);
    QVERIFY(!FinisceIlProgramma([this] { w_->windowHandle()->close(); }, 500));
    QVERIFY(w_->isVisible());
    QCOMPARE(ultima.count(), 0);
    // Enabled again, it closes as usual.
    w_->setEnabled(true);
    QVERIFY(FinisceIlProgramma([this] { w_->windowHandle()->close(); }));
    QVERIFY(!w_->isVisible());
    QCOMPARE(ultima.count(), 1);
  }

  void ilLogoChiedeDiAprireIlSito() {
    Mostra();
    QTest::mouseClick(Logo(), Qt::LeftButton);
    QCOMPARE(seam_->Indirizzi.size(), 1);
    const QUrl sito = seam_->Indirizzi.first();
    QCOMPARE(sito.scheme(), QStringLiteral("http"));
    QCOMPARE(sito.host(), QStringLiteral("www.quorvane.example"));
    QCOMPARE(sito, QUrl(QStringLiteral("http://www.quorvane.example")));
    // A second click asks a second time.
    QTest::mouseClick(Logo(), Qt::LeftButton);
    QCOMPARE(seam_->Indirizzi.size(), 2);
    QCOMPARE(seam_->Indirizzi.at(1), sito);
  }

  void unSitoCheNonSiApreNonCambiaNiente() {
    Mostra();
    seam_->EsitoIndirizzo = false;
    const QStringList prima = Istantanea();
    QTest::mouseClick(Logo(), Qt::LeftButton);
    QTest::mouseClick(Logo(), Qt::LeftButton);
    QCOMPARE(seam_->Indirizzi.size(), 2);
    QVERIFY(seam_->Messaggi.isEmpty());
    QCOMPARE(Istantanea(), prima);
    QCOMPARE(QApplication::focusWidget(), Pulsante("CmdEsci"));
  }

  void soloUnClickSinistroSulLogoContA() {
    Mostra();
    QTest::mouseClick(Logo(), Qt::RightButton);
    QTest::mousePress(Logo(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(Logo(), Qt::LeftButton, {}, QPoint(Logo()->width() + 20, 5));
    QVERIFY(seam_->Indirizzi.isEmpty());
    QTest::mouseClick(Cornice("FrmCrypt"), Qt::LeftButton);
    QVERIFY(seam_->Indirizzi.isEmpty());
  }

  void laFinestraNonCresce() {
    const Qt::WindowFlags f = w_->windowFlags();
    QVERIFY(!(f & Qt::WindowMaximizeButtonHint));
    QVERIFY(f & Qt::WindowMinimizeButtonHint);
    QVERIFY(f & Qt::WindowCloseButtonHint);
    QCOMPARE(w_->minimumSize(), QSize(517, 472));
    QCOMPARE(w_->maximumSize(), QSize(517, 472));
    Mostra();
    const QRect scheda = Schede()->geometry();
    w_->resize(800, 600);
    QApplication::processEvents();
    QCOMPARE(w_->size(), QSize(517, 472));
    QCOMPARE(Schede()->geometry(), scheda);
    w_->resize(300, 200);
    QCOMPARE(w_->size(), QSize(517, 472));
  }
};

QTEST_MAIN(TestShell)
#include "TestShell.moc"
