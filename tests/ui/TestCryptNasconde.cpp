// The hide from the "Crypt" tab: it must write exactly what the engine writes
// for the same inputs, at every bit count, from a string or a file, also
// after a reveal has read another carrier into the shared header record.
#include <QSignalSpy>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "Avvio.h"
#include "Banco.h"
#include "Crypta.h"
#include "Supporto.h"

class TestCryptNasconde : public Banco {
  Q_OBJECT

  // What the engine itself writes into a copy of `b` for these inputs, and
  // the progress texts it shows on the way.
  prova::Byte Atteso(const prova::Bitmap& b, const std::string& dati, int32_t lunghezza, bool testo,
                     const std::string& chiave, int16_t nbit, QStringList* progresso = nullptr) {
    const std::string copia = Portante("atteso.bmp", b);
    const Crypta::Ganci ganci = Crypta::Finestra;
    Crypta::Finestra = {};
    QStringList visti;
    Crypta::Finestra.TxtPerc2 = [&visti](const std::string& t) { visti << Q(t); };
    Crypta::CryptBitmap(copia, b.offset, lunghezza, dati, testo, chiave, nbit);
    Crypta::Finestra = ganci;
    if (progresso) *progresso = visti;
    return prova::Leggi(copia);
  }

  // Presses "&Crypt" and checks what every hide must: the window disabled
  // while the engine runs, events let through, the window enabled after.
  void Cripta() {
    int abilitataDurante = 0, passi = 0;
    seam_->AlDoEvents = [&] {
      ++passi;
      abilitataDurante += w_->isEnabled();
    };
    QVERIFY(Pulsante("CmdCrypt")->isEnabled());
    Pulsante("CmdCrypt")->click();
    seam_->AlDoEvents = nullptr;
    QVERIFY(passi > 0);
    QCOMPARE(abilitataDurante, 0);
    QVERIFY(w_->isEnabled());
  }

 private slots:
  void initTestCase() { Avvio::Prepara(*qApp); }

  void init() { Apri(); }

  void cleanup() { Chiudi(); }

  void nascondereUnaStringa_data() {
    QTest::addColumn<int>("barra");
    QTest::addColumn<QString>("scritta");
    QTest::addColumn<QString>("chiave");
    QTest::addColumn<QByteArray>("codici");
    QTest::addColumn<QByteArray>("codiciChiave");
    QTest::newRow("1 bit") << 3 << QStringLiteral("Ciao") << QStringLiteral("chiave")
                           << QByteArray("Ciao") << QByteArray("chiave");
    QTest::newRow("2 bit, a capo")
        << 2 << QStringLiteral("ab\nc") << QString() << QByteArray("ab\r\nc") << QByteArray();
    QTest::newRow("4 bit, accenti")
        << 1 << QStringLiteral("\u00e8\u20ac\u00ff") << QStringLiteral("\u20acuro")
        << QByteArray("\xe8\x80\xff") << QByteArray("\x80uro");
    QTest::newRow("8 bit, vuota") << 0 << QString() << QStringLiteral("k") << QByteArray()
                                  << QByteArray("k");
  }

  void nascondereUnaStringa() {
    QFETCH(int, barra);
    QFETCH(QString, scritta);
    QFETCH(QString, chiave);
    QFETCH(QByteArray, codici);
    QFETCH(QByteArray, codiciChiave);
    Mostra();
    const prova::Bitmap b;
    const std::string p = Portante("dieci.bmp", b);
    Barra("VScroll1")->setValue(barra);
    Scegli(p);
    // Typed where the keyboard can, so that a line break comes in as it
    // makes it; QTest types Latin-1 only.
    Multiriga("TxtString")->setFocus();
    if (QString::fromLatin1(scritta.toLatin1()) == scritta) {
      const QStringList righe = scritta.split(QLatin1Char('\n'));
      for (int i = 0; i < righe.size(); ++i) {
        if (i > 0) QTest::keyClick(Multiriga("TxtString"), Qt::Key_Return);
        QTest::keyClicks(Multiriga("TxtString"), righe.at(i));
      }
    } else {
      Multiriga("TxtString")->setText(scritta);
    }
    QCOMPARE(Multiriga("TxtString")->text(), scritta);
    Casella("TxtKey")->setText(chiave);

    const int16_t nbit = int16_t(1 << (3 - barra));
    QStringList progresso;
    const prova::Byte atteso = Atteso(b, codici.toStdString(), int32_t(codici.size()), true,
                                      codiciChiave.toStdString(), nbit, &progresso);
    QSignalSpy perc(Casella("TxtPerc2"), &QLineEdit::textChanged);
    Cripta();
    QCOMPARE(seam_->Messaggi, QStringList());
    const prova::Byte scritto = prova::Leggi(p);
    QVERIFY(scritto != b.Byte_());
    QVERIFY(scritto == atteso);
    QStringList visti;
    for (const auto& a : perc) visti << a.at(0).toString();
    QCOMPARE(visti, progresso);
    // Nothing is cleared after a hide.
    QCOMPARE(Multiriga("TxtString")->text(), scritta);
    QCOMPARE(Casella("TxtDirCrypt")->text(), Q(p));
    QCOMPARE(Casella("TxtKey")->text(), chiave);
  }

  void nascondereUnFile_data() {
    QTest::addColumn<int>("barra");
    QTest::addColumn<int>("dimensione");
    QTest::addColumn<QString>("chiave");
    QTest::newRow("1 bit") << 3 << 20 << QStringLiteral("chiave");
    QTest::newRow("2 bit") << 2 << 60 << QString();
    QTest::newRow("4 bit") << 1 << 140 << QStringLiteral("Tavelin 2024");
    QTest::newRow("8 bit, vuoto") << 0 << 0 << QStringLiteral("x");
  }

  void nascondereUnFile() {
    QFETCH(int, barra);
    QFETCH(int, dimensione);
    QFETCH(QString, chiave);
    const prova::Bitmap b;
    const std::string p = Portante("dieci.bmp", b);
    const std::string carico = Carico("carico.da", size_t(dimensione));
    Barra("VScroll1")->setValue(barra);
    Scegli(p);
    Opzione("Option4")->click();
    ScegliFile(carico);
    QCOMPARE(Casella("TxtSelFile")->text(), Q(carico));
    Casella("TxtKey")->setText(chiave);
    const prova::Byte atteso =
        Atteso(b, carico, dimensione, false, chiave.toStdString(), int16_t(1 << (3 - barra)));
    Cripta();
    QCOMPARE(seam_->Messaggi, QStringList());
    QVERIFY(prova::Leggi(p) != b.Byte_());
    QVERIFY(prova::Leggi(p) == atteso);
    QCOMPARE(prova::Leggi(carico), prova::Casuali(size_t(dimensione), 7));
  }

  void unaRivelazioneInMezzoNonSpostaLaStringa() {
    const prova::Bitmap b;
    const std::string p = Portante("dieci.bmp", b);
    Scegli(p);
    Multiriga("TxtString")->setText(QStringLiteral("segreto"));
    Casella("TxtKey")->setText(QStringLiteral("k"));
    // A reveal reads its own carrier into the shared header record.
    prova::Bitmap altra;
    altra.offset = 138;
    altra.pixel = 4000;
    const std::string a = Portante("altra.bmp", altra);
    const prova::Byte altraPrima = prova::Leggi(a);
    Crypta::DeCryptBitmap(a, "", 8, true, "");
    QCOMPARE(Crypta::BmpHeader.OffsetDati, 138.0);

    const prova::Byte atteso = Atteso(b, "segreto", 7, true, "k", 1);
    Cripta();
    QCOMPARE(seam_->Messaggi, QStringList());
    QVERIFY(prova::Leggi(p) == atteso);
    QVERIFY(prova::Leggi(a) == altraPrima);
  }
};

QTEST_MAIN(TestCryptNasconde)
#include "TestCryptNasconde.moc"
