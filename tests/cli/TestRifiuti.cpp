// The carriers that the engine's own tests refuse, through each command: a
// clear message, the right status, and the file exactly as it was.
#include <sys/stat.h>

#include "Banco.h"
#include "Figure.h"

namespace prova {
namespace {

using Rifiuti = Banco;

struct Caso {
  const char* nome;
  Bitmap bitmap;
  long tronca = -1;  // keep only this many bytes, when not -1
};

Bitmap Con(void (*cambia)(Bitmap&)) {
  Bitmap b;
  cambia(b);
  return b;
}

TEST_F(Rifiuti, FilesThatAreNoCarrier) {
  const Caso casi[] = {
      {"firma minuscola", Con([](Bitmap& b) { b.firma = "bm"; })},
      {"firma ignota", Con([](Bitmap& b) { b.firma = "XY"; })},
      {"header di 12 byte", Con([](Bitmap& b) { b.lunghezzaHeader = 12; })},
      {"header di 108 byte", Con([](Bitmap& b) { b.lunghezzaHeader = 108; })},
      {"header di 124 byte", Con([](Bitmap& b) { b.lunghezzaHeader = 124; })},
      {"dimensione pari all'offset", Con([](Bitmap& b) { b.dimensione = 54; })},
      {"offset oltre la dimensione", Con([](Bitmap& b) {
         b.offset = 400;
         b.dimensione = 374;
       })},
      {"dieci byte", Bitmap{}, 10},
      {"file vuoto", Bitmap{}, 0},
  };
  for (const Caso& caso : casi) {
    const std::string c = Scrivi(dir, "rifiutato.bmp", caso.bitmap);
    if (caso.tronca >= 0) std::filesystem::resize_file(c, uintmax_t(caso.tronca));
    const Byte prima = Leggi(c);
    std::vector<std::vector<std::string>> comandi{
        {"info", c}, {"hide", c, "-t", "x"}, {"reveal", c, "-t"}};
    if (&caso == &casi[0]) {  // the other destinations once: the check comes first
      comandi.push_back({"hide", c, "-t", "x", "-o", dir / "copia"});
      comandi.push_back({"reveal", c, "-o", dir / "uscita"});
    }
    for (const std::vector<std::string>& comando : comandi) {
      const Risultato r = Cli(comando);
      EXPECT_EQ(r.stato, 1) << caso.nome << ", " << comando[0];
      EXPECT_EQ(r.out, "");
      // info and hide say why on a second line; a reveal keeps the window's words.
      if (comando[0] == "reveal")
        EXPECT_EQ(r.err, "tavelin-cli: Formato file non valido\n") << caso.nome;
      else
        EXPECT_EQ(r.err.substr(0, r.err.find('\n') + 1), "tavelin-cli: Formato file non valido\n")
            << caso.nome;
    }
    EXPECT_EQ(Leggi(c), prima) << caso.nome;
    EXPECT_FALSE(std::filesystem::exists(dir / "copia"));
    EXPECT_FALSE(std::filesystem::exists(dir / "uscita"));
  }
}

// The second line of a refusal: what the file is, and the command that makes
// a carrier of it, which works as printed.
TEST_F(Rifiuti, RefusedFileSaysWhatItIsAndHowToConvertIt) {
  SENZA_PROGRAMMI_DI_IMMAGINI();
  const std::string ppm = dir / "motivo.ppm";
  ScriviPpm(ppm, Motivo());
  const auto magick = [&](const std::string& nome, const std::string& opzioni) {
    EXPECT_TRUE(Shell("convert " + Q(ppm) + " " + opzioni + " " + Q(dir / nome)));
    return dir / nome;
  };
  struct Caso {
    std::string file, perche;
    bool convertibile;
  };
  const Caso casi[] = {
      {magick("foto.png", ""), "È un'immagine PNG, non una bitmap.", true},
      {magick("foto.jpg", ""), "È un'immagine JPEG, non una bitmap.", true},
      {magick("foto.gif", ""), "È un'immagine GIF, non una bitmap.", true},
      {magick("foto.tga", ""), "È un'immagine TGA, non una bitmap.", true},
      {magick("v5.bmp", ""), "È una bitmap con un'intestazione di 124 byte: ne serve una di 40.",
       true},
      {magick("v4.bmp", "-intent Undefined"),
       "È una bitmap con un'intestazione di 108 byte: ne serve una di 40.", true},
      {File("nota.txt", "Cara Anna, ci vediamo alle 8."),
       "Non è una bitmap né un'immagine di un formato conosciuto.", false},
      {File("corto.bmp", "BM:abcd"),
       "Il file è troppo corto per una bitmap: 7 byte, meno dei 54 dell'intestazione.", false},
      {File("vuoto.bmp", ""), "Il file è vuoto.", false},
  };
  for (const Caso& caso : casi) {
    const std::string comando = "tavelin-cli prepare " + caso.file + " -o ";
    for (const std::vector<std::string>& argomenti :
         {std::vector<std::string>{"info", caso.file}, {"hide", caso.file, "-t", "x"}}) {
      const Risultato r = Cli(argomenti);
      EXPECT_EQ(r.stato, 1) << caso.file;
      std::string atteso = "tavelin-cli: Formato file non valido\n" + caso.perche;
      EXPECT_EQ(r.err.substr(0, atteso.size()), atteso) << r.err;
      const size_t dove = r.err.find(comando);
      EXPECT_EQ(dove != std::string::npos, caso.convertibile) << r.err;
      if (dove == std::string::npos || argomenti[0] != "info") continue;
      // The name it proposes is new; following the advice gives a carrier.
      const std::string nuovo =
          r.err.substr(dove + comando.size(), r.err.size() - dove - comando.size() - 1);
      EXPECT_FALSE(std::filesystem::exists(nuovo)) << nuovo;
      EXPECT_EQ(Cli({"prepare", caso.file, "-o", nuovo}).stato, 0) << nuovo;
      EXPECT_EQ(Cli({"hide", nuovo, "-t", "x"}).stato, 0) << nuovo;
    }
  }
  // A name that needs quoting is quoted for the shell.
  const std::string strano = magick("l'altra foto.png", "");
  const Risultato r = Cli({"info", strano});
  EXPECT_NE(r.err.find("tavelin-cli prepare '" + dir / "l'\\''altra foto.png' -o '"),
            std::string::npos)
      << r.err;
}

TEST_F(Rifiuti, CompressedCarrierIsRefusedForHidingWithItsReason) {
  Bitmap b;
  b.compressione = 1;
  const std::string c = Scrivi(dir, "rle.bmp", b);
  const Risultato r = Cli({"hide", c, "-t", "x"});
  EXPECT_EQ(r.stato, 1);
  EXPECT_EQ(r.err,
            "tavelin-cli: Formato file non valido\nLa bitmap non può accogliere dati: i pixel sono "
            "compressi (compressione 1) e i dati nascosti rovinerebbero l'immagine.\n");
}

TEST_F(Rifiuti, CarrierWithoutRoomForALengthField) {
  for (const size_t pixel : {size_t{32}, size_t{1}}) {  // capacity 0 and -4 at 1 bit
    const std::string c = Carrier(pixel);
    const Byte prima = Leggi(c);
    const Risultato r = Cli({"hide", c, "-t", ""});
    EXPECT_EQ(r.stato, 1) << pixel;
    EXPECT_EQ(r.err, "tavelin-cli: Bitmap di dimensioni insufficienti\n");
    EXPECT_EQ(Leggi(c), prima);
  }
}

TEST_F(Rifiuti, PathsThatAreNoRegularFile) {
  const std::string fifo = NonRegolare(dir / "fifo");
  const std::pair<std::string, std::string> casi[] = {
      {dir / "manca.bmp", "il file o la cartella non esiste"},
      {dir.Path().string(), "è una cartella, non un file"},
      {fifo, "non è un file regolare"},
  };
  for (const auto& [path, causa] : casi) {
    for (const std::vector<std::string>& comando : {std::vector<std::string>{"info", path},
                                                    {"hide", path, "-t", "x"},
                                                    {"reveal", path, "-t"}}) {
      const Risultato r = Cli(comando);
      EXPECT_EQ(r.stato, 2) << path << ", " << comando[0];
      EXPECT_NE(r.err.find("\"" + path + "\": " + causa + "."), std::string::npos) << r.err;
    }
  }
  // A payload file that is not there is a file error too, before anything is written.
  const std::string c = Carrier();
  const Byte prima = Leggi(c);
  for (const std::string& f : {dir / "manca", dir.Path().string(), fifo}) {
    const Risultato r = Cli({"hide", c, "-f", f});
    EXPECT_EQ(r.stato, 2) << f;
    EXPECT_NE(r.err.find("\"" + f + "\""), std::string::npos) << r.err;
  }
  EXPECT_EQ(Leggi(c), prima);
}

TEST_F(Rifiuti, ReadOnlyCarrierIsNotChangedInPlace) {
  const std::string c = Carrier();
  ::chmod(c.c_str(), 0444);
  if (Scrivibile(c)) GTEST_SKIP() << "root writes anything (so does Wine run by root)";
  const Byte prima = Leggi(c);
  Risultato r = Cli({"hide", c, "-t", "x"});
  EXPECT_EQ(r.stato, 2);
  EXPECT_NE(r.err.find("accesso negato"), std::string::npos) << r.err;
  EXPECT_EQ(Leggi(c), prima);
  r = Cli({"hide", c, "-t", "x", "-o", dir / "copia.bmp"});  // a copy only reads it
  EXPECT_EQ(r.stato, 0) << r.err;
}

}  // namespace
}  // namespace prova
