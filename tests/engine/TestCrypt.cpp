// Hiding: the layout byte for byte, the progress figures, and every refusal
// leaving the carrier as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sys/stat.h>
#include <unistd.h>

#include "Crypta.h"
#include "Supporto.h"

using namespace prova;
using Crypta::CryptBitmap;

namespace {

class Crypt : public ::testing::Test {
 protected:
  void SetUp() override { Crypta::Finestra = {}; }
  void TearDown() override { Crypta::Finestra = {}; }
  Cartella dir;
};

TEST_F(Crypt, WorkedExampleTwoBitsLetterA) {
  const std::string path = Scrivi(dir, "a.bmp", Bitmap{});
  const Byte prima = Leggi(path);
  CryptBitmap(path, 54, 1, "A", true, "", 2);
  const Byte dopo = Leggi(path);
  ASSERT_EQ(dopo.size(), prima.size());
  const uint8_t bassi[20] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 1};
  for (size_t i = 0; i < prima.size(); ++i) {
    if (i >= 54 && i < 74) {
      EXPECT_EQ(dopo[i] & 3, bassi[i - 54]) << i;
      EXPECT_EQ(dopo[i] & 0xFC, prima[i] & 0xFC) << i;
    } else {
      EXPECT_EQ(dopo[i], prima[i]) << i;
    }
  }
}

TEST_F(Crypt, EightBitsStoresTheLengthBigEndianThenTheBytes) {
  const std::string path = Scrivi(dir, "a.bmp", Bitmap{});
  CryptBitmap(path, 54, 3, "xyz", true, "", 8);
  Byte dopo = Leggi(path);
  EXPECT_EQ(Byte(dopo.begin() + 54, dopo.begin() + 61), (Byte{0, 0, 0, 3, 'x', 'y', 'z'}));

  CryptBitmap(path, 54, 3, "xyz", true, "K", 8);  // mask 'K'
  dopo = Leggi(path);
  EXPECT_EQ(Byte(dopo.begin() + 54, dopo.begin() + 61),
            (Byte{0, 0, 0, 3 ^ 'K', 'x' ^ 'K', 'y' ^ 'K', 'z' ^ 'K'}));
}

TEST_F(Crypt, OneBitChangesEachCarrierByteByAtMostOne) {
  const std::string path = Scrivi(dir, "a.bmp", Bitmap{});
  const Byte prima = Leggi(path);
  CryptBitmap(path, 54, 36, std::string(36, '\xA5'), true, "k", 1);
  const Byte dopo = Leggi(path);
  for (size_t i = 0; i < prima.size(); ++i) EXPECT_LE(std::abs(dopo[i] - prima[i]), 1) << i;
  EXPECT_NE(dopo, prima);
}

TEST_F(Crypt, EmptyTextWritesOnlyTheLengthField) {
  for (const int16_t n : {1, 2, 4, 8}) {
    const std::string path = Scrivi(dir, "a.bmp", Bitmap{});
    const Byte prima = Leggi(path);
    int chiamate = 0;
    Crypta::Finestra.TxtPerc2 = [&](const std::string&) { ++chiamate; };
    CryptBitmap(path, 54, 0, "", true, "", n);
    const Byte dopo = Leggi(path);
    const size_t usati = size_t(32 / n);
    for (size_t i = 0; i < prima.size(); ++i) {
      if (i >= 54 && i < 54 + usati)
        EXPECT_EQ(dopo[i] & ((1 << n) - 1), 0) << i;
      else
        EXPECT_EQ(dopo[i], prima[i]) << i;
    }
    EXPECT_EQ(chiamate, 0);
  }
}

TEST_F(Crypt, FileAndTextWithTheSameBytesWriteTheSameCarrier) {
  const std::string a = Scrivi(dir, "a.bmp", Bitmap{}), b = Scrivi(dir, "b.bmp", Bitmap{});
  Scrivi(dir / "uno", Byte{'Q'});
  CryptBitmap(a, 54, 1, "Q", true, "abc", 1);
  CryptBitmap(b, 54, 1, dir / "uno", false, "abc", 1);
  EXPECT_EQ(Leggi(a), Leggi(b));
}

TEST_F(Crypt, HidingAgainLeavesTheOldTailBehind) {
  const std::string path = Scrivi(dir, "a.bmp", Bitmap{});
  CryptBitmap(path, 54, 10, "0123456789", true, "", 8);
  CryptBitmap(path, 54, 2, "ab", true, "", 8);
  const Byte dopo = Leggi(path);
  EXPECT_EQ(std::string(dopo.begin() + 54, dopo.begin() + 68),
            std::string("\0\0\0\x02" "ab23456789", 14));
}

TEST_F(Crypt, ProgressShowsEachDistinctFigureOnce) {
  std::vector<std::string> visti;
  Crypta::Finestra.TxtPerc2 = [&](const std::string& t) { visti.push_back(t); };
  const std::string path = Scrivi(dir, "a.bmp", Bitmap{});
  CryptBitmap(path, 54, 3, "abc", true, "", 8);
  EXPECT_EQ(visti, (std::vector<std::string>{" 33%", " 66%", " 100%"}));

  visti.clear();
  Bitmap grande;
  grande.pixel = 2000;
  const std::string g = Scrivi(dir, "g.bmp", grande);
  CryptBitmap(g, 54, 100, std::string(100, 'x'), true, "", 8);
  // The figure as the text box shows it before each byte, deduplicated.
  std::vector<std::string> attesi;
  for (int i = 1; i <= 100; ++i) {
    const std::string t = " " + std::to_string(int(std::floor((i / 100.0) * 100))) + "%";
    if (attesi.empty() || attesi.back() != t) attesi.push_back(t);
  }
  EXPECT_EQ(visti, attesi);
  EXPECT_EQ(std::count(visti.begin(), visti.end(), " 29%"), 0);
  EXPECT_EQ(visti[27], " 28%");
  EXPECT_EQ(visti[28], " 30%");
}

TEST_F(Crypt, EventHookRunsDuringAHide) {
  int eventi = 0;
  Crypta::Finestra.DoEvents = [&] { ++eventi; };
  const std::string path = Scrivi(dir, "a.bmp", Bitmap{});
  CryptBitmap(path, 54, 5, "hello", true, "", 4);
  EXPECT_GE(eventi, 1);
}

// Every refusal comes before the first byte: the carrier keeps its bytes and length.
class CryptRifiuto : public Crypt {
 protected:
  void SetUp() override {
    Crypt::SetUp();
    carrier = Scrivi(dir, "c.bmp", Bitmap{});
    prima = Leggi(carrier);
  }
  void Intatto() { EXPECT_EQ(Leggi(carrier), prima); }
  std::string carrier;
  Byte prima;
};

TEST_F(CryptRifiuto, PayloadPastTheDeclaredSize) {
  // Capacity at 1 bit is 36; 37 bytes end one stream byte past the declared size.
  EXPECT_THROW(CryptBitmap(carrier, 54, 37, std::string(37, 'x'), true, "", 1), Crypta::Errore);
  Intatto();
  EXPECT_NO_THROW(CryptBitmap(carrier, 54, 36, std::string(36, 'x'), true, "", 1));
}

TEST_F(CryptRifiuto, PayloadPastThePhysicalEnd) {
  Bitmap b;
  b.dimensione = 100000;  // lies: the file has 374 bytes
  carrier = Scrivi(dir, "bugiarda.bmp", b);
  prima = Leggi(carrier);
  EXPECT_THROW(CryptBitmap(carrier, 54, 400, std::string(400, 'x'), true, "", 8), Crypta::Errore);
  Intatto();
}

TEST_F(CryptRifiuto, OffsetThatIsNotThisCarriers) {
  EXPECT_THROW(CryptBitmap(carrier, 370, 1, "x", true, "", 8), Crypta::Errore);
  EXPECT_THROW(CryptBitmap(carrier, -1, 1, "x", true, "", 8), Crypta::Errore);
  EXPECT_THROW(CryptBitmap(carrier, 54.5, 1, "x", true, "", 8), Crypta::Errore);
  // Inside the headers the stream would overwrite what a reveal reads first.
  EXPECT_THROW(CryptBitmap(carrier, 0, 1, "x", true, "", 8), Crypta::Errore);
  EXPECT_THROW(CryptBitmap(carrier, 53, 1, "x", true, "", 8), Crypta::Errore);
  Intatto();
}

TEST_F(CryptRifiuto, PayloadFileMissingShortOrAFolder) {
  EXPECT_THROW(CryptBitmap(carrier, 54, 3, dir / "manca", false, "", 8), Crypta::Errore);
  Scrivi(dir / "corto", Byte{1, 2});
  EXPECT_THROW(CryptBitmap(carrier, 54, 3, dir / "corto", false, "", 8), Crypta::Errore);
  EXPECT_THROW(CryptBitmap(carrier, 54, 0, dir.Path().string(), false, "", 8), Crypta::Errore);
  EXPECT_THROW(CryptBitmap(carrier, 54, 5, "abc", true, "", 8), Crypta::Errore);
  Intatto();
}

TEST_F(CryptRifiuto, CarrierMissingReadOnlyOrItselfThePayload) {
  EXPECT_THROW(CryptBitmap(dir / "manca.bmp", 54, 1, "x", true, "", 8), Crypta::Errore);
  EXPECT_FALSE(std::filesystem::exists(dir / "manca.bmp"));
  EXPECT_THROW(CryptBitmap(carrier, 54, 10, carrier, false, "", 8), Crypta::Errore);
  Intatto();
  ::chmod(carrier.c_str(), 0444);
  if (!Scrivibile(carrier)) {  // root writes anything
    EXPECT_THROW(CryptBitmap(carrier, 54, 1, "x", true, "", 8), Crypta::Errore);
    Intatto();
  }
}

TEST_F(CryptRifiuto, BitCountsOutsideOneTwoFourEight) {
  for (const int16_t n : {0, 3, 5, 16, -1})
    EXPECT_THROW(CryptBitmap(carrier, 54, 1, "x", true, "", n), Crypta::Errore) << n;
  EXPECT_THROW(CryptBitmap(carrier, 54, -1, "x", true, "", 8), Crypta::Errore);
  Intatto();
}

TEST_F(CryptRifiuto, MessageNamesTheFile) {
  try {
    CryptBitmap(carrier, 54, 3, dir / "manca.dat", false, "", 8);
    FAIL();
  } catch (const Crypta::Errore& e) {
    EXPECT_NE(std::string(e.what()).find("manca.dat"), std::string::npos) << e.what();
  }
}

}  // namespace
