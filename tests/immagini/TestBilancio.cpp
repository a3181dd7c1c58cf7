// The decode's memory budget: what passes its limit is refused, a block
// that moves counts twice while it does, a refused growth leaves the block
// as it was, and every byte given out reads zero.
#include <gtest/gtest.h>

#include <cstring>

#include "Memoria.h"

namespace {

using Crypta::MemoriaAlloca;
using Crypta::MemoriaLibera;
using Crypta::MemoriaRialloca;

TEST(Bilancio, RefusesWhatPassesItsLimitAndGivesBackWhatIsFreed) {
  Crypta::Bilancio b(1000);
  auto* p = static_cast<unsigned char*>(MemoriaAlloca(600));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(MemoriaAlloca(401), nullptr);
  EXPECT_TRUE(b.Superato());
  EXPECT_FALSE(b.Esaurito());
  // Moving to 500 bytes would hold 600 + 500 at once.
  std::memset(p, 0xAB, 600);
  EXPECT_EQ(MemoriaRialloca(p, 500), nullptr);
  EXPECT_EQ(p[599], 0xAB);  // the block a refused move leaves is untouched
  p = static_cast<unsigned char*>(MemoriaRialloca(p, 300));
  ASSERT_NE(p, nullptr);
  void* q = MemoriaAlloca(700);
  EXPECT_NE(q, nullptr);
  MemoriaLibera(p);
  MemoriaLibera(q);
  void* tutto = MemoriaAlloca(1000);
  EXPECT_NE(tutto, nullptr);
  MemoriaLibera(tutto);
}

TEST(Bilancio, EveryByteGivenOutReadsZero) {
  const Crypta::Bilancio b(1 << 20);
  auto* p = static_cast<unsigned char*>(MemoriaAlloca(64));
  ASSERT_NE(p, nullptr);
  for (int i = 0; i < 64; ++i) EXPECT_EQ(p[i], 0) << i;
  std::memset(p, 0xFF, 64);
  p = static_cast<unsigned char*>(MemoriaRialloca(p, 4096));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p[63], 0xFF);
  for (int i = 64; i < 4096; ++i) ASSERT_EQ(p[i], 0) << i;
  MemoriaLibera(p);
}

TEST(Bilancio, OnlyTheDecodeUnderWayIsBounded) {
  void* fuori = nullptr;
  {
    const Crypta::Bilancio b(100);
    EXPECT_EQ(MemoriaAlloca(101), nullptr);
    // A budget of its own inside, then the outer one again.
    {
      const Crypta::Bilancio dentro(1000);
      void* p = MemoriaAlloca(500);
      EXPECT_NE(p, nullptr);
      MemoriaLibera(p);
    }
    EXPECT_EQ(MemoriaAlloca(101), nullptr);
  }
  fuori = MemoriaAlloca(1 << 20);
  EXPECT_NE(fuori, nullptr);
  MemoriaLibera(fuori);
}

}  // namespace
