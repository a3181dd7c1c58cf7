// The bit layout of the hidden stream: each stream byte, most significant
// bits first, goes Nbit bits at a time into the low bits of 8/Nbit
// consecutive carrier bytes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace Crypta {

// Writes `n` stream bytes, each XOR K, into the low Nbit bits of n * 8 / Nbit
// carrier bytes. With Nbit 8, `carrier` may be `flusso` itself.
void Spargi(const uint8_t* flusso, size_t n, uint8_t* carrier, int Nbit, uint8_t K);
// Gathers `n` stream bytes from the low Nbit bits of n * 8 / Nbit carrier
// bytes, each XOR K. `flusso` may be `carrier` itself.
void Raccogli(const uint8_t* carrier, size_t n, uint8_t* flusso, int Nbit, uint8_t K);

}  // namespace Crypta
