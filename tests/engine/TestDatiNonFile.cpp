// Paths that name no readable regular file, links, and reveals that may not
// write where they are told: each refused cleanly, nothing read or written
// that should not be.
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <optional>
#include <string>

#include "BancoDati.h"

namespace {

using namespace dati;

// Paths that name no readable regular file are refused like an unknown
// signature: nothing is read, nothing is written, the record keeps the rest.
class DatiNonFile : public Dati {
 protected:
  void Rifiutato(const fs::path& path) {
    SCOPED_TRACE(path.string());
    LeggiSentinella();
    EXPECT_FALSE(LeggiHeader(path.string(), 1));
    EXPECT_EQ(BmpHeader.TipoBitmap, "");
    EXPECT_EQ(BmpHeader.OffsetDati, sentinella_.OffsetDati);
    EXPECT_EQ(BmpHeader.BytesUtilizzabili, sentinella_.BytesUtilizzabili);
    EXPECT_EQ(DeCryptBitmap(path.string(), "", 1, true, ""), "False");
    const fs::path uscita = dir_ / "Crypto.cry";
    EXPECT_EQ(RivelaFile(path, "", 1, uscita), std::optional<std::string>("False"));
    EXPECT_FALSE(fs::exists(uscita));
    FinestraRiabilitata();
  }
};

TEST_F(DatiNonFile, FolderIsRefused) {
  fs::create_directory(dir_ / "cartella.bmp");
  Rifiutato(dir_ / "cartella.bmp");
  EXPECT_TRUE(fs::is_directory(dir_ / "cartella.bmp"));
}

TEST_F(DatiNonFile, MissingFileIsRefused) {
  Rifiutato(dir_ / "manca.bmp");
  EXPECT_FALSE(fs::exists(dir_ / "manca.bmp"));
}

TEST_F(DatiNonFile, PlaceholderPathIsRefused) {
  const fs::path prima = fs::current_path();
  fs::current_path(dir_);
  Rifiutato("CCCCCCCC");
  fs::current_path(prima);
}

TEST_F(DatiNonFile, FifoIsRefusedWithoutBlocking) {
#ifdef _WIN32
  Rifiutato("NUL");  // no FIFOs in Windows' file systems: its null device
#else
  ASSERT_EQ(::mkfifo((dir_ / "fifo.bmp").c_str(), 0600), 0);
  Rifiutato(dir_ / "fifo.bmp");
#endif
}

#ifdef _WIN32
#define SENZA_LINK() GTEST_SKIP() << "a symbolic link on Windows needs a privilege or developer mode"
#else
#define SENZA_LINK() static_cast<void>(0)
#endif

TEST_F(DatiNonFile, BrokenLinkIsRefused) {
  SENZA_LINK();
  fs::create_symlink(dir_ / "nessuno.bmp", dir_ / "rotto.bmp");
  Rifiutato(dir_ / "rotto.bmp");
}

TEST_F(DatiNonFile, UnreadableFileIsRefused) {
#ifdef _WIN32
  GTEST_SKIP() << "a file that its owner cannot read needs an access list, not permission bits";
#else
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
#endif
  fs::copy_file(kDati / "valido_1bit.bmp", dir_ / "chiuso.bmp");
  fs::permissions(dir_ / "chiuso.bmp", fs::perms::none);
  Rifiutato(dir_ / "chiuso.bmp");
}

TEST_F(Dati, LinkToACarrierIsReadThroughAndLeftAlone) {
  SENZA_LINK();
  fs::create_symlink(kDati / "valido_1bit.bmp", dir_ / "link.bmp");
  const Byte prima = Leggi(kDati / "valido_1bit.bmp");
  EXPECT_TRUE(LeggiHeader((dir_ / "link.bmp").string(), 1));
  EXPECT_EQ(BmpHeader.BytesUtilizzabili, 36);
  EXPECT_EQ(DeCryptBitmap((dir_ / "link.bmp").string(), "", 1, true, ""), "Tavelin");
  EXPECT_EQ(Leggi(kDati / "valido_1bit.bmp"), prima);
  FinestraRiabilitata();
}

TEST_F(Dati, FileRevealIntoAFolderFailsAndLeavesItEmpty) {
  fs::create_directory(dir_ / "uscita");
  EXPECT_EQ(RivelaFile(kDati / "valido_1bit.bmp", "", 1, dir_ / "uscita"), std::nullopt);
  EXPECT_TRUE(fs::is_empty(dir_ / "uscita"));
  FinestraRiabilitata();
}

// A file-mode reveal whose output path names the carrier itself would append
// the revealed bytes to the carrier, which a reveal must never change.
TEST_F(Dati, FileRevealIntoTheCarrierItselfLeavesItUnchanged) {
  const fs::path c = dir_ / "c.bmp";
  fs::copy_file(kDati / "valido_1bit.bmp", c);
  const Byte prima = Leggi(c);
  RivelaFile(c, "", 1, c);
  EXPECT_EQ(Leggi(c), prima);
  fs::create_hard_link(c, dir_ / "stesso.bmp");
  RivelaFile(c, "", 1, dir_ / "stesso.bmp");
  EXPECT_EQ(Leggi(c), prima);
  FinestraRiabilitata();
}

// offset_zero.bmp places its pixel data at offset 0, inside its own header: a
// hide there rewrites the low bits of the signature and the sizes, returns as
// if all went well, and the payload can never be revealed again. Either the
// hide is refused with the carrier untouched, or what it hid comes back.
TEST_F(Dati, HideOverTheHeaderIsRefusedOrRevealable) {
  const fs::path c = dir_ / "c.bmp";
  fs::copy_file(kDati / "offset_zero.bmp", c);
  const Byte prima = Leggi(c);
  for (const int16_t nbit : {1, 2, 4, 8}) {
    SCOPED_TRACE(nbit);
    Scrivi(c, prima);
    ASSERT_TRUE(LeggiHeader(c.string(), nbit));
    try {
      Crypta::CryptBitmap(c.string(), BmpHeader.OffsetDati, 7, "Tavelin", true, "", nbit);
    } catch (const Crypta::Errore&) {
      EXPECT_EQ(Leggi(c), prima) << "a refused hide changed the carrier";
      continue;
    }
    EXPECT_EQ(DeCryptBitmap(c.string(), "", nbit, true, ""), "Tavelin");
  }
}

}  // namespace
