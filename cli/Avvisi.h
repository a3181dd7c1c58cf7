// Warnings on standard error; they never stop a command.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "Operazioni.h"
#include "Steganalisi.h"

namespace Cli {

void Avvisa(const std::string& testo);

// The engine's warnings before a hide of `lunghezza` bytes.
void AvvisaNascondi(const std::string& carrier, const Crypta::Analisi& a, int16_t Nbit,
                    const std::string& chiave, bool cifrato, int64_t lunghezza);

// The carrier as analyze sees it; nothing for one it cannot read (palette,
// 16-bit, compressed).
std::optional<Crypta::Steganalisi::Referto> Rilevabilita(const std::string& carrier);
// After a hide: a warning when the detectors find a sign in the result that
// they did not find in the carrier before, which they may have already
// found in a picture of pure noise or in a carrier that held data.
void AvvisaRilevabile(const std::optional<Crypta::Steganalisi::Referto>& prima,
                      const std::string& risultato);

}  // namespace Cli
