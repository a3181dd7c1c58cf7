// Looking for a hidden payload without its key or bit count. Only the last
// byte of the length field carries the key mask, so at one bit count the 256
// masks give lengths that differ in their low byte alone, and the capacity
// cannot pick one: the content does. Each bit count's stream is gathered
// once, without a mask; every mask is then a XOR of the same bytes, so a
// byte histogram scores all 256 at once.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Operazioni.h"

namespace Crypta {

struct Candidato {
  int16_t Nbit = 1;
  uint8_t maschera = 0;  // the key mask that gives this payload
  int64_t lunghezza = 0;
  std::string tipo;      // "testo", or the kind a signature names ("PDF", "ZIP", ...)
  double punteggio = 0;  // a text's evidence in nats, any signature's far above; comparable
  std::string inizio;    // the payload's first bytes (up to 64), unmasked
};

// Every plausible payload in the carrier, the likeliest first. A file that is
// no carrier has none. The carrier is read under a shared lock; the observer
// may stop the scan between blocks.
std::vector<Candidato> Scansiona(const std::string& carrier, const Osservatore& o = {});

// A key that reduces to mask K and is easy to type, in Windows-1252 codes:
// one letter or digit, two of them, or one accented letter with one of them;
// empty for 0.
std::string ChiaveDi(uint8_t K);

}  // namespace Crypta
