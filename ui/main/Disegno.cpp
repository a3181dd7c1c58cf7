// Creation and placement of the window's controls.
#include "Disegno.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "CasellaMultiriga.h"
#include "CasellaPercorso.h"

namespace Disegno {

QRect Pixel(const Twips& t) {
  return QRect(t.Left / 15, t.Top / 15, t.Width / 15, t.Height / 15);
}

QFont Carattere(const char* famiglia, qreal punti, bool grassetto) {
  QFont f(QString::fromLatin1(famiglia));
  f.setPointSizeF(punti);
  f.setWeight(grassetto ? QFont::Bold : QFont::Normal);
  f.setItalic(false);
  // Liberation Sans, which stands in for the designed fonts, sets these
  // captions a few per cent wider than the boxes were drawn for; narrowed
  // by 4% every caption fits its box, and the difference is not seen.
  f.setStretch(96);
  return f;
}

void Posa(QWidget* w, const char* nome, const Twips& t, const QFont& f, int tab) {
  w->setObjectName(QString::fromLatin1(nome));
  w->setGeometry(Pixel(t));
  w->setFont(f);
  w->setProperty(TabIndex, tab);
}

QLabel* Etichetta(QWidget* padre, const char* nome, const QString& testo, const Twips& t,
                  const QFont& f, int tab) {
  auto* l = new QLabel(testo, padre);
  Posa(l, nome, t, f, tab);
  // Captions start at the top left and wrap at word boundaries when the box
  // is too narrow, as the design expects of its two-line labels.
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  l->setWordWrap(true);
  l->setTextFormat(Qt::PlainText);
  return l;
}

QPushButton* Pulsante(QWidget* padre, const char* nome, const QString& testo, const Twips& t,
                      const QFont& f, int tab) {
  auto* b = new QPushButton(testo, padre);
  Posa(b, nome, t, f, tab);
  // Return presses the focused button too, not only the space bar.
  b->setAutoDefault(true);
  return b;
}

QRadioButton* Opzione(QWidget* padre, const char* nome, const QString& testo, const Twips& t,
                      const QFont& f, int tab) {
  auto* o = new QRadioButton(testo, padre);
  Posa(o, nome, t, f, tab);
  return o;
}

QCheckBox* Spunta(QWidget* padre, const char* nome, const QString& testo, const Twips& t,
                  const QFont& f, int tab) {
  auto* c = new QCheckBox(testo, padre);
  Posa(c, nome, t, f, tab);
  return c;
}

QGroupBox* Cornice(QWidget* padre, const char* nome, const QString& testo, const Twips& t,
                   const QFont& f, int tab) {
  auto* g = new QGroupBox(testo, padre);
  Posa(g, nome, t, f, tab);
  return g;
}

QLineEdit* Casella(QWidget* padre, const char* nome, const QString& testo, const Twips& t,
                   const QFont& f, int tab) {
  auto* c = new QLineEdit(testo, padre);
  Posa(c, nome, t, f, tab);
  return c;
}

CasellaPercorso* Percorso(QWidget* padre, const char* nome, const Twips& t, const QFont& f,
                          int tab) {
  auto* c = new CasellaPercorso(padre);
  Posa(c, nome, t, f, tab);
  return c;
}

CasellaMultiriga* Multiriga(QWidget* padre, const char* nome, const Twips& t, const QFont& f,
                            int tab) {
  auto* c = new CasellaMultiriga(padre);
  Posa(c, nome, t, f, tab);
  return c;
}

QScrollBar* Barra(QWidget* padre, const char* nome, const Twips& t, int tab) {
  auto* b = new QScrollBar(Qt::Vertical, padre);
  Posa(b, nome, t, b->font(), tab);
  b->setRange(0, 3);
  b->setSingleStep(1);
  b->setPageStep(1);  // a larger page would make the handle fill the track
  b->setValue(3);
  // The bar takes the focus like the other controls in the tab order, and
  // offers no menu of its own.
  b->setFocusPolicy(Qt::StrongFocus);
  b->setContextMenuPolicy(Qt::NoContextMenu);
  return b;
}

}  // namespace Disegno
