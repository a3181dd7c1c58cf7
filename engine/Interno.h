// Pieces the engine's own files share; not part of the public header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "Crypta.h"

namespace Crypta {

// Usable payload bytes for a declared file size, data offset and bit count.
double Capienza(double DimensioneFile, double OffsetDati, int16_t Nbit);

// A working buffer of at least `n` bytes, one of two (`quale` 0 or 1) kept
// for the calling thread: a hide or reveal after the first costs no fresh
// memory, and a short one never asks for more than it needs.
uint8_t* Scorta(int quale, size_t n);

// True for the bit counts the format knows: 1, 2, 4 and 8.
inline bool NbitValido(int16_t Nbit) { return Nbit == 1 || Nbit == 2 || Nbit == 4 || Nbit == 8; }

}  // namespace Crypta
