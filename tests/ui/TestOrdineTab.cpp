// The focus order of the main window: every tab position used once, the
// focus chain in their order from CmdEsci, and the Tab key walking the page
// in front.
#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>
#include <algorithm>
#include <map>

#include "Avvio.h"
#include "Banco.h"
#include "Progetto.h"

class TestOrdineTab : public Banco {
  Q_OBJECT

  std::vector<Progetto::Controllo> progetto_ = Progetto::Controlli();

  QWidget* Trova(const QString& nome) const { return w_->findChild<QWidget*>(nome); }

 private slots:
  void initTestCase() { Avvio::Prepara(*qApp); }

  void init() { Apri(); }

  void cleanup() { Chiudi(); }

  void laPosizioneTabVaDaZeroASettantacinque() {
    std::map<int, QString> posti;
    for (const auto& c : progetto_) {
      if (c.Tab < 0) continue;
      QVERIFY2(posti.emplace(c.Tab, c.Nome).second, qPrintable(c.Nome));
      QCOMPARE(Trova(c.Nome)->property("TabIndex").toInt(), c.Tab);
    }
    QCOMPARE(posti.size(), std::size_t(76));
    QCOMPARE(posti.begin()->first, 0);
    QCOMPARE(posti.rbegin()->first, 75);
  }

  // The focus chain visits the controls that take the focus in the order of
  // their tab positions, starting with CmdEsci.
  void laCatenaDelFuocoSegueLePosizioni() {
    std::vector<std::pair<int, QWidget*>> attesi;
    for (const auto& c : progetto_) {
      if (c.Tab < 0 || c.Tipo == QLatin1String("QLabel") || c.Tipo == QLatin1String("QGroupBox"))
        continue;
      QWidget* w = Trova(c.Nome);
      attesi.emplace_back(c.Tab, w->focusProxy() ? w->focusProxy() : w);
    }
    std::sort(attesi.begin(), attesi.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    QCOMPARE(attesi.size(), std::size_t(27));
    std::vector<QWidget*> visti;
    QWidget* w = attesi.front().second;
    for (int passi = 0; passi < 2000 && visti.size() < attesi.size(); ++passi) {
      const bool cercato =
          std::any_of(attesi.begin(), attesi.end(), [w](const auto& a) { return a.second == w; });
      if (cercato && std::find(visti.begin(), visti.end(), w) == visti.end()) visti.push_back(w);
      w = w->nextInFocusChain();
    }
    QCOMPARE(visti.size(), attesi.size());
    for (std::size_t i = 0; i < attesi.size(); ++i)
      QVERIFY2(visti[i] == attesi[i].second, qPrintable(attesi[i].second->objectName()));
    // Labels and frames never take the focus.
    for (const auto& c : progetto_)
      if (c.Tipo == QLatin1String("QLabel") || c.Tipo == QLatin1String("QGroupBox"))
        QVERIFY2(!(Trova(c.Nome)->focusPolicy() & Qt::TabFocus), qPrintable(c.Nome));
  }

  // Tab walks the usable controls of the page in front, then comes back.
  void ilTastoTabPercorreLaPagina() {
    w_->show();
    QVERIFY(QTest::qWaitForWindowActive(w_.get()));
    QCOMPARE(QApplication::focusWidget(), Pulsante("CmdEsci"));
    const std::vector<QWidget*> crypt = {
        Schede()->tabBar(), Pulsante("CmdDirCrypt"), Casella("TxtDirCrypt"), Casella("TxtBit"),
        Barra("VScroll1"),  Casella("TxtPerc2"),     Pulsante("CmdEsci")};
    for (QWidget* atteso : crypt) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QVERIFY2(QApplication::focusWidget() == atteso, qPrintable(atteso->objectName()));
    }
    Schede()->setCurrentIndex(1);
    const std::vector<QWidget*> decrypt = {Schede()->tabBar(), Casella("TxtPerc"),
                                           Pulsante("CmdDirDeCrypt"), Casella("TxtDirDeCrypt"),
                                           Pulsante("CmdEsci")};
    for (QWidget* atteso : decrypt) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QVERIFY2(QApplication::focusWidget() == atteso, qPrintable(atteso->objectName()));
    }
  }
};

QTEST_MAIN(TestOrdineTab)
#include "TestOrdineTab.moc"
