// Bit strings and the key mask.
#include <gtest/gtest.h>

#include "Crypta.h"

using Crypta::BinToDec;
using Crypta::Chiave1;
using Crypta::Chiave2;
using Crypta::DecToBin;
using Crypta::PreparaChiave;

namespace {

TEST(Chiave, SplitsTheKeyWithTheShorterHalfFirst) {
  PreparaChiave("abcde");  // 2 + 3
  EXPECT_EQ(Chiave1, 'a' ^ 'b');
  EXPECT_EQ(Chiave2, 'c' ^ 'd' ^ 'e');
  PreparaChiave("Z");
  EXPECT_EQ(Chiave1, 0);
  EXPECT_EQ(Chiave2, 'Z');
  PreparaChiave("");
  EXPECT_EQ(Chiave1, 0);
  EXPECT_EQ(Chiave2, 0);
}

TEST(Chiave, OnlyTheXorOfAllCodesMatters) {
  const auto maschera = [](const std::string& k) {
    PreparaChiave(k);
    return Chiave1 ^ Chiave2;
  };
  EXPECT_EQ(maschera("segreto"), maschera("otergse"));
  EXPECT_EQ(maschera("segreto"), maschera("segrxxeto"));
  EXPECT_EQ(maschera("qq"), 0);
  EXPECT_EQ(maschera(std::string("\xFF\x01", 2)), 0xFE);
}

TEST(Chiave, DecToBinPadsToEightBitsPerByte) {
  EXPECT_EQ(DecToBin(5, 1, false), "00000101");
  EXPECT_EQ(DecToBin(0, 4, false), std::string(32, '0'));
  EXPECT_EQ(DecToBin(255, 1, false), "11111111");
  EXPECT_EQ(DecToBin(2147483647, 4, false), "0" + std::string(31, '1'));
  EXPECT_EQ(DecToBin(1, 6, false), std::string(47, '0') + "1");
}

TEST(Chiave, ScramblingTouchesOnlyTheLowestEightBits) {
  PreparaChiave("chiave!");
  for (const int32_t v : {0, 1, 300, 65536, 2147483647}) {
    const std::string chiaro = DecToBin(v, 4, false), cifrato = DecToBin(v, 4, true);
    EXPECT_EQ(chiaro.substr(0, 24), cifrato.substr(0, 24));
    EXPECT_EQ(BinToDec(cifrato, false), v ^ (Chiave1 ^ Chiave2));
  }
}

TEST(Chiave, BinToDecAndBack) {
  EXPECT_EQ(BinToDec("", false), 0);
  PreparaChiave("k");
  EXPECT_EQ(BinToDec("", true), 'k');
  EXPECT_EQ(BinToDec("0" + std::string(31, '1'), false), 2147483647);
  EXPECT_EQ(BinToDec("00000101", false), 5);
  for (int v = 0; v < 256; ++v) {
    EXPECT_EQ(BinToDec(DecToBin(v, 1, true), true), v);
    EXPECT_EQ(BinToDec(DecToBin(v, 1, false), false), v);
  }
  EXPECT_EQ(BinToDec(DecToBin(123456789, 4, true), true), 123456789);
}

TEST(Chiave, BinToDecOverflowsAtTwoToTheThirtyOne) {
  EXPECT_THROW(BinToDec("1" + std::string(31, '0'), false), Crypta::Overflow);
  EXPECT_THROW(BinToDec("1" + std::string(31, '0'), true), Crypta::Overflow);
  EXPECT_THROW(BinToDec(std::string(40, '1'), false), Crypta::Overflow);
  // Leading zeros do not count, however many.
  EXPECT_EQ(BinToDec(std::string(100, '0') + "1", false), 1);
}

}  // namespace
