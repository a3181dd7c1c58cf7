#include "Codici.h"


#include "Testo.h"

namespace Codici {

std::optional<std::string> DaTesto(const QString& testo, QString* errato) {
  std::string codici;
  char32_t carattere = 0;
  const QByteArray utf8 = testo.toUtf8();
  if (!Crypta::Utf8ACodici(Crypta::CapoCRLF(std::string_view(utf8.constData(), size_t(utf8.size()))),
                           codici, &carattere)) {
    if (errato) *errato = QString::fromUcs4(&carattere, 1);
    return std::nullopt;
  }
  return codici;
}

QString ATesto(const std::string& codici) {
  return QString::fromStdString(Crypta::CapoLF(Crypta::CodiciAUtf8(codici)));
}

// The engine takes paths in UTF-8 on every system, Windows included.
std::string Percorso(const QString& percorso) { return percorso.toUtf8().toStdString(); }

}  // namespace Codici
