// What the operations promise when something goes wrong: a process killed at
// any block leaves nothing that reads as success and no file behind; a
// cancelled one gives the files back; a carrier in use is refused at once.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <functional>

#include "Operare.h"

namespace {

using namespace prova;
using Crypta::File;

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

}  // namespace
