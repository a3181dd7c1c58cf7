// The rate estimates against LSB replacement at random places, on pictures
// of several scenes, and the verdicts for the ways a picture can hold data.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <random>

#include "Sintetiche.h"

namespace {

using namespace Crypta::Steganalisi;

struct Rivelatore {
  const char* nome;
  double (*stima)(const Piano&);
};
const Rivelatore kRivelatori[] = {{"RS", StimaRS}, {"SPA", StimaSPA}, {"WS", StimaWS}};

class Stime : public ::testing::TestWithParam<Rivelatore> {};

// Rates 0 to 0.5 in steps of 0.1, on three scenes, every channel: the mean
// absolute error stays within 0.05 bits per value.
TEST_P(Stime, ErroreMedioEntroCinqueCentesimi) {
  double errore = 0;
  int stime = 0;
  for (uint32_t scena = 1; scena <= 3; ++scena) {
    const Canali pulita = prova::Scena(224, 168, scena);
    for (int passo = 0; passo <= 5; ++passo) {
      const double quota = passo * 0.1;
      Canali c = pulita;
      prova::SostituisciACaso(c, quota, scena * 100 + uint32_t(passo));
      for (const Piano& p : c.piani) {
        errore += std::fabs(GetParam().stima(p) - quota);
        ++stime;
      }
    }
  }
  const double mae = errore / stime;
  std::printf("%s: errore medio assoluto %.4f su %d stime\n", GetParam().nome, mae, stime);
  EXPECT_LE(mae, 0.05);
}

INSTANTIATE_TEST_SUITE_P(Rivelatori, Stime, ::testing::ValuesIn(kRivelatori),
                         [](const auto& info) { return std::string(info.param.nome); });

// Replacement of every value's LSB from the start, across the channels in
// the file's byte order, as a sequential hide of one bit a byte writes.
void Sequenziale(Canali& c, double quota, uint32_t seme) {
  std::mt19937_64 g(seme);
  const size_t n = c.piani[0].v.size(), fine = size_t(quota * double(n));
  for (size_t i = 0; i < fine; ++i)
    for (Piano& p : c.piani) p.v[i] = uint8_t((p.v[i] & 0xFE) | (g() & 1));
}

struct Caso {
  const char* nome;
  std::function<void(Canali&)> nascondi;
  Verdetto verdetto;
  double quota;  // the expected share, within 0.05
};

const Caso kCasi[] = {
    {"Pulita", [](Canali&) {}, Verdetto::NessunSegno, 0},
    {"PiuMenoUnoACaso", [](Canali& c) { prova::PiuMenoUno(c, 0.4, 7); }, Verdetto::NessunSegno, 0},
    {"SostituzioneACaso", [](Canali& c) { prova::SostituisciACaso(c, 0.3, 7); }, Verdetto::Tracce,
     0.3},
    {"SostituzioneMeta", [](Canali& c) { prova::SostituisciACaso(c, 0.5, 7); }, Verdetto::Tracce,
     0.5},
    {"SequenzialeBreve", [](Canali& c) { Sequenziale(c, 0.05, 7); }, Verdetto::Sequenziale, 0.05},
    {"SequenzialeLungo", [](Canali& c) { Sequenziale(c, 0.6, 7); }, Verdetto::Sequenziale, 0.6},
};

class Verdetti : public ::testing::TestWithParam<Caso> {};

TEST_P(Verdetti, SuOgniScena) {
  for (uint32_t scena = 11; scena <= 12; ++scena) {
    Canali c = prova::Scena(256, 192, scena);
    GetParam().nascondi(c);
    const Referto r = Esamina(c);
    EXPECT_EQ(r.verdetto, GetParam().verdetto) << "scena " << scena << ": " << Descrivi(r);
    EXPECT_NEAR(r.quota, GetParam().quota, 0.05) << "scena " << scena << ": " << Descrivi(r);
  }
}

INSTANTIATE_TEST_SUITE_P(Modi, Verdetti, ::testing::ValuesIn(kCasi),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace

namespace {

// Below 4096 pixels, even a fully replaced picture gets no verdict.
TEST(Verdetto, FiguraPiccolaSenzaGiudizio) {
  Crypta::Steganalisi::Canali c = prova::Scena(63, 64, 3);
  prova::SostituisciACaso(c, 1, 3);
  EXPECT_EQ(Crypta::Steganalisi::Esamina(c).verdetto, Crypta::Steganalisi::Verdetto::TroppoPiccola);
  EXPECT_NE(Crypta::Steganalisi::Esamina(prova::Scena(64, 64, 3)).verdetto,
            Crypta::Steganalisi::Verdetto::TroppoPiccola);
}

}  // namespace
