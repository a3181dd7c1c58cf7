// Reveals from the "Decrypt" tab: a string into the tab and a file into the
// chosen folder and name, at every bit count, giving back exactly what was
// hidden; a second reveal into one file appends; the progress figure and the
// window disabled while the payload is read; the failure text False.
#include <QtTest>
#include <vector>

#include "BancoDeCrypt.h"

class TestDeCryptRivela : public QObject {
  Q_OBJECT

  std::unique_ptr<BancoDeCrypt> b_;

  // Every character the format can carry that a text box shows as itself:
  // the printable codes of Windows-1252 (its gaps taken as C1 controls are
  // left to the text conversion's own tests).
  static QString Occidentale() {
    std::string codici;
    for (int c = 0x20; c <= 0xFF; ++c)
      if (c != 0x7F && c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D)
        codici.push_back(char(c));
    return Codici::ATesto(codici);
  }

 private slots:
  void initTestCase() { Avvio::Prepara(*qApp); }
  void init() { b_ = std::make_unique<BancoDeCrypt>(); }
  void cleanup() { b_.reset(); }

  void unaStringaTornaComEraAOgniNumeroDiBit_data() {
    QTest::addColumn<int>("nbit");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("chiave");
    const QString righe = QStringLiteral("Prima riga\nseconda: àèìòù €‰ ß\n\nquarta");
    for (const int n : {1, 2, 4, 8}) {
      const QByteArray bit = QByteArray::number(n);
      QTest::newRow("righe " + bit) << n << righe << QStringLiteral("chiave segreta");
      QTest::newRow("occidentale " + bit) << n << Occidentale() << QStringLiteral("àé€");
      QTest::newRow("senza chiave " + bit) << n << QStringLiteral("x") << QString();
    }
  }

  void unaStringaTornaComEraAOgniNumeroDiBit() {
    QFETCH(int, nbit);
    QFETCH(QString, testo);
    QFETCH(QString, chiave);
    b_->Carrier(b_->ConTesto(testo, chiave, int16_t(nbit)));
    b_->Bit(nbit);
    b_->Casella("Text3")->setText(chiave);
    b_->DeCrypt();
    QCOMPARE(b_->Multiriga("Text1")->text(), testo);
    QVERIFY(b_->seam->Messaggi.isEmpty());
    QVERIFY(b_->w->isEnabled());
  }

  // Only the exclusive-or of the key's codes counts.
  void unaChiaveConLaStessaMascheraBasta() {
    b_->Carrier(b_->ConTesto(QStringLiteral("nascosto"), QStringLiteral("chiave"), 2));
    b_->Bit(2);
    b_->Casella("Text3")->setText(QStringLiteral("evaihc"));
    b_->DeCrypt();
    QCOMPARE(b_->Multiriga("Text1")->text(), QStringLiteral("nascosto"));
  }

  void unaChiaveSbagliataNonRidaIlTesto() {
    b_->Carrier(b_->ConTesto(QStringLiteral("nascosto"), QStringLiteral("chiave"), 4));
    b_->Bit(4);
    b_->Casella("Text3")->setText(QStringLiteral("chiavi"));
    b_->DeCrypt();
    QVERIFY(b_->Multiriga("Text1")->text() != QStringLiteral("nascosto"));
    QVERIFY(b_->w->isEnabled());
  }

  void unFileTornaComEraAOgniNumeroDiBit_data() {
    QTest::addColumn<int>("nbit");
    for (const int n : {1, 2, 4, 8}) QTest::newRow(QByteArray::number(n)) << n;
  }

  void unFileTornaComEraAOgniNumeroDiBit() {
    QFETCH(int, nbit);
    const prova::Byte dati = prova::Casuali(900, uint32_t(nbit));
    b_->Carrier(b_->ConFile(dati, QStringLiteral("k"), int16_t(nbit)));
    b_->Bit(nbit);
    b_->Casella("Text3")->setText(QStringLiteral("k"));
    b_->File(b_->Cartella(), QStringLiteral("uscita.bin"));
    b_->DeCrypt();
    QCOMPARE(prova::Leggi(b_->dir / "uscita.bin"), dati);
    QCOMPARE(b_->Multiriga("Text1")->text(), QString());
    QVERIFY(!b_->Multiriga("Text1")->isEnabled());
    QVERIFY(b_->seam->Messaggi.isEmpty());
    QVERIFY(b_->w->isEnabled());
  }

  void dueEstrazioniNelloStessoFileSiAccodano() {
    const prova::Byte dati = prova::Casuali(300, 7);
    b_->Carrier(b_->ConFile(dati, QStringLiteral("k"), 8));
    b_->Bit(8);
    b_->Casella("Text3")->setText(QStringLiteral("k"));
    const prova::Byte vecchio{'v', 'e', 'c', 'c', 'h', 'i', 'o'};
    prova::Scrivi(b_->dir / "Crypto.cry", vecchio);
    b_->File(b_->Cartella(), QStringLiteral("Crypto.cry"));
    b_->DeCrypt();
    b_->DeCrypt();
    prova::Byte atteso = vecchio;
    atteso.insert(atteso.end(), dati.begin(), dati.end());
    atteso.insert(atteso.end(), dati.begin(), dati.end());
    QCOMPARE(prova::Leggi(b_->dir / "Crypto.cry"), atteso);
  }

  // One separator goes between the folder and the name, whatever the
  // folder ends with; "a//b" names the same file as "a/b" here.
  void ilFileVaNellaCartellaEColNomeScelti() {
    const prova::Byte dati = prova::Casuali(50, 3);
    b_->Carrier(b_->ConFile(dati, QString(), 1));
    QVERIFY(QDir(b_->Cartella()).mkdir(QStringLiteral("pre")));
    b_->File(b_->Cartella() + QStringLiteral("/pre"), QStringLiteral("fisso"));
    b_->DeCrypt();
    QCOMPARE(prova::Leggi(b_->dir / "pre/fisso"), dati);
    QVERIFY(!QFile::exists(b_->Cartella() + QStringLiteral("/prefisso")));

    b_->File(b_->Cartella() + QStringLiteral("/"), QStringLiteral("barra"));
    b_->DeCrypt();
    QCOMPARE(prova::Leggi(b_->dir / "barra"), dati);
    QVERIFY(b_->seam->Messaggi.isEmpty());
  }

  // The reveal shows its figure before each payload byte, and the window
  // is disabled from the first one to the end.
  void lAvanzamentoSiVedeEAFinestraDisabilitata() {
    b_->Carrier(b_->ConTesto(QStringLiteral("abcd"), QString(), 1));
    std::vector<std::pair<std::string, bool>> visti;
    FrmMain* const w = b_->w.get();
    QLineEdit* const perc = Trova<QLineEdit>(w, "TxtPerc");
    const QMetaObject::Connection c =
        QObject::connect(perc, &QLineEdit::textChanged, [&visti, w](const QString& t) {
          visti.emplace_back(t.toStdString(), w->isEnabled());
        });
    b_->DeCrypt();
    QObject::disconnect(c);
    QCOMPARE(b_->Multiriga("Text1")->text(), QStringLiteral("abcd"));
    const std::vector<std::pair<std::string, bool>> attesi{
        {" 0%", false}, {" 25%", false}, {" 50%", false}, {" 75%", false}};
    QCOMPARE(visti, attesi);
    QCOMPARE(b_->Casella("TxtPerc")->text(), QStringLiteral(" 75%"));
    QVERIFY(b_->w->isEnabled());
  }

  // Whatever happened to the window while the reveal ran, the tab gives it
  // back; the design's global hooks play no part in the window's reveal.
  void laFinestraTornaAbilitataComunque() {
    b_->Carrier(b_->ConTesto(QStringLiteral("ab"), QString(), 1));
    FrmMain* const w = b_->w.get();
    int chiamate = 0;
    Crypta::Finestra.Abilita = [](bool) { QFAIL("the window installs no hook"); };
    const QMetaObject::Connection c = QObject::connect(
        Trova<QLineEdit>(w, "TxtPerc"), &QLineEdit::textChanged, [w, &chiamate](const QString&) {
          ++chiamate;
          w->setEnabled(false);
        });
    b_->DeCrypt();
    QObject::disconnect(c);
    Crypta::Finestra = {};
    QVERIFY(chiamate > 0);
    QCOMPARE(b_->Multiriga("Text1")->text(), QStringLiteral("ab"));
    QVERIFY(b_->w->isEnabled());
  }

  void unaLunghezzaCheNonStaDaFalse() {
    // Every low bit set: a length of 2^31 or more.
    const std::string c = b_->NuovoCarrier(400);
    prova::Byte byte = prova::Leggi(c);
    std::fill(byte.begin() + 54, byte.end(), uint8_t(0xFF));
    prova::Scrivi(c, byte);
    b_->Carrier(c);
    b_->DeCrypt();
    QCOMPARE(b_->Multiriga("Text1")->text(), QStringLiteral("False"));
    QVERIFY(b_->seam->Messaggi.isEmpty());

    // In file mode the text is dropped and no file is made.
    b_->File(b_->Cartella(), QStringLiteral("niente.bin"));
    b_->DeCrypt();
    QVERIFY(!QFile::exists(b_->Cartella() + QStringLiteral("/niente.bin")));
    QCOMPARE(b_->Multiriga("Text1")->text(), QString());
    QVERIFY(b_->seam->Messaggi.isEmpty());
    QVERIFY(b_->w->isEnabled());
  }

  void unFileCheNonEUnaBitmapDaFalse() {
    prova::Scrivi(b_->dir / "testo.txt", prova::Byte(500, 'a'));
    b_->Carrier(b_->dir / "testo.txt");
    b_->DeCrypt();
    QCOMPARE(b_->Multiriga("Text1")->text(), QStringLiteral("False"));
    QVERIFY(b_->seam->Messaggi.isEmpty());
    QVERIFY(b_->w->isEnabled());
  }

  void unaStringaVuotaDaUnTestoVuoto() {
    b_->Carrier(b_->ConTesto(QString(), QStringLiteral("k"), 4));
    b_->Bit(4);
    b_->Casella("Text3")->setText(QStringLiteral("k"));
    b_->Multiriga("Text1")->setText(QStringLiteral("di prima"));
    b_->DeCrypt();
    QCOMPARE(b_->Multiriga("Text1")->text(), QString());
    QVERIFY(b_->seam->Messaggi.isEmpty());
    QVERIFY(b_->w->isEnabled());
  }

  // The carrier is only read.
  void laBitmapNonCambia() {
    const std::string c = b_->ConTesto(QStringLiteral("resta"), QString(), 1);
    const prova::Byte prima = prova::Leggi(c);
    b_->Carrier(c);
    b_->DeCrypt();
    b_->File(b_->Cartella(), QStringLiteral("fuori"));
    b_->DeCrypt();
    QCOMPARE(prova::Leggi(c), prima);
    QCOMPARE(prova::Leggi(b_->dir / "fuori"), (prova::Byte{'r', 'e', 's', 't', 'a'}));
  }
};

QTEST_MAIN(TestDeCryptRivela)
#include "TestDeCryptRivela.moc"
