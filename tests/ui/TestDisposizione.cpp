// The main window as it opens: every control in its place with its kind,
// caption, font and initial state, the tab control, the scroll bars and the
// picture.
#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>
#include <map>
#include <memory>

#include "Avvio.h"
#include "Banco.h"
#include "CasellaMultiriga.h"
#include "FrmMain.h"
#include "PiattaformaProva.h"
#include "Progetto.h"

namespace {

QString Testo(const QWidget* w) {
  if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
  if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
  if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
  if (auto* m = qobject_cast<const CasellaMultiriga*>(w)) return m->text();
  return QString();
}

}  // namespace

class TestDisposizione : public Banco {
  Q_OBJECT

  std::vector<Progetto::Controllo> progetto_ = Progetto::Controlli();

  QWidget* Trova(const QString& nome) const { return w_->findChild<QWidget*>(nome); }

  // The designed rectangle of a control in pixels, relative to the window's
  // client area, adding up the containers' corners.
  QRect Atteso(const Progetto::Controllo& c) const {
    QPoint origine;
    for (QString padre = c.Padre; !padre.isEmpty();) {
      const auto it = std::find_if(progetto_.begin(), progetto_.end(),
                                   [&](const auto& p) { return p.Nome == padre; });
      origine += QPoint(it->Left, it->Top);
      padre = it->Padre;
    }
    return QRect((origine.x() + c.Left) / 15, (origine.y() + c.Top) / 15, c.Width / 15,
                 c.Height / 15);
  }

 private slots:
  void initTestCase() { Avvio::Prepara(*qApp); }

  void init() { Apri(); }

  void cleanup() { Chiudi(); }

  void ogniControlloHaNomeTipoEContenitore() {
    QCOMPARE(progetto_.size(), std::size_t(77));
    for (const auto& c : progetto_) {
      QWidget* w = Trova(c.Nome);
      QVERIFY2(w, qPrintable(c.Nome));
      QVERIFY2(w->inherits(c.Tipo.toLatin1().constData()), qPrintable(c.Nome));
      const QString padre = c.Padre.isEmpty() ? QStringLiteral("FrmMain") : c.Padre;
      QCOMPARE(w->parentWidget()->objectName(), padre);
    }
    QCOMPARE(w_->objectName(), QStringLiteral("FrmMain"));
  }

  void ogniControlloStaNelSuoRettangolo() {
    for (const auto& c : progetto_) {
      const QWidget* w = Trova(c.Nome);
      const QRect reale(w->mapTo(w_.get(), QPoint(0, 0)), w->size());
      const QRect atteso = Atteso(c);
      const auto vicino = [](int a, int b) { return std::abs(a - b) <= 1; };
      QVERIFY2(vicino(reale.x(), atteso.x()) && vicino(reale.y(), atteso.y()) &&
                   vicino(reale.width(), atteso.width()) && vicino(reale.height(), atteso.height()),
               qPrintable(QStringLiteral("%1: %2,%3 %4x%5 instead of %6,%7 %8x%9")
                              .arg(c.Nome)
                              .arg(reale.x())
                              .arg(reale.y())
                              .arg(reale.width())
                              .arg(reale.height())
                              .arg(atteso.x())
                              .arg(atteso.y())
                              .arg(atteso.width())
                              .arg(atteso.height())));
    }
  }

  void ilPostoNonCambiaQuandoLaFinestraSiApre() {
    w_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
    Schede()->setCurrentIndex(1);
    QApplication::processEvents();
    for (const auto& c : progetto_) {
      const QWidget* w = Trova(c.Nome);
      QCOMPARE(QRect(w->mapTo(w_.get(), QPoint(0, 0)), w->size()), Atteso(c));
    }
  }

  void laFinestraHaTitoloAreaEIcona() {
    QCOMPARE(w_->windowTitle(), QStringLiteral("Quorvane - Tavelin - Versione 1.0 (Freeware)"));
    QCOMPARE(w_->size(), QSize(517, 472));
    QVERIFY(!w_->windowIcon().isNull());
    QCOMPARE(w_->windowIcon().availableSizes().value(0), QSize(32, 32));
  }

  void captionETestiIniziali() {
    for (const auto& c : progetto_) {
      if (c.Nome == QLatin1String("SSTab1") || c.Nome == QLatin1String("Image1") ||
          c.Tipo == QLatin1String("QScrollBar"))
        continue;
      QCOMPARE(Testo(Trova(c.Nome)), c.Testo);
    }
  }

  void caratteri() {
    for (const auto& c : progetto_) {
      if (c.Famiglia.isEmpty()) continue;
      const QFont f = Trova(c.Nome)->font();
      QVERIFY2(f.family() == c.Famiglia, qPrintable(c.Nome + QLatin1Char(' ') + f.family()));
      QVERIFY2(qFuzzyCompare(f.pointSizeF(), c.Punti), qPrintable(c.Nome));
      QCOMPARE(f.weight(), c.Grassetto ? QFont::Bold : QFont::Normal);
      QVERIFY(!f.italic());
      // What is drawn is Liberation Sans, in place of every designed face.
      QCOMPARE(QFontInfo(f).family(), QStringLiteral("Liberation Sans"));
    }
    QCOMPARE(w_->font().family(), QStringLiteral("MS Sans Serif"));
  }

  // Every caption label shows whole on the lines its box holds: one line,
  // Label7 two.
  void leCaptionStannoNeiLoroRiquadri() {
    for (QLabel* l : w_->findChildren<QLabel*>()) {
      if (l->text().isEmpty()) continue;
      const QFontMetricsF m(l->font());
      const QRectF serve = m.boundingRect(
          QRectF(l->contentsRect()), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, l->text());
      const int righe = qRound(serve.height() / m.lineSpacing());
      const int attese = l->objectName() == QLatin1String("Label7") ? 2 : 1;
      QVERIFY2(righe == attese, qPrintable(l->objectName()));
      QVERIFY2(serve.height() <= l->contentsRect().height() + 1, qPrintable(l->objectName()));
    }
  }

  void statiIniziali() {
    for (const auto& c : progetto_) {
      const QWidget* w = Trova(c.Nome);
      QVERIFY2(w->isEnabledTo(w->parentWidget()) == !c.Disabilitato, qPrintable(c.Nome));
      if (auto* e = qobject_cast<const QLineEdit*>(w))
        QVERIFY2(e->isReadOnly() == c.SolaLettura, qPrintable(c.Nome));
      if (auto* m = qobject_cast<const CasellaMultiriga*>(w))
        QVERIFY2(m->isReadOnly() == c.SolaLettura, qPrintable(c.Nome));
    }
    // Only carrier choice, the bit selector, the logo and the progress box
    // are usable on the "Crypt" page; the payload source is not.
    for (const char* usabile : {"CmdDirCrypt", "TxtDirCrypt", "VScroll1", "TxtBit", "Image1",
                                "TxtPerc2", "CmdDirDeCrypt", "TxtDirDeCrypt", "TxtPerc", "CmdEsci"})
      QVERIFY2(Trova(usabile)->isEnabled(), usabile);
    for (const char* spento :
         {"Option3", "TxtString", "Option4", "Command1", "TxtSelFile", "Label3",
          "TxtKey",  "CmdCrypt",  "Label12", "Text5",    "Label11",    "Command2",
          "Text4",   "Text1",     "Option5", "Option6",  "CmdDeCrypt", "Text3",
          "TxtBt",   "VScroll2",  "Label7",  "Label9"})
      QVERIFY2(!Trova(spento)->isEnabled(), spento);
    QVERIFY(Opzione("Option3")->isChecked());
    QVERIFY(!Opzione("Option4")->isChecked());
    QVERIFY(!Opzione("Option5")->isChecked());
    QVERIFY(!Opzione("Option6")->isChecked());
    QCOMPARE(Multiriga("TxtString")->maxLength(), 0);
    QCOMPARE(Casella("TxtKey")->maxLength(), 30);
    QCOMPARE(Casella("Text3")->maxLength(), 30);
  }

  void leEtichetteDeiValoriHannoIlBordo() {
    for (QLabel* l : w_->findChildren<QLabel*>()) {
      const bool valore = l->objectName().startsWith(QLatin1String("Label2_")) ||
                          l->objectName() == QLatin1String("Label5");
      if (l->objectName() == QLatin1String("Image1")) continue;
      QVERIFY2((l->frameShape() != QFrame::NoFrame) == valore, qPrintable(l->objectName()));
      if (valore) QCOMPARE(l->lineWidth(), 1);
    }
    QCOMPARE(w_->findChildren<QLabel*>(QRegularExpression("^Label2_\\d+$")).size(), 14);
  }

  void lBarreVannoDaZeroATre() {
    for (QScrollBar* b : {Barra("VScroll1"), Barra("VScroll2")}) {
      QCOMPARE(b->orientation(), Qt::Vertical);
      QCOMPARE(b->minimum(), 0);
      QCOMPARE(b->maximum(), 3);
      QCOMPARE(b->value(), 3);
      QCOMPARE(b->singleStep(), 1);
      QCOMPARE(b->pageStep(), 1);
    }
    // One click on the upper arrow moves by one.
    w_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
    QTest::mouseClick(Barra("VScroll1"), Qt::LeftButton, {},
                      QPoint(Barra("VScroll1")->width() / 2, 3));
    QCOMPARE(Barra("VScroll1")->value(), 2);
  }

  void dueSchedeCryptDavanti() {
    QCOMPARE(Schede()->count(), 2);
    QCOMPARE(Schede()->tabText(0), QStringLiteral("Crypt"));
    QCOMPARE(Schede()->tabText(1), QStringLiteral("Decrypt"));
    QCOMPARE(Schede()->currentIndex(), 0);
    QCOMPARE(Schede()->tabPosition(), QTabWidget::North);
    w_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
    QVERIFY(Cornice("FrmCrypt")->isVisible());
    QVERIFY(!Cornice("FrmDeCrypt")->isVisible());
    // Both tabs in one row, side by side.
    const QTabBar* barra = Schede()->tabBar();
    QCOMPARE(barra->tabRect(0).top(), barra->tabRect(1).top());
    QVERIFY(barra->tabRect(0).right() < barra->tabRect(1).left());
    // A click on the second tab shows its page and hides the first.
    QTest::mouseClick(const_cast<QTabBar*>(barra), Qt::LeftButton, {}, barra->tabRect(1).center());
    QCOMPARE(Schede()->currentIndex(), 1);
    QVERIFY(!Cornice("FrmCrypt")->isVisible());
    QVERIFY(Cornice("FrmDeCrypt")->isVisible());
    QTest::mouseClick(const_cast<QTabBar*>(barra), Qt::LeftButton, {}, barra->tabRect(0).center());
    QVERIFY(Cornice("FrmCrypt")->isVisible());
    QVERIFY(!Cornice("FrmDeCrypt")->isVisible());
  }

  void ilLogoRiempieIlSuoRiquadro() {
    QCOMPARE(Logo()->toolTip(), QStringLiteral("www.quorvane.example"));
    QVERIFY(Logo()->hasScaledContents());
    QCOMPARE(Logo()->pixmap().size(), QSize(257, 72));
    w_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
    // The picture covers the whole box: no pixel of the box keeps the
    // frame's background.
    const QImage disegno = Logo()->grab().toImage();
    const QImage logo = Logo()->pixmap().toImage();
    const QColor fondo = Cornice("FrmCrypt")->palette().color(QPalette::Window);
    for (const QPoint p : {QPoint(0, 0), QPoint(disegno.width() - 1, disegno.height() - 1)}) {
      QVERIFY(disegno.pixelColor(p) != fondo);
    }
    QCOMPARE(disegno.pixelColor(0, 0).rgb(), logo.pixelColor(0, 0).rgb());
  }
};

QTEST_MAIN(TestDisposizione)
#include "TestDisposizione.moc"
