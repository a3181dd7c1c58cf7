// Names outside ASCII at every place a path goes, as Windows hands them to
// the program in UTF-16: the carrier, its copy, the payload file, the key
// file and the output of a reveal.
#include "Banco.h"

namespace prova {
namespace {

using Percorsi = Banco;

TEST_F(Percorsi, NamesOutsideAsciiEverywhere) {
  const std::string c = dir / "prova è€.bmp";
  Scrivi(c, Bitmap{}.Byte_());
  const std::string dati = File("dati «è».bin", "€ in un file");
  const std::string chiave = File("chiave ß.txt", "chiavè\n");
  const std::string copia = dir / "copia ü€.bmp", uscita = dir / "uscita ñ€.bin";
  Risultato r = Cli({"hide", c, "-f", dati, "--key-file", chiave, "-o", copia});
  ASSERT_EQ(r.stato, 0) << r.err;
  r = Cli({"reveal", copia, "-o", uscita, "-k", "chiavè"});
  ASSERT_EQ(r.stato, 0) << r.err;
  EXPECT_EQ(Testo(uscita), "€ in un file");
  r = Cli({"info", copia});
  EXPECT_EQ(r.stato, 0) << r.err;
  // A message names the file as it was given.
  r = Cli({"info", dir / "manca è€.bmp"});
  EXPECT_EQ(r.err, "tavelin-cli: Impossibile aprire il file \"" + (dir / "manca è€.bmp") +
                       "\": il file o la cartella non esiste.\n");
}

}  // namespace
}  // namespace prova
