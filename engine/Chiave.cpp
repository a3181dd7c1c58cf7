// Bit strings and the key cipher. Hiding and revealing work on whole bytes
// with bit operations; these keep the defined text form for anyone who needs
// it, and they are the model the fast path is tested against.
#include <limits>

#include "Crypta.h"

namespace Crypta {

uint8_t Chiave1 = 0, Chiave2 = 0;

void PreparaChiave(const std::string& Chiave) {
  Chiave1 = 0;
  Chiave2 = 0;
  const size_t meta = Chiave.size() / 2;
  for (size_t i = 0; i < Chiave.size(); ++i) {
    const auto codice = static_cast<uint8_t>(Chiave[i]);
    (i < meta ? Chiave1 : Chiave2) ^= codice;
  }
}

std::string DecToBin(int32_t Valore, int16_t NumByte, bool Cripta) {
  int64_t v = Cripta ? (Valore ^ (Chiave1 ^ Chiave2)) : Valore;
  if (NumByte <= 0) return "";
  std::string bits;
  bits.reserve(static_cast<size_t>(NumByte) * 8);
  for (int i = NumByte * 8 - 1; i >= 0; --i) {
    // 2^i for i >= 31 exceeds every 32-bit value.
    const int64_t peso = i >= 31 ? std::numeric_limits<int64_t>::max() : int64_t{1} << i;
    if (peso <= v) {
      bits += '1';
      v -= peso;
    } else {
      bits += '0';
    }
  }
  return bits;
}

int32_t BinToDec(const std::string& Bits, bool Cripta) {
  int64_t v = 0;
  const size_t m = Bits.size();
  for (size_t j = 0; j < m; ++j) {
    if (Bits[j] != '1') continue;
    const size_t esponente = m - 1 - j;
    if (esponente >= 31) throw Overflow();
    v += int64_t{1} << esponente;
    if (v > std::numeric_limits<int32_t>::max()) throw Overflow();
  }
  const auto valore = static_cast<int32_t>(v);
  return Cripta ? (valore ^ (Chiave1 ^ Chiave2)) : valore;
}

}  // namespace Crypta
