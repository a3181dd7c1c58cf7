// The bit-count selectors and the reveal tab's carrier path, driven through
// the window: the text each scroll bar writes, the hide tab reset on a new
// bit count, and the reveal tab's controls that follow its carrier path
// without ever reaching the hide tab's panel.
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

class TestSelettori : public Banco {
  Q_OBJECT

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
};

QTEST_MAIN(TestSelettori)
#include "TestSelettori.moc"
