// The header reader: which files are carriers, what the record holds after
// each outcome, and the capacity at every bit count.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Crypta.h"
#include "Supporto.h"

using namespace prova;
using Crypta::BmpHeader;
using Crypta::LeggiHeader;

namespace {

class Header : public ::testing::Test {
 protected:
  void SetUp() override { BmpHeader = {}; }
  Cartella dir;
};

TEST_F(Header, AcceptsTheTenByTenExampleWithEveryField) {
  Bitmap b;
  b.usati = 7;
  b.importanti = 3;
  b.risOrizz = 3780;
  b.risVert = 3779;
  const std::string path = Scrivi(dir, "a.bmp", b);
  ASSERT_TRUE(LeggiHeader(path, 1));
  EXPECT_EQ(BmpHeader.TipoBitmap, "Windows 3.1x,95,98,Me,NT,2000 .... ");
  EXPECT_EQ(BmpHeader.DimensioneFile, 374);
  EXPECT_EQ(BmpHeader.OffsetDati, 54);
  EXPECT_EQ(BmpHeader.LunghezzaHeader, 40);
  EXPECT_EQ(BmpHeader.Larghezza, 10);
  EXPECT_EQ(BmpHeader.Altezza, 10);
  EXPECT_EQ(BmpHeader.NumeroPiani, 1);
  EXPECT_EQ(BmpHeader.BitPerPixel, 24);
  EXPECT_EQ(BmpHeader.Compressione, "0");
  EXPECT_EQ(BmpHeader.GrandezzaBitmap, 320);
  EXPECT_EQ(BmpHeader.RisoluzioneOrizz, 3780);
  EXPECT_EQ(BmpHeader.RisoluzioneVert, 3779);
  EXPECT_EQ(BmpHeader.ColoriUsati, 7);
  EXPECT_EQ(BmpHeader.ColoriImportanti, 3);
  EXPECT_EQ(BmpHeader.BytesUtilizzabili, 36);
}

TEST_F(Header, CapacityFollowsTheBitCount) {
  const std::string path = Scrivi(dir, "a.bmp", Bitmap{});
  const std::pair<int16_t, double> attese[] = {{1, 36}, {2, 76}, {4, 156}, {8, 316}};
  for (const auto& [n, capienza] : attese) {
    ASSERT_TRUE(LeggiHeader(path, n));
    EXPECT_EQ(BmpHeader.BytesUtilizzabili, capienza) << n << " bit";
  }
}

TEST_F(Header, CapacityRoundsDownTowardsMinusInfinity) {
  Bitmap b;
  b.dimensione = 54 + 32;  // D = 32 at 1 bit: just the length field
  ASSERT_TRUE(LeggiHeader(Scrivi(dir, "a.bmp", b), 1));
  EXPECT_EQ(BmpHeader.BytesUtilizzabili, 0);
  b.dimensione = 55;  // D = 1: (1 - 32) / 8 = -3.875
  ASSERT_TRUE(LeggiHeader(Scrivi(dir, "b.bmp", b), 1));
  EXPECT_EQ(BmpHeader.BytesUtilizzabili, -4);
  b.dimensione = 54 + 33;  // 1/8 of a byte over: still 0
  ASSERT_TRUE(LeggiHeader(Scrivi(dir, "c.bmp", b), 1));
  EXPECT_EQ(BmpHeader.BytesUtilizzabili, 0);
}

TEST_F(Header, CapacityRestsOnTheDeclaredSizeNotTheRealOne) {
  Bitmap b;
  b.dimensione = 1000054;  // the file itself is 374 bytes
  ASSERT_TRUE(LeggiHeader(Scrivi(dir, "a.bmp", b), 8));
  EXPECT_EQ(BmpHeader.BytesUtilizzabili, 999996);
}

TEST_F(Header, KnowsTheSixSignatures) {
  EXPECT_EQ(Crypta::DescriviTipo("BA"), "OS/2 Bitmap Array");
  EXPECT_EQ(Crypta::DescriviTipo("CI"), "OS/2 Color Icon");
  EXPECT_EQ(Crypta::DescriviTipo("CP"), "OS/2 Color Pointer");
  EXPECT_EQ(Crypta::DescriviTipo("IC"), "OS/2 Icon");
  EXPECT_EQ(Crypta::DescriviTipo("PT"), "OS/2 Pointer");
  EXPECT_EQ(Crypta::DescriviTipo("bm"), "");
  EXPECT_EQ(Crypta::DescriviTipo("MB"), "");
  Bitmap b;
  b.firma = "BA";
  ASSERT_TRUE(LeggiHeader(Scrivi(dir, "a.bmp", b), 1));
  EXPECT_EQ(BmpHeader.TipoBitmap, "OS/2 Bitmap Array");
}

// A record full of a first carrier's values, to see what a refusal overwrites.
class Rifiuto : public Header {
 protected:
  void SetUp() override {
    Header::SetUp();
    Bitmap primo;
    primo.larghezza = 77;
    primo.compressione = 3;
    ASSERT_TRUE(LeggiHeader(Scrivi(dir, "primo.bmp", primo), 1));
  }
  void PrimoIntatto(bool daDimensione) {
    if (daDimensione) {
      EXPECT_EQ(BmpHeader.DimensioneFile, 374);
      EXPECT_EQ(BmpHeader.OffsetDati, 54);
      EXPECT_EQ(BmpHeader.LunghezzaHeader, 40);
    }
    EXPECT_EQ(BmpHeader.Larghezza, 77);
    EXPECT_EQ(BmpHeader.Compressione, "3");
    EXPECT_EQ(BmpHeader.BytesUtilizzabili, 36);
  }
};

TEST_F(Rifiuto, UnknownSignatureChangesOnlyTheType) {
  Bitmap b;
  b.firma = "bm";
  b.dimensione = 999;
  EXPECT_FALSE(LeggiHeader(Scrivi(dir, "a.bmp", b), 1));
  EXPECT_EQ(BmpHeader.TipoBitmap, "");
  PrimoIntatto(true);
}

TEST_F(Rifiuto, InfoHeaderOtherThanFortyKeepsTheLaterFields) {
  for (const uint32_t lunghezza : {12u, 64u, 108u, 124u}) {
    Bitmap b;
    b.lunghezzaHeader = lunghezza;
    b.dimensione = 5000;
    b.offset = 138;
    EXPECT_FALSE(LeggiHeader(Scrivi(dir, "a.bmp", b), 1)) << lunghezza;
    EXPECT_EQ(BmpHeader.TipoBitmap, "Windows 3.1x,95,98,Me,NT,2000 .... ");
    EXPECT_EQ(BmpHeader.DimensioneFile, 5000);
    EXPECT_EQ(BmpHeader.OffsetDati, 138);
    EXPECT_EQ(BmpHeader.LunghezzaHeader, lunghezza);
    PrimoIntatto(false);
  }
}

TEST_F(Rifiuto, DeclaredSizeNotAboveTheOffset) {
  Bitmap b;
  b.dimensione = 54;
  EXPECT_FALSE(LeggiHeader(Scrivi(dir, "a.bmp", b), 1));
  EXPECT_EQ(BmpHeader.DimensioneFile, 54);
  EXPECT_EQ(BmpHeader.LunghezzaHeader, 40);  // left from the first carrier
  PrimoIntatto(false);
}

TEST_F(Rifiuto, MissingFileFolderAndUnreadableFile) {
  EXPECT_FALSE(LeggiHeader(dir / "manca.bmp", 1));
  EXPECT_EQ(BmpHeader.TipoBitmap, "");
  PrimoIntatto(true);

  BmpHeader.TipoBitmap = "x";
  EXPECT_FALSE(LeggiHeader(dir.Path().string(), 1));
  EXPECT_EQ(BmpHeader.TipoBitmap, "");

  const std::string chiuso = Scrivi(dir, "chiuso.bmp", Bitmap{});
  ::chmod(chiuso.c_str(), 0);
  if (::access(chiuso.c_str(), R_OK) != 0) {  // root reads anything
    BmpHeader.TipoBitmap = "x";
    EXPECT_FALSE(LeggiHeader(chiuso, 1));
    EXPECT_EQ(BmpHeader.TipoBitmap, "");
  }
  EXPECT_FALSE(LeggiHeader("CCCCCCCC", 1));
}

TEST_F(Rifiuto, FifoIsRefusedWithoutBlocking) {
  const std::string fifo = NonRegolare(dir / "fifo");
  EXPECT_FALSE(LeggiHeader(fifo, 1));
  EXPECT_EQ(BmpHeader.TipoBitmap, "");
}

TEST_F(Header, ReadsFieldsAsUnsigned) {
  Bitmap b;
  b.altezza = uint32_t(-100);
  b.compressione = 1;
  ASSERT_TRUE(LeggiHeader(Scrivi(dir, "a.bmp", b), 1));
  EXPECT_EQ(BmpHeader.Altezza, 4294967196.0);
  EXPECT_EQ(BmpHeader.Compressione, "1");
  b.compressione = 0xFFFFFFFF;
  b.dimensione = 0xFFFFFFFF;
  ASSERT_TRUE(LeggiHeader(Scrivi(dir, "b.bmp", b), 8));
  EXPECT_EQ(BmpHeader.Compressione, "4294967295");
  EXPECT_EQ(BmpHeader.DimensioneFile, 4294967295.0);
  EXPECT_EQ(BmpHeader.BytesUtilizzabili, 4294967295.0 - 54 - 4);
}

TEST_F(Header, LeggiValoreIsLittleEndianOverTheLastHeader) {
  Bitmap b;
  b.dimensione = 374;  // 76 01 00 00
  ASSERT_TRUE(LeggiHeader(Scrivi(dir, "a.bmp", b), 1));
  EXPECT_EQ(Crypta::LeggiValore(3, 6), 374);
  EXPECT_EQ(Crypta::LeggiValore(27, 28), 1);
  EXPECT_EQ(Crypta::LeggiValore(3, 3), 0x76);
  EXPECT_EQ(Crypta::LeggiValore(6, 3), 0);
}

TEST_F(Header, ShortFileReadsMissingBytesAsZero) {
  Byte corto = Bitmap{}.Byte_();
  corto.resize(30);  // up to the bit depth; compression and later are missing
  Scrivi(dir / "corto.bmp", corto);
  ASSERT_TRUE(LeggiHeader(dir / "corto.bmp", 1));
  EXPECT_EQ(BmpHeader.BitPerPixel, 24);
  EXPECT_EQ(BmpHeader.Compressione, "0");
  EXPECT_EQ(BmpHeader.GrandezzaBitmap, 0);
  EXPECT_EQ(BmpHeader.ColoriImportanti, 0);
  corto.resize(1);
  Scrivi(dir / "uno.bmp", corto);
  EXPECT_FALSE(LeggiHeader(dir / "uno.bmp", 1));
  EXPECT_EQ(BmpHeader.TipoBitmap, "");
}

TEST_F(Header, ReadingNeverChangesTheFile) {
  const std::string path = Scrivi(dir, "a.bmp", Bitmap{});
  const Byte prima = Leggi(path);
  for (const int16_t n : {1, 2, 4, 8}) LeggiHeader(path, n);
  EXPECT_EQ(Leggi(path), prima);
}

}  // namespace
