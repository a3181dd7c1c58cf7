// A carrier's pixel array as the stealth layout reads it from an open file.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Costi.h"
#include "Operazioni.h"

namespace Crypta::Furtivo {

struct Portatore {
  Pixel forma;         // its byte pointer is set by Leggi
  int64_t inizio = 0;  // the file offset of the pixel array
  int64_t byte = 0;    // its size
};

// The geometry of an accepted carrier, or the reason it cannot be one.
std::optional<Portatore> Geometria(const Analisi& a, int64_t dimensione, std::string* perche);

// The pixel array's bytes, with forma.byte pointing at them.
std::vector<uint8_t> Leggi(const Accesso& file, Portatore& p);

}  // namespace Crypta::Furtivo
