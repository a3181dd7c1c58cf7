// The hide command: round trips through text, files and pipes, the window's
// limits and text rules, and what it leaves on disk.
#include "Banco.h"

namespace prova {
namespace {

using Hide = Banco;

const char* const kBit[] = {"1", "2", "4", "8"};

std::string Binari(size_t n, uint32_t seme) {
  const Byte b = Casuali(n, seme);
  return std::string(b.begin(), b.end());
}

bool Esiste(const std::string& path) {
  return std::filesystem::exists(std::filesystem::symlink_status(std::filesystem::u8path(path)));
}

TEST_F(Hide, TextRoundTripAtEveryBitCount) {
  const std::string testo = "Perché costa 5 €?\nSì, «davvero»…\n";
  for (const char* bit : kBit) {
    const std::string c = Carrier(2000);
    Risultato r = Cli({"hide", c, "-t", testo, "-k", "chiavè", "-b", bit});
    ASSERT_EQ(r.stato, 0) << bit << r.err;
    EXPECT_EQ(r.out, "");
    // Only 4 and 8 bits are worth a warning on a colour carrier.
    EXPECT_EQ(r.err.empty(), bit[0] < '4') << r.err;
    r = Cli({"reveal", c, "-t", "-k", "chiavè", "-b", bit});
    EXPECT_EQ(r.stato, 0) << bit << r.err;
    EXPECT_EQ(r.out, testo) << bit;
  }
}

TEST_F(Hide, FileRoundTripAtEveryBitCount) {
  for (const char* bit : kBit) {
    const std::string dati = Binari(150, uint32_t(bit[0]));
    const std::string f = File("dati.bin", dati), c = Carrier(2000);
    ASSERT_EQ(Cli({"hide", c, "-f", f, "-k", "k", "-b", bit}).stato, 0) << bit;
    const std::string uscita = File(std::string("uscita") + bit, "prima|");
    const Risultato r = Cli({"reveal", c, "-o", uscita, "-k", "k", "-b", bit});
    EXPECT_EQ(r.stato, 0) << bit << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(Testo(uscita), "prima|" + dati) << bit;  // appended, as the window does
  }
}

TEST_F(Hide, StandardInputRoundTripAtEveryBitCount) {
  for (const char* bit : kBit) {
    const std::string dati = "\r\n\0\xFF" + Binari(200, uint32_t(bit[0]) + 10);
    const std::string c = Carrier(2000);
    Opzioni o;
    o.ingresso = dati;
    ASSERT_EQ(Cli({"hide", c, "-", "-b", bit, "-k", "pipe"}, o).stato, 0) << bit;
    const Risultato r = Cli({"reveal", c, "-", "-b", bit, "-k", "pipe"});
    EXPECT_EQ(r.stato, 0) << bit << r.err;
    EXPECT_EQ(r.out, dati) << bit;  // raw bytes, no line-end conversion
  }
}

TEST_F(Hide, EmptyTextHidesLengthZero) {
  const std::string c = Carrier();
  ASSERT_EQ(Cli({"hide", c, "-t", ""}).stato, 0);
  const Risultato r = Cli({"reveal", c, "-t"});
  EXPECT_EQ(r.stato, 0) << r.err;
  EXPECT_EQ(r.out, "");
  Crypta::LeggiHeader(c, 1);
  EXPECT_EQ(Crypta::DeCryptBitmap(c, "", 1, true, ""), "");
}

TEST_F(Hide, TextFitsUpToTheCapacityCountedWithCrLf) {
  const std::string c = Carrier();  // 36 bytes at 1 bit
  const Byte prima = Leggi(c);
  EXPECT_EQ(Cli({"hide", c, "-t", std::string(36, 'x')}).stato, 0);
  const Byte dopo = Leggi(c);
  EXPECT_NE(dopo, prima);

  // 33 characters, but each line break takes two bytes: 37.
  const std::string righe = std::string(14, 'a') + "\n" + std::string(15, 'b') + "\n\n\n";
  Risultato r = Cli({"hide", c, "-t", righe});
  EXPECT_EQ(r.stato, 1);
  EXPECT_EQ(r.err,
            "tavelin-cli: La stringa è troppo lunga: occupa 37 byte, la bitmap ne contiene al "
            "massimo 36.\n");
  r = Cli({"hide", c, "-t", std::string(37, 'x')});
  EXPECT_EQ(r.stato, 1);
  EXPECT_EQ(Leggi(c), dopo);
}

TEST_F(Hide, StringIsCappedAtTheWindowsLimit) {
#ifdef _WIN32
  GTEST_SKIP() << "a Windows command line holds at most 32767 characters, below the cap";
#endif
  const std::string c = Carrier(70000);
  Risultato r = Cli({"hide", c, "-t", std::string(65537, 'x'), "-b", "8"});
  EXPECT_EQ(r.stato, 1);
  EXPECT_EQ(r.err, "tavelin-cli: La stringa è troppo lunga: al massimo 65536 caratteri.\n");
  r = Cli({"hide", c, "-t", std::string(65536, 'x'), "-b", "8"});
  EXPECT_EQ(r.stato, 0) << r.err;
}

TEST_F(Hide, CharacterOutsideWindows1252IsRefused) {
  const std::string c = Carrier();
  const Byte prima = Leggi(c);
  Risultato r = Cli({"hide", c, "-t", "ok ✓"});
  EXPECT_EQ(r.stato, 1);
  EXPECT_EQ(r.err,
            "tavelin-cli: La stringa contiene un carattere che non si può nascondere (U+2713).\n");
  r = Cli({"hide", c, "-t", "rotto \xC3"});
  EXPECT_EQ(r.stato, 1);
  EXPECT_NE(r.err.find("U+FFFD"), std::string::npos) << r.err;
  EXPECT_EQ(Leggi(c), prima);
}

TEST_F(Hide, FileNameAndSizeMustStayBelowTheCapacity) {
  Bitmap b;
  b.pixel = 104;  // 100 bytes at 8 bits
  const std::string c = Scrivi(dir, "c.bmp", b);
  const Byte prima = Leggi(c);
  const std::string nove = File("nove.dati", std::string(91, 'x'));  // 9 + 91 = 100
  Risultato r = Cli({"hide", c, "-f", nove, "-b", "8"});
  EXPECT_EQ(r.stato, 1);
  EXPECT_EQ(r.err,
            "tavelin-cli: Attenzione !!\nFile troppo grande\nIl file occupa 91 byte, 100 con il "
            "nome: file e nome insieme devono restare sotto i 100 byte utilizzabili della "
            "bitmap.\n");
  EXPECT_EQ(Leggi(c), prima);
  File("nove.dati", std::string(90, 'x'));
  r = Cli({"hide", c, "-f", nove, "-b", "8"});
  EXPECT_EQ(r.stato, 0) << r.err;
}

TEST_F(Hide, StandardInputMayFillTheCapacity) {
  const std::string c = Carrier();  // 36 bytes at 1 bit
  const Byte prima = Leggi(c);
  Opzioni o;
  o.ingresso = std::string(37, 'y');
  Risultato r = Cli({"hide", c, "-"}, o);
  EXPECT_EQ(r.stato, 1);
  EXPECT_EQ(r.err,
            "tavelin-cli: Attenzione !!\nFile troppo grande\nLo standard input porta più di 36 "
            "byte, quanti la bitmap ne contiene al massimo.\n");
  EXPECT_EQ(Leggi(c), prima);
  o.ingresso.pop_back();
  r = Cli({"hide", c, "-"}, o);
  EXPECT_EQ(r.stato, 0) << r.err;
  EXPECT_EQ(Cli({"reveal", c, "-"}).out, o.ingresso);
}

TEST_F(Hide, CopyLeavesTheCarrierUntouched) {
  const std::string c = Carrier(800);
  const Byte prima = Leggi(c);
  const std::string copia = dir / "copia.bmp";
  const Risultato r = Cli({"hide", c, "-t", "solo nella copia", "-o", copia, "-b", "2"});
  ASSERT_EQ(r.stato, 0) << r.err;
  EXPECT_EQ(Leggi(c), prima);
  const Byte dopo = Leggi(copia);
  ASSERT_EQ(dopo.size(), prima.size());
  EXPECT_TRUE(std::equal(prima.begin(), prima.begin() + 54, dopo.begin()));  // header
  // 16 + 4 * 16 carrier bytes hold the stream; everything after them is the original.
  EXPECT_TRUE(std::equal(prima.begin() + 54 + 80, prima.end(), dopo.begin() + 54 + 80));
  EXPECT_NE(dopo, prima);
  EXPECT_EQ(Cli({"reveal", copia, "-t", "-b", "2"}).out, "solo nella copia");
}

TEST_F(Hide, CopyNeverOverwritesAFile) {
  const std::string c = Carrier();
  const Byte prima = Leggi(c);
  const std::string copia = File("copia.bmp", "mio");
  const Risultato r = Cli({"hide", c, "-t", "x", "-o", copia});
  EXPECT_EQ(r.stato, 2);
  EXPECT_EQ(r.err, "tavelin-cli: Il file \"" + copia + "\" esiste già: non viene sovrascritto.\n");
  EXPECT_EQ(Testo(copia), "mio");
  EXPECT_EQ(Leggi(c), prima);
  // Not even the carrier itself.
  EXPECT_EQ(Cli({"hide", c, "-t", "x", "-o", c}).stato, 2);
  EXPECT_EQ(Leggi(c), prima);
}

TEST_F(Hide, RefusedOrFailedHideLeavesNoCopy) {
  const std::string copia = dir / "copia.bmp";
  EXPECT_EQ(Cli({"hide", Carrier(), "-t", std::string(40, 'x'), "-o", copia}).stato, 1);
  EXPECT_FALSE(Esiste(copia));

  // The header promises room that the file does not have: the engine finds
  // out only once the copy exists.
  Bitmap b;
  b.pixel = 100;
  b.dimensione = 374;
  const std::string corto = Scrivi(dir, "corto.bmp", b);
  const Risultato r = Cli({"hide", corto, "-t", std::string(200, 'x'), "-b", "8", "-o", copia});
  EXPECT_EQ(r.stato, 2);
  EXPECT_NE(r.err.find("troppo piccola"), std::string::npos) << r.err;
  EXPECT_FALSE(Esiste(copia));
}

TEST_F(Hide, TemporaryFilesAreRemoved) {
  const std::string tmp = dir / "tmp";
  ASSERT_TRUE(std::filesystem::create_directory(tmp));
  Opzioni o;
  o.ambiente["TMPDIR"] = tmp;
  o.ingresso = "dallo standard input";
  const std::string c = Carrier(1000);
  EXPECT_EQ(Cli({"hide", c, "-"}, o).stato, 0);
  EXPECT_EQ(Cli({"reveal", c, "-"}, o).out, o.ingresso);
  EXPECT_EQ(Cli({"reveal", c, "-t"}, o).out, o.ingresso);
  o.ingresso = std::string(500, 'x');
  EXPECT_EQ(Cli({"hide", c, "-"}, o).stato, 1);
  EXPECT_TRUE(std::filesystem::is_empty(tmp));
}

}  // namespace
}  // namespace prova
