// The scan on carriers whose low bits are far from noise: black, flat, dark,
// bordered and dark fractal pictures. Each one clean gives no candidate
// (status 1); a text hidden in it, short or long, at any bit count, comes
// first, above what the same bits read at another bit count or mask.
#include <functional>

#include "Banco.h"
#include "Figure.h"
#include "Operazioni.h"
#include "Scansione.h"

namespace prova {
namespace {

using Scan = Banco;

constexpr int kLarghezza = 160, kAltezza = 120;

struct Sfondo {
  std::string nome;
  // The pixel bytes of a kLarghezza x kAltezza picture, bottom row first;
  // or, when empty, ImageMagick's options that draw the picture.
  std::function<uint8_t(int x, int y, int canale)> pixel;
  std::string magick;
};

// A 24-bit carrier of the picture, written by the test or by prepare.
std::string Disegna(const Cartella& dir, const Sfondo& s) {
  const std::string bmp = dir / (s.nome + ".bmp");
  if (s.pixel) {
    Bitmap b;
    b.larghezza = kLarghezza;
    b.altezza = kAltezza;
    b.pixel = b.grandezza = kLarghezza * kAltezza * 3;
    Byte byte = b.Byte_();
    for (int y = 0; y < kAltezza; ++y)
      for (int x = 0; x < kLarghezza; ++x)
        for (int k = 0; k < 3; ++k)
          byte[54 + size_t((y * kLarghezza + x) * 3 + k)] = s.pixel(x, y, k);
    Scrivi(bmp, byte);
  } else {
    const std::string png = dir / (s.nome + ".png");
    EXPECT_TRUE(Shell("convert " + s.magick + " " + Q(png))) << s.nome;
    EXPECT_EQ(Cli({"prepare", png, "-o", bmp}).stato, 0) << s.nome;
  }
  return bmp;
}

TEST_F(Scan, TextsOnDarkFlatAndBorderedCarriersComeFirstAndTheCleanOnesHaveNone) {
  const Byte rumore = Casuali(size_t(kLarghezza) * kAltezza * 3, 5);
  const auto a = [&](int x, int y, int k) { return rumore[size_t((y * kLarghezza + x) * 3 + k)]; };
  std::vector<Sfondo> sfondi = {
      {"nero", [](int, int, int) { return uint8_t(0); }, ""},
      {"piatto", [](int, int, int k) { return uint8_t(0x2A + 0x55 * k); }, ""},
      {"scuro", [&](int x, int y, int k) { return uint8_t(a(x, y, k) & 3); }, ""},
      {"bordato",
       [&](int x, int y, int k) {
         const bool bordo = x < 12 || y < 12 || x >= kLarghezza - 12 || y >= kAltezza - 12;
         return bordo ? uint8_t(0xFF) : a(x, y, k);
       },
       ""},
      {"rumore", a, ""},
  };
#ifndef _WIN32  // ImageMagick is a program of the build machine
  // A very dark fractal whose channel values 0-5 read as letters at 8 bits
  // under masks 0x6x, a dark one in a black frame, and a dark gradient.
  sfondi.push_back(
      {"frattale", {}, "-seed 16 -size 640x480 plasma:fractal -evaluate multiply 0.02"});
  sfondi.push_back({"incorniciato",
                    {},
                    "-seed 3 -size 136x96 plasma:fractal -evaluate multiply 0.05 -bordercolor "
                    "black -border 12"});
  sfondi.push_back({"sfumato", {}, "-size 160x120 gradient:black-gray15"});
#endif
  // Short and long, each under keys whose masks turn the bytes of a flat or
  // dark stretch into common letters.
  const std::string breve = "Ci vediamo alle otto.",
                    lungo =
                        "Il treno parte domani alle 8 dalla stazione centrale; Anna non sa perché "
                        "la città sia così lontana, ma la strada per Roma è sempre più bella. "
                        "Portate l'ombrello: dicono che pioverà fino a sera, e il bar della "
                        "stazione chiude presto. Ci vediamo al binario 3, vicino all'edicola.";
  const char* const chiavi[] = {"t", "e", "a", "o"};
  const int kBit[] = {1, 2, 4, 8};
  for (size_t i = 0; i < sfondi.size(); ++i) {
    const std::string c = Disegna(dir, sfondi[i]);
    const Risultato r = Cli({"scan", c});
    EXPECT_EQ(r.stato, 1) << sfondi[i].nome << " clean\n" << r.out;
    for (size_t j = 0; j < 4; ++j) {
      const std::string& testo = (i + j) % 2 ? lungo : breve;
      const std::string copia = dir / (sfondi[i].nome + std::to_string(kBit[j]) + ".bmp"),
                        b = std::to_string(kBit[j]);
      ASSERT_EQ(Cli({"hide", c, "-t", testo, "-k", chiavi[j], "-b", b, "-o", copia}).stato, 0);
      const std::string caso =
          sfondi[i].nome + ", " + std::to_string(Codici(testo).size()) + " bytes at " + b + " bits";
      const std::vector<Crypta::Candidato> trovati = Crypta::Scansiona(copia);
      ASSERT_FALSE(trovati.empty()) << caso;
      EXPECT_EQ(trovati[0].Nbit, kBit[j]) << caso;
      EXPECT_EQ(trovati[0].maschera, uint8_t(chiavi[j][0])) << caso;
      EXPECT_EQ(trovati[0].lunghezza, int64_t(Codici(testo).size())) << caso;
    }
  }
}

}  // namespace
}  // namespace prova
