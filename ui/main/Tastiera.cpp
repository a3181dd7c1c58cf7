// The tab turn by keyboard and the exit button's hint. The keys are taken
// for the whole window before any control sees them: the tab control's own
// handling works only while the focus is inside it, and the focus is often
// on the exit button, which stands outside it.
#include "Tastiera.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "RigaStato.h"

Tastiera::Tastiera(QWidget* finestra, QTabWidget* schede, QPushButton* esci, RigaStato* stato)
    : QObject(finestra), finestra_(finestra), schede_(schede), esci_(esci), stato_(stato) {
  qApp->installEventFilter(this);
}

void Tastiera::Gira(int passo) {
  const int n = schede_->count();
  schede_->setCurrentIndex(((schede_->currentIndex() + passo) % n + n) % n);
  PrimoControllo()->setFocus(Qt::TabFocusReason);
}

QWidget* Tastiera::PrimoControllo() const {
  // The page's frame is the one the current tab shows; its first control is
  // the first the Tab key reaches from the tab strip.
  QTabBar* barra = schede_->tabBar();
  for (QWidget* w = barra->nextInFocusChain(); w && w != barra; w = w->nextInFocusChain()) {
    if (w->window() != finestra_ || !schede_->isAncestorOf(w) || !w->isVisible() ||
        !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
      continue;
    return w;
  }
  return barra;
}

void Tastiera::Ritorna() {
  if (QApplication::focusWidget() && QApplication::focusWidget()->window() == finestra_) return;
  QWidget* w = ultimo_;
  if (!w || !w->isVisible() || !w->isEnabled()) w = PrimoControllo();
  w->setFocus(Qt::OtherFocusReason);
}

bool Tastiera::eventFilter(QObject* oggetto, QEvent* evento) {
  if (evento->type() == QEvent::FocusIn && oggetto->isWidgetType() &&
      static_cast<QWidget*>(oggetto)->window() == finestra_)
    ultimo_ = static_cast<QWidget*>(oggetto);
  if (oggetto == finestra_ && evento->type() == QEvent::EnabledChange && finestra_->isEnabled())
    Ritorna();
  if (oggetto == esci_ && evento->type() == QEvent::FocusIn)
    stato_->Suggerisci(tr("Invio chiude il programma; Tab passa ai controlli"));
  else if (oggetto == esci_ && evento->type() == QEvent::FocusOut)
    stato_->Suggerisci(QString());
  if (evento->type() != QEvent::KeyPress || !oggetto->isWidgetType() ||
      static_cast<QWidget*>(oggetto)->window() != finestra_)
    return false;
  const auto* tasto = static_cast<QKeyEvent*>(evento);
  if (!(tasto->modifiers() & Qt::ControlModifier) ||
      (tasto->key() != Qt::Key_Tab && tasto->key() != Qt::Key_Backtab))
    return false;
  const bool indietro = tasto->key() == Qt::Key_Backtab || (tasto->modifiers() & Qt::ShiftModifier);
  Gira(indietro ? -1 : 1);
  return true;
}
