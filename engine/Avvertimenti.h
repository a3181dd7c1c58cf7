// Warnings before a hide, which never stop it: a key whose characters cancel
// out stores the payload in clear; a palette or 1-bit carrier, or 4 or 8 bits
// a byte, show the hidden bits, by the PSNR expected. Each is a sentence
// that follows "Attenzione:"; each front end shows them its own way
// (standard error, the window's status line).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Operazioni.h"

namespace Crypta {

// The key's warning, for `chiave` as the engine's codes; none for an
// encrypted payload, which the mask does not protect anyway.
std::optional<std::string> AvvisoChiave(std::string_view chiave, bool cifrato);

// The picture's warning for hiding a stream of `flusso` bytes (length field
// included) at Nbit into the analysed carrier.
std::optional<std::string> AvvisoImmagine(const std::string& carrier, const Analisi& a,
                                          int16_t Nbit, int64_t flusso);

// Both, for hiding `lunghezza` payload bytes.
std::vector<std::string> AvvisiNascondi(const std::string& carrier, const Analisi& a, int16_t Nbit,
                                        std::string_view chiave, bool cifrato, int64_t lunghezza);

}  // namespace Crypta
