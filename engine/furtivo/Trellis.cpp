// The trellis coder and the syndrome. The submatrix's columns are fixed
// pseudorandom h-bit words with the first and the last row set, so that
// every column reaches the current message bit and the farthest one; a
// block wider than the table reuses it from its start.
#include "Trellis.h"

#include <algorithm>
#include <array>

namespace Crypta::Furtivo {

namespace {

constexpr int kStati = 1 << kAltezza;
constexpr int kParole = kStati / 64;
static_assert(kStati % 64 == 0, "the path's bits are kept in whole 64-bit words");
constexpr uint32_t kInf = 0x3FFFFFFF;
constexpr size_t kColonne = 32;

constexpr std::array<uint32_t, kColonne> GeneraColonne() {
  std::array<uint32_t, kColonne> c{};
  uint32_t s = 0x9E3779B9u;
  for (auto& v : c) {
    s ^= s << 13;
    s ^= s >> 17;
    s ^= s << 5;
    v = (s & (kStati - 1)) | 1u | (1u << (kAltezza - 1));
  }
  return c;
}
constexpr std::array<uint32_t, kColonne> kColonna = GeneraColonne();

// Where block i of m over n columns begins.
size_t Inizio(size_t i, size_t n, size_t m) {
  return size_t(uint64_t(i) * n / m);
}

// The rows of H still inside the matrix from row i on.
uint32_t Maschera(size_t i, size_t m) {
  return m - i >= size_t(kAltezza) ? uint32_t(kStati - 1) : (1u << (m - i)) - 1;
}

// One column of the trellis: every state either keeps the cover bit or
// flips it and moves by the column's word. The choice is kept in `via`.
void Colonna(const std::array<uint32_t, kStati>& costo, std::array<uint32_t, kStati>& nuovo,
             uint32_t c, uint32_t resta, uint32_t cambia, uint64_t* via) {
  for (int w = 0; w < kParole; ++w) {
    uint64_t bit = 0;
    for (int b = 0; b < 64; ++b) {
      const int s = w * 64 + b;
      const uint32_t v0 = costo[size_t(s)] + resta;
      const uint32_t v1 = costo[size_t(s) ^ c] + cambia;
      const bool uno = v1 < v0;
      nuovo[size_t(s)] = uno ? v1 : v0;
      bit |= uint64_t(uno) << b;
    }
    via[w] = bit;
  }
}

}  // namespace

std::vector<uint8_t> Codifica(const uint8_t* x, const uint8_t* costi, size_t n,
                              const uint8_t* messaggio, size_t m) {
  std::vector<uint8_t> y(x, x + n);
  if (m == 0 || n == 0) return y;
  std::vector<uint64_t> via(n * kParole);
  std::array<uint32_t, kStati> costo, nuovo;
  costo.fill(kInf);
  costo[0] = 0;
  for (size_t i = 0; i < m; ++i) {
    const uint32_t maschera = Maschera(i, m);
    const size_t fine = Inizio(i + 1, n, m);
    for (size_t t = Inizio(i, n, m), j = 0; t < fine; ++t, ++j) {
      const uint32_t r = costi[t];
      Colonna(costo, nuovo, kColonna[j % kColonne] & maschera, x[t] ? r : 0, x[t] ? 0 : r,
              &via[t * kParole]);
      costo.swap(nuovo);
    }
    // Row i leaves the window: only the states that agree with its message
    // bit go on, shifted by one; costs are taken back to a minimum of 0 so
    // that they never grow past the unreachable mark.
    uint32_t minimo = kInf;
    for (int s = 0; s < kStati / 2; ++s) {
      nuovo[size_t(s)] = costo[size_t(s << 1 | (messaggio[i] & 1))];
      minimo = std::min(minimo, nuovo[size_t(s)]);
    }
    for (int s = 0; s < kStati / 2; ++s)
      nuovo[size_t(s)] = std::min(kInf, nuovo[size_t(s)] - minimo);
    std::fill(nuovo.begin() + kStati / 2, nuovo.end(), kInf);
    costo.swap(nuovo);
  }
  uint32_t s = uint32_t(std::min_element(costo.begin(), costo.end()) - costo.begin());
  for (size_t i = m; i-- > 0;) {
    s = ((s << 1) | (messaggio[i] & 1u)) & (kStati - 1);
    const uint32_t maschera = Maschera(i, m);
    const size_t inizio = Inizio(i, n, m);
    for (size_t t = Inizio(i + 1, n, m); t-- > inizio;) {
      const bool uno = (via[t * kParole + s / 64] >> (s % 64)) & 1;
      y[t] = uint8_t(uno);
      if (uno) s ^= kColonna[(t - inizio) % kColonne] & maschera;
    }
  }
  return y;
}

std::vector<uint8_t> Sindrome(const uint8_t* y, size_t n, size_t m) {
  std::vector<uint8_t> s(m);
  uint32_t registro = 0;
  for (size_t i = 0; i < m; ++i) {
    const uint32_t maschera = Maschera(i, m);
    const size_t fine = Inizio(i + 1, n, m);
    for (size_t t = Inizio(i, n, m), j = 0; t < fine; ++t, ++j)
      if (y[t] & 1) registro ^= kColonna[j % kColonne] & maschera;
    s[i] = uint8_t(registro & 1);
    registro >>= 1;
  }
  return s;
}

}  // namespace Crypta::Furtivo
