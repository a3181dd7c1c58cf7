// Reading a carrier's channels through the file layer, what is refused with
// its reason, and a verdict on a carrier that the design's own hide wrote.
#include <gtest/gtest.h>

#include "Operazioni.h"
#include "Sintetiche.h"
#include "Supporto.h"

namespace {

using namespace Crypta::Steganalisi;

prova::Byte ComeByte(const std::string& s) {
  return prova::Byte(s.begin(), s.end());
}

class Canali_ : public ::testing::Test {
 protected:
  prova::Cartella dir_;
  // An odd width, so that rows need padding.
  const Canali scena_ = prova::Scena(37, 29, 5);
};

struct Forma {
  const char* nome;
  int bit;
  bool altoInBasso;
};
class Forme : public Canali_, public ::testing::WithParamInterface<Forma> {};

TEST_P(Forme, OgniCanaleComeScritto) {
  const std::string path = dir_ / "c.bmp";
  prova::Scrivi(path, ComeByte(prova::Carrier(scena_, GetParam().bit, GetParam().altoInBasso)));
  const Canali letti = LeggiCanali(path);
  ASSERT_EQ(letti.piani.size(), 3u);
  for (size_t k = 0; k < 3; ++k) {
    EXPECT_EQ(letti.piani[k].larghezza, 37);
    EXPECT_EQ(letti.piani[k].altezza, 29);
    EXPECT_EQ(letti.piani[k].v, scena_.piani[k].v) << letti.nomi[k];
  }
}

INSTANTIATE_TEST_SUITE_P(Bitmap, Forme,
                         ::testing::Values(Forma{"Ventiquattro", 24, false},
                                           Forma{"Trentadue", 32, false},
                                           Forma{"DallAlto", 24, true}),
                         [](const auto& info) { return std::string(info.param.nome); });

// A byte of the header changed, or the file cut short: what the reason says.
struct Rifiuto {
  const char* nome;
  size_t pos;  // the byte to change, or the length to cut to when `taglia`
  uint8_t valore;
  bool taglia;
  const char* perche;
};
class Rifiuti : public Canali_, public ::testing::WithParamInterface<Rifiuto> {};

TEST_P(Rifiuti, ConLaRagione) {
  std::string b = prova::Carrier(scena_);
  if (GetParam().taglia)
    b.resize(GetParam().pos);
  else
    b[GetParam().pos] = char(GetParam().valore);
  const std::string path = dir_ / "r.bmp";
  prova::Scrivi(path, ComeByte(b));
  try {
    LeggiCanali(path);
    FAIL() << "accepted";
  } catch (const Crypta::Errore& e) {
    EXPECT_EQ(e.genere, Crypta::Genere::Rifiutata);
    EXPECT_NE(std::string(e.what()).find(GetParam().perche), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Bitmap, Rifiuti,
    ::testing::Values(Rifiuto{"Tavolozza", 28, 8, false, "24 o 32 bit, questa bitmap ne ha 8"},
                      Rifiuto{"Sedici", 28, 16, false, "ne ha 16"},
                      Rifiuto{"Compressa", 30, 1, false, "compressi"},
                      Rifiuto{"CampiSu24", 30, 3, false, "campi di bit"},
                      Rifiuto{"NonBitmap", 0, 'X', false, "non è una bitmap"},
                      Rifiuto{"Corta", 54 + 112 * 10, 0, true, "finisce prima"},
                      Rifiuto{"SoloIntestazione", 54, 0, true, "finisce prima"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(Canali_, FileMancanteErroreDiFile) {
  try {
    LeggiCanali(dir_ / "manca.bmp");
    FAIL() << "read";
  } catch (const Crypta::Errore& e) {
    EXPECT_EQ(e.genere, Crypta::Genere::File);
  }
}

// The design's hide, one bit a byte, over a tenth of a larger scene: a
// sequential payload of about a tenth of the values.
TEST_F(Canali_, NascostoDalProgrammaSequenziale) {
  const Canali scena = prova::Scena(320, 240, 9);
  const std::string pulita = dir_ / "pulita.bmp", piena = dir_ / "piena.bmp";
  prova::Scrivi(pulita, ComeByte(prova::Carrier(scena)));
  const prova::Byte carico = prova::Casuali(320 * 240 * 3 / 80, 3);
  Crypta::Richiesta r;
  r.carrier = pulita;
  r.chiave = "k";
  r.carico = Crypta::Carico::DiByte(
      std::string_view(reinterpret_cast<const char*>(carico.data()), carico.size()));
  r.copia = piena;
  Crypta::Nascondi(r);
  EXPECT_EQ(Esamina(LeggiCanali(pulita)).verdetto, Verdetto::NessunSegno);
  const Referto referto = Esamina(LeggiCanali(piena));
  EXPECT_EQ(referto.verdetto, Verdetto::Sequenziale) << Descrivi(referto);
  EXPECT_NEAR(referto.quota, 0.1, 0.03) << Descrivi(referto);
}

}  // namespace
