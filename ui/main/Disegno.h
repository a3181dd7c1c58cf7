// Helpers that place a control as the window's design gives it: a rectangle
// in twips relative to its container, a font, a position in the tab order.
// With them the layout code reads like the table it comes from.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class CasellaMultiriga;
class CasellaPercorso;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace Disegno {

// Left, Top, Width, Height in twips; 15 twips make a pixel at 96 dpi.
struct Twips {
  int Left, Top, Width, Height;
};
QRect Pixel(const Twips& t);

// The property that holds a control's position in the tab order, the order
// in which OrdineTab chains the focus.
inline constexpr char TabIndex[] = "TabIndex";

QFont Carattere(const char* famiglia, qreal punti, bool grassetto = false);

// Name (also the objectName), place, font and tab position of a control.
void Posa(QWidget* w, const char* nome, const Twips& t, const QFont& f, int tab);

// Controls of each kind, created as children of `padre`.
QLabel* Etichetta(QWidget* padre, const char* nome, const QString& testo, const Twips& t,
                  const QFont& f, int tab);
QPushButton* Pulsante(QWidget* padre, const char* nome, const QString& testo, const Twips& t,
                      const QFont& f, int tab);
QRadioButton* Opzione(QWidget* padre, const char* nome, const QString& testo, const Twips& t,
                      const QFont& f, int tab);
QCheckBox* Spunta(QWidget* padre, const char* nome, const QString& testo, const Twips& t,
                  const QFont& f, int tab);
QGroupBox* Cornice(QWidget* padre, const char* nome, const QString& testo, const Twips& t,
                   const QFont& f, int tab);
QLineEdit* Casella(QWidget* padre, const char* nome, const QString& testo, const Twips& t,
                   const QFont& f, int tab);
// A read-only box for a chosen file's path, which takes a dropped file.
CasellaPercorso* Percorso(QWidget* padre, const char* nome, const Twips& t, const QFont& f,
                          int tab);
CasellaMultiriga* Multiriga(QWidget* padre, const char* nome, const Twips& t, const QFont& f,
                            int tab);
// A vertical scroll bar from 0 to 3, one step per click, at 3.
QScrollBar* Barra(QWidget* padre, const char* nome, const Twips& t, int tab);

}  // namespace Disegno
