// Pictures for the detectors' tests, made here: smooth fractal scenes with
// a little sensor noise, as a camera's photograph looks to the detectors;
// the ways of hiding the detectors are measured against; and a writer of
// them as 24- or 32-bit carriers.
#pragma once

#include <cstdint>
#include <string>

#include "Steganalisi.h"

namespace prova {

// Three channels of w × h, from `seme`.
Crypta::Steganalisi::Canali Scena(int w, int h, uint32_t seme);

// LSB replacement at random places: each value carries a random bit with
// probability `quota`.
void SostituisciACaso(Crypta::Steganalisi::Canali& c, double quota, uint32_t seme);
// ±1 at random places, on a share `quota` of the values, 0 and 255 moved
// only the way they can go.
void PiuMenoUno(Crypta::Steganalisi::Canali& c, double quota, uint32_t seme);

// The carrier bytes: bottom-up rows with padding, blue, green, red (and a
// fourth byte of 255 at 32 bits); `altoInBasso` writes a negative height.
std::string Carrier(const Crypta::Steganalisi::Canali& c, int bit = 24, bool altoInBasso = false);

}  // namespace prova
