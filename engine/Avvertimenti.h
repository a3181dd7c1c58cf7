// Warnings before a hide, which never stop it: a key whose characters cancel
// out stores the payload in clear; a palette or 1-bit carrier, or 4 or 8 bits
// a byte, show the hidden bits, by the PSNR expected. Each front end shows
// them its own way (standard error, the window's status line).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Operazioni.h"

namespace Crypta {

// The warnings for hiding `lunghezza` bytes at Nbit into the analysed
// carrier with `chiave` (the engine's codes), each a sentence that follows
// "Attenzione:"; none when the hide shows nothing and the key scrambles.
std::vector<std::string> AvvisiNascondi(const std::string& carrier, const Analisi& a,
                                        int16_t Nbit, std::string_view chiave, bool cifrato,
                                        int64_t lunghezza);

}  // namespace Crypta
