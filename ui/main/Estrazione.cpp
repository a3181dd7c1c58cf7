#include "Estrazione.h"

#include <QDir>
#include <QRegularExpression>
#include <cmath>
#include <limits>
#include <system_error>

namespace Estrazione {

namespace fs = std::filesystem;

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

Uscita::Uscita(fs::path path) : path_(std::move(path)) {
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(path_, ec))) return;
  const fs::file_status stato = fs::status(path_, ec);
  if (!ec && fs::is_regular_file(stato)) {
    const std::uintmax_t n = fs::file_size(path_, ec);
    if (!ec) {
      lunghezza_ = n;
      return;
    }
  }
  altro_ = true;
}

void Uscita::Ripristina() const noexcept {
  if (altro_) return;
  std::error_code ec;
  if (lunghezza_) {
    const std::uintmax_t ora = fs::file_size(path_, ec);
    if (!ec && ora > *lunghezza_) fs::resize_file(path_, *lunghezza_, ec);
    return;
  }
  // Only a plain file is one the reveal can have created here.
  if (fs::is_regular_file(fs::symlink_status(path_, ec))) fs::remove(path_, ec);
}

}  // namespace Estrazione
