// The round trip as the user makes it in the window: a payload hidden on the
// "Crypt" tab and revealed on the "Decrypt" tab through the controls alone,
// the file dialogs answered by the scripted seam. The engine is called only
// to compare with what the window did.
#include <QtTest>
#include <algorithm>
#include <memory>
#include <random>
#include <string>

#include "Avvio.h"
#include "Codici.h"
#include "Crypta.h"
#include "FrmMain.h"
#include "PiattaformaProva.h"
#include "Supporto.h"
#include "Trova.h"

// A helper's failed check ends the test that called it.
#define PASSO(chiamata)                     \
  do {                                      \
    chiamata;                               \
    if (QTest::currentTestFailed()) return; \
  } while (false)

namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// The scroll bar position for a bit count: the top gives 8 bits, the bottom 1.
int Posizione(int nbit) {
  return nbit == 8 ? 0 : nbit == 4 ? 1 : nbit == 2 ? 2 : 3;
}

const QString kTesto = QStringLiteral("Prima riga: caffè a 2 €\nseconda riga");
const QString kChiave = QStringLiteral("Chiave è €");

// The key backwards: other characters in another order, the same mask.
QString AlRovescio(const QString& s) {
  QString r = s;
  std::reverse(r.begin(), r.end());
  return r;
}

// A few hundred bytes holding every byte value, in an order of their own.
prova::Byte OgniByte(uint32_t seme) {
  prova::Byte b = prova::Casuali(300, seme);
  for (int i = 0; i < 256; ++i) b[size_t(i)] = uint8_t(i);
  std::shuffle(b.begin(), b.end(), std::mt19937(seme));
  return b;
}

std::string CodiciDi(const QString& testo) {
  return Codici::DaTesto(testo).value();
}

}  // namespace

class TestGiro : public QObject, public Controlli {
  Q_OBJECT

  QWidget* Finestra() const override { return w_.get(); }

  std::unique_ptr<prova::Cartella> dir_;
  std::unique_ptr<PiattaformaProva> seam_;
  std::unique_ptr<FrmMain> w_;
  uint32_t seme_ = 0;

  std::string Portante(const std::string& nome, uint32_t offset = 54, size_t pixel = 4000) {
    prova::Bitmap b;
    b.offset = offset;
    b.pixel = pixel;
    b.seme = ++seme_;
    return prova::Scrivi(*dir_, nome, b);
  }

  QString Cartella() const { return Q(dir_->Path().string()); }

  // Keystrokes as the keyboard makes them: Return for a line break, every
  // other character as its key's text, so "€" comes in as typed too.
  static void Digita(QWidget* casella, const QString& testo) {
    casella->setFocus();
    for (const QChar c : testo) {
      if (c == QLatin1Char('\n'))
        QTest::keyClick(casella, Qt::Key_Return);
      else
        QTest::sendKeyEvent(QTest::Click, casella, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }

  void Fatto() {
    QVERIFY(w_->isEnabled());
    QCOMPARE(seam_->Messaggi, QStringList());
    QCOMPARE(seam_->Inattesi, 0);
  }

  // The bit count first: moving its scroll bar empties the tab's carrier.
  void ScegliCrypt(const std::string& carrier, int nbit) {
    Schede()->setCurrentIndex(0);
    Barra("VScroll1")->setValue(Posizione(nbit));
    QCOMPARE(Casella("TxtBit")->text(), QString::number(nbit));
    seam_->Risposte.push_back(Q(carrier));
    QTest::mouseClick(Pulsante("CmdDirCrypt"), Qt::LeftButton);
    QCOMPARE(Casella("TxtDirCrypt")->text(), Q(carrier));
    QVERIFY(Pulsante("CmdCrypt")->isEnabled());
    PASSO(Fatto());
  }

  void Chiave(const QString& chiave) {
    Casella("TxtKey")->clear();
    Digita(Casella("TxtKey"), chiave);
    QCOMPARE(Casella("TxtKey")->text(), chiave);
  }

  void Crypt() {
    QVERIFY(Pulsante("CmdCrypt")->isEnabled());
    QTest::mouseClick(Pulsante("CmdCrypt"), Qt::LeftButton);
    PASSO(Fatto());
  }

  void NascondiTesto(const QString& testo, const QString& chiave) {
    Schede()->setCurrentIndex(0);
    QTest::mouseClick(Opzione("Option3"), Qt::LeftButton);
    QVERIFY(Opzione("Option3")->isChecked());
    Multiriga("TxtString")->clear();
    Digita(Multiriga("TxtString"), testo);
    QCOMPARE(Multiriga("TxtString")->text(), testo);
    PASSO(Chiave(chiave));
    PASSO(Crypt());
  }

  void NascondiFile(const std::string& file, const QString& chiave) {
    Schede()->setCurrentIndex(0);
    QTest::mouseClick(Opzione("Option4"), Qt::LeftButton);
    QVERIFY(Opzione("Option4")->isChecked());
    seam_->Risposte.push_back(Q(file));
    QTest::mouseClick(Pulsante("Command1"), Qt::LeftButton);
    QCOMPARE(Casella("TxtSelFile")->text(), Q(file));
    PASSO(Chiave(chiave));
    PASSO(Crypt());
  }

  void ScegliDeCrypt(const std::string& carrier) {
    Schede()->setCurrentIndex(1);
    seam_->Risposte.push_back(Q(carrier));
    QTest::mouseClick(Pulsante("CmdDirDeCrypt"), Qt::LeftButton);
    QCOMPARE(Casella("TxtDirDeCrypt")->text(), Q(carrier));
    QVERIFY(Pulsante("CmdDeCrypt")->isEnabled());
    PASSO(Fatto());
  }

  void DeCrypt(int nbit, const QString& chiave) {
    Barra("VScroll2")->setValue(Posizione(nbit));
    QCOMPARE(Casella("TxtBt")->text(), QString::number(nbit));
    Casella("Text3")->clear();
    Digita(Casella("Text3"), chiave);
    QCOMPARE(Casella("Text3")->text(), chiave);
    QTest::mouseClick(Pulsante("CmdDeCrypt"), Qt::LeftButton);
    PASSO(Fatto());
  }

  static void OgniNumeroDiBit() {
    QTest::addColumn<int>("nbit");
    for (const int n : {1, 2, 4, 8}) QTest::newRow(QByteArray::number(n) + " bit") << n;
  }

  // What the reveal shows is left in Text1.
  void RivelaTesto(int nbit, const QString& chiave) {
    Schede()->setCurrentIndex(1);
    QTest::mouseClick(Opzione("Option5"), Qt::LeftButton);
    QVERIFY(Opzione("Option5")->isChecked());
    PASSO(DeCrypt(nbit, chiave));
  }

  // Into `nome` in the test's folder, typed over the defaults of "&File".
  void RivelaFile(int nbit, const QString& chiave, const QString& nome) {
    Schede()->setCurrentIndex(1);
    QTest::mouseClick(Opzione("Option6"), Qt::LeftButton);
    QVERIFY(Opzione("Option6")->isChecked());
    Casella("Text5")->clear();
    Digita(Casella("Text5"), nome);
    Casella("Text4")->clear();
    Digita(Casella("Text4"), Cartella());
    QCOMPARE(Casella("Text4")->text(), Cartella());
    PASSO(DeCrypt(nbit, chiave));
  }

 private slots:
  void initTestCase() { Avvio::Prepara(*qApp); }

  void init() {
    Crypta::BmpHeader = {};
    dir_ = std::make_unique<prova::Cartella>();
    seam_ = std::make_unique<PiattaformaProva>();
    w_ = std::make_unique<FrmMain>();
    w_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
  }

  void cleanup() {
    w_.reset();
    seam_.reset();
    dir_.reset();
  }

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
