// The ways of hiding that the detectability benchmark measures, each from a
// clean tile to its carrier's channels at a rate in bits per channel value:
// the design's layout through the engine's own hide, the stealth layout, and
// two simulated baselines.
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "Steganalisi.h"

namespace Banco {

using Crypta::Steganalisi::Canali;

// The design's layout, one bit a byte, through Crypta::Nascondi into a copy
// made in `cartella` and removed after reading.
Canali Progetto(const std::string& tessera, const std::string& cartella, double quota,
                std::mt19937_64& g);
// The stealth layout, through the stealth library's hide into memory with
// random keys.
Canali Furtivo(const Canali& pulita, double quota, std::mt19937_64& g);
// ±1 at random places: each value carries a bit with probability `quota`,
// and changes by ±1 when its LSB differs, 0 and 255 only the way they can.
Canali PiuMenoUno(const Canali& pulita, double quota, std::mt19937_64& g);
// HILL costs with the optimal ±1 embedding simulated: each value moves by
// +1 or -1 with the probabilities that minimise the expected cost for a
// payload of `quota` bits a value.
Canali Hill(const Canali& pulita, double quota, std::mt19937_64& g);

}  // namespace Banco
