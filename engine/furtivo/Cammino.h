// The keyed walk over a carrier's channel values: a pseudorandom permutation
// of 0..n-1 computed one index at a time, so that no table of positions is
// ever stored. A Feistel network of eight rounds runs on a mixed-radix split
// of the index (a * b >= n, both near the square root of n), and cycle
// walking brings the few results past n back inside.
#pragma once

#include <array>
#include <cstdint>

namespace Crypta::Furtivo {

using Chiave = std::array<uint8_t, 32>;

class Cammino {
 public:
  Cammino(const Chiave& chiave, uint64_t n);
  uint64_t Dimensione() const { return n_; }
  // The channel value visited at step i < n.
  uint64_t operator()(uint64_t i) const {
    uint64_t x = Feistel(i);
    while (x >= n_) x = Feistel(x);
    return x;
  }
  // Which way a changed value at step i moves when both ways cost the same:
  // a keyed coin, so that the changes carry no bias up or down.
  bool Su(uint64_t i) const { return Mescola(i ^ segno_) & 1; }

 private:
  static constexpr int kGiri = 8;
  static uint64_t Mescola(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }
  uint64_t Feistel(uint64_t x) const;

  uint64_t n_, a_, b_;
  std::array<uint64_t, kGiri> giro_{};
  uint64_t segno_ = 0;
};

}  // namespace Crypta::Furtivo
