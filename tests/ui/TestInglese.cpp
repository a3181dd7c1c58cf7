// The window under an English locale: the language chosen by the rule both
// programs follow, English texts in the window, its messages, the engine's
// texts and the program's own lines, the access letters kept, and every
// English caption whole inside the rectangle the design gives it.
#include <QAbstractButton>
#include <QApplication>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QtTest>

#include "Avvio.h"
#include "Banco.h"
#include "FrmMain.h"
#include "Lingua.h"
#include "PiattaformaProva.h"
#include "Seldir.h"

namespace {

// What does not fit in `w`, or an empty string. A label may wrap at word
// boundaries within its box; a button's caption must fit beside its
// indicator on one line; a frame's title within the frame.
QString NonCabe(const QWidget* w) {
  QString testo;
  qreal serve = 0, spazio = 0;
  const QFontMetricsF m(w->font());
  if (auto* l = qobject_cast<const QLabel*>(w)) {
    testo = l->text();
    const QRectF r = m.boundingRect(QRectF(l->contentsRect()),
                                    Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, testo);
    if (r.height() > l->contentsRect().height() + 1) return testo + QStringLiteral(": too high");
    serve = r.width();
    spazio = l->contentsRect().width();
  } else if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
    testo = b->text();
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = testo;
    const QStyle::SubElement contenuto =
        qobject_cast<const QPushButton*>(b) ? QStyle::SE_PushButtonContents
        : b->inherits("QCheckBox")          ? QStyle::SE_CheckBoxContents
                                            : QStyle::SE_RadioButtonContents;
    spazio = b->style()->subElementRect(contenuto, &opt, b).width();
    serve = m.horizontalAdvance(QString(testo).remove(QLatin1Char('&')));
  } else if (auto* g = qobject_cast<const QGroupBox*>(w)) {
    testo = g->title();
    serve = m.horizontalAdvance(testo);
    spazio = g->width() - 2 * 8;  // the frame's corners either side of the title
  }
  if (testo.isEmpty() || serve <= spazio) return QString();
  return QStringLiteral("%1: %2 px for %3").arg(testo).arg(serve).arg(spazio);
}

QString Controlla(const QWidget* finestra) {
  QStringList tagliati;
  for (const QWidget* w : finestra->findChildren<QWidget*>())
    if (const QString n = NonCabe(w); !n.isEmpty())
      tagliati << w->objectName() + QLatin1Char(' ') + n;
  return tagliati.join(QLatin1Char('\n'));
}

}  // namespace

class TestInglese : public Banco {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // As a user's session sets it, before any translator is loaded.
    qputenv("LANGUAGE", "");
    qputenv("LC_ALL", "");
    qputenv("LC_MESSAGES", "");
    qputenv("LANG", "en_US.UTF-8");
    QCOMPARE(Crypta::LinguaDellAmbiente(), Crypta::Lingua::Inglese);
    Avvio::Prepara(*qApp);
  }

  void init() { Apri(); }

  void cleanup() { Chiudi(); }

  void laFinestraParlaInglese() {
    QCOMPARE(w_->windowTitle(), QStringLiteral("Quorvane - Tavelin - Version 1.0 (Freeware)"));
    QCOMPARE(Cornice("FrmInfo")->title(), QStringLiteral("Bitmap Data:"));
    QCOMPARE(Etichetta("LblDir")->text(), QStringLiteral("Select Carrier Bitmap"));
    QCOMPARE(Pulsante("CmdDirCrypt")->text(), QStringLiteral("&Open..."));
    // Qt's own buttons speak English: no Italian catalog of qtbase is loaded.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
  }

  // Each access letter stays where an English word allows, and the two
  // passphrase boxes keep Alt+P and Alt+R.
  void leLettereDiAccesso_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QKeySequence>("tasto");
    QTest::newRow("ChkPassphrase")
        << "ChkPassphrase"
        << "Protect with &passphrase" << QKeySequence(Qt::ALT | Qt::Key_P);
    QTest::newRow("ChkPassphraseRivela")
        << "ChkPassphraseRivela"
        << "P&rotected by passphrase" << QKeySequence(Qt::ALT | Qt::Key_R);
    QTest::newRow("Option4") << "Option4"
                             << "Select a &file" << QKeySequence(Qt::ALT | Qt::Key_F);
    QTest::newRow("Option5") << "Option5"
                             << "&String" << QKeySequence(Qt::ALT | Qt::Key_S);
    QTest::newRow("CmdCrypt") << "CmdCrypt"
                              << "&Crypt" << QKeySequence(Qt::ALT | Qt::Key_C);
  }
  void leLettereDiAccesso() {
    QFETCH(QString, nome);
    QFETCH(QString, testo);
    QFETCH(QKeySequence, tasto);
    const auto* b = w_->findChild<QAbstractButton*>(nome);
    QVERIFY(b);
    QCOMPARE(b->text(), testo);
    QCOMPARE(QKeySequence::mnemonic(b->text()), tasto);
  }

  // A message box's text as the scripted seam receives it: the window's own
  // first line, then the engine's reason, which comes through the catalog
  // converted from gettext's (its entries under the empty context).
  void unMessaggioInInglese() {
    w_->AssegnaLbl(Q(Carico("lettera.txt", 200)), 1);
    QCOMPARE(seam_->Messaggi,
             QStringList({"Invalid file format\r\nIt is neither a bitmap nor a picture in a known "
                          "format."}));
  }

  // The program's own lines before any window: help and usage errors.
  void laRigaDiComando_data() {
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<int>("stato");
    QTest::addColumn<QString>("inizio");
    QTest::newRow("aiuto") << QStringList{"--help"} << 0 << "Usage: tavelin [FILE]\n";
    QTest::newRow("opzione ignota") << QStringList{"--x"} << 2 << "tavelin: Unknown option: --x";
  }
  void laRigaDiComando() {
    QFETCH(QStringList, argomenti);
    QFETCH(int, stato);
    QFETCH(QString, inizio);
    QProcess p;
    p.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    p.start(QStringLiteral(TAVELIN_COSTRUZIONE "/app/tavelin"), argomenti);
    QVERIFY(p.waitForFinished(20000));
    QCOMPARE(p.exitCode(), stato);
    const QString uscita =
        QString::fromUtf8(stato == 0 ? p.readAllStandardOutput() : p.readAllStandardError());
    QVERIFY2(uscita.startsWith(inizio), qPrintable(uscita));
  }

  // Every English caption shows whole in the rectangle designed for the
  // Italian one, on both tabs and in the directory chooser.
  void leCaptionIngleseStannoNeiRiquadri() {
    QCOMPARE(Controlla(w_.get()), QString());
    const Seldir scelta(w_.get());
    QCOMPARE(Controlla(&scelta), QString());
  }
};

QTEST_MAIN(TestInglese)
#include "TestInglese.moc"
