#include "Estrazione.h"

#include <QDir>
#include <QRegularExpression>
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

}  // namespace Estrazione
