// What the operations promise of the files they make and the payloads they
// take: copies keep the carrier's permissions and revealed files are
// private; compressed carriers take no hide; a produced payload is asked for
// in order and a failing producer leaves no payload.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <algorithm>
#include <filesystem>

#include "Operare.h"

namespace {

using namespace prova;
using Crypta::File;

TEST(Permessi, ACopyKeepsTheCarriersBitsARevealedFileIsPrivate) {
  Cartella dir;
  const std::string c = Carrier(dir, 100, 4), copia = dir / "copia.bmp";
#ifdef _WIN32
  // Windows keeps one of the bits, whether the file may be written: a copy of
  // a read-only carrier is read-only. Who may read is the folder's access list.
  namespace fs = std::filesystem;
  fs::permissions(fs::u8path(c),
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  Nascondi(c, "segreto", 4, copia);
  EXPECT_EQ(fs::status(fs::u8path(copia)).permissions() & fs::perms::owner_write, fs::perms::none);
  Crypta::DestinazioneFile d(dir / "rivelato");
  ASSERT_TRUE(Crypta::Rivela(copia, "k", 4, d).trovato);
  EXPECT_NE(fs::status(fs::u8path(dir / "rivelato")).permissions() & fs::perms::owner_write,
            fs::perms::none);
#else
  // A mode that the usual umask would change.
  const mode_t maschera = ::umask(022);
  ::chmod(c.c_str(), 0664);
  Nascondi(c, "segreto", 4, copia);
  Crypta::DestinazioneFile d(dir / "rivelato");
  ASSERT_TRUE(Crypta::Rivela(copia, "k", 4, d).trovato);
  ::umask(maschera);
  struct stat st;
  ASSERT_EQ(::stat(copia.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0664u);
  ASSERT_EQ(::stat((dir / "rivelato").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
#endif
  EXPECT_EQ(Testo(Leggi(dir / "rivelato")), "segreto");
}

TEST(Compressione, CompressedCarriersTakeNoHideAndStillReveal) {
  Cartella dir;
  for (const uint32_t codice : {1u, 2u, 4u, 5u}) {
    Bitmap b;
    b.compressione = codice;
    const std::string c = Scrivi(dir, "rle.bmp", b);
    const Byte prima = Leggi(c);
    EXPECT_TRUE(Crypta::LeggiHeader(c, 1));
    EXPECT_EQ(Crypta::BmpHeader.Compressione, std::to_string(codice));
    EXPECT_EQ(GenereDi([&] { Crypta::CryptBitmap(c, 54, 2, "ab", true, "", 1); }),
              Crypta::Genere::Rifiutata);
    EXPECT_EQ(GenereDi([&] { Nascondi(c, "ab", 1, dir / "copia.bmp"); }),
              Crypta::Genere::Rifiutata);
    EXPECT_EQ(Leggi(c), prima);
    EXPECT_FALSE(File::Esiste(dir / "copia.bmp"));
  }
  // Bit fields are plain pixels; a stream found in a compressed file still reveals.
  Bitmap b;
  b.compressione = 3;
  const std::string c = Scrivi(dir, "campi.bmp", b);
  Crypta::CryptBitmap(c, 54, 2, "ab", true, "", 1);
  Byte x = Leggi(c);
  x[30] = 1;
  Scrivi(c, x);
  EXPECT_EQ(Crypta::DeCryptBitmap(c, "", 1, true, ""), "ab");
}

// A produced payload is asked for in order, exactly its length, and a
// producer that fails mid-way leaves what any failed hide leaves.
TEST(Prodotto, ProducedPayloadIsReadOnceInOrder) {
  for (const Caso& c : kCasi) {
    Cartella dir;
    const std::string payload = Testo(Casuali(size_t(c.L), 11));
    const std::string carrier = Carrier(dir, c.L, c.nbit);
    for (const std::string& copia : {std::string(), dir / "copia.bmp"}) {
      size_t dato = 0;
      Crypta::Richiesta r;
      r.carrier = carrier;
      r.Nbit = int16_t(c.nbit);
      r.chiave = "k";
      r.lunghezza = c.L;
      r.copia = copia;
      r.carico = Crypta::Carico::DiProduttore([&](uint8_t* dest, size_t n) {
        ASSERT_LE(dato + n, payload.size());
        std::copy_n(payload.data() + dato, n, dest);
        dato += n;
      });
      Crypta::Nascondi(r);
      EXPECT_EQ(dato, payload.size());
      EXPECT_EQ(Rivela(copia.empty() ? carrier : copia, c.nbit), payload) << c.nbit;
    }
  }
}

TEST(Prodotto, FailingProducerLeavesNoPayload) {
  Cartella dir;
  const Caso c = kCasi[0];
  const std::string carrier = Carrier(dir, c.L, c.nbit);
  for (const std::string& copia : {std::string(), dir / "copia.bmp"}) {
    Crypta::Richiesta r;
    r.carrier = carrier;
    r.Nbit = int16_t(c.nbit);
    r.lunghezza = c.L;
    r.copia = copia;
    int chiamate = 0;
    r.carico = Crypta::Carico::DiProduttore([&](uint8_t* dest, size_t n) {
      if (++chiamate == 2) throw Crypta::Errore("rotto", Crypta::Genere::Rifiutata);
      std::fill_n(dest, n, uint8_t{'x'});
    });
    EXPECT_EQ(GenereDi([&] { Crypta::Nascondi(r); }), Crypta::Genere::Rifiutata);
    EXPECT_EQ(chiamate, 2);
    EXPECT_EQ(Rivela(carrier, c.nbit), std::nullopt);
    EXPECT_FALSE(File::Esiste(dir / "copia.bmp"));
  }
  Crypta::Richiesta senza;
  senza.carrier = carrier;
  senza.carico = Crypta::Carico::DiProduttore([](uint8_t*, size_t) {});
  EXPECT_EQ(GenereDi([&] { Crypta::Nascondi(senza); }), Crypta::Genere::Argomento);
}
}  // namespace
