// A passphrase in the window: the two check boxes where they belong, a hide
// that tavelin-cli opens and a carrier of tavelin-cli's that the window
// opens, with a wrong passphrase, a cancel and a mistyped repetition; the
// status line after each; the default folder for an extracted file.
#include <QCheckBox>
#include <QDir>
#include <QProcess>
#include <QTabBar>
#include <QtTest>
#include <filesystem>

#include "Avvio.h"
#include "Banco.h"
#include "BancoDeCrypt.h"
#include "Cifratura.h"
#include "Crypta.h"
#include "Estrazione.h"

namespace {

const QString kErrata = QStringLiteral("Passphrase errata, oppure i dati sono stati alterati");

Piattaforma::Frase Due(const QString& a, const QString& b) {
  return {a, b};
}

}  // namespace

class TestProtezione : public Banco {
  Q_OBJECT

  QCheckBox* Spunta(const char* nome) const { return Trova<QCheckBox>(w_.get(), nome); }
  QString Stato() const { return Etichetta("LblStato")->toolTip(); }

  // tavelin-cli with the passphrase in a file; its exit status.
  int Cli(QStringList argomenti, const QString& frase, QByteArray* uscita = nullptr) {
    const std::string file = *dir_ / "frase.txt";
    const QByteArray byte = frase.toUtf8();
    prova::Scrivi(file, prova::Byte(byte.begin(), byte.end()));
    argomenti << QStringLiteral("--passphrase-file") << Q(file);
    QProcess p;
    p.start(QStringLiteral(TAVELIN_CLI), argomenti);
    p.waitForFinished(60000);
    if (uscita) *uscita = p.readAllStandardOutput();
    return p.exitCode();
  }

 private slots:
  void initTestCase() {
    Avvio::Prepara(*qApp);
    if (!Crypta::CifraturaDisponibile()) QSKIP("built without libsodium");
  }
  void init() { Apri(); }
  void cleanup() { Chiudi(); }

  // Both boxes after the design's controls, off and disabled until their
  // tab has a carrier; the status line in the tab strip's free row.
  void controlliAlLoroPosto() {
    struct {
      const char* nome;
      QRect rettangolo;
      int tab;
      QString testo;
    } const righe[] = {{"ChkPassphrase", {32, 404, 209, 17}, 76, "Proteggi con &passphrase"},
                       {"ChkPassphraseRivela", {16, 244, 225, 17}, 77, "P&rotetto da passphrase"}};
    for (const auto& r : righe) {
      QCheckBox* c = Spunta(r.nome);
      QCOMPARE(c->geometry(), r.rettangolo);
      QCOMPARE(c->property("TabIndex").toInt(), r.tab);
      QCOMPARE(c->text(), r.testo);
      QVERIFY(!c->isEnabled() && !c->isChecked());
    }
    Scegli(Portante("c.bmp", ConPixel(8000)));
    QVERIFY(Spunta("ChkPassphrase")->isEnabled());
    Mostra();
    const QRect stato = Etichetta("LblStato")->geometry();
    const QRect schede =
        Schede()->tabBar()->tabRect(1).translated(Schede()->tabBar()->mapTo(w_.get(), QPoint()));
    QVERIFY(stato.left() > schede.right() && stato.right() < w_->width());
    QVERIFY(stato.top() <= schede.center().y() && stato.bottom() >= schede.center().y());
  }

  void dallaFinestraATavelinCli() {
    const std::string c = Portante("c.bmp", ConPixel(8000));
    Scegli(c);
    const QString figura = Opzione("Option3")->text();
    Spunta("ChkPassphrase")->click();
    // The caption counts what the encryption adds: 996 bytes hold 924.
    QCOMPARE(Opzione("Option3")->text(), QStringLiteral("Inserisci una stringa (max  924 char)"));
    Multiriga("TxtString")->setPlainText(QStringLiteral("àncora"));
    Casella("TxtKey")->setText(QStringLiteral("k"));
    seam_->RisposteFrase = {Due("una", "altra"), Due("frase", "frase")};
    Pulsante("CmdCrypt")->click();
    QCOMPARE(seam_->Frasi, std::vector<bool>({true, true}));
    QVERIFY(seam_->Messaggi.join('|').contains(QStringLiteral("non coincidono")));
    QVERIFY2(Stato().startsWith(QStringLiteral("Nascosti 6 byte in c.bmp (1 bit per byte")),
             qPrintable(Stato()));
    QByteArray testo;
    QCOMPARE(Cli({"reveal", Q(c), "-t", "-k", "k", "--encrypt"}, "frase", &testo), 0);
    QCOMPARE(QString::fromUtf8(testo), QStringLiteral("àncora"));
    QCOMPARE(Cli({"reveal", Q(c), "-t", "-k", "k", "--encrypt"}, "frasi"), 1);
    Spunta("ChkPassphrase")->click();
    QCOMPARE(Opzione("Option3")->text(), figura);
  }

  void daTavelinCliAllaFinestra() {
    const std::string c = Portante("c.bmp", ConPixel(8000));
    QCOMPARE(Cli({"hide", Q(c), "-t", "dal terminale", "-b", "2", "--encrypt"}, "parola"), 0);
    BancoDeCrypt d;
    d.Carrier(c);
    d.Bit(2);
    // Not ticked: the marker makes the window ask all the same. A cancel
    // writes nothing, a wrong passphrase neither.
    d.seam->RisposteFrase = {std::nullopt, Due("sbagliata", ""), Due("parola", "")};
    d.DeCrypt();
    QCOMPARE(d.Multiriga("Text1")->toPlainText(), QString());
    d.File(d.Cartella(), QStringLiteral("out.txt"));
    d.DeCrypt();
    QCOMPARE(d.seam->Messaggi, QStringList({kErrata}));
    QVERIFY(!std::filesystem::exists(d.dir / "out.txt"));
    d.DeCrypt();
    QCOMPARE(prova::Leggi(d.dir / "out.txt"),
             prova::Byte({'d', 'a', 'l', ' ', 't', 'e', 'r', 'm', 'i', 'n', 'a', 'l', 'e'}));
    QCOMPARE(d.seam->Frasi, std::vector<bool>({false, false, false}));
    QVERIFY(d.Etichetta("LblStato")->toolTip().startsWith(QStringLiteral("Estratti 13 byte in ")));
    // Nothing at another bit count.
    d.Bit(4);
    d.DeCrypt();
    QCOMPARE(d.Etichetta("LblStato")->toolTip(),
             QStringLiteral("Nessun dato trovato con questa chiave e questo numero di bit"));
  }

  void laCartellaPredefinitaSiPuoScrivere_data() {
    QTest::addColumn<QString>("programma");
    QTest::addColumn<bool>("propria");
    QTest::newRow("installato") << "/usr/bin" << false;
    QTest::newRow("in opt") << "/opt/tavelin/bin" << false;
    QTest::newRow("portatile") << "" << true;
    QTest::newRow("sola lettura") << "-" << false;
  }
  void laCartellaPredefinitaSiPuoScrivere() {
    QFETCH(QString, programma);
    QFETCH(bool, propria);
    const QString casa = QStringLiteral("/casa/utente");
    if (programma.isEmpty()) programma = Q(dir_->Path().string());
    if (programma == QLatin1String("-")) {
      if (prova::Scrivibile("/proc/1")) QSKIP("root writes anywhere");
      programma = QStringLiteral("/proc/1");
    }
    QCOMPARE(Estrazione::CartellaPredefinita(programma, casa), propria ? programma : casa);
  }
};

QTEST_MAIN(TestProtezione)
#include "TestProtezione.moc"
