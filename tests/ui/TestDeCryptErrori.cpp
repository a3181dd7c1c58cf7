// Reveals that cannot be done: each is told in one message, leaves the
// extracted-string box empty, appends nothing and gives the window back,
// enabled already while the message is up.
#include <sys/resource.h>

#include <QFileInfo>
#include <QtTest>
#include <csignal>
#include <filesystem>

#include "BancoDeCrypt.h"

class TestDeCryptErrori : public QObject {
  Q_OBJECT

  std::unique_ptr<BancoDeCrypt> b_;
  bool abilitataAlMessaggio_ = false;

  // The reveal failed as it should: one message that contains `parola`,
  // nothing in Text1, the window enabled throughout the message.
  void Rifiutato(const QString& parola) {
    QCOMPARE(b_->seam->Messaggi.size(), 1);
    const QString m = b_->seam->Messaggi.first();
    QVERIFY2(m.contains(parola), qPrintable(m));
    QVERIFY(abilitataAlMessaggio_);
    QCOMPARE(b_->Multiriga("Text1")->text(), QString());
    QVERIFY(b_->w->isEnabled());
  }

  // A carrier with a payload and the tab ready to reveal it, text mode,
  // with an earlier result still in Text1.
  std::string Pronto(int16_t nbit = 1) {
    const std::string c = b_->ConTesto(QStringLiteral("segreto"), QStringLiteral("k"), nbit);
    b_->Carrier(c);
    b_->Bit(nbit);
    b_->Casella("Text3")->setText(QStringLiteral("k"));
    b_->Multiriga("Text1")->setText(QStringLiteral("estratto prima"));
    return c;
  }

  QStringList Contenuto() const {
    return QDir(b_->Cartella()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
  }

  std::string ProntoFile(const prova::Byte& dati) {
    const std::string c = b_->ConFile(dati, QStringLiteral("k"), 2);
    b_->Carrier(c);
    b_->Bit(2);
    b_->Casella("Text3")->setText(QStringLiteral("k"));
    return c;
  }

 private slots:
  void initTestCase() { Avvio::Prepara(*qApp); }
  void init() {
    b_ = std::make_unique<BancoDeCrypt>();
    abilitataAlMessaggio_ = false;
    b_->seam->AlMessaggio = [this](const QString&) { abilitataAlMessaggio_ = b_->w->isEnabled(); };
  }
  void cleanup() { b_.reset(); }

  void unaBitmapCheNonCe() {
    Pronto();
    b_->Casella("TxtDirDeCrypt")->setText(b_->Cartella() + QStringLiteral("/sparita.bmp"));
    b_->DeCrypt();
    Rifiutato(QStringLiteral("non esiste"));
  }

  void unaCartellaAlPostoDellaBitmap() {
    Pronto();
    b_->Casella("TxtDirDeCrypt")->setText(b_->Cartella());
    b_->DeCrypt();
    Rifiutato(QStringLiteral("non è un file"));
  }

  void nessunaBitmap() {
    // Without a carrier path "&DeCrypt" cannot be pressed at all.
    Pronto();
    b_->Casella("TxtDirDeCrypt")->setText(QString());
    QVERIFY(!b_->Pulsante("CmdDeCrypt")->isEnabled());
    b_->DeCrypt();
    QCOMPARE(b_->seam->Messaggi.size(), 0);
    QCOMPARE(b_->Multiriga("Text1")->text(), QStringLiteral("estratto prima"));
  }

  void unaBitmapPiuCortaDellaSuaIntestazione() {
    const std::string c = Pronto();
    prova::Byte byte = prova::Leggi(c);
    byte.resize(54 + 60);  // the header still claims 8000 pixel bytes, the payload needs 88
    prova::Scrivi(c, byte);
    b_->DeCrypt();
    Rifiutato(QStringLiteral("più corta"));
  }

  void unaChiaveFuoriDallAlfabeto() {
    Pronto();
    b_->Casella("Text3")->setText(QStringLiteral("kĀ"));
    b_->DeCrypt();
    Rifiutato(QStringLiteral("\"Ā\""));
  }

  void unNumeroDiBitNonValido() {
    Pronto();
    b_->Casella("TxtBt")->setText(QStringLiteral("3"));
    b_->DeCrypt();
    Rifiutato(QStringLiteral("bit"));
  }

  void unNomeDiFileVuoto() {
    ProntoFile(prova::Casuali(20, 1));
    const QStringList prima = Contenuto();
    b_->File(b_->Cartella(), QString());
    b_->DeCrypt();
    Rifiutato(QStringLiteral("nome del file"));
    QCOMPARE(Contenuto(), prima);
  }

  void unaCartellaVuota() {
    ProntoFile(prova::Casuali(20, 1));
    b_->File(QString(), QStringLiteral("fuori.bin"));
    b_->DeCrypt();
    Rifiutato(QStringLiteral("cartella"));
    QVERIFY(!QFile::exists(QDir::rootPath() + QStringLiteral("fuori.bin")));
  }

  void unaCartellaCheNonCe() {
    ProntoFile(prova::Casuali(20, 1));
    const QString cartella = b_->Cartella() + QStringLiteral("/mancante");
    b_->File(cartella, QStringLiteral("fuori.bin"));
    b_->DeCrypt();
    Rifiutato(QStringLiteral("non esiste"));
    QVERIFY(!QFileInfo::exists(cartella));
  }

  void unFileAlPostoDellaCartella() {
    ProntoFile(prova::Casuali(20, 1));
    prova::Scrivi(b_->dir / "piano", prova::Byte{1, 2, 3});
    b_->File(b_->Cartella() + QStringLiteral("/piano"), QStringLiteral("fuori.bin"));
    b_->DeCrypt();
    Rifiutato(QStringLiteral("non è una cartella"));
    QCOMPARE(prova::Leggi(b_->dir / "piano"), (prova::Byte{1, 2, 3}));
  }

  // Folder and name pass the checks; the engine refuses to open the result.
  void unaCartellaComeNomeDelFile() {
    ProntoFile(prova::Casuali(20, 1));
    QVERIFY(QDir(b_->Cartella()).mkdir(QStringLiteral("sotto")));
    b_->File(b_->Cartella(), QStringLiteral("sotto"));
    b_->DeCrypt();
    Rifiutato(QStringLiteral("Estrazione non riuscita"));
    QVERIFY(QFileInfo(b_->Cartella() + QStringLiteral("/sotto")).isDir());
  }

  void ilFileDiUscitaELaBitmapStessa() {
    const std::string c = ProntoFile(prova::Casuali(20, 1));
    const prova::Byte prima = prova::Leggi(c);
    const QFileInfo info(QString::fromStdString(c));
    b_->File(info.absolutePath(), info.fileName());
    b_->DeCrypt();
    Rifiutato(QStringLiteral("bitmap di appoggio stessa"));
    QCOMPARE(prova::Leggi(c), prima);
  }

  // A file that cannot grow past a limit: the reveal fails halfway through
  // writing, and what it had appended goes again.
  void unaScritturaInterrottaNonLasciaNiente_data() {
    QTest::addColumn<bool>("esisteva");
    QTest::newRow("file esistente") << true;
    QTest::newRow("file nuovo") << false;
  }

  void unaScritturaInterrottaNonLasciaNiente() {
    QFETCH(bool, esisteva);
    ProntoFile(prova::Casuali(700, 5));
    const prova::Byte vecchio{'p', 'r', 'i', 'm', 'a'};
    if (esisteva) prova::Scrivi(b_->dir / "fuori.bin", vecchio);
    b_->File(b_->Cartella(), QStringLiteral("fuori.bin"));

    rlimit prima{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &prima), 0);
    rlimit stretto = prima;
    stretto.rlim_cur = 300;
    const auto segnale = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &stretto), 0);
    b_->DeCrypt();
    setrlimit(RLIMIT_FSIZE, &prima);
    std::signal(SIGXFSZ, segnale);

    Rifiutato(QStringLiteral("Estrazione non riuscita"));
    if (esisteva)
      QCOMPARE(prova::Leggi(b_->dir / "fuori.bin"), vecchio);
    else
      QVERIFY(!QFile::exists(b_->Cartella() + QStringLiteral("/fuori.bin")));
  }

  // After a failure the tab works as before.
  void dopoUnErroreSiRiprova() {
    Pronto();
    b_->Casella("Text3")->setText(QStringLiteral("Ā"));
    b_->DeCrypt();
    QCOMPARE(b_->seam->Messaggi.size(), 1);
    b_->Casella("Text3")->setText(QStringLiteral("k"));
    b_->DeCrypt();
    QCOMPARE(b_->Multiriga("Text1")->text(), QStringLiteral("segreto"));
    QCOMPARE(b_->seam->Messaggi.size(), 1);
  }
};

QTEST_MAIN(TestDeCryptErrori)
#include "TestDeCryptErrori.moc"
