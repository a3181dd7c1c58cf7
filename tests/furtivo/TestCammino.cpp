// The keyed walk: a permutation of every size, different for every key, and
// spread over the whole picture from its first steps.
#include <gtest/gtest.h>

#include "Cammino.h"

namespace {

using Crypta::Furtivo::Cammino;
using Crypta::Furtivo::Chiave;

Chiave Di(uint8_t v) {
  Chiave k{};
  k.fill(v);
  return k;
}

TEST(Cammino, VisitsEveryValueOnce) {
  for (uint64_t n : {1ull, 2ull, 3ull, 17ull, 64ull, 99ull, 1000ull, 65537ull, 300007ull}) {
    const Cammino c(Di(uint8_t(n)), n);
    std::vector<bool> visto(n, false);
    for (uint64_t i = 0; i < n; ++i) {
      const uint64_t v = c(i);
      ASSERT_LT(v, n);
      ASSERT_FALSE(visto[v]) << n << " " << i;
      visto[v] = true;
    }
  }
}

TEST(Cammino, EachKeyWalksItsOwnWay) {
  const uint64_t n = 100000;
  const Cammino a(Di(1), n), b(Di(2), n);
  int uguali = 0;
  for (uint64_t i = 0; i < 1000; ++i) uguali += a(i) == b(i);
  EXPECT_LT(uguali, 5);
  int su = 0;
  for (uint64_t i = 0; i < 10000; ++i) su += a.Su(i);
  EXPECT_NEAR(su, 5000, 300);
}

// The first tenth of the walk falls evenly on the ten tenths of the picture.
TEST(Cammino, HasNoSequentialPrefix) {
  const uint64_t n = 1'000'000;
  const Cammino c(Di(3), n);
  std::vector<int> parti(10, 0);
  for (uint64_t i = 0; i < n / 10; ++i) ++parti[c(i) * 10 / n];
  for (int p : parti) EXPECT_NEAR(p, 10000, 500);
}

}  // namespace
