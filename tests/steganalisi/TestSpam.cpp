// SPAM features on pictures whose differences are known in every direction:
// a wrong direction, a wrong order of the three differences or a wrong
// average shows as weight in the wrong place.
#include <gtest/gtest.h>

#include "Steganalisi.h"

namespace {

using namespace Crypta::Steganalisi;

// The index of the transition (u, v, w), differences in [-3, 3], in the
// straight half (0) or the diagonal half (1).
size_t Indice(int meta, int u, int v, int w) {
  return size_t(meta) * 343 + size_t(((u + 3) * 7 + (v + 3)) * 7 + (w + 3));
}

struct Caso {
  const char* nome;
  int (*valore)(int x, int y);
  std::vector<std::pair<size_t, double>> attese;  // every other feature is 0
};

class Spam_ : public ::testing::TestWithParam<Caso> {};

TEST_P(Spam_, PesoDoveLeDifferenze) {
  Piano p{12, 9, {}};
  for (int y = 0; y < p.altezza; ++y)
    for (int x = 0; x < p.larghezza; ++x) p.v.push_back(uint8_t(GetParam().valore(x, y)));
  const std::vector<double> f = Spam(p);
  ASSERT_EQ(f.size(), kDimensioneSpam);
  std::vector<double> attese(kDimensioneSpam, 0.0);
  for (const auto& [i, v] : GetParam().attese) attese[i] = v;
  for (size_t i = 0; i < kDimensioneSpam; ++i) EXPECT_DOUBLE_EQ(f[i], attese[i]) << "feature " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Figure, Spam_,
    ::testing::Values(Caso{"Piatta",
                           [](int, int) { return 90; },
                           {{Indice(0, 0, 0, 0), 1}, {Indice(1, 0, 0, 0), 1}}},
                      // Rising by 1 to the right: -1 rightwards, +1 leftwards, 0 up and
                      // down; on the diagonals -1 or +1 by their horizontal step.
                      Caso{"RampaOrizzontale",
                           [](int x, int) { return 50 + x; },
                           {{Indice(0, -1, -1, -1), 0.25},
                            {Indice(0, 1, 1, 1), 0.25},
                            {Indice(0, 0, 0, 0), 0.5},
                            {Indice(1, -1, -1, -1), 0.5},
                            {Indice(1, 1, 1, 1), 0.5}}},
                      // Steps of 5 downwards, clipped to 3.
                      Caso{"RampaVerticaleRipida",
                           [](int, int y) { return 20 + 5 * y; },
                           {{Indice(0, -3, -3, -3), 0.25},
                            {Indice(0, 3, 3, 3), 0.25},
                            {Indice(0, 0, 0, 0), 0.5},
                            {Indice(1, -3, -3, -3), 0.5},
                            {Indice(1, 3, 3, 3), 0.5}}}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
