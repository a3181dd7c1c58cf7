// Start-up of the program's environment, before any window exists.
#include "Avvio.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
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

namespace {

// The engine's texts have no context of their own: lconvert files a gettext
// catalog's messages under the empty one.
std::string Motore(const char* italiano) {
  return QCoreApplication::translate("", italiano).toStdString();
}

}  // namespace

QStringList Cataloghi(Crypta::Lingua lingua) {
  if (lingua == Crypta::Lingua::Inglese)
    return {QStringLiteral(":/i18n/tavelin_en.qm"), QStringLiteral(":/i18n/crypta_en.qm")};
  return {QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_it.qm")};
}

bool CaricaTraduzioni(QCoreApplication& app, Crypta::Lingua lingua) {
  bool tutti = true;
  for (const QString& catalogo : Cataloghi(lingua)) {
    auto traduzione = std::make_unique<QTranslator>();
    if (!traduzione->load(catalogo) || !QCoreApplication::installTranslator(traduzione.get())) {
      tutti = false;
      continue;
    }
    traduzione.release()->setParent(&app);  // lives as long as the application
  }
  Crypta::ImpostaTraduttore(lingua == Crypta::Lingua::Inglese ? Motore : nullptr);
  return tutti;
}

QString Testo(const char* contesto, const char* italiano) {
  QTranslator traduzione;
  if (Crypta::LinguaDellAmbiente() == Crypta::Lingua::Inglese &&
      traduzione.load(Cataloghi(Crypta::Lingua::Inglese).first())) {
    const QString tradotto = traduzione.translate(contesto, italiano);
    if (!tradotto.isEmpty()) return tradotto;
  }
  return QString::fromUtf8(italiano);
}

QIcon Icona() {
  return QIcon(QStringLiteral(":/tavelin/tavelin.png"));
}

QPixmap Logo() {
  return QPixmap(QStringLiteral(":/tavelin/logo.png"));
}

}  // namespace Avvio
