// The scan on carriers whose low bits are far from noise: black, flat, dark,
// bordered and dark fractal pictures. Each one clean gives no candidate
// (status 1); a text hidden in it, short or long, at any bit count, comes
// first, above what the same bits read at another bit count or mask.
#include <functional>

#include "Banco.h"
#include "Figure.h"
#include "Scansione.h"

namespace prova {
namespace {

using Scan = Banco;

TEST_F(Scan, TextsOnDarkFlatAndBorderedCarriersComeFirstAndTheCleanOnesHaveNone) {
  const int w = 160, h = 120;  // pixels of the pictures drawn here, bottom row first
  const Byte rumore = Casuali(size_t(w * h * 3), 5);
  const auto a = [&](int x, int y, int k) { return rumore[size_t((y * w + x) * 3 + k)]; };
  // Each picture is drawn here, or by ImageMagick's options.
  const std::vector<std::pair<std::function<uint8_t(int, int, int)>, std::string>> sfondi = {
      {[](int, int, int) { return uint8_t(0); }, "nero"},
      {[](int, int, int k) { return uint8_t(0x2A + 0x55 * k); }, "piatto"},
      {[&](int x, int y, int k) { return uint8_t(a(x, y, k) & 3); }, "scuro"},
      {[&](int x, int y, int k) {
         return x < 12 || y < 12 || x >= w - 12 || y >= h - 12 ? uint8_t(0xFF) : a(x, y, k);
       },
       "bordato"},
      {a, "rumore"},
#ifndef _WIN32  // ImageMagick is a program of the build machine
      // Channel values 0-5, which read as letters at 8 bits under masks 0x6x.
      {{}, "-seed 3 -size 320x240 plasma:fractal -evaluate multiply 0.02"},
      {{},
       "-seed 3 -size 136x96 plasma:fractal -evaluate multiply 0.05 -bordercolor black -border 12"},
      {{}, "-size 160x120 gradient:black-gray15"},
#endif
  };
  // Short and long, under keys whose masks turn a flat or dark stretch's
  // bytes into common letters.
  const std::string breve = "Ci vediamo alle otto.",
                    lungo =
                        "Il treno parte domani alle 8 dalla stazione; Anna non sa perché la "
                        "città sia così lontana, ma la strada per Roma è sempre più bella. "
                        "Portate l'ombrello: pioverà fino a sera, e il bar chiude presto.";
  const char* const chiavi[] = {"t", "e", "a", "o"};
  for (size_t i = 0; i < sfondi.size(); ++i) {
    const std::string c = dir / ("c" + std::to_string(i) + ".bmp"), png = c + ".png";
    if (sfondi[i].first) {
      Bitmap b;
      b.pixel = size_t(w * h * 3);
      Byte byte = b.Byte_();
      for (size_t p = 0; p < b.pixel; ++p)
        byte[54 + p] = sfondi[i].first(int(p / 3) % w, int(p / 3) / w, int(p % 3));
      Scrivi(c, byte);
    } else {
      ASSERT_TRUE(Shell("convert " + sfondi[i].second + " " + Q(png)));
      ASSERT_EQ(Cli({"prepare", png, "-o", c}).stato, 0);
    }
    const Risultato r = Cli({"scan", c});
    EXPECT_EQ(r.stato, 1) << sfondi[i].second << " clean\n" << r.out;
    for (int j = 0; j < 4; ++j) {
      const std::string testo = Codici((i + size_t(j)) % 2 ? lungo : breve),
                        b = std::to_string(1 << j), copia = c + b + ".bmp",
                        caso = sfondi[i].second + ", at " + b + " bits";
      ASSERT_EQ(
          Cli({"hide", c, "-f", File("testo", testo), "-k", chiavi[j], "-b", b, "-o", copia}).stato,
          0);
      const std::vector<Crypta::Candidato> trovati = Crypta::Scansiona(copia);
      ASSERT_FALSE(trovati.empty()) << caso << ", " << testo.size() << " bytes";
      EXPECT_EQ(trovati[0].Nbit, 1 << j) << caso;
      EXPECT_EQ(trovati[0].maschera, uint8_t(chiavi[j][0])) << caso;
      EXPECT_EQ(trovati[0].lunghezza, int64_t(testo.size()))
          << caso << ", " << testo.size() << " bytes";
    }
  }
}

}  // namespace
}  // namespace prova
