// The window's text boxes under the keyboard: read-only boxes refuse every
// change but can still be selected and copied, the two key boxes stop at 30
// characters, and the multi-line box keeps its length limit however text
// comes in, counting a line break as the two characters it is stored as.
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>
#include <memory>

#include "Avvio.h"
#include "Banco.h"
#include "CasellaMultiriga.h"
#include "FrmMain.h"
#include "PiattaformaProva.h"

class TestCaselle : public Banco {
  Q_OBJECT

  // Makes a box usable as another part of the program would, frames and
  // tab included.
  void Abilita(QWidget* c) {
    for (QWidget* p = c; p && p != w_.get(); p = p->parentWidget()) p->setEnabled(true);
    Schede()->setCurrentIndex(Cornice("FrmCrypt")->isAncestorOf(c) ? 0 : 1);
  }

  // Tries every way of changing a box from the keyboard.
  static void Maltratta(QWidget* c) {
    c->setFocus();
    QTest::keyClicks(c, QStringLiteral("abc 123"));
    QTest::keyClick(c, Qt::Key_Backspace);
    QTest::keyClick(c, Qt::Key_Delete);
    QTest::keyClick(c, Qt::Key_Home);
    QTest::keyClick(c, Qt::Key_Delete);
    QTest::keyClick(c, Qt::Key_Return);
    QApplication::clipboard()->setText(QStringLiteral("incollato"));
    QTest::keyClick(c, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(c, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(c, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(c, Qt::Key_Z, Qt::ControlModifier);
  }

 private slots:
  void initTestCase() { Avvio::Prepara(*qApp); }

  void init() { Apri(); }

  void cleanup() { Chiudi(); }

  void scrivereNelleCaselleDiSolaLetturaNonCambiaNiente_data() {
    QTest::addColumn<QString>("nome");
    for (const char* n : {"TxtBit", "TxtBt", "TxtDirCrypt", "TxtDirDeCrypt", "TxtSelFile"})
      QTest::newRow(n) << QString::fromLatin1(n);
  }

  void scrivereNelleCaselleDiSolaLetturaNonCambiaNiente() {
    QFETCH(QString, nome);
    auto* c = w_->findChild<QLineEdit*>(nome);
    QVERIFY(c);
    Abilita(c);
    Mostra();
    c->setText(QStringLiteral("C:\\dati\\foto.bmp"));  // only the program writes it
    Maltratta(c);
    QCOMPARE(c->text(), QStringLiteral("C:\\dati\\foto.bmp"));
    // Selecting and copying still work.
    QApplication::clipboard()->clear();
    c->selectAll();
    QTest::keyClick(c, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("C:\\dati\\foto.bmp"));
  }

  void scrivereNellaStringaEstrattaNonCambiaNiente() {
    Abilita(Multiriga("Text1"));
    Mostra();
    Multiriga("Text1")->setText(QStringLiteral("riga uno\nriga due"));
    Maltratta(Multiriga("Text1"));
    QCOMPARE(Multiriga("Text1")->text(), QStringLiteral("riga uno\nriga due"));
    Multiriga("Text1")->setFocus();
    QTest::keyClick(Multiriga("Text1"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Multiriga("Text1"), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("riga uno\nriga due"));
  }

  void leChiaviPrendonoTrentaCaratteri_data() {
    QTest::addColumn<QString>("nome");
    QTest::newRow("TxtKey") << QStringLiteral("TxtKey");
    QTest::newRow("Text3") << QStringLiteral("Text3");
  }

  void leChiaviPrendonoTrentaCaratteri() {
    QFETCH(QString, nome);
    auto* c = w_->findChild<QLineEdit*>(nome);
    Abilita(c);
    Mostra();
    c->setFocus();
    const QString trenta = QStringLiteral("0123456789abcdefghijABCDEFGHIJ");
    QTest::keyClicks(c, trenta);
    QCOMPARE(c->text(), trenta);
    QTest::keyClick(c, Qt::Key_K);  // the 31st is refused
    QCOMPARE(c->text(), trenta);
    // Room made by deleting one character takes exactly one more.
    QTest::keyClick(c, Qt::Key_Backspace);
    QTest::keyClicks(c, QStringLiteral("xy"));
    QCOMPARE(c->text(), trenta.left(29) + QLatin1Char('x'));
    // A long paste is cut at 30.
    c->clear();
    QApplication::clipboard()->setText(trenta + QStringLiteral("0123456789"));
    QTest::keyClick(c, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(c->text(), trenta);
  }

  void laStringaNonHaLimiteAllInizio() {
    Abilita(Multiriga("TxtString"));
    Mostra();
    Multiriga("TxtString")->setFocus();
    const QString lungo(300, QLatin1Char('k'));
    QTest::keyClicks(Multiriga("TxtString"), lungo);
    QCOMPARE(Multiriga("TxtString")->text(), lungo);
  }

  void ilLimiteContaUnCapoComeDueCaratteri() {
    CasellaMultiriga c;
    c.setMaxLength(5);
    c.show();
    c.setFocus();
    QTest::keyClicks(&c, QStringLiteral("ab"));
    QTest::keyClick(&c, Qt::Key_Return);  // "ab" CR LF: 4
    QCOMPARE(CasellaMultiriga::Lunghezza(c.text()), 4);
    QTest::keyClick(&c, Qt::Key_Return);  // would make 6
    QCOMPARE(c.text(), QStringLiteral("ab\n"));
    QTest::keyClicks(&c, QStringLiteral("cd"));
    QCOMPARE(c.text(), QStringLiteral("ab\nc"));
    // Deleting makes room again.
    QTest::keyClick(&c, Qt::Key_Backspace);
    QTest::keyClick(&c, Qt::Key_Backspace);
    QTest::keyClick(&c, Qt::Key_Return);
    QCOMPARE(c.text(), QStringLiteral("ab\n"));
  }

  void unIncollaggioVieneTagliatoAlLimite() {
    CasellaMultiriga c;
    c.setMaxLength(6);
    c.setText(QStringLiteral("xy"));
    c.moveCursor(QTextCursor::End);
    // CR LF counts as two and stays one line break.
    QApplication::clipboard()->setText(QStringLiteral("1\r\n2345"));
    c.paste();
    QCOMPARE(c.text(), QStringLiteral("xy1\n2"));
    QCOMPARE(CasellaMultiriga::Lunghezza(c.text()), 6);
    // Full: a further paste leaves it as it is.
    c.paste();
    QCOMPARE(c.text(), QStringLiteral("xy1\n2"));
  }

  void unaSelezioneSostituitaLasciaPosto() {
    CasellaMultiriga c;
    c.setMaxLength(4);
    c.setText(QStringLiteral("abcd"));
    c.show();
    c.setFocus();
    QTest::keyClick(&c, Qt::Key_Z);
    QCOMPARE(c.text(), QStringLiteral("abcd"));
    c.selectAll();
    QTest::keyClick(&c, Qt::Key_Z);
    QCOMPARE(c.text(), QStringLiteral("z"));
    QApplication::clipboard()->setText(QStringLiteral("123456"));
    c.selectAll();
    c.paste();
    QCOMPARE(c.text(), QStringLiteral("1234"));
  }

  void unaCoppiaSurrogataNonVieneSpezzata() {
    CasellaMultiriga c;
    c.setMaxLength(4);
    c.setText(QStringLiteral("abc"));
    c.moveCursor(QTextCursor::End);
    const QString chiave = QString::fromUtf8("\xF0\x9F\x94\x91");  // two UTF-16 units
    QApplication::clipboard()->setText(chiave);
    c.paste();
    QCOMPARE(c.text(), QStringLiteral("abc"));
    c.setMaxLength(5);
    c.paste();
    QCOMPARE(c.text(), QStringLiteral("abc") + chiave);
  }

  void laStringaTieneOgniCarattere() {
    CasellaMultiriga c;
    const QString testo = QStringLiteral("a\u00A0b\nc\td");  // no-break space and tab stay
    c.setText(testo);
    QCOMPARE(c.text(), testo);
    QCOMPARE(CasellaMultiriga::Lunghezza(testo), 8);
  }

  void unLimitePiuBassoNonTaglia() {
    CasellaMultiriga c;
    c.setText(QStringLiteral("abcdef"));
    c.setMaxLength(3);
    QCOMPARE(c.text(), QStringLiteral("abcdef"));
    QCOMPARE(c.maxLength(), 3);
    c.setMaxLength(0);
    QCOMPARE(c.maxLength(), 0);
    c.setMaxLength(-4);
    QCOMPARE(c.maxLength(), 0);
  }

  void unMetodoDiInputRispettaIlLimite() {
    CasellaMultiriga c;
    c.setMaxLength(3);
    c.setText(QStringLiteral("a"));
    c.moveCursor(QTextCursor::End);
    QInputMethodEvent evento;
    evento.setCommitString(QStringLiteral("bcde"));
    QApplication::sendEvent(&c, &evento);
    QCOMPARE(c.text(), QStringLiteral("abc"));
  }
};

QTEST_MAIN(TestCaselle)
#include "TestCaselle.moc"
