// Files dragged from the file manager onto the path boxes, as synthesized
// drag and drop events: one local file is chosen exactly as its "Apri..."
// dialog would choose it, with the same checks and messages; anything else,
// and any drop on a disabled box, is turned away and changes nothing.
#include <QMimeData>
#include <QtTest>
#include <filesystem>

#include "Avvio.h"
#include "Banco.h"
#include "Crypta.h"

namespace {

const QString kTroppoGrande = QStringLiteral("Attenzione !!\r\nFile troppo grande");

QList<QUrl> Locali(const QStringList& path) {
  QList<QUrl> u;
  for (const QString& p : path) u << QUrl::fromLocalFile(p);
  return u;
}

}  // namespace

class TestTrascina : public Banco {
  Q_OBJECT

  // Drags `dati` over `casella` and drops it there, as the desktop does,
  // offering `azioni`; the action the box took, IgnoreAction for none.
  static Qt::DropAction Trascina(QWidget* casella, const QMimeData& dati, Qt::DropActions azioni,
                                 Qt::KeyboardModifiers tasti = Qt::NoModifier) {
    const QPoint punto = casella->rect().center();
    QDragEnterEvent entra(punto, azioni, &dati, Qt::LeftButton, tasti);
    QApplication::sendEvent(casella, &entra);
    QDragMoveEvent muove(punto, azioni, &dati, Qt::LeftButton, tasti);
    QApplication::sendEvent(casella, &muove);
    QDropEvent lascia(punto, azioni, &dati, Qt::LeftButton, tasti);
    QApplication::sendEvent(casella, &lascia);
    if (!entra.isAccepted() || !muove.isAccepted() || !lascia.isAccepted()) return Qt::IgnoreAction;
    return lascia.dropAction();
  }

  // Whether the box took `dati`, dragged as a plain copy.
  static bool Lascia(QWidget* casella, const QMimeData& dati) {
    return Trascina(casella, dati, Qt::CopyAction) != Qt::IgnoreAction;
  }

  static bool LasciaFile(QWidget* casella, const std::string& path) {
    QMimeData dati;
    dati.setUrls(Locali({Q(path)}));
    return Lascia(casella, dati);
  }

  // Text mode or file mode with a carrier of 36 bytes chosen.
  void Pronto(bool file) {
    Scegli(Portante("dieci.bmp"));
    if (file) Opzione("Option4")->click();
  }

 private slots:
  void initTestCase() { Avvio::Prepara(*qApp); }

  void init() {
    Apri();
    Crypta::BmpHeader = {};
  }

  void cleanup() { Chiudi(); }

  void unaBitmapLasciataVieneAnalizzata() {
    const std::string p = Portante("dieci.bmp");
    Multiriga("TxtString")->setText(QStringLiteral("da perdere"));
    QVERIFY(LasciaFile(Casella("TxtDirCrypt"), p));
    QCOMPARE(Casella("TxtDirCrypt")->text(), Q(p));
    QCOMPARE(Etichetta("Label5")->text(), QStringLiteral("36"));
    QCOMPARE(Abilitati(), QStringLiteral("1111"));
    QCOMPARE(Multiriga("TxtString")->text(), QString());
    // The same file again is read again, as the dialog's choice is.
    prova::Scrivi(p, ConPixel(400).Byte_());
    QVERIFY(LasciaFile(Casella("TxtDirCrypt"), p));
    QCOMPARE(Etichetta("Label5")->text(), QStringLiteral("46"));
    QCOMPARE(seam_->Dialoghi.size(), std::size_t(0));
    QCOMPARE(seam_->Messaggi, QStringList());
  }

  void unFileNonBitmapLasciatoVieneRifiutato() {
    Scegli(Portante("dieci.bmp"));
    const std::string testo = *dir_ / "note.txt";
    prova::Scrivi(testo, prova::Byte{'c', 'i', 'a', 'o'});
    QVERIFY(LasciaFile(Casella("TxtDirCrypt"), testo));
    QCOMPARE(PrimeRighe(seam_->Messaggi), QStringList({"Formato file non valido"}));
    QCOMPARE(Casella("TxtDirCrypt")->text(), Q(testo));
    QCOMPARE(Pannello(), QStringList(15, QString()));
    QCOMPARE(Abilitati(), QStringLiteral("0000"));
  }

  void unFileLasciatoSullaSorgenteVieneMisurato() {
    Pronto(true);
    const std::string piccolo = Carico("carico.da", 26);  // 9 + 26 < 36
    QVERIFY(LasciaFile(Casella("TxtSelFile"), piccolo));
    QCOMPARE(Casella("TxtSelFile")->text(), Q(piccolo));
    QVERIFY(Pulsante("CmdCrypt")->isEnabled());
    QCOMPARE(seam_->Messaggi, QStringList());

    const std::string grande = Carico("grande.da", 27);  // 9 + 27 = 36
    QVERIFY(LasciaFile(Casella("TxtSelFile"), grande));
    QCOMPARE(seam_->Messaggi, QStringList({kTroppoGrande}));
    QCOMPARE(Casella("TxtSelFile")->text(), QString());
    QVERIFY(!Pulsante("CmdCrypt")->isEnabled());
    QCOMPARE(seam_->Dialoghi.size(), std::size_t(1));  // the carrier's only
  }

  void unaBitmapLasciataSuDecryptAbilitaLaScheda() {
    Schede()->setCurrentIndex(1);
    const std::string p = Portante("rivela.bmp");
    QVERIFY(LasciaFile(Casella("TxtDirDeCrypt"), p));
    QCOMPARE(Casella("TxtDirDeCrypt")->text(), Q(p));
    QVERIFY(Opzione("Option5")->isChecked());
    QVERIFY(Pulsante("CmdDeCrypt")->isEnabled());
    QVERIFY(Casella("TxtBt")->isEnabled());
    // The hide tab's panel never sees the reveal carrier.
    QCOMPARE(Pannello(), QStringList(15, QString()));
    QCOMPARE(seam_->Dialoghi.size(), std::size_t(0));
  }

  void ilRestoVieneRespinto_data() {
    QTest::addColumn<QString>("casella");
    QTest::addColumn<int>("caso");
    for (const char* c : {"TxtDirCrypt", "TxtSelFile", "TxtDirDeCrypt"}) {
      const QByteArray n(c);
      QTest::newRow(n + " due file") << QString(c) << 0;
      QTest::newRow(n + " cartella") << QString(c) << 1;
      QTest::newRow(n + " indirizzo remoto") << QString(c) << 2;
      QTest::newRow(n + " solo testo") << QString(c) << 3;
      QTest::newRow(n + " file sparito") << QString(c) << 4;
      QTest::newRow(n + " casella disabilitata") << QString(c) << 5;
    }
  }

  void ilRestoVieneRespinto() {
    QFETCH(QString, casella);
    QFETCH(int, caso);
    Pronto(casella == QLatin1String("TxtSelFile"));
    QLineEdit* c = Casella(casella);
    const std::string buono = Portante("buona.bmp");
    QMimeData dati;
    // Were it inserted as Qt does by itself, this text would show.
    dati.setText(QStringLiteral("inserito"));
    switch (caso) {
      case 0:
        dati.setUrls(Locali({Q(buono), Q(Portante("altra.bmp"))}));
        break;
      case 1:
        dati.setUrls(Locali({Q(dir_->Path().string())}));
        break;
      case 2:
        dati.setUrls({QUrl(QStringLiteral("https://www.quorvane.example/foto.bmp"))});
        break;
      case 3:
        break;
      case 4:
        dati.setUrls(Locali({Q(*dir_ / "sparito.bmp")}));
        break;
      case 5:
        dati.setUrls(Locali({Q(buono)}));
        // Hiding, or the directory chooser open: the window takes nothing.
        w_->setEnabled(false);
        break;
    }
    // A path as a choice left it, to see that nothing empties it either.
    if (c->text().isEmpty()) c->setText(QStringLiteral("/prima.bmp"));
    const QString prima = c->text();
    const QStringList pannello = Pannello();
    const QString abilitati = Abilitati();
    const int messaggi = seam_->Messaggi.size();
    QVERIFY(!Lascia(c, dati));
    QCOMPARE(c->text(), prima);
    QCOMPARE(Pannello(), pannello);
    QCOMPARE(Abilitati(), abilitati);
    QCOMPARE(seam_->Messaggi.size(), messaggi);
  }

  // The file manager deletes a file it sees moved: the box takes a copy or
  // nothing.
  void ilFileNonVieneSpostato() {
    const std::string p = Portante("dieci.bmp");
    QMimeData dati;
    dati.setUrls(Locali({Q(p)}));
    QCOMPARE(Trascina(Casella("TxtDirCrypt"), dati, Qt::MoveAction), Qt::IgnoreAction);
    QCOMPARE(Casella("TxtDirCrypt")->text(), QString());
    // Shift asks for a move where copying is offered too.
    QCOMPARE(
        Trascina(Casella("TxtDirCrypt"), dati, Qt::CopyAction | Qt::MoveAction, Qt::ShiftModifier),
        Qt::CopyAction);
    QCOMPARE(Casella("TxtDirCrypt")->text(), Q(p));
    QCOMPARE(Trascina(Casella("TxtDirCrypt"), dati, Qt::MoveAction | Qt::LinkAction),
             Qt::LinkAction);
  }

  void nienteSullaSorgenteInModoTesto() {
    Pronto(false);
    QVERIFY(!Casella("TxtSelFile")->isEnabled());
    QVERIFY(!LasciaFile(Casella("TxtSelFile"), Carico("carico.da", 5)));
    QCOMPARE(Casella("TxtSelFile")->text(), QString());
    QVERIFY(Opzione("Option3")->isChecked());
    QCOMPARE(seam_->Messaggi, QStringList());
  }
};

QTEST_MAIN(TestTrascina)
#include "TestTrascina.moc"
