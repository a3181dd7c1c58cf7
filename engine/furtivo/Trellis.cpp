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
// The states' costs in vectors of 4 lanes: state s is lane s % 4 of vector
// s / 4. A column's word c pairs vector v with v ^ (c / 4), and lane l with
// l ^ (c % 4), which is one of four fixed shuffles, so the whole column runs
// in vector operations on any target the compiler knows (SSE2, NEON).
using Vettore = int32_t __attribute__((vector_size(16)));
constexpr int kLane = 4;
constexpr int kVettori = kStati / kLane;
static_assert(kVettori <= 32, "a lane's choices are kept in 32 bits");
constexpr int32_t kInf = 0x3FFFFFFF;
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

template <int K>
Vettore Scambia(Vettore v) {
#if defined(__clang__)
  return __builtin_shufflevector(v, v, 0 ^ K, 1 ^ K, 2 ^ K, 3 ^ K);
#else
  return __builtin_shuffle(v, Vettore{0 ^ K, 1 ^ K, 2 ^ K, 3 ^ K});
#endif
}

// One column of the trellis: every state either keeps the cover bit or
// flips it and moves by the column's word. The choice of state s is bit
// s / 4 of via[s % 4].
template <int K>
void Colonna(const Vettore* costo, Vettore* nuovo, uint32_t alto, int32_t resta, int32_t cambia,
             uint32_t* via) {
  Vettore scelte{};
  for (int v = 0; v < kVettori; ++v) {
    const Vettore v0 = costo[v] + resta;
    const Vettore v1 = Scambia<K>(costo[uint32_t(v) ^ alto]) + cambia;
    const Vettore uno = v1 < v0;
    nuovo[v] = (v1 & uno) | (v0 & ~uno);
    scelte |= (uno & 1) << v;
  }
  for (int l = 0; l < kLane; ++l) via[l] = uint32_t(scelte[l]);
}

using Passo = void (*)(const Vettore*, Vettore*, uint32_t, int32_t, int32_t, uint32_t*);
constexpr Passo kPasso[kLane] = {Colonna<0>, Colonna<1>, Colonna<2>, Colonna<3>};

}  // namespace

std::vector<uint8_t> Codifica(const uint8_t* x, const uint8_t* costi, size_t n,
                              const uint8_t* messaggio, size_t m) {
  std::vector<uint8_t> y(x, x + n);
  if (m == 0 || n == 0) return y;
  std::vector<uint32_t> via(n * kLane);
  std::array<Vettore, kVettori> costo, nuovo;
  auto stato = [](std::array<Vettore, kVettori>& a, uint32_t s) -> int32_t& {
    return reinterpret_cast<int32_t*>(a.data())[s];
  };
  for (auto& v : costo) v = Vettore{} + kInf;
  stato(costo, 0) = 0;
  for (size_t i = 0; i < m; ++i) {
    const uint32_t maschera = Maschera(i, m);
    const size_t fine = Inizio(i + 1, n, m);
    for (size_t t = Inizio(i, n, m), j = 0; t < fine; ++t, ++j) {
      const uint32_t c = kColonna[j % kColonne] & maschera;
      const int32_t r = costi[t];
      kPasso[c % kLane](costo.data(), nuovo.data(), c / kLane, x[t] ? r : 0, x[t] ? 0 : r,
                        &via[t * kLane]);
      costo.swap(nuovo);
    }
    // Row i leaves the window: only the states that agree with its message
    // bit go on, shifted by one; costs are taken back to a minimum of 0 so
    // that they never grow past the unreachable mark.
    const uint32_t bit = messaggio[i] & 1u;
    int32_t minimo = kInf;
    for (uint32_t s = 0; s < kStati / 2; ++s) {
      stato(nuovo, s) = stato(costo, s << 1 | bit);
      minimo = std::min(minimo, stato(nuovo, s));
    }
    for (uint32_t s = 0; s < kStati; ++s)
      stato(nuovo, s) = s < kStati / 2 ? std::min(kInf, stato(nuovo, s) - minimo) : kInf;
    costo.swap(nuovo);
  }
  uint32_t s = 0;
  for (uint32_t k = 1; k < kStati; ++k)
    if (stato(costo, k) < stato(costo, s)) s = k;
  for (size_t i = m; i-- > 0;) {
    s = ((s << 1) | (messaggio[i] & 1u)) & (kStati - 1);
    const uint32_t maschera = Maschera(i, m);
    const size_t inizio = Inizio(i, n, m);
    for (size_t t = Inizio(i + 1, n, m); t-- > inizio;) {
      const bool uno = (via[t * kLane + s % kLane] >> (s / kLane)) & 1;
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
