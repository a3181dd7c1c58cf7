// HILL costs: cheap in texture, dear on flat ground, blind to alpha and to
// row padding, and quantised into the coder's range.
#include <gtest/gtest.h>

#include <random>

#include "Costi.h"

namespace {

using Crypta::Furtivo::Pixel;

// A picture whose left half is noise and right half one flat grey, with
// `bpp` bytes per pixel and rows padded to 4 bytes.
struct Quadro {
  Quadro(int64_t w, int64_t h, int bpp) : w(w), h(h), bpp(bpp) {
    passo = (w * bpp + 3) / 4 * 4;
    byte.assign(size_t(passo * h), 0xEE);
    std::mt19937 g(7);
    for (int64_t y = 0; y < h; ++y)
      for (int64_t x = 0; x < w; ++x)
        for (int c = 0; c < 3; ++c)
          byte[size_t(y * passo + x * bpp + c)] = x < w / 2 ? uint8_t(g()) : 128;
  }
  Pixel Vista() const { return {byte.data(), w, h, passo, bpp}; }
  int64_t w, h, passo;
  int bpp;
  std::vector<uint8_t> byte;
};

TEST(Costi, TextureIsCheaperThanFlatGround) {
  const Quadro q(64, 40, 3);
  const std::vector<float> c = Crypta::Furtivo::CostiHill(q.Vista());
  ASSERT_EQ(c.size(), size_t(64 * 40 * 3));
  const auto at = [&](int64_t x, int64_t y, int ch) { return c[size_t((y * 64 + x) * 3 + ch)]; };
  for (int ch = 0; ch < 3; ++ch) {
    EXPECT_LT(at(5, 20, ch) * 1000, at(60, 20, ch));
    EXPECT_GT(at(5, 20, ch), 0.0f);
  }
}

TEST(Costi, QuantisedCostsFollowTheTextureWithinTheCodersRange) {
  const Quadro q(64, 40, 3);
  const std::vector<uint8_t> c = Crypta::Furtivo::CostiQuantizzati(q.Vista());
  ASSERT_EQ(c.size(), size_t(64 * 40 * 3));
  for (uint8_t v : c) EXPECT_GE(v, 1);
  EXPECT_EQ(c[size_t((20 * 64 + 60) * 3)], 255);
  EXPECT_LT(c[size_t((20 * 64 + 5) * 3)], 2 * Crypta::Furtivo::kQuartile);
}

TEST(Costi, AlphaAndPaddingCountForNothing) {
  Quadro a(31, 17, 4), b(31, 17, 4);
  for (int64_t y = 0; y < b.h; ++y)
    for (int64_t x = 0; x < b.w; ++x) b.byte[size_t(y * b.passo + x * 4 + 3)] = uint8_t(x * y);
  EXPECT_EQ(Crypta::Furtivo::CostiHill(a.Vista()), Crypta::Furtivo::CostiHill(b.Vista()));
  Quadro p(31, 17, 3);  // 93 bytes a row, padded to 96
  for (int64_t y = 0; y < p.h; ++y) p.byte[size_t(y * p.passo + 95)] = 0;
  EXPECT_EQ(Crypta::Furtivo::CostiHill(a.Vista()), Crypta::Furtivo::CostiHill(p.Vista()));
}

TEST(Costi, TinyPicturesMirrorWithoutReadingOutside) {
  for (int64_t w : {1, 2, 3}) {
    const Quadro q(w, 1, 3);
    const std::vector<float> c = Crypta::Furtivo::CostiHill(q.Vista());
    ASSERT_EQ(c.size(), size_t(w * 3));
    for (float v : c) EXPECT_GT(v, 0.0f);
  }
}

TEST(Costi, ChannelValuesAreNumberedByRowColumnAndChannel) {
  const Quadro q(5, 3, 4);
  const Pixel p = q.Vista();
  EXPECT_EQ(p.Valori(), 45);
  EXPECT_EQ(p.Posizione(0), 0);
  EXPECT_EQ(p.Posizione(2), 2);
  EXPECT_EQ(p.Posizione(3), 4);
  EXPECT_EQ(p.Posizione(15), q.passo);
  EXPECT_EQ(p.Posizione(44), 2 * q.passo + 4 * 4 + 2);
}

}  // namespace
