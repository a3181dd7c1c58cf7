// The info command: the panel's rows, the capacity, and the carriers it refuses.
#include <sys/stat.h>

#include "Banco.h"

namespace prova {
namespace {

using Info = Banco;

// The stealth capacity's row, in a build that has the layout.
constexpr const char* kFurtivo =
    TAVELIN_CON_CIFRATURA
        ? "Bytes furtivi:            0: lo strato furtivo usa solo pixel non compressi "
          "(compressione 1)\n"
        : "";

TEST_F(Info, ShowsEveryRowWithThePanelCaptions) {
  Bitmap b;
  b.compressione = 1;
  b.usati = 7;
  b.importanti = 3;
  b.risOrizz = 3780;
  b.risVert = 2835;
  const std::string c = Scrivi(dir, "x.bmp", b);
  const Risultato r = Cli({"info", c});
  EXPECT_EQ(r.stato, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, std::string("Dimensione File (Bytes):  374\n"
                               "Offset:                   54\n"
                               "Lunghezza Header:         40\n"
                               "Larghezza Bitmap:         10\n"
                               "Altezza Bitmap:           10\n"
                               "Numero Piani:             1\n"
                               "Bits per Pixel:           24\n"
                               "Compressione:             1\n"
                               "Grandezza Bitmap:         320\n"
                               "Risoluzione Orizz. Px/Mt: 3780\n"
                               "Risoluzione Vert. Px/Mt:  2835\n"
                               "Colori usati:             7\n"
                               "Colori importanti:        3\n"
                               "Tipo:                     Windows 3.1x,95,98,Me,NT,2000 .... \n"
                               "Bytes utilizzabili:       36\n"
                               "Bytes nascondibili:       36\n") +
                       kFurtivo);
}

TEST_F(Info, HideableBytesStopWhereTheLengthFieldDoes) {
  Bitmap b;
  b.dimensione = 0xFFFFFFFFu;  // only the header is read
  const std::string c = Scrivi(dir, "x.bmp", b);
  Risultato r = Cli({"info", c, "-b", "8"});
  EXPECT_EQ(r.stato, 0) << r.err;
  EXPECT_NE(r.out.find("Bytes utilizzabili:       4294967237\n"
                       "Bytes nascondibili:       2147483647\n"),
            std::string::npos)
      << r.out;
  r = Cli({"info", c, "-b", "1"});
  EXPECT_NE(r.out.find("Bytes nascondibili:       536870901\n"), std::string::npos) << r.out;
}

TEST_F(Info, UsableBytesFollowTheBitCount) {
  const std::string c = Carrier();
  const std::pair<const char*, const char*> attesi[] = {
      {"1", "36"}, {"2", "76"}, {"4", "156"}, {"8", "316"}};
  for (const auto& [bit, byte] : attesi) {
    const Risultato r = Cli({"info", c, "-b", bit});
    EXPECT_EQ(r.stato, 0) << bit;
    EXPECT_NE(r.out.find(std::string("\nBytes utilizzabili:       ") + byte + "\n"),
              std::string::npos)
        << bit << "\n"
        << r.out;
  }
}

TEST_F(Info, FieldsAreShownUnsignedAndTypeFromTheSignature) {
  Bitmap b;
  b.firma = "BA";
  b.altezza = uint32_t(-100);
  const Risultato r = Cli({"info", Scrivi(dir, "x.bmp", b)});
  EXPECT_EQ(r.stato, 0);
  EXPECT_NE(r.out.find("Altezza Bitmap:           4294967196\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Tipo:                     OS/2 Bitmap Array\n"), std::string::npos)
      << r.out;
}

TEST_F(Info, CarrierWithoutRoomShowsThePanelThenRefuses) {
  for (const auto& [pixel, byte] : {std::pair{size_t{32}, "0"}, std::pair{size_t{1}, "-4"}}) {
    const Risultato r = Cli({"info", Carrier(pixel)});
    EXPECT_EQ(r.stato, 1) << pixel;
    EXPECT_NE(r.out.find(std::string("Bytes utilizzabili:       ") + byte +
                         "\nBytes nascondibili:       0\n"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.err, "tavelin-cli: Bitmap di dimensioni insufficienti\n");
  }
  // The same carrier has room at more bits.
  EXPECT_EQ(Cli({"info", Carrier(32), "-b", "2"}).stato, 0);
}

TEST_F(Info, RefusedFileSaysSoOnStandardError) {
  Bitmap b;
  b.firma = "bm";
  const Risultato r = Cli({"info", Scrivi(dir, "x.bmp", b)});
  EXPECT_EQ(r.stato, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err,
            "tavelin-cli: Formato file non valido\n"
            "Non è una bitmap né un'immagine di un formato conosciuto.\n");
}

TEST_F(Info, UnreadableCarrierIsAFileError) {
  const std::string manca = dir / "manca.bmp";
  Risultato r = Cli({"info", manca});
  EXPECT_EQ(r.stato, 2);
  EXPECT_EQ(r.err, "tavelin-cli: Impossibile aprire il file \"" + manca +
                       "\": il file o la cartella non esiste.\n");
  r = Cli({"info", dir.Path().string()});
  EXPECT_EQ(r.stato, 2);
  EXPECT_NE(r.err.find("è una cartella"), std::string::npos) << r.err;
  const std::string fifo = NonRegolare(dir / "fifo");
  r = Cli({"info", fifo});
  EXPECT_EQ(r.stato, 2);
  EXPECT_NE(r.err.find("non è un file regolare"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace prova
