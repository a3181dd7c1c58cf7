#include "Modello.h"

#include "Crypta.h"

namespace prova {

using Crypta::BinToDec;
using Crypta::DecToBin;

void NascondiModello(Byte& carrier, size_t offset, const Byte& dati, const std::string& chiave,
                     int nbit) {
  Crypta::PreparaChiave(chiave);
  size_t p = offset;
  auto scrivi = [&](std::string bits) {
    do {
      const std::string vecchi = DecToBin(carrier.at(p), 1, false);
      const std::string nuovi = vecchi.substr(0, size_t(8 - nbit)) + bits.substr(0, size_t(nbit));
      bits.erase(0, size_t(nbit));
      carrier.at(p++) = uint8_t(BinToDec(nuovi, false));
    } while (!bits.empty());
  };
  scrivi(DecToBin(int32_t(dati.size()), 4, true));
  for (const uint8_t b : dati) scrivi(DecToBin(b, 1, true));
}

Byte RivelaModello(const Byte& carrier, size_t offset, size_t n, const std::string& chiave,
                   int nbit, int32_t* lunghezza) {
  Crypta::PreparaChiave(chiave);
  size_t p = offset;
  auto raccogli = [&](size_t bit) {
    std::string bits;
    while (bits.size() < bit) bits += DecToBin(carrier.at(p++), 1, false).substr(size_t(8 - nbit));
    return bits;
  };
  *lunghezza = BinToDec(raccogli(32), true);
  Byte dati;
  for (size_t i = 0; i < n; ++i) dati.push_back(uint8_t(BinToDec(raccogli(8), true)));
  return dati;
}

}  // namespace prova
