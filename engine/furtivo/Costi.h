// The cost of changing each colour channel value of a carrier's pixels by
// one, after HILL (Li, Wang, Huang and Li, 2014): a 3x3 high-pass residual,
// its magnitude averaged over 3x3, inverted, and averaged again over 15x15,
// so that changes are cheap only inside textured regions. Each colour plane
// is treated as a grey picture of its own. Channel values are numbered
// (row * width + column) * 3 + channel, rows in file order, channels in file
// order (blue, green, red for a bitmap), alpha never included.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Crypta::Furtivo {

// A carrier's pixel array as it lies in the file: `passo` bytes per row
// (padding included), 3 or 4 bytes per pixel, the first three of which are
// the colour channels.
struct Pixel {
  const uint8_t* byte = nullptr;
  int64_t larghezza = 0, altezza = 0;
  int64_t passo = 0;
  int byte_per_pixel = 3;

  int64_t Valori() const { return larghezza * altezza * 3; }
  // Where channel value k lies in `byte`.
  int64_t Posizione(int64_t k) const {
    const int64_t pixel = k / 3;
    return (pixel / larghezza) * passo + (pixel % larghezza) * byte_per_pixel + k % 3;
  }
};

// HILL costs of one colour plane (`canale` 0, 1 or 2), larghezza * altezza
// of them in row order, written to `costi`. Equal for +1 and -1; a flat
// region gets a cost that grows without bound (up to about 1e10).
void CostiPiano(const Pixel& p, int canale, float* costi);

// The same for every channel value, in channel-value order: 4 bytes each,
// for simulations; the hide itself keeps only the 8-bit form below.
std::vector<float> CostiHill(const Pixel& p);

// Costs quantised to 1..255, one byte per channel value in channel-value
// order, as the coder takes them: the plane's costs divided by a scale set
// from their lower quartile (which becomes kQuartile), rounded, and capped.
// A change always exists at this cost: a 0 moves only up and a 255 only down,
// and either flips the lowest bit, which is all the coder asks for.
constexpr int kQuartile = 8;
std::vector<uint8_t> CostiQuantizzati(const Pixel& p);

}  // namespace Crypta::Furtivo
