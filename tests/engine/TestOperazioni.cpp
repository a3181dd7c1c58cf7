// What the operations promise when something goes wrong: a process killed at
// any block leaves nothing that reads as success and no file behind; a
// carrier in use is refused at once; copies keep the carrier's permissions
// and revealed files are private; compressed carriers take no hide.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <functional>

#include "Operazioni.h"
#include "Supporto.h"

namespace {

using namespace prova;
using Crypta::File;

std::string Testo(const Byte& b) { return std::string(b.begin(), b.end()); }

std::optional<std::string> Rivela(const std::string& c, int nbit, const Crypta::Osservatore& o = {}) {
  Crypta::DestinazioneMemoria m;
  if (!Crypta::Rivela(c, "k", int16_t(nbit), m, o).trovato) return std::nullopt;
  return m.dati;
}

void Nascondi(const std::string& c, const std::string& dati, int nbit, const std::string& copia = "",
              const Crypta::Osservatore& o = {}) {
  Crypta::Richiesta r;
  r.carrier = c;
  r.Nbit = int16_t(nbit);
  r.chiave = "k";
  r.carico = Crypta::Carico::DiByte(dati);
  r.copia = copia;
  Crypta::Nascondi(r, o);
}

Crypta::Genere GenereDi(const std::function<void()>& f) {
  try {
    f();
  } catch (const Crypta::Errore& e) {
    return e.genere;
  }
  ADD_FAILURE() << "no error";
  return Crypta::Genere::Argomento;
}

#ifdef _WIN32
// No fork on Windows: the kills are tested there through tavelin-cli.
bool MuoreAlPasso(int, const std::function<void(const Crypta::Osservatore&)>&) { return false; }
#define SOLO_POSIX() GTEST_SKIP() << "needs fork, which Windows has not"
#else
#define SOLO_POSIX() static_cast<void>(0)

// Runs `lavoro` in a child that kills itself with SIGKILL when the observer
// looks for the k-th time; true when it died so, false when it finished first.
bool MuoreAlPasso(int k, const std::function<void(const Crypta::Osservatore&)>& lavoro) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    int visti = 0;
    Crypta::Osservatore o;
    o.Annullare = [&] {
      if (visti++ == k) ::kill(::getpid(), SIGKILL);
      return false;
    };
    try {
      lavoro(o);
    } catch (...) {
      ::_exit(3);
    }
    ::_exit(0);
  }
  int stato = 0;
  ::waitpid(pid, &stato, 0);
  if (WIFEXITED(stato)) {
    EXPECT_EQ(WEXITSTATUS(stato), 0);
  }
  return WIFSIGNALED(stato) && WTERMSIG(stato) == SIGKILL;
}
#endif

size_t Voci(const Cartella& dir) {
  size_t n = 0;
  for ([[maybe_unused]] const auto& v : std::filesystem::directory_iterator(dir.Path())) ++n;
  return n;
}

// A carrier with room for `L` bytes at `nbit`, holding the payload "vecchio".
std::string Carrier(const Cartella& dir, int64_t L, int nbit) {
  Bitmap b;
  b.pixel = size_t((4 + L) * (8 / nbit));
  const std::string c = Scrivi(dir, "c.bmp", b);
  Nascondi(c, "vecchio", nbit);
  return c;
}

struct Caso {
  int nbit;
  int64_t L;
};
const Caso kCasi[] = {{1, 300000}, {8, 3000000}};  // three blocks and more

TEST(Uccisione, KilledHideRevealsFalseOrTheOldPayloadNeverWrongBytes) {
  SOLO_POSIX();
  for (const Caso& c : kCasi) {
    Cartella dir;
    const std::string payload = Testo(Casuali(size_t(c.L), 3));
    const std::string carrier = Carrier(dir, c.L, c.nbit);
    const Byte prima = Leggi(carrier);
    int k = 0;
    for (; MuoreAlPasso(k, [&](const auto& o) { Nascondi(carrier, payload, c.nbit, "", o); }); ++k) {
      const std::optional<std::string> r = Rivela(carrier, c.nbit);
      if (k == 0) {
        EXPECT_EQ(Leggi(carrier), prima);  // before its first write
      }
      EXPECT_TRUE(r == std::nullopt || (k == 0 && *r == "vecchio")) << c.nbit << " bits, k " << k;
      Scrivi(carrier, prima);
    }
    EXPECT_GE(k, 4) << "fewer looks than blocks";
    EXPECT_EQ(Rivela(carrier, c.nbit), payload);
  }
}

TEST(Uccisione, KilledCopyAndKilledRevealLeaveNoFile) {
  SOLO_POSIX();
  const Caso c = kCasi[1];
  Cartella dir;
  const std::string payload = Testo(Casuali(size_t(c.L), 4));
  const std::string carrier = Carrier(dir, c.L, c.nbit);
  const std::string copia = dir / "copia.bmp", uscita = dir / "uscita";
  const Byte prima = Leggi(carrier);
  for (int k = 0; MuoreAlPasso(k, [&](const auto& o) { Nascondi(carrier, payload, c.nbit, copia, o); }); ++k) {
    EXPECT_EQ(Voci(dir), 1u) << "k " << k;  // the carrier alone
    EXPECT_EQ(Leggi(carrier), prima);
  }
  EXPECT_EQ(Rivela(copia, c.nbit), payload);
  const auto rivela = [&](const Crypta::Osservatore& o) {
    Crypta::DestinazioneFile d(uscita);
    Crypta::Rivela(copia, "k", int16_t(c.nbit), d, o);
  };
  int k = 0;
  for (; MuoreAlPasso(k, rivela); ++k) EXPECT_FALSE(File::Esiste(uscita)) << "k " << k;
  EXPECT_GE(k, 3);
  EXPECT_EQ(Testo(Leggi(uscita)), payload);
}

TEST(Annullamento, StopsAndGivesTheFilesBack) {
  Cartella dir;
  const Caso c = kCasi[1];
  const std::string payload = Testo(Casuali(size_t(c.L), 5));
  const std::string carrier = Carrier(dir, c.L, c.nbit);
  Nascondi(carrier, payload, c.nbit);
  const std::string uscita = dir / "uscita";
  Scrivi(uscita, Byte{'o', 'l', 'd'});
  for (const int dopo : {0, 1, 2}) {
    int visti = 0;
    Crypta::Osservatore o;
    o.Annullare = [&] { return visti++ == dopo; };
    Crypta::DestinazioneFile esistente(uscita), nuova(dir / "nuova");
    EXPECT_EQ(GenereDi([&] { Crypta::Rivela(carrier, "k", int16_t(c.nbit), esistente, o); }),
              Crypta::Genere::Annullata);
    EXPECT_EQ(Testo(Leggi(uscita)), "old");
    visti = 0;
    EXPECT_EQ(GenereDi([&] { Crypta::Rivela(carrier, "k", int16_t(c.nbit), nuova, o); }),
              Crypta::Genere::Annullata);
    EXPECT_FALSE(File::Esiste(dir / "nuova"));
  }
}

TEST(Blocchi, AnOperationOnACarrierInUseIsRefusedAtOnce) {
  Cartella dir;
  const std::string c = Carrier(dir, 100, 2), copia = dir / "copia.bmp", uscita = dir / "uscita";
  const Byte prima = Leggi(c);
  const auto rivelaInFile = [&] {
    Crypta::DestinazioneFile d(uscita);
    Crypta::Rivela(c, "k", 2, d);
  };
  {
    // Another program hides into it.
    const File altro = File::Apri(c, File::Modo::LetturaScrittura);
    ASSERT_TRUE(altro.Blocca(File::Blocco::Esclusivo));
    EXPECT_EQ(GenereDi([&] { Nascondi(c, "nuovo", 2); }), Crypta::Genere::InUso);
    EXPECT_EQ(GenereDi([&] { Nascondi(c, "nuovo", 2, copia); }), Crypta::Genere::InUso);
    EXPECT_EQ(GenereDi([&] { Rivela(c, 2); }), Crypta::Genere::InUso);
    EXPECT_EQ(GenereDi(rivelaInFile), Crypta::Genere::InUso);
    EXPECT_EQ(Leggi(c), prima);
    EXPECT_EQ(Voci(dir), 1u);
  }
  {
    // Another program reveals from it: reading goes on, a hide in place does not.
    const File altro = File::Apri(c, File::Modo::Lettura);
    ASSERT_TRUE(altro.Blocca(File::Blocco::Condiviso));
    EXPECT_EQ(Rivela(c, 2), "vecchio");
    EXPECT_EQ(GenereDi([&] { Nascondi(c, "nuovo", 2); }), Crypta::Genere::InUso);
    EXPECT_EQ(Leggi(c), prima);
    Nascondi(c, "nuovo", 2, copia);
    EXPECT_EQ(Rivela(copia, 2), "nuovo");
  }
  // The output file of a reveal is held as well.
  Scrivi(uscita, Byte{'x'});
  const File altro = File::Apri(uscita, File::Modo::LetturaScrittura);
  ASSERT_TRUE(altro.Blocca(File::Blocco::Esclusivo));
  EXPECT_EQ(GenereDi(rivelaInFile), Crypta::Genere::InUso);
  EXPECT_EQ(Testo(Leggi(uscita)), "x");
}

TEST(Permessi, ACopyKeepsTheCarriersBitsARevealedFileIsPrivate) {
  Cartella dir;
  const std::string c = Carrier(dir, 100, 4), copia = dir / "copia.bmp";
#ifdef _WIN32
  // Windows keeps one of the bits, whether the file may be written: a copy of
  // a read-only carrier is read-only. Who may read is the folder's access list.
  namespace fs = std::filesystem;
  fs::permissions(fs::u8path(c), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  Nascondi(c, "segreto", 4, copia);
  EXPECT_EQ(fs::status(fs::u8path(copia)).permissions() & fs::perms::owner_write, fs::perms::none);
  Crypta::DestinazioneFile d(dir / "rivelato");
  ASSERT_TRUE(Crypta::Rivela(copia, "k", 4, d).trovato);
  EXPECT_NE(fs::status(fs::u8path(dir / "rivelato")).permissions() & fs::perms::owner_write,
            fs::perms::none);
#else
  const mode_t maschera = ::umask(0);
  ::chmod(c.c_str(), 0640);
  Nascondi(c, "segreto", 4, copia);
  Crypta::DestinazioneFile d(dir / "rivelato");
  ASSERT_TRUE(Crypta::Rivela(copia, "k", 4, d).trovato);
  ::umask(maschera);
  struct stat st;
  ASSERT_EQ(::stat(copia.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
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
    EXPECT_EQ(GenereDi([&] { Nascondi(c, "ab", 1, dir / "copia.bmp"); }), Crypta::Genere::Rifiutata);
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
