// The "Crypt" tab driven through the window with the scripted seam: the two
// file dialogs, text and file mode, the size check of the file to hide, and
// the hide itself, which must write exactly what the engine writes for the
// same inputs. Every refused hide shows one message, writes nothing and
// leaves the window enabled.
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

const QString kTroppoGrande = QStringLiteral("Attenzione !!\r\nFile troppo grande");

}  // namespace

class TestTabCrypt : public Banco {
  Q_OBJECT

  std::string Carico(const std::string& nome, size_t n, uint32_t seme = 7) {
    const std::string p = *dir_ / nome;
    prova::Scrivi(p, prova::Casuali(n, seme));
    return p;
  }

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

  // Frame1, TxtString, TxtSelFile, Command1, CmdCrypt: the tab's state.
  QString Stato() const {
    QString s;
    for (const QWidget* c : std::initializer_list<const QWidget*>{
             Cornice("Frame1"), Multiriga("TxtString"), Casella("TxtSelFile"), Pulsante("Command1"),
             Pulsante("CmdCrypt")})
      s += c->isEnabled() ? '1' : '0';
    return s;
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

  void iDialoghiHannoIlLoroFiltro() {
    Scegli(Portante("dieci.bmp"));
    Opzione("Option4")->click();
    ScegliFile(Carico("carico.da", 5));
    QCOMPARE(seam_->Dialoghi.size(), std::size_t(2));
    QCOMPARE(seam_->Dialoghi[0].Filtro,
             QStringLiteral("Tutti i file (*.*)|*.*|FileBitmap (*.bmp)|*.bmp"));
    QCOMPARE(seam_->Dialoghi[0].Indice, 2);
    QCOMPARE(seam_->Dialoghi[1].Filtro, QStringLiteral("Tutti i file (*.*)|*.*"));
    QCOMPARE(seam_->Dialoghi[1].Indice, 1);
    QCOMPARE(seam_->Inattesi, 0);
  }

  void annullareLaBitmapLasciaLaSchedaSenzaBitmap() {
    Scegli(Portante("dieci.bmp"));
    Multiriga("TxtString")->setText(QStringLiteral("abc"));
    seam_->Risposte.push_back(std::nullopt);
    Pulsante("CmdDirCrypt")->click();
    QCOMPARE(Casella("TxtDirCrypt")->text(), QString());
    QCOMPARE(Multiriga("TxtString")->text(), QString());
    QCOMPARE(Etichetta("Label5")->text(), QString());
    QVERIFY(!Pulsante("CmdCrypt")->isEnabled());
    QVERIFY(!Cornice("Frame1")->isEnabled());
    QCOMPARE(seam_->Messaggi, QStringList());
  }

  void leDueModalita() {
    Mostra();
    Scegli(Portante("dieci.bmp"));
    QCOMPARE(Stato(), QStringLiteral("11001"));
    Multiriga("TxtString")->setText(QStringLiteral("da perdere"));
    QTest::mouseClick(Opzione("Option4"), Qt::LeftButton);
    QVERIFY(Opzione("Option4")->isChecked());
    QCOMPARE(Stato(), QStringLiteral("10110"));
    QCOMPARE(Multiriga("TxtString")->text(), QString());
    QTest::mouseClick(Opzione("Option3"), Qt::LeftButton);
    QVERIFY(Opzione("Option3")->isChecked());
    QCOMPARE(Stato(), QStringLiteral("11001"));
    QCOMPARE(Multiriga("TxtString")->text(), QString());  // not given back
    QCOMPARE(Casella("TxtSelFile")->text(), QString());

    // A file accepted, then text mode: the path goes.
    QTest::mouseClick(Opzione("Option4"), Qt::LeftButton);
    const std::string carico = Carico("carico.da", 5);
    ScegliFile(carico);
    QCOMPARE(Casella("TxtSelFile")->text(), Q(carico));
    QCOMPARE(Stato(), QStringLiteral("10111"));
    w_->Option3_Click();
    QCOMPARE(Casella("TxtSelFile")->text(), QString());
    QCOMPARE(Stato(), QStringLiteral("11001"));
  }

  void ilFileDeveStareSottoLaCapienza() {
    // 832 pixel bytes at 1 bit: 100 bytes of room.
    Scegli(Portante("cento.bmp", ConPixel(832)));
    QCOMPARE(Etichetta("Label5")->text(), QStringLiteral("100"));
    Opzione("Option4")->click();
    const std::string carico = *dir_ / "carico.da";  // 9 characters

    prova::Scrivi(carico, prova::Casuali(91, 1));
    ScegliFile(carico);
    QCOMPARE(seam_->Messaggi, QStringList({kTroppoGrande}));
    QCOMPARE(Casella("TxtSelFile")->text(), QString());
    QVERIFY(!Pulsante("CmdCrypt")->isEnabled());
    Opzione("Option4")->click();  // file mode again does not help
    QVERIFY(!Pulsante("CmdCrypt")->isEnabled());

    prova::Scrivi(carico, prova::Casuali(90, 1));
    ScegliFile(carico);
    QCOMPARE(seam_->Messaggi.size(), 1);
    QCOMPARE(Casella("TxtSelFile")->text(), Q(carico));
    QVERIFY(Pulsante("CmdCrypt")->isEnabled());

    // A cancelled new choice empties the path and leaves "&Crypt" as it was.
    seam_->Risposte.push_back(std::nullopt);
    Pulsante("Command1")->click();
    QCOMPARE(Casella("TxtSelFile")->text(), QString());
    QVERIFY(Pulsante("CmdCrypt")->isEnabled());
    QCOMPARE(seam_->Messaggi.size(), 1);
  }

  void unFileSenzaMisuraETroppoGrande_data() {
    QTest::addColumn<int>("caso");
    QTest::newRow("mancante") << 0;
    QTest::newRow("cartella") << 1;
    QTest::newRow("nome piu dimensione oltre 32 bit") << 2;
    QTest::newRow("oltre 2 GiB") << 3;
  }

  void unFileSenzaMisuraETroppoGrande() {
    QFETCH(int, caso);
    Scegli(Portante("dieci.bmp"));
    Opzione("Option4")->click();
    ScegliFile(Carico("piccolo", 5));
    QVERIFY(Pulsante("CmdCrypt")->isEnabled());
    const std::string p = *dir_ / "enorme.bin";
    if (caso == 1) std::filesystem::create_directory(p);
    if (caso >= 2) {
      prova::Scrivi(p, {});
      std::filesystem::resize_file(p, caso == 2 ? 0x7fffffffu : 0x80000000u);  // sparse
    }
    ScegliFile(p);
    QCOMPARE(seam_->Messaggi, QStringList({kTroppoGrande}));
    QCOMPARE(Casella("TxtSelFile")->text(), QString());
    QVERIFY(!Pulsante("CmdCrypt")->isEnabled());
  }

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

  void unaRivelazioneInMezzoNonCambiaLaMisuraDelFile() {
    Scegli(Portante("cento.bmp", ConPixel(832)));  // 100 bytes of room
    Opzione("Option4")->click();
    // The revealed carrier holds 36 bytes; the file is checked against 100.
    Crypta::DeCryptBitmap(Portante("dieci.bmp"), "", 1, true, "");
    QCOMPARE(Crypta::BmpHeader.BytesUtilizzabili, 36.0);
    const std::string carico = Carico("carico.da", 90);
    ScegliFile(carico);
    QCOMPARE(seam_->Messaggi, QStringList());
    QCOMPARE(Casella("TxtSelFile")->text(), Q(carico));
    QVERIFY(Pulsante("CmdCrypt")->isEnabled());
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

QTEST_MAIN(TestTabCrypt)
#include "TestTabCrypt.moc"
