// A photo as the carrier: a picture that cannot take a hide is offered a
// carrier copy, by every route a file comes in ("&Apri...", a drop, the
// program's argument); the copy becomes the carrier and takes a hide. A
// refusal, an existing name or a file that is no picture write nothing; the
// "Decrypt" tab only says why a picture is no carrier.
#include <QImage>
#include <QMimeData>
#include <QtTest>
#include <filesystem>

#include "Avvio.h"
#include "Banco.h"
#include "Crypta.h"

class TestConversione : public Banco {
  Q_OBJECT

  // A 40 x 30 picture in the test's folder, in the format its name says.
  std::string Foto(const std::string& nome) {
    QImage im(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) im.setPixel(x, y, qRgb(x * 6, y * 8, (x * y) % 256));
    const std::string p = *dir_ / nome;
    if (!im.save(Q(p))) qFatal("cannot write %s", p.c_str());
    return p;
  }

  void Arriva(const QString& via, const std::string& p) {
    if (via == QLatin1String("apri")) {
      Scegli(p);
    } else if (via == QLatin1String("argomento")) {
      w_->Apri(Q(p));
    } else {
      QMimeData dati;
      dati.setUrls({QUrl::fromLocalFile(Q(p))});
      const QPoint punto = Casella("TxtDirCrypt")->rect().center();
      for (QEvent::Type t : {QEvent::DragEnter, QEvent::DragMove}) {
        QDragMoveEvent e(punto, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier, t);
        QApplication::sendEvent(Casella("TxtDirCrypt"), &e);
      }
      QDropEvent lascia(punto, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(Casella("TxtDirCrypt"), &lascia);
    }
  }

 private slots:
  void initTestCase() { Avvio::Prepara(*qApp); }
  void init() { Apri(); }
  void cleanup() { Chiudi(); }

  void unaFotoDiventaIlCarrier_data() {
    QTest::addColumn<QString>("via");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("tipo");
    QTest::newRow("apri png") << "apri"
                              << "foto.png"
                              << "PNG";
    QTest::newRow("trascinata jpeg") << "trascina"
                                     << "foto.jpg"
                                     << "JPEG";
    QTest::newRow("argomento png") << "argomento"
                                   << "foto.png"
                                   << "PNG";
  }
  void unaFotoDiventaIlCarrier() {
    QFETCH(QString, via);
    QFETCH(QString, nome);
    QFETCH(QString, tipo);
    const std::string foto = Foto(nome.toStdString());
    const std::string bmp = *dir_ / "foto.bmp";
    seam_->RisposteDomanda = {true};
    seam_->RisposteSalva = {Q(bmp)};
    Arriva(via, foto);
    QCOMPARE(seam_->Domande.size(), 1);
    QVERIFY2(
        seam_->Domande[0].contains(QStringLiteral("un'immagine %1 di 40 × 30 pixel").arg(tipo)),
        qPrintable(seam_->Domande[0]));
    QCOMPARE(seam_->Salvataggi.size(), std::size_t(1));
    QCOMPARE(seam_->Salvataggi[0].Titolo, QStringLiteral("Salva la bitmap di appoggio"));
    QCOMPARE(seam_->Salvataggi[0].Proposto, Q(bmp));
    // The copy is the carrier, as if chosen with "&Apri...": 40 pixels of 3
    // bytes make rows of 120, 3600 bytes, 446 payload bytes at 1 bit.
    QCOMPARE(Casella("TxtDirCrypt")->text(), Q(bmp));
    QCOMPARE(Etichetta("Label5")->text(), QStringLiteral("446"));
    QCOMPARE(seam_->Messaggi, QStringList());
    Multiriga("TxtString")->setPlainText(QStringLiteral("dalla foto"));
    Pulsante("CmdCrypt")->click();
    QCOMPARE(Crypta::DeCryptBitmap(bmp, "", 1, true, ""), std::string("dalla foto"));
  }

  // No, Cancel or a name that is taken: nothing written over or beside.
  void nienteSenzaUnSiEUnNomeLibero() {
    const std::string foto = Foto("foto.png");
    seam_->RisposteDomanda = {false};
    Scegli(foto);
    QCOMPARE(Casella("TxtDirCrypt")->text(), QString());
    QCOMPARE(seam_->Salvataggi.size(), std::size_t(0));
    seam_->RisposteDomanda = {true};
    seam_->RisposteSalva = {std::nullopt};
    Scegli(foto);
    QCOMPARE(Casella("TxtDirCrypt")->text(), QString());
    QVERIFY(!std::filesystem::exists(*dir_ / "foto.bmp"));

    const std::string occupato = Portante("foto.bmp");
    const prova::Byte prima = prova::Leggi(occupato);
    seam_->RisposteDomanda = {true};
    seam_->RisposteSalva = {Q(occupato), Q(*dir_ / "altra.bmp")};
    Scegli(foto);
    QCOMPARE(prova::Leggi(occupato), prima);
    // The name beside the picture was taken, so another one was proposed.
    QVERIFY(seam_->Salvataggi[1].Proposto.endsWith(QStringLiteral("foto-appoggio.bmp")));
    QCOMPARE(seam_->Salvataggi[2].Proposto, Q(occupato));
    QVERIFY(PrimeRighe(seam_->Messaggi).join('|').contains(QStringLiteral("esiste già")));
    QCOMPARE(Casella("TxtDirCrypt")->text(), Q(*dir_ / "altra.bmp"));
  }

  // A file that is no picture is refused with its reason and no offer; on
  // the "Decrypt" tab a picture only hears why.
  void nonImmaginiEDecryptSoloIlPerche() {
    const std::string testo = *dir_ / "note.txt";
    prova::Scrivi(testo, prova::Byte{'c', 'i', 'a', 'o'});
    Scegli(testo);
    QCOMPARE(seam_->Domande.size(), 0);
    QCOMPARE(seam_->Messaggi.size(), 1);
    QVERIFY(seam_->Messaggi[0].startsWith(QStringLiteral("Formato file non valido\r\nNon è")));

    Schede()->setCurrentIndex(1);
    seam_->Risposte.push_back(Q(Foto("vista.png")));
    Pulsante("CmdDirDeCrypt")->click();
    QCOMPARE(seam_->Domande.size(), 0);
    QCOMPARE(seam_->Messaggi.last(),
             QStringLiteral("Formato file non valido\r\nÈ un'immagine PNG, non una bitmap."));
  }
};

QTEST_MAIN(TestConversione)
#include "TestConversione.moc"
