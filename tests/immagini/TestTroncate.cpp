// Pictures written by Pillow in every format the decoder reads, cut at a
// hundred and more points before their last pixel's data: each cut is
// refused, and never handed out with zeros for what is missing.
#include <gtest/gtest.h>

#include <cstdlib>

#include "Crypta.h"
#include "Decodifica.h"
#include "Supporto.h"

namespace prova {
namespace {

// Pillow writes the pictures, 37 x 23 pixels of noise, into the folder given.
const char* const kFabbrica = R"(
import os, sys
from PIL import Image
d = sys.argv[1]
im = Image.frombytes("RGB", (37, 23), bytes((i * 7919) % 251 for i in range(37 * 23 * 3)))
im.save(os.path.join(d, "a.png"))
im.save(os.path.join(d, "intrecciata.png"), interlace=1)
im.convert("RGBA").save(os.path.join(d, "alfa.png"))
im.save(os.path.join(d, "a.jpg"), quality=90)
im.save(os.path.join(d, "progressiva.jpg"), progressive=True, quality=90)
im.save(os.path.join(d, "a.gif"))
im.save(os.path.join(d, "intrecciata.gif"), interlace=True)
im.save(os.path.join(d, "a.tga"))
im.save(os.path.join(d, "rle.tga"), compression="tga_rle")
im.convert("P").save(os.path.join(d, "tavolozza.tga"))
im.save(os.path.join(d, "a.bmp"))
im.convert("P").save(os.path.join(d, "tavolozza.bmp"))
)";

TEST(Troncate, APictureCutBeforeItsLastPixelIsRefused) {
#ifdef _WIN32
  GTEST_SKIP() << "the pictures are made by Pillow, which Windows has not";
#endif
  Cartella dir;
  const std::string comando =
      "/usr/bin/python3 -c '" + std::string(kFabbrica) + "' '" + dir.Path().string() + "'";
  ASSERT_EQ(std::system(comando.c_str()), 0);
  // What follows the last pixel's data: a PNG's end chunk and the last
  // checksum, a JPEG's end marker, a GIF's last block end and trailer,
  // Pillow's TGA footer, a bitmap's last row padding.
  const std::pair<const char*, size_t> casi[] = {
      {"a.png", 16},          {"intrecciata.png", 16},
      {"alfa.png", 16},       {"a.jpg", 2},
      {"progressiva.jpg", 2}, {"a.gif", 2},
      {"intrecciata.gif", 2}, {"a.tga", 26},
      {"rle.tga", 26},        {"tavolozza.tga", 26},
      {"a.bmp", 1},           {"tavolozza.bmp", 3},
  };
  for (const auto& [nome, coda] : casi) {
    const Byte intero = Leggi(dir / nome);
    {
      const Crypta::Immagine im =
          Crypta::Decodifica(Crypta::File::Apri(dir / nome, Crypta::File::Modo::Lettura));
      EXPECT_EQ(im.larghezza, 37) << nome;
      EXPECT_EQ(im.altezza, 23) << nome;
    }
    ASSERT_GT(intero.size(), coda);
    const size_t fine = intero.size() - coda, passo = std::max<size_t>(1, fine / 120);
    for (size_t n = 0; n < fine; n += passo) {
      const std::string tronco = dir / "tronco";
      Scrivi(tronco, Byte(intero.begin(), intero.begin() + std::ptrdiff_t(n)));
      try {
        Crypta::Decodifica(Crypta::File::Apri(tronco, Crypta::File::Modo::Lettura));
        ADD_FAILURE() << nome << " cut to " << n << " of " << intero.size() << " bytes was taken";
      } catch (const Crypta::Errore& e) {
        EXPECT_EQ(e.genere, Crypta::Genere::Rifiutata) << nome << " " << n << ": " << e.what();
      }
    }
  }
}

}  // namespace
}  // namespace prova
