// The walk's rounds and their keys. Each round maps (L in Z_p, R in Z_q) to
// (R, L + F(R) mod p), which any R undoes, so every round and the whole walk
// are permutations; the two sides swap their sizes each round and come back
// after an even number of them.
#include "Cammino.h"

#include <sodium.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "Lingua.h"

namespace Crypta::Furtivo {

namespace {

void Deriva(const Chiave& chiave, const char* etichetta, uint8_t* out, size_t n) {
  crypto_generichash(out, n, reinterpret_cast<const uint8_t*>(etichetta), std::strlen(etichetta),
                     chiave.data(), chiave.size());
}

}  // namespace

Cammino::Cammino(const Chiave& chiave, uint64_t n) : n_(n) {
  if (sodium_init() < 0) throw std::runtime_error(Tr("libsodium non si avvia"));
  a_ = std::max<uint64_t>(1, uint64_t(std::ceil(std::sqrt(double(n)))));
  while (a_ > 1 && (a_ - 1) * (a_ - 1) >= n) --a_;
  b_ = std::max<uint64_t>(1, (n + a_ - 1) / a_);
  // The round keys and the coin's key from the walk key, apart from every
  // other use of it by their own labels.
  std::array<uint8_t, 8 * kGiri> k{};
  static_assert(8 * kGiri <= crypto_generichash_BYTES_MAX);
  Deriva(chiave, "Tavelin furtivo: giri", k.data(), k.size());
  for (int r = 0; r < kGiri; ++r) std::memcpy(&giro_[size_t(r)], &k[size_t(8 * r)], 8);
  Deriva(chiave, "Tavelin furtivo: segno", k.data(), 8);
  std::memcpy(&segno_, k.data(), 8);
  sodium_memzero(k.data(), k.size());
}

uint64_t Cammino::Feistel(uint64_t x) const {
  uint64_t p = a_, q = b_;
  uint64_t l = x / q, r = x % q;
  for (const uint64_t g : giro_) {
    // The round function's 32 high bits scaled into Z_p.
    const uint64_t f = ((Mescola(r ^ g) >> 32) * p) >> 32;
    uint64_t nuovo = l + f;
    if (nuovo >= p) nuovo -= p;
    l = r;
    r = nuovo;
    std::swap(p, q);
  }
  return l * q + r;
}

}  // namespace Crypta::Furtivo
