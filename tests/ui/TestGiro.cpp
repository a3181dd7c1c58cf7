// The round trip as the user makes it in the window: a payload hidden on the
// "Crypt" tab and revealed on the "Decrypt" tab through the controls alone,
// the file dialogs answered by the scripted seam. The engine is called only
// to compare with what the window did.
#include <QtTest>

#include "Avvio.h"
#include "BancoGiro.h"

class TestGiro : public BancoGiro {
  Q_OBJECT

 private slots:
  void initTestCase() { Avvio::Prepara(*qApp); }

  void init() { Apri(); }

  void cleanup() { Chiudi(); }

  // --- what is hidden comes back -------------------------------------------

  void unaStringaFaIlGiro_data() { OgniNumeroDiBit(); }
  void unaStringaFaIlGiro() {
    QFETCH(int, nbit);
    const std::string c = Portante("c.bmp");
    const prova::Byte prima = prova::Leggi(c);
    PASSO(ScegliCrypt(c, nbit));
    PASSO(NascondiTesto(kTesto, kChiave));
    const prova::Byte nascosto = prova::Leggi(c);
    QVERIFY(nascosto != prima);
    QVERIFY(std::equal(prima.begin(), prima.begin() + 54, nascosto.begin()));
    // The carrier holds what the engine itself reads for these codes: the
    // line break as CR LF, one byte for "è" and for "€", the key's mask.
    QCOMPARE(Crypta::DeCryptBitmap(c, CodiciDi(kChiave), int16_t(nbit), true, ""),
             CodiciDi(kTesto));

    PASSO(ScegliDeCrypt(c));
    PASSO(RivelaTesto(nbit, kChiave));
    QCOMPARE(Multiriga("Text1")->text(), kTesto);
    QVERIFY(prova::Leggi(c) == nascosto);
  }

  void unFileFaIlGiro_data() { OgniNumeroDiBit(); }
  void unFileFaIlGiro() {
    QFETCH(int, nbit);
    const std::string c = Portante("c.bmp");
    const prova::Byte dati = OgniByte(uint32_t(nbit));
    const std::string sorgente = *dir_ / "dati.bin";
    prova::Scrivi(sorgente, dati);
    PASSO(ScegliCrypt(c, nbit));
    PASSO(NascondiFile(sorgente, kChiave));
    QCOMPARE(prova::Leggi(sorgente), dati);
    const std::string motore = *dir_ / "motore.bin";
    Crypta::DeCryptBitmap(c, CodiciDi(kChiave), int16_t(nbit), false, motore);
    QCOMPARE(prova::Leggi(motore), dati);

    PASSO(ScegliDeCrypt(c));
    PASSO(RivelaFile(nbit, kChiave, QStringLiteral("uscita.bin")));
    QCOMPARE(prova::Leggi(*dir_ / "uscita.bin"), dati);
    QCOMPARE(Multiriga("Text1")->text(), QString());
  }

  // --- the key and the bit count ------------------------------------------

  // Only the exclusive-or of the key's codes counts; a key with another
  // mask shows that the key counts at all.
  void unaChiaveConLaStessaMascheraBasta_data() {
    QTest::addColumn<bool>("testo");
    QTest::newRow("stringa") << true;
    QTest::newRow("file") << false;
  }
  void unaChiaveConLaStessaMascheraBasta() {
    QFETCH(bool, testo);
    const std::string c = Portante("c.bmp");
    const prova::Byte dati = OgniByte(5);
    const std::string sorgente = *dir_ / "dati.bin";
    prova::Scrivi(sorgente, dati);
    PASSO(ScegliCrypt(c, 2));
    if (testo)
      PASSO(NascondiTesto(kTesto, kChiave));
    else
      PASSO(NascondiFile(sorgente, kChiave));
    PASSO(ScegliDeCrypt(c));
    const QString rovescio = AlRovescio(kChiave);
    QVERIFY(rovescio != kChiave);
    const QString altra = kChiave + QLatin1Char('x');
    if (testo) {
      PASSO(RivelaTesto(2, rovescio));
      QCOMPARE(Multiriga("Text1")->text(), kTesto);
      PASSO(RivelaTesto(2, altra));
      QVERIFY(Multiriga("Text1")->text() != kTesto);
    } else {
      PASSO(RivelaFile(2, rovescio, QStringLiteral("rovescio.bin")));
      QCOMPARE(prova::Leggi(*dir_ / "rovescio.bin"), dati);
      PASSO(RivelaFile(2, altra, QStringLiteral("altra.bin")));
      const QString altraUscita = Cartella() + QStringLiteral("/altra.bin");
      QVERIFY(!QFile::exists(altraUscita) || prova::Leggi(altraUscita.toStdString()) != dati);
    }
  }

  void unAltroNumeroDiBitNonRidaIlTesto_data() { OgniNumeroDiBit(); }
  void unAltroNumeroDiBitNonRidaIlTesto() {
    QFETCH(int, nbit);
    const std::string c = Portante("c.bmp");
    PASSO(ScegliCrypt(c, nbit));
    PASSO(NascondiTesto(kTesto, kChiave));
    PASSO(ScegliDeCrypt(c));
    for (const int altro : {1, 2, 4, 8}) {
      if (altro == nbit) continue;
      PASSO(RivelaTesto(altro, kChiave));
      QVERIFY2(Multiriga("Text1")->text() != kTesto, qPrintable(QString::number(altro)));
    }
    PASSO(RivelaTesto(nbit, kChiave));
    QCOMPARE(Multiriga("Text1")->text(), kTesto);
  }

  // --- the header record shared by the two tabs ----------------------------

  // A reveal between two hides leaves the other carrier's header in the
  // engine's record; the second hide still goes to its own carrier's data.
  void unaRivelazioneInMezzoNonSpostaLaCriptazione_data() {
    QTest::addColumn<bool>("testo");
    QTest::newRow("stringa") << true;
    QTest::newRow("file") << false;
  }
  void unaRivelazioneInMezzoNonSpostaLaCriptazione() {
    QFETCH(bool, testo);
    // The hide carrier has a palette up to 1078; the other one none.
    const std::string a = Portante("palette.bmp", 1078, 3000);
    const std::string b = Portante("semplice.bmp", 54, 8000);
    const prova::Byte aPrima = prova::Leggi(a);
    const QString perB = QStringLiteral("per l'altra bitmap");
    const int nbit = 2;

    PASSO(ScegliCrypt(b, nbit));
    PASSO(NascondiTesto(perB, kChiave));
    const prova::Byte bNascosto = prova::Leggi(b);
    PASSO(ScegliCrypt(a, nbit));
    PASSO(NascondiTesto(QStringLiteral("primo carico"), kChiave));

    PASSO(ScegliDeCrypt(b));
    PASSO(RivelaTesto(nbit, kChiave));
    QCOMPARE(Multiriga("Text1")->text(), perB);
    QCOMPARE(Crypta::BmpHeader.OffsetDati, 54.0);

    // The second hide, into the carrier still chosen on "Crypt".
    const QString secondo = QStringLiteral("secondo carico, più lungo del primo €");
    const prova::Byte dati = OgniByte(9);
    const std::string sorgente = *dir_ / "dati.bin";
    prova::Scrivi(sorgente, dati);
    QCOMPARE(Casella("TxtDirCrypt")->text(), Q(a));
    if (testo)
      PASSO(NascondiTesto(secondo, kChiave));
    else
      PASSO(NascondiFile(sorgente, kChiave));

    const prova::Byte aDopo = prova::Leggi(a);
    QCOMPARE(aDopo.size(), aPrima.size());
    QVERIFY(std::equal(aPrima.begin(), aPrima.begin() + 1078, aDopo.begin()));
    QVERIFY(prova::Leggi(b) == bNascosto);

    PASSO(ScegliDeCrypt(a));
    if (testo) {
      PASSO(RivelaTesto(nbit, kChiave));
      QCOMPARE(Multiriga("Text1")->text(), secondo);
    } else {
      PASSO(RivelaFile(nbit, kChiave, QStringLiteral("uscita.bin")));
      QCOMPARE(prova::Leggi(*dir_ / "uscita.bin"), dati);
    }
  }

  // --- the extracted file ---------------------------------------------------

  void dueRivelazioniNelloStessoFileSiAccodano() {
    const std::string c = Portante("c.bmp");
    const prova::Byte dati = OgniByte(3);
    const std::string sorgente = *dir_ / "dati.bin";
    prova::Scrivi(sorgente, dati);
    PASSO(ScegliCrypt(c, 4));
    PASSO(NascondiFile(sorgente, kChiave));
    PASSO(ScegliDeCrypt(c));
    PASSO(RivelaFile(4, kChiave, QStringLiteral("Crypto.cry")));
    PASSO(RivelaFile(4, kChiave, QStringLiteral("Crypto.cry")));
    prova::Byte atteso = dati;
    atteso.insert(atteso.end(), dati.begin(), dati.end());
    QCOMPARE(prova::Leggi(*dir_ / "Crypto.cry"), atteso);
  }
};

QTEST_MAIN(TestGiro)
#include "TestGiro.moc"
