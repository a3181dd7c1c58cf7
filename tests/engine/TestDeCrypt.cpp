// Revealing: round trips, the length rules, the output file, the hooks, and
// carriers that lie or break.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Crypta.h"
#include "Supporto.h"

using namespace prova;
using Crypta::CryptBitmap;
using Crypta::DeCryptBitmap;

namespace {

class DeCrypt : public ::testing::Test {
 protected:
  void SetUp() override {
    Crypta::Finestra = {};
    Crypta::BmpHeader = {};
  }
  void TearDown() override { Crypta::Finestra = {}; }
  std::string Carrier(size_t pixel = 320, uint32_t seme = 1) {
    Bitmap b;
    b.pixel = pixel;
    b.seme = seme;
    return Scrivi(dir, "c" + std::to_string(++contatore) + ".bmp", b);
  }
  Cartella dir;
  int contatore = 0;
};

TEST_F(DeCrypt, RoundTripsTextAndFileAtEveryBitCount) {
  for (const int16_t n : {1, 2, 4, 8}) {
    const std::string c = Carrier(4000);
    const std::string testo("Ciao\r\n\x80\xFF\0!", 10);
    CryptBitmap(c, 54, int32_t(testo.size()), testo, true, "chiave", n);
    EXPECT_EQ(DeCryptBitmap(c, "chiave", n, true, ""), testo) << n;
    EXPECT_EQ(DeCryptBitmap(c, "evaihc", n, true, ""), testo) << "same mask, " << n;

    const Byte dati = Casuali(300, uint32_t(n));
    Scrivi(dir / "dati", dati);
    const std::string d = Carrier(4000);
    CryptBitmap(d, 54, 300, dir / "dati", false, "k", n);
    const std::string uscita = dir / ("out" + std::to_string(n));
    EXPECT_EQ(DeCryptBitmap(d, "k", n, false, uscita), "True");
    EXPECT_EQ(Leggi(uscita), dati);
  }
}

TEST_F(DeCrypt, RevealsALengthEqualToTheCapacity) {
  const std::string c = Carrier();  // capacity 36 at 1 bit
  CryptBitmap(c, 54, 36, std::string(36, 'z'), true, "", 1);
  EXPECT_EQ(DeCryptBitmap(c, "", 1, true, ""), std::string(36, 'z'));
  EXPECT_EQ(Crypta::BmpHeader.BytesUtilizzabili, 36);
}

TEST_F(DeCrypt, LengthAboveTheCapacityGivesFalse) {
  const std::string c = Carrier();
  Byte b = Leggi(c);
  for (size_t i = 54; i < 54 + 32; ++i) b[i] &= 0xFE;
  for (const int bit : {5, 2, 0}) b[size_t(54 + 31 - bit)] |= 1;  // length 37: one above 36
  Scrivi(c, b);
  const std::string uscita = dir / "out";
  EXPECT_EQ(DeCryptBitmap(c, "", 1, true, ""), "False");
  EXPECT_EQ(DeCryptBitmap(c, "", 1, false, uscita), "False");
  EXPECT_FALSE(std::filesystem::exists(uscita));
}

TEST_F(DeCrypt, LengthOfTwoToTheThirtyOneOrMoreGivesFalse) {
  Bitmap big;
  big.dimensione = 0xFFFFFFF0;
  const std::string c = Scrivi(dir, "big.bmp", big);
  Byte b = Leggi(c);
  b[54] = 0x80;  // top bit of the length field at 8 bits
  Scrivi(c, b);
  EXPECT_EQ(DeCryptBitmap(c, "", 8, true, ""), "False");
}

TEST_F(DeCrypt, RefusedCarrierGivesFalseWithoutReadingOrWriting) {
  const std::string buona = Carrier();
  CryptBitmap(buona, 54, 2, "ok", true, "", 8);
  ASSERT_EQ(DeCryptBitmap(buona, "", 8, true, ""), "ok");  // leaves its offset in the record
  // The same bytes under an unknown signature: the record's offset would still
  // find "ok", but a refused file reveals nothing.
  Byte x = Leggi(buona);
  x[0] = 'X';
  const std::string cattiva = dir / "x.bmp";
  Scrivi(cattiva, x);
  const std::string uscita = dir / "out";
  EXPECT_EQ(DeCryptBitmap(cattiva, "", 8, true, ""), "False");
  EXPECT_EQ(DeCryptBitmap(cattiva, "", 8, false, uscita), "False");
  EXPECT_EQ(DeCryptBitmap(dir / "manca.bmp", "", 8, false, uscita), "False");
  EXPECT_EQ(DeCryptBitmap(dir.Path().string(), "", 8, false, uscita), "False");
  EXPECT_FALSE(std::filesystem::exists(uscita));
}

TEST_F(DeCrypt, CarrierShorterThanItsStreamThrows) {
  Bitmap b;
  b.dimensione = 100000;
  b.pixel = 40;
  const std::string c = Scrivi(dir, "corta.bmp", b);
  Byte x = Leggi(c);
  for (size_t i = 54; i < 58; ++i) x[i] = 0;
  x[57] = 200;  // length 200 at 8 bits, 36 bytes of pixels after the field
  Scrivi(c, x);
  const std::string uscita = dir / "out";
  EXPECT_THROW(DeCryptBitmap(c, "", 8, true, ""), Crypta::Errore);
  EXPECT_THROW(DeCryptBitmap(c, "", 8, false, uscita), Crypta::Errore);
  EXPECT_FALSE(std::filesystem::exists(uscita));
  b.pixel = 2;  // not even the length field
  const std::string d = Scrivi(dir, "cortissima.bmp", b);
  EXPECT_THROW(DeCryptBitmap(d, "", 1, true, ""), Crypta::Errore);
}

TEST_F(DeCrypt, OutputFolderMissingOrUnwritableThrowsBeforeWriting) {
  const std::string c = Carrier();
  CryptBitmap(c, 54, 3, "abc", true, "", 8);
  EXPECT_THROW(DeCryptBitmap(c, "", 8, false, dir / "manca/out"), Crypta::Errore);
  EXPECT_THROW(DeCryptBitmap(c, "", 8, false, dir.Path().string()), Crypta::Errore);
  const std::string chiusa = dir / "chiusa";
  std::filesystem::create_directory(chiusa);
  ::chmod(chiusa.c_str(), 0555);
  if (::access(chiusa.c_str(), W_OK) != 0) {
    EXPECT_THROW(DeCryptBitmap(c, "", 8, false, chiusa + "/out"), Crypta::Errore);
    EXPECT_FALSE(std::filesystem::exists(chiusa + "/out"));
  }
}

TEST_F(DeCrypt, AppendsAfterExistingContentEveryTime) {
  const std::string c = Carrier();
  CryptBitmap(c, 54, 3, "abc", true, "", 8);
  const std::string uscita = dir / "out";
  Scrivi(uscita, Byte{'>', '>'});
  EXPECT_EQ(DeCryptBitmap(c, "", 8, false, uscita), "True");
  EXPECT_EQ(DeCryptBitmap(c, "", 8, false, uscita), "True");
  EXPECT_EQ(Leggi(uscita), (Byte{'>', '>', 'a', 'b', 'c', 'a', 'b', 'c'}));
}

TEST_F(DeCrypt, StoredLengthZero) {
  const std::string c = Carrier();
  CryptBitmap(c, 54, 0, "", true, "k", 4);
  std::vector<std::string> perc;
  Crypta::Finestra.TxtPerc = [&](const std::string& t) { perc.push_back(t); };
  EXPECT_EQ(DeCryptBitmap(c, "k", 4, true, ""), "");
  const std::string nuova = dir / "nuova", vecchia = dir / "vecchia";
  Scrivi(vecchia, Byte{9, 9});
  EXPECT_EQ(DeCryptBitmap(c, "k", 4, false, nuova), "True");
  EXPECT_EQ(DeCryptBitmap(c, "k", 4, false, vecchia), "True");
  EXPECT_TRUE(std::filesystem::exists(nuova));
  EXPECT_EQ(Leggi(nuova), Byte{});
  EXPECT_EQ(Leggi(vecchia), (Byte{9, 9}));
  EXPECT_TRUE(perc.empty());
}

TEST_F(DeCrypt, WrongKeyGivesTheBytesXorTheMaskDifference) {
  const std::string c = Carrier(2000);
  CryptBitmap(c, 54, 4, "dati", true, "\x05", 2);
  // Revealed with the empty key: length 4 ^ 5 = 1, and byte 'd' ^ 5.
  EXPECT_EQ(DeCryptBitmap(c, "", 2, true, ""), std::string(1, char('d' ^ 5)));
}

TEST_F(DeCrypt, AnotherBitCountDoesNotGiveThePayloadBack) {
  const std::string c = Carrier(4000);
  CryptBitmap(c, 54, 5, "abcde", true, "", 2);
  EXPECT_NE(DeCryptBitmap(c, "", 4, true, ""), "abcde");
}

TEST_F(DeCrypt, ProgressAndWindowHooks) {
  const std::string c = Carrier();
  CryptBitmap(c, 54, 4, "abcd", true, "", 8);
  std::vector<std::string> eventi;
  Crypta::Finestra.TxtPerc = [&](const std::string& t) { eventi.push_back(t); };
  Crypta::Finestra.Abilita = [&](bool si) { eventi.push_back(si ? "on" : "off"); };
  EXPECT_EQ(DeCryptBitmap(c, "", 8, true, ""), "abcd");
  EXPECT_EQ(eventi, (std::vector<std::string>{"off", " 0%", " 25%", " 50%", " 75%", "on"}));

  eventi.clear();
  EXPECT_THROW(DeCryptBitmap(c, "", 8, false, dir / "manca/out"), Crypta::Errore);
  EXPECT_EQ(eventi, (std::vector<std::string>{"on"}));
  eventi.clear();
  EXPECT_EQ(DeCryptBitmap(dir / "manca.bmp", "", 8, true, ""), "False");
  EXPECT_EQ(eventi, (std::vector<std::string>{"on"}));
}

TEST_F(DeCrypt, OutputThatIsTheCarrierItselfIsRefused) {
  const std::string c = Carrier();
  CryptBitmap(c, 54, 3, "abc", true, "", 8);
  const Byte prima = Leggi(c);
  EXPECT_THROW(DeCryptBitmap(c, "", 8, false, c), Crypta::Errore);
  EXPECT_EQ(Leggi(c), prima);
}

TEST_F(DeCrypt, CarrierIsNeverChanged) {
  const std::string c = Carrier();
  CryptBitmap(c, 54, 3, "abc", true, "", 1);
  const Byte prima = Leggi(c);
  DeCryptBitmap(c, "", 1, true, "");
  DeCryptBitmap(c, "", 1, false, dir / "out");
  EXPECT_EQ(Leggi(c), prima);
}

}  // namespace
