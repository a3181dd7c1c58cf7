// Syndrome-trellis codes (Filler, Judas and Fridrich, 2011). The parity-check
// matrix H (m rows, n columns) is made of copies of a small submatrix of
// kAltezza rows, one per message bit, each shifted down by one row and
// cropped at the bottom; block i holds the columns floor(i*n/m) up to
// floor((i+1)*n/m), so any rate m/n up to 1 fits. The coder finds the stego
// bits y with H y = message and the least total cost of the bits that differ
// from the cover, by the Viterbi algorithm over the trellis whose states are
// the kAltezza pending syndrome bits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Crypta::Furtivo {

// The constraint height h: 2^h states, 2^h bits of the path kept per cover
// bit while coding.
constexpr int kAltezza = 7;

// The bits y (0 or 1 each) with syndrome `messaggio` (m bits, 0 or 1 each)
// closest to the cover bits `x` under `costi` (the cost of flipping each, at
// least 1). Needs m <= n; with m == 0 it gives x back.
std::vector<uint8_t> Codifica(const uint8_t* x, const uint8_t* costi, size_t n,
                              const uint8_t* messaggio, size_t m);

// The syndrome H y of n bits, m of them.
std::vector<uint8_t> Sindrome(const uint8_t* y, size_t n, size_t m);

// Bytes the coder sets aside for n cover bits, beside its input and output.
constexpr size_t MemoriaCodifica(size_t n) {
  return n * ((size_t(1) << kAltezza) / 8);
}

}  // namespace Crypta::Furtivo
