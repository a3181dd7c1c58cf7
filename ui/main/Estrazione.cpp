#include "Estrazione.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <limits>

namespace Estrazione {

QString PercorsoUscita(const QString& cartella, const QString& nome) {
  return cartella + QDir::separator() + nome;
}

int16_t Bit(const QString& testo) {
  // The leading number as a plain decimal, blanks before it allowed: "4",
  // " 2", "8.0", "1x".
  static const QRegularExpression numero(
      QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?"));
  const QRegularExpressionMatch m = numero.match(testo);
  if (!m.hasMatch()) return 0;
  bool ok = false;
  const double valore = m.captured(0).trimmed().toDouble(&ok);
  if (!ok) return 0;
  // The default rounding mode rounds ties to even.
  const double intero = std::nearbyint(valore);
  if (!(intero >= std::numeric_limits<int16_t>::min() &&
        intero <= std::numeric_limits<int16_t>::max()))
    return 0;
  return static_cast<int16_t>(intero);
}

namespace {

bool Sotto(const QString& cartella, const QString& radice) {
  if (radice.isEmpty()) return false;
  const Qt::CaseSensitivity cs =
      QDir::separator() == QLatin1Char('\\') ? Qt::CaseInsensitive : Qt::CaseSensitive;
  const QString r = QDir::cleanPath(QDir::fromNativeSeparators(radice));
  const QString c = QDir::cleanPath(QDir::fromNativeSeparators(cartella));
  return c.compare(r, cs) == 0 || c.startsWith(r + QLatin1Char('/'), cs);
}

}  // namespace

QString CartellaPredefinita(const QString& programma, const QString& casa) {
  QStringList sistema = {QStringLiteral("/usr"), QStringLiteral("/opt"), QStringLiteral("/app")};
  for (const char* variabile : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432"})
    sistema << qEnvironmentVariable(variabile);
  for (const QString& radice : sistema)
    if (Sotto(programma, radice)) return casa;
  return QFileInfo(programma).isWritable() ? programma : casa;
}

QString CartellaPredefinita() {
  return CartellaPredefinita(QCoreApplication::applicationDirPath(), QDir::homePath());
}

}  // namespace Estrazione
