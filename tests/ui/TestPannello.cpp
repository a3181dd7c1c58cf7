// The carrier info panel, driven through the window with the scripted seam:
// the header fields and capacity shown for a chosen carrier, the string
// box's limit and caption, and the hide tab's four states with their
// messages.
#include <QApplication>
#include <QClipboard>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "Avvio.h"
#include "Banco.h"
#include "Crypta.h"
#include "FrmMain.h"
#include "PiattaformaProva.h"
#include "Supporto.h"

namespace {

const QString kSenzaFigura = QStringLiteral("Inserisci una stringa (max xx char)");

}  // namespace

class TestPannello : public Banco {
  Q_OBJECT

 private slots:
  void initTestCase() { Avvio::Prepara(*qApp); }

  void init() { Apri(); }

  void cleanup() { Chiudi(); }

  void dieciPerDieciAUnBit() {
    const std::string p = Portante("dieci.bmp");
    Scegli(p);
    QCOMPARE(seam_->Messaggi, QStringList());
    QCOMPARE(Casella("TxtDirCrypt")->text(), Q(p));
    QCOMPARE(Pannello(),
             QStringList({"374", "54", "40", "10", "10", "1", "24", "0", "320", "2835", "2835", "0",
                          "0", "Windows 3.1x,95,98,Me,NT,2000 .... ", "36"}));
    // Two blanks after "max": the figure in signed form, and no access key.
    QCOMPARE(Opzione("Option3")->text(), QStringLiteral("Inserisci una stringa (max  36 char)"));
    QCOMPARE(Multiriga("TxtString")->maxLength(), 36);
    QCOMPARE(Abilitati(), QStringLiteral("1111"));
    QVERIFY(Opzione("Option3")->isChecked());
    QVERIFY(Multiriga("TxtString")->isEnabled());
    // The limit holds under the keyboard.
    Mostra();
    Multiriga("TxtString")->setFocus();
    QTest::keyClicks(Multiriga("TxtString"), QString(40, QLatin1Char('a')));
    QCOMPARE(Multiriga("TxtString")->text(), QString(36, QLatin1Char('a')));
    // A line break is stored as CR LF: with one place left it does not fit.
    QTest::keyClick(Multiriga("TxtString"), Qt::Key_Backspace);
    QTest::keyClick(Multiriga("TxtString"), Qt::Key_Return);
    QCOMPARE(Multiriga("TxtString")->text(), QString(35, QLatin1Char('a')));
    QTest::keyClick(Multiriga("TxtString"), Qt::Key_Backspace);
    QTest::keyClick(Multiriga("TxtString"), Qt::Key_Return);
    QCOMPARE(Multiriga("TxtString")->text(), QString(34, QLatin1Char('a')) + QLatin1Char('\n'));
  }

  void laCapienzaOltre65536LimitaComunqueLaStringa_data() {
    QTest::addColumn<size_t>("pixel");
    QTest::addColumn<QString>("capienza");
    // At 1 bit the capacity is (pixel bytes - 32) / 8.
    QTest::newRow("65535") << size_t(524312) << QStringLiteral("65535");
    QTest::newRow("65536") << size_t(524320) << QStringLiteral("65536");
    QTest::newRow("65537") << size_t(524328) << QStringLiteral("65537");
  }

  void laCapienzaOltre65536LimitaComunqueLaStringa() {
    QFETCH(size_t, pixel);
    QFETCH(QString, capienza);
    Scegli(Portante("grande.bmp", ConPixel(pixel)));
    QCOMPARE(Etichetta("Label5")->text(), capienza);
    const int figura = std::min(capienza.toInt(), 65536);
    QCOMPARE(Opzione("Option3")->text(),
             QStringLiteral("Inserisci una stringa (max  %1 char)").arg(figura));
    QCOMPARE(Multiriga("TxtString")->maxLength(), figura);
    QCOMPARE(Abilitati(), QStringLiteral("1111"));
    // A paste longer than the figure is cut to it.
    Multiriga("TxtString")->setText(QString());
    QApplication::clipboard()->setText(QString(65540, QLatin1Char('k')));
    Multiriga("TxtString")->paste();
    QCOMPARE(Multiriga("TxtString")->text().size(), figura);
  }

  void unaBitmapSenzaPostoLoDice_data() {
    QTest::addColumn<size_t>("pixel");
    QTest::addColumn<QString>("dimensione");
    QTest::addColumn<QString>("capienza");
    QTest::newRow("zero") << size_t(32) << QStringLiteral("86") << QStringLiteral("0");
    QTest::newRow("negativa") << size_t(1) << QStringLiteral("55") << QStringLiteral("-4");
  }

  void unaBitmapSenzaPostoLoDice() {
    QFETCH(size_t, pixel);
    QFETCH(QString, dimensione);
    QFETCH(QString, capienza);
    Scegli(Portante("buona.bmp"));
    QCOMPARE(Abilitati(), QStringLiteral("1111"));
    QString statoAlMessaggio;
    seam_->AlMessaggio = [&](const QString&) { statoAlMessaggio = Abilitati(); };
    Scegli(Portante("piccola.bmp", ConPixel(pixel)));
    QCOMPARE(seam_->Messaggi, QStringList({"Bitmap di dimensioni insufficienti"}));
    QCOMPARE(statoAlMessaggio, QStringLiteral("0000"));
    // The fields stay in view, the capacity with them.
    QCOMPARE(Valore(0)->text(), dimensione);
    QCOMPARE(Valore(1)->text(), QStringLiteral("54"));
    QCOMPARE(Valore(13)->text(), QStringLiteral("Windows 3.1x,95,98,Me,NT,2000 .... "));
    QCOMPARE(Etichetta("Label5")->text(), capienza);
    QCOMPARE(Opzione("Option3")->text(), kSenzaFigura);
    QCOMPARE(Abilitati(), QStringLiteral("0000"));
  }

  void unFileRifiutatoLasciaIlPannelloVuoto_data() {
    QTest::addColumn<int>("caso");
    QTest::newRow("testo") << 0;
    QTest::newRow("header di 124 byte") << 1;
    QTest::newRow("firma sconosciuta") << 2;
    QTest::newRow("dimensione non oltre l'offset") << 3;
    QTest::newRow("mancante") << 4;
    QTest::newRow("cartella") << 5;
  }

  void unFileRifiutatoLasciaIlPannelloVuoto() {
    QFETCH(int, caso);
    std::string p = *dir_ / "rifiutato.bmp";
    prova::Bitmap b;
    switch (caso) {
      case 0:
        prova::Scrivi(p, prova::Byte{'c', 'i', 'a', 'o', '\n'});
        break;
      case 1:
        b.lunghezzaHeader = 124;
        b.offset = 138;
        Portante("rifiutato.bmp", b);
        break;
      case 2:
        b.firma = "XY";
        Portante("rifiutato.bmp", b);
        break;
      case 3:
        b.dimensione = 54;
        Portante("rifiutato.bmp", b);
        break;
      case 4:
        break;
      case 5:
        std::filesystem::create_directory(p);
        break;
    }
    Scegli(Portante("buona.bmp"));
    QCOMPARE(Etichetta("Label5")->text(), QStringLiteral("36"));
    QStringList pannelloAlMessaggio;
    seam_->AlMessaggio = [&](const QString&) { pannelloAlMessaggio = Pannello(); };
    Scegli(p);
    const QStringList vuoto(15, QString());
    // A bitmap the converter reads is offered as a carrier copy instead;
    // declined, the path stays empty.
    const bool offerta = caso == 1 || caso == 3;
    QCOMPARE(seam_->Domande.size(), offerta ? 1 : 0);
    QCOMPARE(PrimeRighe(seam_->Messaggi),
             offerta ? QStringList() : QStringList({"Formato file non valido"}));
    if (!offerta) QCOMPARE(pannelloAlMessaggio, vuoto);
    QCOMPARE(Pannello(), vuoto);
    QCOMPARE(Casella("TxtDirCrypt")->text(), offerta ? QString() : Q(p));
    QCOMPARE(Opzione("Option3")->text(), kSenzaFigura);
    QCOMPARE(Abilitati(), QStringLiteral("0000"));
  }

  void laStessaBitmapVieneRiletta() {
    const std::string p = Portante("dieci.bmp");
    Scegli(p);
    QCOMPARE(Etichetta("Label5")->text(), QStringLiteral("36"));
    prova::Scrivi(p, ConPixel(400).Byte_());
    Scegli(p);
    QCOMPARE(Etichetta("Label5")->text(), QStringLiteral("46"));
    QCOMPARE(Valore(0)->text(), QStringLiteral("454"));
    QCOMPARE(Multiriga("TxtString")->maxLength(), 46);
  }

  void ilSegnapostoSvuotaSenzaMessaggi() {
    Scegli(Portante("dieci.bmp"));
    w_->AssegnaLbl(QStringLiteral("CCCCCCCC"), 1);
    QCOMPARE(Pannello(), QStringList(15, QString()));
    QCOMPARE(Opzione("Option3")->text(), kSenzaFigura);
    QCOMPARE(Abilitati(), QStringLiteral("0000"));
    // The limit of the last ready state stays.
    QCOMPARE(Multiriga("TxtString")->maxLength(), 36);
    QCOMPARE(seam_->Messaggi, QStringList());
    // Any other path that is no bitmap is refused aloud.
    w_->AssegnaLbl(QStringLiteral("cccccccc"), 1);
    QCOMPARE(PrimeRighe(seam_->Messaggi), QStringList({"Formato file non valido"}));
  }

  // The placeholder is no file name: a good bitmap called so in the working
  // directory must not fill the panel on any way to the cleared state.
  void ilSegnapostoNonLeggeUnFileConQuelNome() {
    const QString lavoro = QDir::currentPath();
    const auto indietro = qScopeGuard([&lavoro] { QDir::setCurrent(lavoro); });
    QVERIFY(QDir::setCurrent(Q(dir_->Path().string())));
    Portante("CCCCCCCC", ConPixel(832));  // 100 bytes of room
    const std::string p = Portante("dieci.bmp");
    // The panel, Option3's caption and the hide controls' state.
    const auto stato = [this] { return Pannello() << Opzione("Option3")->text() << Abilitati(); };
    const QStringList svuotato = QStringList(15, QString()) << kSenzaFigura << "0000";

    Scegli(p);
    Barra("VScroll1")->setValue(2);  // a new bit count
    QCOMPARE(stato(), svuotato);
    Scegli(p);
    seam_->Risposte.push_back(std::nullopt);  // a cancelled choice
    Pulsante("CmdDirCrypt")->click();
    QCOMPARE(stato(), svuotato);
    Scegli(p);
    w_->AssegnaLbl(QStringLiteral("CCCCCCCC"), 1);
    QCOMPARE(stato(), svuotato);
    // What the engine read last is still the chosen carrier.
    QCOMPARE(Crypta::BmpHeader.BytesUtilizzabili, 76.0);
    QCOMPARE(seam_->Messaggi, QStringList());
  }
};

QTEST_MAIN(TestPannello)
#include "TestPannello.moc"
