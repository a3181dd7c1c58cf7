// The window's controls as the tests reach them: by objectName, as a person
// finds them by their place, typed by kind. A control that is missing or of
// another kind stops the test program with its name.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QString>
#include <QTabWidget>
#include <QtGlobal>

#include "CasellaMultiriga.h"
#include "Immagine.h"

template <class T = QWidget>
T* Trova(const QWidget* finestra, const QString& nome) {
  T* c = finestra->findChild<T*>(nome);
  if (!c) qFatal("no control %s of the kind the test expects", qPrintable(nome));
  return c;
}

// For a bench that holds the window: its controls by kind.
class Controlli {
 public:
  virtual ~Controlli() = default;

  QLineEdit* Casella(const QString& nome) const { return Trova<QLineEdit>(Finestra(), nome); }
  CasellaMultiriga* Multiriga(const QString& nome) const {
    return Trova<CasellaMultiriga>(Finestra(), nome);
  }
  QPushButton* Pulsante(const QString& nome) const { return Trova<QPushButton>(Finestra(), nome); }
  QRadioButton* Opzione(const QString& nome) const { return Trova<QRadioButton>(Finestra(), nome); }
  QLabel* Etichetta(const QString& nome) const { return Trova<QLabel>(Finestra(), nome); }
  QGroupBox* Cornice(const QString& nome) const { return Trova<QGroupBox>(Finestra(), nome); }
  QScrollBar* Barra(const QString& nome) const { return Trova<QScrollBar>(Finestra(), nome); }
  QCheckBox* Spunta(const QString& nome) const { return Trova<QCheckBox>(Finestra(), nome); }
  QTabWidget* Schede() const { return Trova<QTabWidget>(Finestra(), QStringLiteral("SSTab1")); }
  Immagine* Logo() const { return Trova<Immagine>(Finestra(), QStringLiteral("Image1")); }
  // A value label of the header table, Label2(i).
  QLabel* Valore(int i) const { return Etichetta(QStringLiteral("Label2_%1").arg(i)); }

 protected:
  virtual QWidget* Finestra() const = 0;
};
