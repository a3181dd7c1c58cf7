// The "Crypt" tab's choices driven through the window with the scripted
// seam: the two file dialogs, text and file mode, and the size check of the
// file to hide against the carrier's own capacity.
#include <QtTest>
#include <filesystem>
#include <memory>

#include "Avvio.h"
#include "Banco.h"
#include "Crypta.h"
#include "Supporto.h"

namespace {

const QString kTroppoGrande = QStringLiteral("Attenzione !!\r\nFile troppo grande");

}  // namespace

class TestTabCrypt : public Banco {
  Q_OBJECT

  // Frame1, TxtString, TxtSelFile, Command1, CmdCrypt: the tab's state.
  QString Stato() const {
    QString s;
    for (const QWidget* c : std::initializer_list<const QWidget*>{
             Cornice("Frame1"), Multiriga("TxtString"), Casella("TxtSelFile"), Pulsante("Command1"),
             Pulsante("CmdCrypt")})
      s += c->isEnabled() ? '1' : '0';
    return s;
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
    // Every picture the converter reads first and preselected, then the
    // design's two entries.
    QVERIFY(seam_->Dialoghi[0].Filtro.startsWith(QStringLiteral("Tutte le immagini (")));
    QVERIFY(seam_->Dialoghi[0].Filtro.endsWith(
        QStringLiteral("|Tutti i file (*.*)|*.*|FileBitmap (*.bmp)|*.bmp")));
    for (const char* tipo : {"*.bmp", "*.png", "*.jpg", "*.jpeg", "*.gif", "*.tga"})
      QVERIFY2(seam_->Dialoghi[0].Filtro.section(QLatin1Char('|'), 1, 1).split(';').contains(tipo),
               tipo);
    QCOMPARE(seam_->Dialoghi[0].Indice, 1);
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
};

QTEST_MAIN(TestTabCrypt)
#include "TestTabCrypt.moc"
