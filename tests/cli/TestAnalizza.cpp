// The analyze command through the real program, and the warning of a hide
// whose result the detectors catch.
#include <cstdlib>

#include "Banco.h"
#include "Sintetiche.h"

namespace prova {
namespace {

// The percentage after `testo` in `uscita`; -1 without it.
int Quota(const std::string& uscita, const std::string& testo) {
  const size_t i = uscita.find(testo);
  return i == std::string::npos ? -1 : std::atoi(uscita.c_str() + i + testo.size());
}

class Analizza : public Banco {
 protected:
  // A clean 24-bit carrier of a fractal scene, large enough to judge.
  std::string Scena() {
    const std::string b = prova::Carrier(prova::Scena(320, 240, 4));
    return File("scena.bmp", b);
  }
};

TEST_F(Analizza, PulitaNessunSegnoPerOgniCanale) {
  const Risultato r = Cli({"analyze", Scena()});
  ASSERT_EQ(r.stato, 0) << r.err;
  for (const char* riga : {"\nblu ", "\nverde ", "\nrosso "})
    EXPECT_NE(r.out.find(riga), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Nessun segno di dati nascosti.\n"), std::string::npos) << r.out;
}

// One bit a byte over a tenth of the values: the hide warns, and analyze
// names the sequential payload and its share.
TEST_F(Analizza, NascostoInSequenzaAvvisatoERiconosciuto) {
  const Byte casuali = Casuali(320 * 240 * 3 / 80, 2);
  const std::string carico = File("carico.bin", std::string(casuali.begin(), casuali.end()));
  const std::string copia = dir / "piena.bmp";
  const Risultato h = Cli({"hide", Scena(), "-f", carico, "-k", "segreto", "-o", copia});
  ASSERT_EQ(h.stato, 0) << h.err;
  EXPECT_NEAR(Quota(h.err,
                    "i dati nascosti si possono rilevare: l'analisi trova un carico "
                    "sequenziale all'inizio dei pixel, su circa il "),
              10, 2)
      << h.err;
  const Risultato r = Cli({"analyze", copia});
  ASSERT_EQ(r.stato, 0) << r.err;
  EXPECT_NEAR(Quota(r.out, "Un carico sequenziale all'inizio dei pixel, su circa il "), 10, 2)
      << r.out;
}

struct Rifiuto {
  const char* nome;
  uint16_t bpp;  // 0: no file at all
  int stato;
  const char* messaggio;
};
class RifiutiAnalizza : public Analizza, public ::testing::WithParamInterface<Rifiuto> {};

TEST_P(RifiutiAnalizza, StatoEMotivo) {
  std::string path = dir / "manca.bmp";
  if (GetParam().bpp) {
    Bitmap b;
    b.bpp = GetParam().bpp;
    path = Scrivi(dir, "x.bmp", b);
  }
  const Risultato r = Cli({"analyze", path});
  EXPECT_EQ(r.stato, GetParam().stato) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find(GetParam().messaggio), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Carrier, RifiutiAnalizza,
    ::testing::Values(Rifiuto{"Tavolozza", 8, 1,
                              "solo i pixel a 24 o 32 bit, questa bitmap ne ha 8"},
                      Rifiuto{"Mancante", 0, 2, "non esiste"}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace prova
