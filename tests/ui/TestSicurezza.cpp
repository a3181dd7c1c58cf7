// The window over the engine's operations: a compressed carrier is shown but
// takes no hide, a carrier in use is refused with one message and left as it
// was, and each window's operations report to that window alone, never
// through the engine's shared hooks.
#include <QApplication>
#include <QtTest>
#include <memory>

#include "Avvio.h"
#include "Banco.h"
#include "Crypta.h"
#include "File.h"

class TestSicurezza : public Banco {
  Q_OBJECT

  void Nascondi(const std::string& carrier, const QString& testo) {
    Scegli(carrier);
    Multiriga("TxtString")->setText(testo);
    Pulsante("CmdCrypt")->click();
  }

 private slots:
  void initTestCase() { Avvio::Prepara(*qApp); }
  void init() {
    Apri();
    Crypta::Finestra = {};
  }
  void cleanup() {
    Crypta::Finestra = {};
    Chiudi();
  }

  void unaBitmapCompressaSiVedeMaNonAccoglieDati() {
    prova::Bitmap b;
    b.compressione = 1;
    Scegli(Portante("rle.bmp", b));
    QCOMPARE(Valore(7)->text(), QStringLiteral("1"));
    QCOMPARE(Etichetta("Label5")->text(), QStringLiteral("36"));
    QCOMPARE(Abilitati(), QStringLiteral("0000"));
    QCOMPARE(Opzione("Option3")->text(), QStringLiteral("Inserisci una stringa (max xx char)"));
    QCOMPARE(seam_->Messaggi.size(), 1);
    QVERIFY(seam_->Messaggi[0].contains(QStringLiteral("compressi (compressione 1)")));
    // Bit fields are plain pixels.
    b.compressione = 3;
    Scegli(Portante("campi.bmp", b));
    QCOMPARE(Abilitati(), QStringLiteral("1111"));
    QCOMPARE(seam_->Messaggi.size(), 1);
  }

  void unaBitmapInUsoVieneRifiutataELasciataComEra() {
    const std::string c = Portante("c.bmp");
    Nascondi(c, QStringLiteral("prima"));
    const prova::Byte prima = prova::Leggi(c);
    const Crypta::File altro = Crypta::File::Apri(c, Crypta::File::Modo::LetturaScrittura);
    QVERIFY(altro.Blocca(Crypta::File::Blocco::Esclusivo));
    seam_->Messaggi.clear();
    Nascondi(c, QStringLiteral("dopo"));
    QCOMPARE(seam_->Messaggi.size(), 1);
    QVERIFY(seam_->Messaggi[0].contains(QStringLiteral("in uso")));
    QCOMPARE(prova::Leggi(c), prima);
    QVERIFY(w_->isEnabled());
  }

  void ogniFinestraHaIlSuoAvanzamento() {
    // Hooks that the window must never call: a second window, or the command
    // line's code in the same program, would lose or steal them.
    int ganci = 0;
    Crypta::Finestra.TxtPerc2 = [&ganci](const std::string&) { ++ganci; };
    Crypta::Finestra.TxtPerc = [&ganci](const std::string&) { ++ganci; };
    Crypta::Finestra.Abilita = [&ganci](bool) { ++ganci; };
    Crypta::Finestra.DoEvents = [&ganci] { ++ganci; };
    const FrmMain altra;
    const std::string c = Portante("c.bmp");
    Nascondi(c, QStringLiteral("solo qui"));
    QCOMPARE(Casella("TxtPerc2")->text(), QStringLiteral(" 100%"));
    QCOMPARE(Trova<QLineEdit>(&altra, "TxtPerc2")->text(), QString());
    QCOMPARE(ganci, 0);
    QCOMPARE(seam_->Messaggi, QStringList());
    // The design's procedure still drives the hooks for whoever installs them.
    Crypta::CryptBitmap(c, 54, 2, "ab", true, "", 1);
    QVERIFY(ganci > 0);
  }
};

QTEST_MAIN(TestSicurezza)
#include "TestSicurezza.moc"
