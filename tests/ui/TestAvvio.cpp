// What the program sets up before its window: its identity, the fonts that
// stand in for the designed ones, Qt's Italian texts, the icon and the logo;
// the version record and the desktop entry that describe it to the system;
// and the platform seam, real and scripted.
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFontInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>
#include <map>
#include <set>

#include "Avvio.h"
#include "Identita.h"
#include "PiattaformaProva.h"
#include "PiattaformaQt.h"

namespace {

// A file of the sources, or one that CMake made from them ("generati/...").
QString Leggi(const QString& relativo) {
  const bool generato = relativo.startsWith(QStringLiteral("generati/"));
  QFile f(
      (generato ? QStringLiteral(TAVELIN_COSTRUZIONE "/") : QStringLiteral(TAVELIN_SORGENTI "/")) +
      relativo);
  if (!f.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(f.readAll());
}

}  // namespace

// Takes the web addresses that the desktop would hand to a browser.
class Browser : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> Aperti;

 public slots:
  void Apri(const QUrl& u) { Aperti << u; }
};

class TestAvvio : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { Avvio::Prepara(*qApp); }

  void identita() {
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Tavelin"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.00"));
    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Quorvane S.R.L."));
    QVERIFY(!QApplication::windowIcon().isNull());
  }

  // The program's own arguments: help and version need no display, and
  // without one it says so and ends with 1 instead of Qt's abort.
  void laRigaDiComando_data() {
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<bool>("schermo");
    QTest::addColumn<int>("stato");
    QTest::addColumn<QString>("inizio");
    QTest::newRow("aiuto") << QStringList{"--help"} << false << 0 << "Uso: tavelin [FILE]";
    QTest::newRow("versione") << QStringList{"-V"} << false << 0 << "tavelin 1.00";
    QTest::newRow("senza schermo")
        << QStringList{"foto.png"} << false << 1 << "tavelin: nessuno schermo disponibile";
    QTest::newRow("opzione ignota")
        << QStringList{"--x"} << true << 2 << "tavelin: Opzione sconosciuta";
    QTest::newRow("due file") << QStringList{"a", "b"} << true << 2
                              << "tavelin: Si può aprire un solo";
  }
  void laRigaDiComando() {
    QFETCH(QStringList, argomenti);
    QFETCH(bool, schermo);
    QFETCH(int, stato);
    QFETCH(QString, inizio);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(v);
    if (schermo) env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TAVELIN_COSTRUZIONE "/app/tavelin"), argomenti);
    QVERIFY(p.waitForFinished(20000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), stato);
    const QString uscita =
        QString::fromUtf8(stato == 0 ? p.readAllStandardOutput() : p.readAllStandardError());
    QVERIFY2(uscita.startsWith(inizio), qPrintable(uscita));
  }

  void iCaratteriProgettatiDiventanoLiberationSans() {
    for (const char* progettato : {"MS Sans Serif", "Microsoft Sans Serif", "Arial"}) {
      const QString nome = QString::fromLatin1(progettato);
      QVERIFY2(
          QFont::substitutes(nome).contains(QStringLiteral("Liberation Sans"), Qt::CaseInsensitive),
          progettato);
      QFont f(nome);
      f.setPointSizeF(8.25);
      QCOMPARE(QFontInfo(f).family(), QStringLiteral("Liberation Sans"));
    }
  }

  void iDialoghiDiQtParlanoItaliano() {
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annulla"));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Cerca in:"));
  }

  void lIconaHa32x32PixelESediciColori() {
    const QImage icona(QStringLiteral(":/tavelin/tavelin.png"));
    QCOMPARE(icona.size(), QSize(32, 32));
    std::set<QRgb> colori;
    const QImage argb = icona.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) colori.insert(argb.pixel(x, y));
    QVERIFY(colori.size() <= 16);
    QVERIFY(colori.size() >= 8);  // a picture, not a blank square
    QCOMPARE(Avvio::Icona().pixmap(32, 32).size(), QSize(32, 32));
  }

  void ilLogoHa257x72Pixel() {
    QCOMPARE(Avvio::Logo().size(), QSize(257, 72));
    QCOMPARE(QString::fromUtf8(Identita::Indirizzo), QStringLiteral("www.quorvane.example"));
  }

  void ilRecordDiVersione() {
    const QString rc = Leggi(QStringLiteral("generati/tavelin.rc"));
    QVERIFY(!rc.isEmpty());
    std::map<QString, QString> campi;
    static const QRegularExpression valore(
        QStringLiteral("VALUE \"(\\w+)\", \"((?:[^\"]|\"\")*)\""));
    for (auto it = valore.globalMatch(rc); it.hasNext();) {
      const auto m = it.next();
      campi[m.captured(1)] = m.captured(2).replace(QLatin1String("\"\""), QLatin1String("\""));
    }
    const QString sito = QString::fromUtf8(Identita::Indirizzo);
    const std::map<QString, QString> attesi = {
        {"Comments",
         "Un semplice programma di stenografia che permette di \"nascondere\" in un'immagine "
         "Bitmap i propri dati."},
        {"CompanyName", QString::fromUtf8(Identita::Organizzazione)},
        {"FileVersion", QString::fromUtf8(Identita::Versione)},
        {"InternalName", QString::fromUtf8(Identita::Nome)},
        {"LegalCopyright", sito},
        {"LegalTrademarks", sito},
        {"OriginalFilename", "Tavelin.exe"},
        {"ProductName", QString::fromUtf8(Identita::Prodotto)},
        {"ProductVersion", QString::fromUtf8(Identita::Versione)},
    };
    QCOMPARE(campi, attesi);
    QCOMPARE(QString::fromUtf8(Identita::Prodotto), QStringLiteral("Quorvane Tavelin"));
    QVERIFY(rc.contains(QRegularExpression(QStringLiteral("FILEVERSION 1,0,0,0\\s"))));
    QVERIFY(rc.contains(QRegularExpression(QStringLiteral("PRODUCTVERSION 1,0,0,0\\s"))));
    QVERIFY(rc.contains(QStringLiteral("BLOCK \"041004B0\"")));
    QVERIFY(rc.contains(QStringLiteral("VALUE \"Translation\", 0x0410, 1200")));
    QVERIFY(rc.contains(QStringLiteral("ICON \"" TAVELIN_SORGENTI "/app/risorse/tavelin.ico\"")));
    QVERIFY(QFile::exists(QStringLiteral(TAVELIN_SORGENTI "/app/risorse/tavelin.ico")));
  }

  void laVoceDelDesktop() {
    const QStringList righe = Leggi(QStringLiteral("app/tavelin.desktop")).split(QLatin1Char('\n'));
    QCOMPARE(righe.value(0), QStringLiteral("[Desktop Entry]"));
    std::map<QString, QString> voci;
    for (const QString& r : righe)
      if (r.contains(QLatin1Char('=')))
        voci[r.section(QLatin1Char('='), 0, 0)] = r.section(QLatin1Char('='), 1);
    QCOMPARE(voci["Type"], QStringLiteral("Application"));
    QCOMPARE(voci["Name"], QStringLiteral("Tavelin"));
    // A file manager's "Open with" hands over one file, of the kinds read.
    QCOMPARE(voci["Exec"], QStringLiteral("tavelin %f"));
    for (const char* tipo : {"image/bmp", "image/png", "image/jpeg", "image/gif", "image/x-tga"})
      QVERIFY2(voci["MimeType"].split(QLatin1Char(';')).contains(QLatin1String(tipo)), tipo);
    QCOMPARE(voci["Icon"], QStringLiteral("tavelin"));
    // English by default, the design's Italian as the [it] variant.
    QVERIFY(voci["Comment"].contains(QStringLiteral("bitmap image")));
    QVERIFY(voci["Comment[it]"].contains(QStringLiteral("immagine Bitmap")));
  }

  void iFiltriDiventanoQuelliDiQt() {
    QCOMPARE(
        Piattaforma::FiltriQt(QStringLiteral("Tutti i file (*.*)|*.*|FileBitmap (*.bmp)|*.bmp")),
        QStringList({"Tutti i file (*)", "FileBitmap (*.bmp)"}));
    QCOMPARE(Piattaforma::FiltriQt(QStringLiteral("Tutti i file (*.*)|*.*")),
             QStringList({"Tutti i file (*)"}));
    QCOMPARE(Piattaforma::FiltriQt(QStringLiteral("Immagini|*.bmp;*.dib|Resto")),
             QStringList({"Immagini (*.bmp *.dib)"}));
    QCOMPARE(Piattaforma::FiltriQt(QString()), QStringList());
  }

  void ilDialogoRealeHaFiltriEVoceScelta() {
    PiattaformaQt reale;
    const auto d = reale.Dialogo(
        nullptr, QStringLiteral("Tutti i file (*.*)|*.*|FileBitmap (*.bmp)|*.bmp"), 2);
    QCOMPARE(d->nameFilters(), QStringList({"Tutti i file (*)", "FileBitmap (*.bmp)"}));
    QCOMPARE(d->selectedNameFilter(), QStringLiteral("FileBitmap (*.bmp)"));
    QCOMPARE(d->fileMode(), QFileDialog::ExistingFile);
    QCOMPARE(d->acceptMode(), QFileDialog::AcceptOpen);
    QVERIFY(d->testOption(QFileDialog::DontUseNativeDialog));
    const auto uno = reale.Dialogo(nullptr, QStringLiteral("Tutti i file (*.*)|*.*"), 1);
    QCOMPARE(uno->selectedNameFilter(), QStringLiteral("Tutti i file (*)"));
  }

  void ilMessaggioRealeHaTitoloSoloOkENessunaIcona() {
    const auto box =
        PiattaformaQt::Scatola(nullptr, QStringLiteral("Attenzione !!\r\nFile troppo grande"));
    QCOMPARE(box->windowTitle(), QStringLiteral("Tavelin"));
    QCOMPARE(box->icon(), QMessageBox::NoIcon);
    QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box->buttons().size(), 1);
    QCOMPARE(box->text(), QStringLiteral("Attenzione !!\nFile troppo grande"));
    QCOMPARE(box->textFormat(), Qt::PlainText);
  }

  void ilBrowserRealeRiceveLIndirizzo() {
    Browser browser;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "Apri");
    PiattaformaQt reale;
    QVERIFY(reale.ApriIndirizzo(QUrl(QStringLiteral("http://www.quorvane.example"))));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QCOMPARE(browser.Aperti, QList<QUrl>({QUrl(QStringLiteral("http://www.quorvane.example"))}));
  }

  void gliEventiRealiGirano() {
    bool girato = false;
    QTimer::singleShot(0, qApp, [&girato] { girato = true; });
    PiattaformaQt().DoEvents();
    QVERIFY(girato);
  }

  void laPiattaformaDiProvaSiInstallaESiToglie() {
    QVERIFY(dynamic_cast<PiattaformaQt*>(&Piattaforma::Attuale()));
    {
      PiattaformaProva esterna;
      QCOMPARE(&Piattaforma::Attuale(), static_cast<Piattaforma*>(&esterna));
      {
        PiattaformaProva interna;
        interna.Risposte = {QStringLiteral("/tmp/a.bmp"), std::nullopt};
        QCOMPARE(Piattaforma::Attuale().ApriFile(nullptr, QStringLiteral("f|*"), 1),
                 std::optional<QString>(QStringLiteral("/tmp/a.bmp")));
        QCOMPARE(Piattaforma::Attuale().ApriFile(nullptr, QStringLiteral("g|*"), 2),
                 std::optional<QString>());
        QCOMPARE(Piattaforma::Attuale().ApriFile(nullptr, QStringLiteral("h|*"), 1),
                 std::optional<QString>());
        QCOMPARE(interna.Inattesi, 1);
        QCOMPARE(interna.Dialoghi.size(), std::size_t(3));
        QCOMPARE(interna.Dialoghi[1].Filtro, QStringLiteral("g|*"));
        QCOMPARE(interna.Dialoghi[1].Indice, 2);
        Piattaforma::Attuale().Messaggio(nullptr, QStringLiteral("Formato file non valido"));
        QCOMPARE(interna.Messaggi, QStringList({"Formato file non valido"}));
        QVERIFY(esterna.Messaggi.isEmpty());
      }
      QCOMPARE(&Piattaforma::Attuale(), static_cast<Piattaforma*>(&esterna));
    }
    QVERIFY(dynamic_cast<PiattaformaQt*>(&Piattaforma::Attuale()));
  }
};

QTEST_MAIN(TestAvvio)
#include "TestAvvio.moc"
