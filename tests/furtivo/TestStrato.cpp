// The stealth layout in memory: what goes in comes out at every size up to
// the capacity, only as +1 or -1 on colour values, mostly where the picture
// is textured; a wrong key, a changed bit and a clean picture give nothing.
#include <gtest/gtest.h>

#include "Quadri.h"

namespace {

using namespace Crypta::Furtivo;
using prova::Quadro;

struct Forma {
  int64_t w, h;
  int bpp;
};
class Strato : public ::testing::TestWithParam<Forma> {};

std::string Dati(int64_t n, uint32_t seme) {
  std::mt19937 g(seme);
  std::string s(size_t(n), '\0');
  for (char& c : s) c = char(g());
  return s;
}

TEST_P(Strato, RoundTripsAtEverySizeUpToCapacity) {
  const Forma f = GetParam();
  const Quadro q(f.w, f.h, f.bpp);
  const Chiavi k = prova::ChiaviProva();
  for (const std::string nome : {"", "segreto.pdf"}) {
    const int64_t cap = Capienza(q.Vista().Valori(), nome.size());
    ASSERT_GT(cap, 100);
    // A carrier of several pieces is coded at its capacity only, for time.
    const bool pezzi = q.Vista().Valori() > kSegmento;
    const std::vector<int64_t> misure =
        pezzi ? std::vector<int64_t>{cap} : std::vector<int64_t>{0, 1, 97, cap / 2, cap - 1, cap};
    for (const int64_t n : misure) {
      Quadro s = q;
      const Segreto in{nome, Dati(n, uint32_t(n))};
      Nascondi(s.Vista(), s.byte.data(), k, in);
      for (size_t i = 0; i < s.byte.size(); ++i) {
        const int64_t pixel = int64_t(i % size_t(s.passo)) / s.bpp;
        const bool colore = pixel < s.w && int64_t(i % size_t(s.passo)) % s.bpp < 3;
        ASSERT_LE(std::abs(int(s.byte[i]) - int(q.byte[i])), colore ? 1 : 0) << i;
      }
      const auto out = Rivela(s.Vista(), k.cammino, prova::DerivazioneProva(k));
      ASSERT_TRUE(out) << n;
      EXPECT_EQ(out->nome, nome);
      EXPECT_EQ(out->dati, in.dati);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Carrier, Strato,
                         ::testing::Values(Forma{96, 80, 3}, Forma{97, 81, 3}, Forma{90, 70, 4},
                                           Forma{520, 340, 3}));

class Fixture : public ::testing::Test {
 protected:
  void SetUp() override {
    Nascondi(s.Vista(), s.byte.data(), k, in);
    ASSERT_TRUE(Rivela(s.Vista(), k.cammino, prova::DerivazioneProva(k)));
  }
  const Quadro q{120, 100, 3, 5};
  Quadro s = q;
  const Chiavi k = prova::ChiaviProva();
  const Segreto in{"nota.txt", Dati(200, 3)};
};

TEST_F(Fixture, AWrongKeyFindsNothing) {
  Chiavi altro = k;
  altro.cammino[31] ^= 1;
  EXPECT_FALSE(Rivela(s.Vista(), altro.cammino, prova::DerivazioneProva(k)));
  altro = k;
  altro.cifratura[0] ^= 1;
  EXPECT_FALSE(Rivela(s.Vista(), k.cammino, prova::DerivazioneProva(altro)));
  EXPECT_FALSE(Rivela(q.Vista(), k.cammino, prova::DerivazioneProva(k)));
}

TEST_F(Fixture, AnyFlippedBitFindsNothing) {
  std::mt19937 g(17);
  for (int prova = 0; prova < 16; ++prova) {
    Quadro t = s;
    const int64_t k3 = int64_t(g() % uint32_t(t.Vista().Valori()));
    t.byte[size_t(t.Vista().Posizione(k3))] ^= 1;
    EXPECT_FALSE(Rivela(t.Vista(), k.cammino, prova::DerivazioneProva(k))) << k3;
  }
}

TEST_F(Fixture, ChangesFallWhereThePictureIsTextured) {
  int tessuto = 0, liscio = 0;
  for (int64_t v = 0; v < q.Vista().Valori(); ++v) {
    const int64_t pos = q.Vista().Posizione(v);
    if (q.byte[size_t(pos)] != s.byte[size_t(pos)]) ++((v / 3) % q.w < q.w / 2 ? tessuto : liscio);
  }
  EXPECT_GT(tessuto, 200);
  EXPECT_LT(liscio * 20, tessuto);
}

TEST(StratoLimiti, BeyondCapacityIsRefusedUntouched) {
  const Quadro q(96, 80, 3);
  const int64_t cap = Capienza(q.Vista().Valori(), 1);
  Quadro s = q;
  const Chiavi k = prova::ChiaviProva();
  try {
    Nascondi(s.Vista(), s.byte.data(), k, {"a", Dati(cap + 1, 1)});
    FAIL();
  } catch (const Crypta::Errore& e) {
    EXPECT_EQ(e.genere, Crypta::Genere::TroppoGrande);
  }
  EXPECT_EQ(s.byte, q.byte);
  // A higher rate asked for explicitly takes it.
  const int64_t alta = Capienza(q.Vista().Valori(), 1, kRataMassima);
  ASSERT_GT(alta, 3 * cap);
  const Segreto in{"a", Dati(alta, 2)};
  Nascondi(s.Vista(), s.byte.data(), k, in, kRataMassima);
  EXPECT_EQ(Rivela(s.Vista(), k.cammino, prova::DerivazioneProva(k))->dati, in.dati);
}

TEST(StratoLimiti, SaturatedValuesMoveOnlyInward) {
  Quadro q(96, 80, 3);
  std::mt19937 g(4);
  for (auto& b : q.byte) b = g() & 1 ? 255 : 0;
  Quadro s = q;
  const Chiavi k = prova::ChiaviProva();
  Nascondi(s.Vista(), s.byte.data(), k, {"", Dati(Capienza(q.Vista().Valori(), 0), 3)});
  for (size_t i = 0; i < q.byte.size(); ++i)
    if (s.byte[i] != q.byte[i]) {
      EXPECT_EQ(s.byte[i], q.byte[i] ? 254 : 1);
    }
}

TEST(StratoLimiti, CarriersOutOfRangeAndBadNamesAreRefused) {
  const Quadro piccolo(40, 40, 3);
  Quadro s = piccolo;
  EXPECT_EQ(Capienza(piccolo.Vista().Valori(), 0), 0);
  EXPECT_THROW(Nascondi(s.Vista(), s.byte.data(), prova::ChiaviProva(), {"", "x"}), Crypta::Errore);
  EXPECT_EQ(Capienza(kValoriMassimi + 3, 0), 0);
  EXPECT_GT(Capienza(kValoriMassimi, 0), 0);
  for (const char* nome : {"a/b", "a\\b", "..", "a\nb", "\x7f"})
    EXPECT_FALSE(NomeNonValido(nome).empty()) << nome;
  EXPECT_FALSE(NomeNonValido(std::string(256, 'a')).empty());
  EXPECT_TRUE(NomeNonValido("relazione è finale.pdf").empty());
}

TEST(StratoLimiti, AStopAskedForEndsTheReveal) {
  const Quadro q(300, 300, 3);
  Crypta::Osservatore o;
  o.Annullare = [] { return true; };
  const Chiavi k = prova::ChiaviProva();
  Quadro s = q;
  try {
    Nascondi(s.Vista(), s.byte.data(), k, {"", "x"}, kRataSicura, o);
    FAIL();
  } catch (const Crypta::Errore& e) {
    EXPECT_EQ(e.genere, Crypta::Genere::Annullata);
  }
}

}  // namespace
