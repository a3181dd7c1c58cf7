// Warnings on standard error; they never stop a command.
#pragma once

#include <cstdint>
#include <string>

#include "Operazioni.h"

namespace Cli {

void Avvisa(const std::string& testo);

// The engine's warnings before a hide of `lunghezza` bytes.
void AvvisaNascondi(const std::string& carrier, const Crypta::Analisi& a, int16_t Nbit,
                    const std::string& chiave, bool cifrato, int64_t lunghezza);

}  // namespace Cli
