// The carrier info panel and the bit-count selectors, driven through the
// window with the scripted seam: the header fields and capacity shown for a
// chosen carrier, the string box's limit and caption, the hide tab's four
// states with their messages, the reset on a new bit count, and the reveal
// tab's controls that follow its carrier path.
#include <QApplication>
#include <QClipboard>
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

  // Every value label of the panel, Label5 last.
  QStringList Pannello() const {
    QStringList p;
    for (int i = 0; i < 14; ++i) p << Valore(i)->text();
    return p << Etichetta("Label5")->text();
  }

  // Frame1, TxtKey, CmdCrypt and Label3, which the hide tab's state enables
  // together.
  QString Abilitati() const {
    QString s;
    for (const QWidget* c : std::initializer_list<const QWidget*>{
             Cornice("Frame1"), Casella("TxtKey"), Pulsante("CmdCrypt"), Etichetta("Label3")})
      s += c->isEnabled() ? '1' : '0';
    return s;
  }

  // The reveal tab's controls that follow its carrier path.
  QList<QWidget*> Decrypt() const {
    return {Cornice("FrmPar"),   Pulsante("CmdDeCrypt"), Casella("Text3"),  Etichetta("Label9"),
            Etichetta("Label7"), Casella("TxtBt"),       Barra("VScroll2"), Cornice("FrmResult"),
            Opzione("Option5"),  Opzione("Option6")};
  }

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
    QCOMPARE(seam_->Messaggi, QStringList({"Formato file non valido"}));
    QCOMPARE(pannelloAlMessaggio, vuoto);
    QCOMPARE(Pannello(), vuoto);
    QCOMPARE(Casella("TxtDirCrypt")->text(), Q(p));
    QCOMPARE(Opzione("Option3")->text(), kSenzaFigura);
    QCOMPARE(Abilitati(), QStringLiteral("0000"));
  }

  void unNuovoNumeroDiBitAzzeraLaScheda() {
    Mostra();
    const std::string p = Portante("dieci.bmp");
    Scegli(p);
    Multiriga("TxtString")->setFocus();
    QTest::keyClicks(Multiriga("TxtString"), QStringLiteral("abc"));
    // Both payload boxes filled, to see each emptied.
    Casella("TxtSelFile")->setText(QStringLiteral("/tmp/carico.da"));

    QTest::mouseClick(Barra("VScroll1"), Qt::LeftButton, {},
                      QPoint(Barra("VScroll1")->width() / 2, 3));
    QCOMPARE(Barra("VScroll1")->value(), 2);
    QCOMPARE(Casella("TxtBit")->text(), QStringLiteral("2"));
    QCOMPARE(Multiriga("TxtString")->text(), QString());
    QCOMPARE(Casella("TxtSelFile")->text(), QString());
    QCOMPARE(Casella("TxtDirCrypt")->text(), QString());
    QCOMPARE(Pannello(), QStringList(15, QString()));
    QCOMPARE(Opzione("Option3")->text(), kSenzaFigura);
    QCOMPARE(Abilitati(), QStringLiteral("0000"));

    // The same carrier now counts at 2 bits.
    Scegli(p);
    QCOMPARE(Etichetta("Label5")->text(), QStringLiteral("76"));
    QCOMPARE(Opzione("Option3")->text(), QStringLiteral("Inserisci una stringa (max  76 char)"));
    QCOMPARE(Multiriga("TxtString")->maxLength(), 76);
    QCOMPARE(Abilitati(), QStringLiteral("1111"));
    QCOMPARE(seam_->Messaggi, QStringList());
  }

  void leBarreScrivonoIlNumeroDiBit() {
    const QStringList attesi = {"8", "4", "2", "1"};
    for (int v = 0; v < 4; ++v) {
      Barra("VScroll1")->setValue(v);
      Barra("VScroll2")->setValue(v);
      QCOMPARE(Casella("TxtBit")->text(), attesi.at(v));
      QCOMPARE(Casella("TxtBt")->text(), attesi.at(v));
    }
  }

  void laBarraDiDecryptCambiaSoloIlSuoNumero() {
    Scegli(Portante("dieci.bmp"));
    const std::string rivela = Portante("rivela.bmp");
    Casella("TxtDirDeCrypt")->setText(Q(rivela));
    Casella("Text3")->setText(QStringLiteral("chiave"));
    Opzione("Option6")->setChecked(true);
    const QStringList pannello = Pannello();
    Barra("VScroll2")->setValue(1);
    QCOMPARE(Casella("TxtBt")->text(), QStringLiteral("4"));
    QCOMPARE(Casella("TxtBit")->text(), QStringLiteral("1"));
    QCOMPARE(Casella("TxtDirDeCrypt")->text(), Q(rivela));
    QCOMPARE(Casella("Text3")->text(), QStringLiteral("chiave"));
    QVERIFY(Opzione("Option6")->isChecked());
    QCOMPARE(Pannello(), pannello);
    QCOMPARE(Abilitati(), QStringLiteral("1111"));
    for (QWidget* c : Decrypt()) QVERIFY2(c->isEnabled(), qPrintable(c->objectName()));
  }

  void laSchedaDecryptSegueIlSuoPercorso() {
    QVERIFY(Cornice("FrmPar")->isEnabled());
    QVERIFY(Cornice("FrmResult")->isEnabled());
    Casella("TxtKey")->setText(QStringLiteral("segreta"));
    Casella("Text3")->setText(QStringLiteral("chiave"));
    Opzione("Option6")->setChecked(true);
    QSignalSpy click(Opzione("Option5"), &QRadioButton::clicked);
    const std::string p = Portante("rivela.bmp");

    Casella("TxtDirDeCrypt")->setText(Q(p));
    for (QWidget* c : Decrypt()) QVERIFY2(c->isEnabled(), qPrintable(c->objectName()));
    QVERIFY(Opzione("Option5")->isChecked());
    QCOMPARE(click.count(), 1);  // selected as a click would, handler included
    // The reveal carrier never reaches the hide tab's panel.
    QCOMPARE(Pannello(), QStringList(15, QString()));
    QCOMPARE(Abilitati(), QStringLiteral("0000"));

    Casella("TxtDirDeCrypt")->setText(QString());
    for (QWidget* c : Decrypt()) QVERIFY2(!c->isEnabled(), qPrintable(c->objectName()));
    // Both keys stay: the hide tab's belongs to another carrier.
    QCOMPARE(Casella("TxtKey")->text(), QStringLiteral("segreta"));
    QCOMPARE(Casella("Text3")->text(), QStringLiteral("chiave"));

    Opzione("Option6")->setChecked(true);
    Casella("TxtDirDeCrypt")->setText(Q(p));
    QVERIFY(Opzione("Option5")->isChecked());
    QCOMPARE(click.count(), 2);
    QCOMPARE(seam_->Messaggi, QStringList());
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
    QCOMPARE(seam_->Messaggi, QStringList({"Formato file non valido"}));
  }
};

QTEST_MAIN(TestPannello)
#include "TestPannello.moc"
