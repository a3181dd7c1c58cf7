// Warnings of hide on standard error, which never stop it: a key whose mask
// is 0 stores the payload in clear; palette and black-and-white carriers, and
// 4 or 8 bits a byte, with the PSNR a hide of random bits is expected to cost.
#include <cmath>

#include "Banco.h"

namespace prova {
namespace {

using Avvisi = Banco;

// The dB figure of the PSNR warning, or NaN when there is none.
double Psnr(const std::string& err) {
  const std::string prima = "PSNR atteso di ";
  const size_t dove = err.find(prima);
  return dove == std::string::npos ? NAN : std::stod(err.substr(dove + prima.size()));
}

// A palette carrier: `bpp` bits a pixel, rows of 4 bytes without padding,
// its palette's entries from `colore` and random pixel indices.
std::string Tavolozza(const Cartella& dir, int bpp, uint32_t (*colore)(int)) {
  Bitmap b;
  b.bpp = uint16_t(bpp);
  b.larghezza = uint32_t(32 / bpp);
  b.pixel = 4000;
  b.altezza = 1000;
  b.grandezza = 4000;
  b.offset = 54 + 4 * (1u << bpp);
  const std::string c = Scrivi(dir, "tavolozza" + std::to_string(bpp) + ".bmp", b);
  Byte byte = Leggi(c);
  for (int i = 0; i < (1 << bpp); ++i)
    for (int k = 0; k < 4; ++k)
      byte[54 + 4 * size_t(i) + size_t(k)] = uint8_t(colore(i) >> (8 * k));
  Scrivi(c, byte);
  return c;
}

TEST_F(Avvisi, AKeyWhoseMaskIsZeroStoresThePayloadInClear) {
  const std::string c = Carrier(2000);
  const std::pair<std::vector<std::string>, std::string> casi[] = {
      {{}, "senza chiave i dati sono nascosti in chiaro: chiunque può leggerli."},
      {{"-k", "abab"},
       "i caratteri della chiave si annullano a vicenda (maschera 0): i dati sono nascosti in "
       "chiaro, come senza chiave."},
      {{"-k", "k"}, ""},
  };
  for (const auto& [chiave, avviso] : casi) {
    std::vector<std::string> argomenti{"hide", c, "-t", "in chiaro?"};
    argomenti.insert(argomenti.end(), chiave.begin(), chiave.end());
    const Risultato r = Cli(argomenti);
    EXPECT_EQ(r.stato, 0);
    EXPECT_EQ(r.err, avviso.empty() ? "" : "tavelin-cli: Attenzione: " + avviso + "\n");
  }
  EXPECT_EQ(Cli({"reveal", c, "-t", "-k", "k"}).out, "in chiaro?");
#if TAVELIN_CON_CIFRATURA
  // Encrypted, the payload is not in clear whatever the key.
  const Risultato r = Cli({"hide", c, "-t", "x", "--encrypt", "--passphrase-file", File("p", "p")});
  EXPECT_EQ(r.stato, 0) << r.err;
  EXPECT_EQ(r.err, "");
#endif
}

TEST_F(Avvisi, FourAndEightBitsOnAColourCarrier) {
  // Random pixel bytes: replacing n low bits with random ones costs
  // 2 (4^n - 1) / 12 on average, 42.5 at 4 bits and 10922.5 at 8.
  const std::pair<const char*, double> attesi[] = {{"1", NAN},
                                                   {"2", NAN},
                                                   {"4", 10 * std::log10(65025 / 42.5)},
                                                   {"8", 10 * std::log10(65025 / 10922.5)}};
  for (const auto& [bit, db] : attesi) {
    Bitmap b;
    b.larghezza = 100;  // rows of 300 bytes, no padding
    b.altezza = 2000;
    b.pixel = 600000;
    const std::string c = Scrivi(dir, std::string("c") + bit + ".bmp", b);
    const Risultato r = Cli({"hide", c, "-t", std::string(20000, 'x'), "-k", "k", "-b", bit});
    EXPECT_EQ(r.stato, 0) << r.err;
    if (std::isnan(db)) {
      EXPECT_EQ(r.err, "") << bit;
      continue;
    }
    EXPECT_EQ(r.err.rfind(std::string("tavelin-cli: Attenzione: a ") + bit + " bit per byte: ", 0),
              0u)
        << r.err;
    EXPECT_NEAR(Psnr(r.err), db, 0.3) << r.err;
  }
}

TEST_F(Avvisi, PaletteAndBlackAndWhiteCarriersEvenAtOneBit) {
  // Black and white: each random bit flips the byte's last pixel half the
  // time, a full-scale error on one pixel of eight: PSNR 10 log10(16).
  const std::string bn = Tavolozza(dir, 1, [](int i) { return i ? 0xFFFFFFu : 0u; });
  Risultato r = Cli({"hide", bn, "-t", "x", "-k", "k"});
  EXPECT_EQ(r.stato, 0);
  EXPECT_EQ(
      r.err.rfind("tavelin-cli: Attenzione: la bitmap è in bianco e nero (1 bit per pixel): ", 0),
      0u)
      << r.err;
  EXPECT_NEAR(Psnr(r.err), 10 * std::log10(16.0), 0.05) << r.err;
  r = Cli({"hide", bn, "-t", "x", "-k", "k", "-b", "8"});  // all eight pixels: 10 log10(2)
  EXPECT_NEAR(Psnr(r.err), 10 * std::log10(2.0), 0.05) << r.err;

  // A palette whose neighbouring entries are black and white: the low bit
  // alone flips the whole pixel half the time.
  const std::string alterna = Tavolozza(dir, 8, [](int i) { return i % 2 ? 0xFFFFFFu : 0u; });
  r = Cli({"hide", alterna, "-t", "x", "-k", "k"});
  EXPECT_EQ(r.err.rfind("tavelin-cli: Attenzione: la bitmap è a tavolozza (8 bit per pixel): ", 0),
            0u)
      << r.err;
  EXPECT_NEAR(Psnr(r.err), 10 * std::log10(2.0), 0.05) << r.err;
  // A grey ramp: the low bit moves a grey by one step, as in a colour picture.
  const std::string grigi = Tavolozza(dir, 4, [](int i) { return uint32_t(i * 0x111111); });
  r = Cli({"hide", grigi, "-t", "x", "-k", "k"});
  EXPECT_EQ(r.stato, 0);
  EXPECT_NEAR(Psnr(r.err), 10 * std::log10(65025 / (0.5 * 17 * 17 / 2)), 0.05) << r.err;
}

TEST_F(Avvisi, SixteenAndThirtyTwoBitCarriersHaveAFigureToo) {
  for (const uint16_t bpp : {uint16_t{16}, uint16_t{32}}) {
    Bitmap b;
    b.bpp = bpp;
    b.larghezza = 4;
    b.altezza = 250;
    b.pixel = 4000;
    const std::string c = Scrivi(dir, "c" + std::to_string(bpp) + ".bmp", b);
    const Risultato r = Cli({"hide", c, "-t", std::string(300, 'x'), "-k", "k", "-b", "8"});
    EXPECT_EQ(r.stato, 0);
    EXPECT_GT(Psnr(r.err), 0) << bpp << r.err;
    EXPECT_LT(Psnr(r.err), 15) << bpp << r.err;
  }
}

}  // namespace
}  // namespace prova
