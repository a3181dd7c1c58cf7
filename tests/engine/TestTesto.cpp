// The Windows-1252 conversion between a front end and the engine.
#include <gtest/gtest.h>

#include "Testo.h"

namespace {

TEST(Testo, AllCodesRoundTrip) {
  std::string tutti;
  for (int c = 0; c < 256; ++c) tutti += char(c);
  std::string indietro;
  ASSERT_TRUE(Crypta::Utf8ACodici(Crypta::CodiciAUtf8(tutti), indietro));
  EXPECT_EQ(indietro, tutti);
}

TEST(Testo, MapsTheWindowsCharacters) {
  std::string codici;
  ASSERT_TRUE(Crypta::Utf8ACodici("€ Š ™ à ÿ", codici));
  EXPECT_EQ(codici, "\x80 \x8A \x99 \xE0 \xFF");
  EXPECT_EQ(Crypta::CodiciAUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
  EXPECT_EQ(Crypta::CodiciAUtf8("\x80"), "€");
}

TEST(Testo, RefusesWhatTheEncodingLacks) {
  std::string codici;
  char32_t errato = 0;
  EXPECT_FALSE(Crypta::Utf8ACodici("ok \u0100", codici, &errato));
  EXPECT_EQ(errato, U'\u0100');
  EXPECT_FALSE(Crypta::Utf8ACodici("\U0001F600", codici, &errato));
  EXPECT_EQ(errato, U'\U0001F600');
  EXPECT_FALSE(Crypta::Utf8ACodici("\x80", codici, &errato));  // malformed
  EXPECT_EQ(errato, U'\uFFFD');
  EXPECT_FALSE(Crypta::Utf8ACodici("\xC0\x80", codici, &errato));  // overlong
  EXPECT_FALSE(Crypta::Utf8ACodici("\xE2\x82", codici, &errato));  // cut short
}

TEST(Testo, LineBreaks) {
  EXPECT_EQ(Crypta::CapoCRLF("a\nb\r\nc\n"), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(Crypta::CapoLF("a\r\nb\rc\r\n"), "a\nb\rc\n");
  EXPECT_EQ(Crypta::CapoLF(Crypta::CapoCRLF("x\n\ny")), "x\n\ny");
}

}  // namespace
