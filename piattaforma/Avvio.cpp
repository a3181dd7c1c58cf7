// Start-up of the program's environment, before any window exists.
#include "Avvio.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "Identita.h"

namespace Avvio {

void Prepara(QApplication& app) {
  QCoreApplication::setApplicationName(QString::fromUtf8(Identita::Nome));
  QCoreApplication::setApplicationVersion(QString::fromUtf8(Identita::Versione));
  QCoreApplication::setOrganizationName(QString::fromUtf8(Identita::Organizzazione));
  QGuiApplication::setDesktopFileName(QStringLiteral("tavelin"));
  QApplication::setWindowIcon(Icona());
  SostituisciFont();
  CaricaTraduzioni(app);
}

void SostituisciFont() {
  const QString liberation = QStringLiteral("Liberation Sans");
  for (const char* progettato : {"MS Sans Serif", "Microsoft Sans Serif", "Arial"})
    QFont::insertSubstitution(QString::fromLatin1(progettato), liberation);
}

bool CaricaTraduzioni(QApplication& app) {
  auto traduzione = std::make_unique<QTranslator>();
  if (!traduzione->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(traduzione.get()))
    return false;
  traduzione.release()->setParent(&app);  // lives as long as the application
  return true;
}

QIcon Icona() {
  return QIcon(QStringLiteral(":/tavelin/tavelin.png"));
}

QPixmap Logo() {
  return QPixmap(QStringLiteral(":/tavelin/logo.png"));
}

}  // namespace Avvio
