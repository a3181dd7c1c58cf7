// Each part of the main window on its own, without the frame that links
// them: what it tells the other parts through its signals, and what it does
// with what they tell it.
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "Avvio.h"
#include "PannelloInfo.h"
#include "PiattaformaProva.h"
#include "Seldir.h"
#include "Supporto.h"
#include "TabCrypt.h"
#include "TabDeCrypt.h"
#include "Trova.h"

class TestParti : public QObject {
  Q_OBJECT

  std::unique_ptr<prova::Cartella> dir_;
  std::unique_ptr<PiattaformaProva> seam_;

  QString Carrier(const char* nome, size_t pixel = 8000) const {
    prova::Bitmap b;
    b.pixel = pixel;
    return QString::fromStdString(prova::Scrivi(*dir_, nome, b));
  }

  // Frame1, TxtKey, CmdCrypt and Label3, as the carrier's capacity sets them.
  static QString Pronti(const QWidget* tab) {
    QString s;
    for (const char* n : {"Frame1", "TxtKey", "CmdCrypt", "Label3"})
      s += Trova(tab, QString::fromLatin1(n))->isEnabledTo(tab) ? '1' : '0';
    return s;
  }

 private slots:
  void initTestCase() { Avvio::Prepara(*qApp); }

  void init() {
    dir_ = std::make_unique<prova::Cartella>();
    seam_ = std::make_unique<PiattaformaProva>();
  }

  void cleanup() {
    seam_.reset();
    dir_.reset();
  }

  void laSchedaCryptDiceIlPercorsoESegueLaCapienza() {
    TabCrypt tab(nullptr);
    QSignalSpy carrier(&tab, &TabCrypt::Carrier);
    seam_->Risposte = {QStringLiteral("/a.bmp"), QStringLiteral("/b.bmp")};
    Trova<QPushButton>(&tab, "CmdDirCrypt")->click();
    Trova<QPushButton>(&tab, "CmdDirCrypt")->click();
    // Each choice empties the path first, so the same file is read again.
    QCOMPARE(carrier.count(), 3);
    QCOMPARE(carrier.at(1).at(0).toString(), QString());
    QCOMPARE(carrier.at(2).at(0).toString(), QStringLiteral("/b.bmp"));

    tab.StatoCrypt(36);
    QCOMPARE(Pronti(&tab), QStringLiteral("1111"));
    QCOMPARE(Trova<QRadioButton>(&tab, "Option3")->text(),
             QStringLiteral("Inserisci una stringa (max  36 char)"));
    QCOMPARE(Trova<CasellaMultiriga>(&tab, "TxtString")->maxLength(), 36);
    tab.StatoCrypt(0);
    QCOMPARE(Pronti(&tab), QStringLiteral("0000"));
    QCOMPARE(Trova<QRadioButton>(&tab, "Option3")->text(),
             QStringLiteral("Inserisci una stringa (max xx char)"));

    Trova<CasellaMultiriga>(&tab, "TxtString")->setText(QStringLiteral("via"));
    tab.Azzera();
    QCOMPARE(carrier.count(), 4);
    QCOMPARE(carrier.last().at(0).toString(), QString());
    QCOMPARE(Trova<CasellaMultiriga>(&tab, "TxtString")->text(), QString());
  }

  void ilPannelloRispondeConCapienzaENumeriDiBit() {
    QWidget crypt, parametri;
    auto* pannello = new PannelloInfo(&crypt, &parametri);
    QCOMPARE(pannello->parentWidget(), &crypt);
    QCOMPARE(Trova(&crypt, "VScroll1")->parentWidget(), &crypt);
    QCOMPARE(Trova(&parametri, "VScroll2")->parentWidget(), &parametri);
    QSignalSpy capienza(pannello, &PannelloInfo::Capienza);
    QSignalSpy azzera(pannello, &PannelloInfo::Azzera);
    QSignalSpy bitCrypt(pannello, &PannelloInfo::BitCrypt);
    QSignalSpy bitDeCrypt(pannello, &PannelloInfo::BitDeCrypt);

    const QString c = Carrier("c.bmp");
    pannello->TxtDirCrypt_Change(c);
    QCOMPARE(capienza.last().at(0).toDouble(), 996.0);
    Trova<QScrollBar>(&crypt, "VScroll1")->setValue(2);
    QCOMPARE(bitCrypt.last().at(0).value<int16_t>(), int16_t(2));
    QCOMPARE(azzera.count(), 1);
    QCOMPARE(capienza.last().at(0).toDouble(), 0.0);
    QCOMPARE(Trova<QLabel>(&crypt, "Label5")->text(), QString());
    pannello->TxtDirCrypt_Change(c);
    QCOMPARE(capienza.last().at(0).toDouble(), 1996.0);

    // The reveal count changes nothing on the "Crypt" side.
    Trova<QScrollBar>(&parametri, "VScroll2")->setValue(0);
    QCOMPARE(bitDeCrypt.last().at(0).value<int16_t>(), int16_t(8));
    QCOMPARE(azzera.count(), 1);
    QCOMPARE(bitCrypt.count(), 1);
    QVERIFY(!Trova(&parametri, "TxtBt")->isEnabled());
    pannello->AbilitaBt(true);
    QVERIFY(Trova(&parametri, "TxtBt")->isEnabled());
    QVERIFY(Trova(&parametri, "VScroll2")->isEnabled());
    QCOMPARE(seam_->Messaggi, QStringList());
  }

  void laSchedaDecryptDiceSeHaUnaBitmap() {
    TabDeCrypt tab(nullptr);
    QCOMPARE(tab.Parametri()->objectName(), QStringLiteral("FrmPar"));
    QSignalSpy scelto(&tab, &TabDeCrypt::CarrierScelto);
    seam_->Risposte = {QStringLiteral("/a.bmp"), std::nullopt};
    Trova<QPushButton>(&tab, "CmdDirDeCrypt")->click();
    QCOMPARE(scelto.count(), 1);
    QCOMPARE(scelto.last().at(0).toBool(), true);
    QVERIFY(Trova<QRadioButton>(&tab, "Option5")->isChecked());
    Trova<QPushButton>(&tab, "CmdDirDeCrypt")->click();  // cancelled
    QCOMPARE(scelto.count(), 2);
    QCOMPARE(scelto.last().at(0).toBool(), false);
  }

  void ilSelettoreDiCartelleDaLaSceltaAChiLoHaAperto() {
    QWidget principale;
    principale.setEnabled(false);
    auto* s = new Seldir(&principale);
    bool abilitata = false;
    QStringList scelte;
    connect(s, &Seldir::Scelta, &principale, [&](const QString& cartella) {
      abilitata = principale.isEnabled();
      scelte << cartella;
    });
    s->OK->click();
    QCOMPARE(scelte, QStringList{QDir::toNativeSeparators(QDir::currentPath())});
    QVERIFY(abilitata);
  }
};

QTEST_MAIN(TestParti)
#include "TestParti.moc"
