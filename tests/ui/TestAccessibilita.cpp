// The windows as assistive technology reads them: every control that takes
// the focus or shows a value named as the table says in the language of the
// run, names unique on each page, the window a window with its title, the
// current tab selected with its page under it, the passphrase fields as
// password fields that never give their text, and the tabs turned by
// Ctrl+Tab from anywhere with the focus left on a control in view.
#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QTabBar>
#include <QtTest>
#include <map>
#include <set>

#include "Avvio.h"
#include "Banco.h"
#include "DialogoPassphrase.h"
#include "Lingua.h"
#include "NomiAccessibili.h"
#include "RigaStato.h"
#include "Seldir.h"

using namespace NomiAccessibili;

namespace {

QAccessibleInterface* Di(QObject* o) {
  return QAccessible::queryAccessibleInterface(o);
}

bool Inglese() {
  return Crypta::LinguaDellAmbiente() == Crypta::Lingua::Inglese;
}

// The controls a screen reader must name: those the Tab key reaches, and
// the labels that show a value (sunk in a panel, or the status line).
bool DaNominare(const QWidget* w) {
  if (w->objectName().startsWith(QLatin1String("qt_")) && !qobject_cast<const QTabBar*>(w))
    return false;
  // Qt's standard buttons are named by their captions, and a hidden part
  // (the tab strip's scroll buttons, never used) is not read.
  if (qobject_cast<const QDialogButtonBox*>(w->parent()) || w->isHidden()) return false;
  // A control whose focus goes to another is read as that other.
  if (w->focusPolicy() & Qt::TabFocus) return !w->focusProxy();
  const auto* l = qobject_cast<const QLabel*>(w);
  return l && (l->frameShape() == QFrame::Panel || qobject_cast<const RigaStato*>(w));
}

}  // namespace

class TestAccessibilita : public Banco {
  Q_OBJECT

  // Every control of `finestra` to be named, held against the table; the
  // names gathered by page.
  void Controlla(QWidget* finestra, std::set<QString>& visti, std::map<int, QStringList>& nomi) {
    for (QWidget* w : finestra->findChildren<QWidget*>()) {
      if (w->window() != finestra || !DaNominare(w)) continue;
      const auto* v = std::find_if(std::begin(kVoci), std::end(kVoci), [w](const Voce& v) {
        return w->objectName() == QLatin1String(v.oggetto);
      });
      QVERIFY2(v != std::end(kVoci), qPrintable(w->objectName()));
      QAccessibleInterface* a = Di(w);
      const QString nome = a->text(QAccessible::Name);
      QCOMPARE(nome, QString::fromUtf8(Inglese() ? v->inglese : v->italiano));
      QVERIFY2(a->role() == v->ruolo, v->oggetto);
      if (v->descritto) QVERIFY2(!a->text(QAccessible::Description).isEmpty(), v->oggetto);
      visti.insert(w->objectName());
      nomi[v->pagina] << nome;
    }
  }

 private slots:
  void initTestCase() {
    Avvio::Prepara(*qApp);
    if (Inglese() && QCoreApplication::translate("Accessibilita", "Esci") == "Esci")
      QSKIP("the English catalog holds no accessible names yet");
  }

  void init() { Apri(); }

  void cleanup() { Chiudi(); }

  void ogniControlloHaIlSuoNomeUnicoNellaPagina() {
    std::set<QString> visti;
    std::map<int, QStringList> nomi;
    Seldir cartelle(w_.get());
    DialogoPassphrase frase(w_.get(), true);
    for (QWidget* f : std::initializer_list<QWidget*>{w_.get(), &cartelle, &frase}) {
      Controlla(f, visti, nomi);
      if (QTest::currentTestFailed()) return;
    }
    QCOMPARE(visti.size(), std::size(kVoci));
    for (const auto& [pagina, n] : nomi)
      QVERIFY2(QSet<QString>(n.begin(), n.end()).size() == n.size(), qPrintable(n.join('|')));
  }

  // Read from outside, the window is a window with its title, the chooser too.
  void leFinestreSonoFinestreColTitolo() {
    Seldir cartelle(w_.get());
    for (QWidget* f : {static_cast<QWidget*>(w_.get()), static_cast<QWidget*>(&cartelle)}) {
      QCOMPARE(Di(f)->role(), QAccessible::Window);
      QCOMPARE(Di(f)->text(QAccessible::Name), f->windowTitle());
    }
  }

  // Each tab holds its page, the current one selected; pressed through its
  // interface, a tab becomes current.
  void laSchedaCorrenteESelezionataEContieneLaSuaPagina() {
    Mostra();
    QAccessibleInterface* barra = Di(Schede()->tabBar());
    QCOMPARE(barra->childCount(), 2);
    for (int corrente : {0, 1, 0}) {
      if (corrente != Schede()->currentIndex()) {
        QAccessibleActionInterface* azione = barra->child(corrente)->actionInterface();
        QVERIFY(azione);
        azione->doAction(QAccessibleActionInterface::pressAction());
      }
      QCOMPARE(Schede()->currentIndex(), corrente);
      for (int i = 0; i < 2; ++i) {
        QAccessibleInterface* scheda = barra->child(i);
        QCOMPARE(scheda->role(), QAccessible::PageTab);
        QCOMPARE(scheda->text(QAccessible::Name), Schede()->tabText(i));
        QCOMPARE(bool(scheda->state().selected), i == corrente);
        QCOMPARE(barra->indexOfChild(scheda), i);
        QCOMPARE(bool(scheda->child(0)->state().invisible), i != corrente);
      }
    }
    // From a control up to the window, through its page and tab.
    const std::pair<const char*, int> controlli[] = {{"TxtKey", 0}, {"Label2_3", 0}, {"TxtBt", 1}};
    for (const auto& [nome, scheda] : controlli) {
      QAccessibleInterface* a = Di(Trova(w_.get(), QLatin1String(nome)));
      while (a && a->role() != QAccessible::PageTab) a = a->parent();
      QVERIFY2(a, nome);
      QCOMPARE(a->text(QAccessible::Name), Schede()->tabText(scheda));
      QCOMPARE(a->child(0)->parent(), a);
      QCOMPARE(a->parent(), barra);
      QCOMPARE(barra->parent()->parent(), Di(w_.get()));
    }
    QCOMPARE(Di(w_.get())->indexOfChild(barra->parent()) >= 0, true);
  }

  // Masked, and never given out: not as the value, nor through the text.
  void leFrasiSonoCampiPasswordMuti() {
    DialogoPassphrase frase(w_.get(), true);
    for (const char* nome : {"TxtPassphrase", "TxtRipeti"}) {
      auto* campo = Trova<QLineEdit>(&frase, QLatin1String(nome));
      campo->setText(QStringLiteral("segreto"));
      QAccessibleInterface* a = Di(campo);
      QVERIFY(a->state().passwordEdit);
      QVERIFY(!a->text(QAccessible::Value).contains(QLatin1String("segreto")));
      QVERIFY(a->textInterface());
      QVERIFY(!a->textInterface()->text(0, 7).contains(QLatin1String("segreto")));
    }
  }

  // Ctrl+Tab and Ctrl+Shift+Tab go round the tabs every time, from the
  // exit button or a control of the page, and leave the focus on the new
  // page's first control, in view.
  void CtrlTabGiraLeSchedeOgniVolta() {
    Mostra();
    QCOMPARE(QApplication::focusWidget(), Pulsante("CmdEsci"));
    QWidget* const primo[] = {Pulsante("CmdDirCrypt"), Casella("TxtPerc")};
    const std::pair<Qt::KeyboardModifiers, int> giri[] = {
        {Qt::ControlModifier, 1},
        {Qt::ControlModifier, 0},
        {Qt::ControlModifier, 1},
        {Qt::ControlModifier | Qt::ShiftModifier, 0},
        {Qt::ControlModifier | Qt::ShiftModifier, 1},
        {Qt::ControlModifier | Qt::ShiftModifier, 0}};
    for (const auto& [tasti, scheda] : giri) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, tasti);
      QCOMPARE(Schede()->currentIndex(), scheda);
      QWidget* fuoco = QApplication::focusWidget();
      QCOMPARE(fuoco, primo[scheda]);
      QVERIFY(fuoco->isVisible());
      // One Tab on: the focus stays on the page.
      QTest::keyClick(fuoco, Qt::Key_Tab);
      QVERIFY2(QApplication::focusWidget()->isVisible(),
               qPrintable(QApplication::focusWidget()->objectName()));
    }
    // The same from the exit button again, backwards as the key reaches it.
    Pulsante("CmdEsci")->setFocus();
    QTest::keyClick(Pulsante("CmdEsci"), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Schede()->currentIndex(), 1);
    QCOMPARE(QApplication::focusWidget(), primo[1]);
  }

  // The string option's description says how many characters fit, as its
  // caption does, with or without protection.
  void laStringaDiceQuantoCiSta() {
    QAccessibleInterface* stringa = Di(Opzione("Option3"));
    Scegli(Portante("dieci.bmp", ConPixel(400)));
    const QString libera = stringa->text(QAccessible::Description);
    QCOMPARE(libera, Opzione("Option3")->text().remove('&'));
    QVERIFY2(!libera.contains(QLatin1String("xx")), qPrintable(libera));
    Spunta("ChkPassphrase")->setChecked(true);
    QCOMPARE(stringa->text(QAccessible::Description), Opzione("Option3")->text().remove('&'));
    QVERIFY(stringa->text(QAccessible::Description) != libera);
  }

  // The engine works with the window disabled, which drops the focus: it
  // comes back to the control that had it.
  void ilFuocoTornaDopoIlLavoro() {
    Mostra();
    Pulsante("CmdDirCrypt")->setFocus();
    w_->setEnabled(false);
    w_->setEnabled(true);
    QCOMPARE(QApplication::focusWidget(), Pulsante("CmdDirCrypt"));
  }

  // The exit button is never in view: while it holds the focus the status
  // line says what Enter does, and then shows its own text again.
  void lUscitaColFuocoSiVedeNellaRigaDiStato() {
    Etichetta("LblStato")->setToolTip(QString());
    Mostra();
    QCOMPARE(QApplication::focusWidget(), Pulsante("CmdEsci"));
    QVERIFY(!Etichetta("LblStato")->text().isEmpty());
    QVERIFY(Etichetta("LblStato")->toolTip().isEmpty());
    QTest::keyClick(Pulsante("CmdEsci"), Qt::Key_Tab);
    QVERIFY(Etichetta("LblStato")->text().isEmpty());
  }
};

QTEST_MAIN(TestAccessibilita)
#include "TestAccessibilita.moc"
