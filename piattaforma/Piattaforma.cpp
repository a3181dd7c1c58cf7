// The seam in use and the translation of file filters into Qt's form.
#include "Piattaforma.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "PiattaformaQt.h"

namespace {
Piattaforma* installata = nullptr;
}

Piattaforma& Piattaforma::Attuale() {
  if (installata) return *installata;
  static PiattaformaQt desktop;
  return desktop;
}

Piattaforma* Piattaforma::Imposta(Piattaforma* p) {
  Piattaforma* const prima = installata;
  installata = p;
  return prima;
}

// A description keeps its patterns after the bar as they are.
QString Piattaforma::TuttiIFile() {
  //: A file dialog's entry: a description, a bar, the patterns.
  return QCoreApplication::translate("Piattaforma", "Tutti i file (*.*)|*.*");
}

QString Piattaforma::FileBitmap() {
  //: A file dialog's entry: a description, a bar, the patterns.
  return QCoreApplication::translate("Piattaforma", "FileBitmap (*.bmp)|*.bmp");
}

QStringList Piattaforma::FiltriQt(const QString& filtro) {
  const QStringList parti = filtro.split(QLatin1Char('|'));
  // A description usually repeats its patterns in parentheses; Qt reads the
  // patterns from there, so the repetition is replaced, not doubled.
  static const QRegularExpression coda(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
  QStringList filtri;
  for (qsizetype i = 0; i + 1 < parti.size(); i += 2) {
    QString descrizione = parti[i];
    descrizione.remove(coda);
    QStringList modelli = parti[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& m : modelli) {
      m = m.trimmed();
      if (m == QLatin1String("*.*")) m = QStringLiteral("*");
    }
    if (modelli.isEmpty()) modelli << QStringLiteral("*");
    filtri << descrizione.trimmed() + QStringLiteral(" (") + modelli.join(QLatin1Char(' ')) +
                  QLatin1Char(')');
  }
  return filtri;
}
