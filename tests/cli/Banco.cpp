#include "Banco.h"

#include <stdexcept>

#include "Testo.h"

namespace prova {

std::string Codici(const std::string& utf8) {
  std::string codici;
  if (!Crypta::Utf8ACodici(utf8, codici)) throw std::invalid_argument("not Windows-1252");
  return codici;
}

std::string FinestraNascondi(const std::string& carrier, const std::string& testo,
                             const std::string& chiave, int16_t Nbit) {
  const std::string codici = Codici(Crypta::CapoCRLF(testo));
  if (!Crypta::LeggiHeader(carrier, Nbit)) throw std::runtime_error("refused carrier");
  Crypta::CryptBitmap(carrier, Crypta::BmpHeader.OffsetDati, int32_t(codici.size()), codici, true,
                      Codici(chiave), Nbit);
  return codici;
}

std::string FinestraRivela(const std::string& carrier, const std::string& chiave, int16_t Nbit) {
  const std::string r = Crypta::DeCryptBitmap(carrier, Codici(chiave), Nbit, true, "");
  return Crypta::CodiciAUtf8(Crypta::CapoLF(r));
}

}  // namespace prova
