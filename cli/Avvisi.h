// Warnings before a hide, on standard error; they never stop it. A key whose
// characters cancel out stores the payload in clear; a palette or 1-bit
// carrier, or 4 or 8 bits a byte, show the hidden bits, by the PSNR expected.
#pragma once

#include <cstdint>
#include <string>

#include "Operazioni.h"

namespace Cli {

void Avvisa(const std::string& testo);

// `chiave` as the engine's codes; `lunghezza`: the bytes to hide.
void AvvisaNascondi(const std::string& carrier, const Crypta::Analisi& a, int16_t Nbit,
                    const std::string& chiave, bool cifrato, int64_t lunghezza);

}  // namespace Cli
