// The trellis coder: its result always has the asked syndrome, it is the
// cheapest such result where all of them can be listed, and its changes
// grow with the rate as a code near the bound's should.
#include <gtest/gtest.h>

#include <random>

#include "Trellis.h"

namespace {

using Crypta::Furtivo::Codifica;
using Crypta::Furtivo::Sindrome;
using Bit = std::vector<uint8_t>;

Bit Casuali(size_t n, std::mt19937& g, int fino = 1) {
  Bit b(n);
  for (auto& v : b) v = uint8_t(fino == 1 ? g() & 1 : 1 + g() % unsigned(fino));
  return b;
}

uint64_t Costo(const Bit& x, const Bit& y, const Bit& c) {
  uint64_t t = 0;
  for (size_t i = 0; i < x.size(); ++i) t += x[i] != y[i] ? c[i] : 0;
  return t;
}

struct Caso {
  size_t n, m;
};
class TrellisCasi : public ::testing::TestWithParam<Caso> {};

TEST_P(TrellisCasi, TheStegoBitsCarryTheMessage) {
  const Caso k = GetParam();
  std::mt19937 g(unsigned(k.n * 31 + k.m));
  for (int prova = 0; prova < 3; ++prova) {
    const Bit x = Casuali(k.n, g), c = Casuali(k.n, g, 255), msg = Casuali(k.m, g);
    const Bit y = Codifica(x.data(), c.data(), k.n, msg.data(), k.m);
    ASSERT_EQ(y.size(), k.n);
    EXPECT_EQ(Sindrome(y.data(), k.n, k.m), msg);
  }
}

INSTANTIATE_TEST_SUITE_P(Misure, TrellisCasi,
                         ::testing::Values(Caso{1, 1}, Caso{2, 1}, Caso{7, 7}, Caso{8, 7},
                                           Caso{64, 3}, Caso{100, 50}, Caso{1000, 999},
                                           Caso{4096, 409}, Caso{10007, 1234}, Caso{50000, 5000},
                                           Caso{3, 0}));

// Small enough to list every y with the right syndrome.
TEST(Trellis, FindsTheCheapestStegoBits) {
  std::mt19937 g(5);
  for (size_t n = 2; n <= 13; ++n)
    for (size_t m = 1; m <= n && m <= 9; m += 2) {
      const Bit x = Casuali(n, g), c = Casuali(n, g, 255), msg = Casuali(m, g);
      uint64_t migliore = UINT64_MAX;
      for (uint32_t v = 0; v < (1u << n); ++v) {
        Bit y(n);
        for (size_t i = 0; i < n; ++i) y[i] = (v >> i) & 1;
        if (Sindrome(y.data(), n, m) == msg) migliore = std::min(migliore, Costo(x, y, c));
      }
      const Bit y = Codifica(x.data(), c.data(), n, msg.data(), m);
      ASSERT_EQ(Sindrome(y.data(), n, m), msg) << n << " " << m;
      EXPECT_EQ(Costo(x, y, c), migliore) << n << " " << m;
    }
}

// With equal costs, a random message at rate 1/2 needs about 0.11 changes
// per cover bit at the bound and 1/4 without coding; at rate 1/10, 0.032
// against 1/20. A code of height 7 lands close to the bound.
TEST(Trellis, ChangesStayNearTheBound) {
  std::mt19937 g(9);
  const size_t n = 40000;
  const Bit uno(n, 1);
  for (const auto& [m, limite] : {std::pair<size_t, double>{n / 2, 0.13}, {n / 10, 0.037}}) {
    const Bit x = Casuali(n, g), msg = Casuali(m, g);
    const Bit y = Codifica(x.data(), uno.data(), n, msg.data(), m);
    EXPECT_LT(double(Costo(x, y, uno)) / n, limite);
  }
}

TEST(Trellis, DearBitsAreLeftAlone) {
  std::mt19937 g(11);
  const size_t n = 20000, m = 1000;
  Bit c(n, 1);
  for (size_t i = 0; i < n; i += 2) c[i] = 255;
  const Bit x = Casuali(n, g), msg = Casuali(m, g);
  const Bit y = Codifica(x.data(), c.data(), n, msg.data(), m);
  size_t cari = 0, economici = 0;
  for (size_t i = 0; i < n; ++i) (c[i] == 255 ? cari : economici) += x[i] != y[i];
  EXPECT_EQ(cari, 0u);
  EXPECT_GT(economici, 0u);
}

}  // namespace
