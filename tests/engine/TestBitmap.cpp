// The bit-layout kernels on their own, every length from empty to past a few
// vector widths, with and without AVX2, against the layout done bit by bit:
// the vector bodies and the scalar tails must all agree.
#include <gtest/gtest.h>

#include "Bitmap.h"
#include "BitmapSimd.h"
#include "Supporto.h"

using prova::Byte;
using prova::Casuali;

namespace {

// Stream byte i, XOR K, goes most significant bits first into the low N bits
// of carrier bytes i*8/N onwards; the high bits stay.
Byte SpargiAttesa(const Byte& flusso, Byte carrier, int N, uint8_t K) {
  size_t p = 0;
  for (const uint8_t s : flusso)
    for (int k = 8 - N; k >= 0; k -= N, ++p) {
      const int basso = (1 << N) - 1;
      carrier[p] = uint8_t((carrier[p] & ~basso) | (((s ^ K) >> k) & basso));
    }
  return carrier;
}

class Kernel : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override { prima_ = Crypta::UsaAvx2(GetParam()); }
  void TearDown() override { Crypta::UsaAvx2(prima_); }
  bool prima_ = true;
};

TEST_P(Kernel, SpreadAndGatherMatchTheLayoutAtEveryLength) {
  for (const int N : {1, 2, 4, 8}) {
    for (size_t n = 0; n <= 80; n = n < 40 ? n + 1 : n + 13) {
      const uint8_t K = uint8_t(n * 37 + N);
      const Byte flusso = Casuali(n, uint32_t(n + 100 * N));
      const Byte carrier = Casuali(n * 8 / N, uint32_t(n + 7));
      const Byte atteso = SpargiAttesa(flusso, carrier, N, K);

      Byte scritto = carrier;
      Crypta::Spargi(flusso.data(), n, scritto.data(), N, K);
      ASSERT_EQ(scritto, atteso) << N << " bit, " << n << " bytes";

      Byte letto(n);
      Crypta::Raccogli(scritto.data(), n, letto.data(), N, K);
      ASSERT_EQ(letto, flusso) << N << " bit, " << n << " bytes";

      // In place, as the reveal gathers its blocks.
      Crypta::Raccogli(scritto.data(), n, scritto.data(), N, K);
      ASSERT_EQ(Byte(scritto.begin(), scritto.begin() + std::ptrdiff_t(n)), flusso);
    }
  }
}

TEST_P(Kernel, EightBitsSpreadsInPlace) {
  const Byte flusso = Casuali(77, 5);
  Byte buffer = flusso;
  Crypta::Spargi(buffer.data(), buffer.size(), buffer.data(), 8, 0x5A);
  for (size_t i = 0; i < flusso.size(); ++i) ASSERT_EQ(buffer[i], flusso[i] ^ 0x5A) << i;
}

INSTANTIATE_TEST_SUITE_P(Avx2, Kernel, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Avx2" : "Sse2"; });

}  // namespace
