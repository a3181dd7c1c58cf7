// The accessible interfaces of the windows and of the main window's tab
// control. The tab control reads as a panel holding its tab strip; the strip
// is the page tab list; each page tab is named by its caption, selected while
// current, pressed to make it current, and holds the frame of its page, whose
// parent it is in turn. The folder chooser's drive list is named by its own
// name.
#include "SchedeAccessibili.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QHash>
#include <QPointer>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

#include "FrmMain.h"
#include "Seldir.h"

namespace {

// The main window's tab control, or null.
QTabWidget* Schede(QObject* o) {
  auto* schede = qobject_cast<QTabWidget*>(o);
  return schede && qobject_cast<FrmMain*>(schede->parent()) ? schede : nullptr;
}

// The frames of the pages are the tab control's own children besides its
// strip and its (empty) stack, in the order of the tabs.
QWidgetList Pagine(const QTabWidget* schede) {
  QWidgetList pagine;
  for (QObject* o : schede->children()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (w && w != schede->tabBar() && !qobject_cast<QStackedWidget*>(w)) pagine << w;
  }
  return pagine;
}

class Scheda : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  Scheda(QTabBar* barra, int indice) : barra_(barra), indice_(indice) {}

  bool isValid() const override { return barra_ && indice_ < barra_->count(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return parent() ? parent()->window() : nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(barra_.data());
  }
  QWidget* Pagina() const {
    auto* schede = qobject_cast<QTabWidget*>(barra_ ? barra_->parent() : nullptr);
    const QWidgetList pagine = schede ? Pagine(schede) : QWidgetList();
    return indice_ < pagine.size() ? pagine[indice_] : nullptr;
  }
  int childCount() const override { return Pagina() ? 1 : 0; }
  QAccessibleInterface* child(int i) const override {
    return i == 0 && Pagina() ? QAccessible::queryAccessibleInterface(Pagina()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* c) const override {
    return c && c->object() && c->object() == Pagina() ? 0 : -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    QAccessibleInterface* p = child(0);
    return p && p->rect().contains(x, y) ? p : nullptr;
  }
  QString text(QAccessible::Text t) const override {
    if (!isValid()) return QString();
    if (t == QAccessible::Name) {
      const QString nome = barra_->accessibleTabName(indice_);
      return nome.isEmpty() ? QString(barra_->tabText(indice_)).remove(QLatin1Char('&')) : nome;
    }
    if (t == QAccessible::Description) return barra_->tabToolTip(indice_);
    return QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return QRect();
    const QRect r = barra_->tabRect(indice_);
    return QRect(barra_->mapToGlobal(r.topLeft()), r.size());
  }
  QAccessible::Role role() const override { return QAccessible::PageTab; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    const bool corrente = barra_->currentIndex() == indice_;
    s.selectable = s.focusable = true;
    s.selected = corrente;
    s.focused = corrente && barra_->hasFocus();
    s.disabled = !barra_->isEnabled() || !barra_->isTabEnabled(indice_);
    s.invisible = !barra_->isVisible();
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                             : nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& azione) override {
    if (azione == pressAction() && isValid() && !state().disabled) barra_->setCurrentIndex(indice_);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<QTabBar> barra_;
  int indice_;
};

class Barra : public QAccessibleWidget {
 public:
  explicit Barra(QTabBar* barra) : QAccessibleWidget(barra, QAccessible::PageTabList) {
    // The selection moves between tabs: both tabs change state, and the
    // pages' frames show and hide on their own.
    QObject::connect(barra, &QTabBar::currentChanged, barra, [barra] {
      QAccessibleInterface* self = QAccessible::queryAccessibleInterface(barra);
      for (int i = 0; self && i < self->childCount(); ++i) {
        QAccessible::State cambiato;
        cambiato.selected = true;
        QAccessibleStateChangeEvent evento(self->child(i), cambiato);
        QAccessible::updateAccessibility(&evento);
      }
    });
  }
  ~Barra() override {
    for (const QAccessible::Id id : std::as_const(figli_))
      QAccessible::deleteAccessibleInterface(id);
  }
  QTabBar* barra() const { return static_cast<QTabBar*>(object()); }
  int childCount() const override { return barra()->count(); }
  QAccessibleInterface* child(int i) const override {
    if (i < 0 || i >= childCount()) return nullptr;
    if (const QAccessible::Id id = figli_.value(i)) return QAccessible::accessibleInterface(id);
    auto* scheda = new Scheda(barra(), i);
    figli_.insert(i, QAccessible::registerAccessibleInterface(scheda));
    return scheda;
  }
  int indexOfChild(const QAccessibleInterface* c) const override {
    for (int i = 0; i < childCount(); ++i)
      if (child(i) == c) return i;
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const int i = barra()->tabAt(barra()->mapFromGlobal(QPoint(x, y)));
    return i >= 0 ? child(i) : nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    return barra()->hasFocus() ? child(barra()->currentIndex()) : nullptr;
  }

 private:
  mutable QHash<int, QAccessible::Id> figli_;
};

// The tab control shows only its strip: the pages come under their tabs.
class Contenitore : public QAccessibleWidget {
 public:
  explicit Contenitore(QTabWidget* schede) : QAccessibleWidget(schede, QAccessible::Pane) {}
  QTabBar* barra() const { return static_cast<QTabWidget*>(object())->tabBar(); }
  int childCount() const override { return 1; }
  QAccessibleInterface* child(int i) const override {
    return i == 0 ? QAccessible::queryAccessibleInterface(barra()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* c) const override {
    return c && c->object() == barra() ? 0 : -1;
  }
};

// A page's frame, under its page tab.
class Pagina : public QAccessibleWidget {
 public:
  explicit Pagina(QWidget* pagina) : QAccessibleWidget(pagina, QAccessible::Grouping) {}
  QAccessibleInterface* parent() const override {
    auto* schede = static_cast<QTabWidget*>(widget()->parentWidget());
    QAccessibleInterface* barra = QAccessible::queryAccessibleInterface(schede->tabBar());
    const qsizetype indice = Pagine(schede).indexOf(widget());
    return barra && indice >= 0 ? barra->child(int(indice)) : nullptr;
  }
};

// A drop-down list named by its own accessible name: on Linux Qt names it
// after its current item, which is its value.
class Elenco : public QAccessibleWidget {
 public:
  explicit Elenco(QComboBox* c) : QAccessibleWidget(c, QAccessible::ComboBox) {}
  QComboBox* elenco() const { return static_cast<QComboBox*>(object()); }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? elenco()->currentText() : QAccessibleWidget::text(t);
  }
  int childCount() const override { return 1; }
  QAccessibleInterface* child(int i) const override {
    return i == 0 ? QAccessible::queryAccessibleInterface(elenco()->view()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* c) const override {
    return c && c->object() == elenco()->view() ? 0 : -1;
  }
  QStringList actionNames() const override { return {showMenuAction()}; }
  void doAction(const QString& azione) override {
    if (azione == showMenuAction() || azione == pressAction()) elenco()->showPopup();
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* Fabbrica(const QString& classe, QObject* o) {
  if (classe == QLatin1String("FrmMain") || classe == QLatin1String("Seldir"))
    return new QAccessibleWidget(static_cast<QWidget*>(o), QAccessible::Window);
  if (classe == QLatin1String("QComboBox") && qobject_cast<Seldir*>(o->parent()))
    return new Elenco(static_cast<QComboBox*>(o));
  if (classe == QLatin1String("QTabWidget") && Schede(o))
    return new Contenitore(static_cast<QTabWidget*>(o));
  if (classe == QLatin1String("QTabBar") && Schede(o->parent()))
    return new Barra(static_cast<QTabBar*>(o));
  if (auto* w = qobject_cast<QWidget*>(o); w && Schede(w->parent()) &&
                                           Pagine(Schede(w->parent())).contains(w) &&
                                           classe == QLatin1String(o->metaObject()->className()))
    return new Pagina(w);
  return nullptr;
}

}  // namespace

namespace SchedeAccessibili {

void Installa() {
  static const bool installata = [] {
    QAccessible::installFactory(Fabbrica);
    return true;
  }();
  static_cast<void>(installata);
}

}  // namespace SchedeAccessibili
