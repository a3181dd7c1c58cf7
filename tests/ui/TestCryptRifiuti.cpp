// Hides the "Crypt" tab refuses when "&Crypt" is pressed: a file or string
// that no longer fits, a carrier gone or changed, characters the format
// cannot hold. Every refused hide shows one message, writes nothing and
// leaves the window enabled.
#include <QtTest>
#include <filesystem>
#include <memory>

#include "Avvio.h"
#include "Banco.h"
#include "Crypta.h"
#include "Supporto.h"

namespace {

const QString kTroppoGrande = QStringLiteral("Attenzione !!\r\nFile troppo grande");

}  // namespace

class TestCryptRifiuti : public Banco {
  Q_OBJECT

 private slots:
  void initTestCase() { Avvio::Prepara(*qApp); }

  void init() { Apri(); }

  void cleanup() { Chiudi(); }

  void unaRivelazioneInMezzoNonAllargaLaCapienza() {
    // 36 bytes of room here, thousands in the revealed carrier.
    Scegli(Portante("dieci.bmp"));
    Opzione("Option4")->click();
    const std::string carico = Carico("carico.da", 20);
    ScegliFile(carico);
    QVERIFY(Pulsante("CmdCrypt")->isEnabled());
    prova::Scrivi(carico, prova::Casuali(30, 7));  // 9 + 30 = 39: no longer fits
    prova::Bitmap altra;
    altra.pixel = 40000;
    Crypta::DeCryptBitmap(Portante("altra.bmp", altra), "", 1, true, "");
    const prova::Byte prima = prova::Leggi(*dir_ / "dieci.bmp");
    Pulsante("CmdCrypt")->click();
    QVERIFY(w_->isEnabled());
    QCOMPARE(seam_->Messaggi, QStringList({kTroppoGrande}));
    QVERIFY(prova::Leggi(*dir_ / "dieci.bmp") == prima);
  }

  void ilControlloSiRipeteAlMomentoDiCriptare_data() {
    QTest::addColumn<int>("caso");
    QTest::newRow("il file e cresciuto") << 0;
    QTest::newRow("un'altra bitmap, piu piccola") << 1;
    QTest::newRow("la bitmap si e rimpicciolita") << 2;
  }

  void ilControlloSiRipeteAlMomentoDiCriptare() {
    QFETCH(int, caso);
    const std::string p = Portante("cento.bmp", ConPixel(832));  // 100 bytes of room
    Scegli(p);
    std::string bersaglio = p;
    if (caso < 2) {
      Opzione("Option4")->click();
      const std::string carico = Carico("carico.da", 90);
      ScegliFile(carico);
      QVERIFY(Pulsante("CmdCrypt")->isEnabled());
      if (caso == 0) prova::Scrivi(carico, prova::Casuali(91, 7));
      if (caso == 1) {
        bersaglio = Portante("dieci.bmp");  // 36 bytes
        Scegli(bersaglio);
        // A new carrier keeps the accepted file and enables "&Crypt".
        QCOMPARE(Casella("TxtSelFile")->text(), Q(carico));
        QVERIFY(Opzione("Option4")->isChecked());
      }
    } else {
      Multiriga("TxtString")->setText(QString(80, QLatin1Char('s')));
      prova::Scrivi(p, ConPixel(600).Byte_());  // 71 bytes of room now
    }
    const prova::Byte prima = prova::Leggi(bersaglio);
    Pulsante("CmdCrypt")->click();
    QVERIFY(w_->isEnabled());
    QCOMPARE(seam_->Messaggi, QStringList({kTroppoGrande}));
    QVERIFY(prova::Leggi(bersaglio) == prima);
  }

  void unaCriptazioneRifiutataNonScriveNiente_data() {
    QTest::addColumn<int>("caso");
    QTest::addColumn<QString>("messaggio");
    QTest::newRow("nessun file") << 0 << QStringLiteral("Scegliere il file da nascondere.");
    QTest::newRow("chiave") << 1 << QStringLiteral("La chiave contiene il carattere \"\u03a9\"");
    QTest::newRow("stringa") << 2 << QStringLiteral("La stringa contiene il carattere \"\u2713\"");
    QTest::newRow("bitmap sparita") << 3 << QStringLiteral("non si può più leggere");
    QTest::newRow("bitmap diventata testo") << 4 << QStringLiteral("non si può più leggere");
    QTest::newRow("bitmap diventata cartella") << 5 << QStringLiteral("non si può più leggere");
    QTest::newRow("bitmap senza piu posto")
        << 6 << QStringLiteral("Bitmap di dimensioni insufficienti");
    QTest::newRow("bitmap accorciata") << 7 << QStringLiteral("è troppo piccola");
    QTest::newRow("file sparito") << 8 << QStringLiteral("non esiste più");
    QTest::newRow("file diventato cartella") << 9 << QStringLiteral("non esiste più");
  }

  void unaCriptazioneRifiutataNonScriveNiente() {
    QFETCH(int, caso);
    QFETCH(QString, messaggio);
    const std::string p = Portante("dieci.bmp");
    Scegli(p);
    Casella("TxtKey")->setText(QStringLiteral("chiave"));
    Multiriga("TxtString")->setText(QStringLiteral("dieci byte"));
    const std::string carico = Carico("carico.da", 10);
    if (caso == 0 || caso >= 8) {
      Opzione("Option4")->click();
      ScegliFile(carico);
    }
    switch (caso) {
      case 0:  // accepted, then a cancelled new choice
        seam_->Risposte.push_back(std::nullopt);
        Pulsante("Command1")->click();
        break;
      case 1:
        Casella("TxtKey")->setText(QStringLiteral("\u03a9mega"));
        break;
      case 2:
        Multiriga("TxtString")->setText(QStringLiteral("s\u00ec \u2713"));
        break;
      case 3:
        std::filesystem::remove(p);
        break;
      case 4:
        prova::Scrivi(p, prova::Byte(400, 'x'));
        break;
      case 5:
        std::filesystem::remove(p);
        std::filesystem::create_directory(p);
        break;
      case 6:
        prova::Scrivi(p, ConPixel(32).Byte_());
        break;
      case 7: {  // the header still declares 374 bytes
        prova::Byte corta = prova::Leggi(p);
        corta.resize(80);
        prova::Scrivi(p, corta);
        break;
      }
      case 8:
        std::filesystem::remove(carico);
        break;
      case 9:
        std::filesystem::remove(carico);
        std::filesystem::create_directory(carico);
        break;
    }
    const bool cePortante = std::filesystem::is_regular_file(p);
    const prova::Byte prima = cePortante ? prova::Leggi(p) : prova::Byte{};
    const QString percorsoFile = Casella("TxtSelFile")->text();
    bool abilitataAlMessaggio = false;
    seam_->AlMessaggio = [&](const QString&) { abilitataAlMessaggio = w_->isEnabled(); };

    QVERIFY(Pulsante("CmdCrypt")->isEnabled());
    Pulsante("CmdCrypt")->click();
    QCOMPARE(seam_->Messaggi.size(), 1);
    QVERIFY2(seam_->Messaggi.first().contains(messaggio), qPrintable(seam_->Messaggi.first()));
    QVERIFY(abilitataAlMessaggio);
    QVERIFY(w_->isEnabled());
    QCOMPARE(std::filesystem::is_regular_file(p), cePortante);
    if (cePortante) QVERIFY(prova::Leggi(p) == prima);
    QCOMPARE(Casella("TxtDirCrypt")->text(), Q(p));
    QCOMPARE(Casella("TxtSelFile")->text(), percorsoFile);
    QCOMPARE(Casella("TxtPerc2")->text(), QString());
  }
};

QTEST_MAIN(TestCryptRifiuti)
#include "TestCryptRifiuti.moc"
