// What the command line does when it is stopped or crowded: a signal undoes
// the operation and gives 128 + N, a signal the parent ignored stays ignored,
// standard input leaves no file behind, a carrier in use or a full disk never
// ends in a false success, a key file cannot be the payload's own stream.
#include <csignal>
#include <fstream>
#ifndef _WIN32
#include <sys/mount.h>
#include <sys/stat.h>
#endif

#include "Banco.h"
#include "Operazioni.h"

namespace prova {
namespace {

using Interruzioni = Banco;
namespace fs = std::filesystem;

#ifdef _WIN32
const int kSegnali[] = {SIGINT};  // Ctrl-C: a console sends no other signal
const char* const kSenzaConsole =
    "Wine gives a console, and Ctrl-C, only to a program started on a terminal";
#else
const int kSegnali[] = {SIGINT, SIGTERM, SIGHUP};
#endif

// Nothing in `cartella` that another program can read: nothing at all on
// POSIX; on Windows, which has no file without a name, nothing that opens.
bool NienteDaLeggere(const std::string& cartella) {
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(fs::u8path(cartella))) {
#ifdef _WIN32
    if (std::ifstream(e.path()).is_open()) return false;
#else
    return false;
#endif
  }
  return true;
}

TEST_F(Interruzioni, ASignalStopsTheHideAndExitsWith128PlusItsNumber) {
#ifdef _WIN32
  if (!TerminaleDisponibile()) GTEST_SKIP() << kSenzaConsole;
#endif
  const std::string tmp = dir / "tmp";
  ASSERT_TRUE(fs::create_directory(fs::u8path(tmp)));
  const std::string c = Carrier(10000);
  const Byte prima = Leggi(c);
  for (const int s : kSegnali) {
    Processo p({"hide", c, "-", "-b", "8"}, {{"TMPDIR", tmp}});
    ASSERT_TRUE(p.Dai("una parte del segreto"));
    // Held where nothing can see it, even while it is being read.
    EXPECT_TRUE(NienteDaLeggere(tmp));
    p.Segnale(s);
#ifdef _WIN32
    // The console hands Ctrl-C over on a thread of its own, in its own time:
    // the program ends by itself, its input still open.
    const Risultato r = p.FineDaSolo();
#else
    // It stops waiting for its input at once: what comes after is never read.
    EXPECT_FALSE(p.Dai("altro"));
    const Risultato r = p.Fine();
#endif
    EXPECT_EQ(r.stato, 128 + s) << r.err;
    EXPECT_EQ(r.err, "tavelin-cli: Operazione interrotta.\n");
    EXPECT_EQ(Leggi(c), prima);
  }
  EXPECT_TRUE(fs::is_empty(fs::u8path(tmp)));
}

TEST_F(Interruzioni, AHangupThatTheParentIgnoredStaysIgnored) {
  const std::string c = Carrier(1000);
#ifdef _WIN32
  // Windows' nohup: a parent makes its children ignore Ctrl-C. A witness on
  // the same console that does not ignore it shows when the event has gone round.
  if (!TerminaleDisponibile()) GTEST_SKIP() << kSenzaConsole;
  Processo p({"hide", c, "-", "-k", "k"}, {}, true);
  ASSERT_TRUE(p.Dai("cia"));
  Processo testimone({"hide", Carrier(1000), "-"});
  ASSERT_TRUE(testimone.Dai("x"));
  p.Segnale(SIGINT);
  EXPECT_EQ(testimone.FineDaSolo().stato, 128 + SIGINT);
#else
  Processo p({"hide", c, "-", "-k", "k"}, {}, true);
  ASSERT_TRUE(p.Dai("cia"));
  p.Segnale(SIGHUP);
#endif
  ASSERT_TRUE(p.Dai("o"));
  const Risultato r = p.Fine();
  EXPECT_EQ(r.stato, 0) << r.err;
  EXPECT_EQ(Cli({"reveal", c, "-t", "-k", "k"}).out, "ciao");
}

TEST_F(Interruzioni, AKeyFileThatIsThePayloadsStreamIsRefused) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no path that names standard input";
#endif
  const std::string c = Carrier(1000);
  const Byte prima = Leggi(c);
  Opzioni o;
  o.ingresso = "chiave\ndati";
  const Risultato r = Cli({"hide", c, "-", "--key-file", "/dev/stdin"}, o);
  EXPECT_EQ(r.stato, 2);
  EXPECT_NE(r.err.find("è lo standard input"), std::string::npos) << r.err;
  EXPECT_EQ(Leggi(c), prima);
}

TEST_F(Interruzioni, ACarrierInUseIsRefusedWithStatus1) {
  const std::string c = Carrier();
  ASSERT_EQ(Cli({"hide", c, "-t", "prima"}).stato, 0);
  const Byte prima = Leggi(c);
  const Crypta::File altro = Crypta::File::Apri(c, Crypta::File::Modo::LetturaScrittura);
  ASSERT_TRUE(altro.Blocca(Crypta::File::Blocco::Esclusivo));
  for (const std::vector<std::string>& comando :
       {std::vector<std::string>{"hide", c, "-t", "dopo"}, {"reveal", c, "-t"}}) {
    const Risultato r = Cli(comando);
    EXPECT_EQ(r.stato, 1) << comando[0];
    EXPECT_NE(r.err.find("è in uso in un'altra operazione"), std::string::npos) << r.err;
  }
  EXPECT_EQ(Leggi(c), prima);
}

TEST_F(Interruzioni, NewFilesKeepTheCarriersModeOrArePrivate) {
  const std::string c = Carrier();
#ifdef _WIN32
  // One bit of the mode on Windows: a copy of a read-only carrier is read-only.
  fs::permissions(fs::u8path(c), fs::perms::owner_write, fs::perm_options::remove);
  const std::string copia = dir / "copia.bmp";
  ASSERT_EQ(Cli({"hide", c, "-t", "x", "-o", copia}).stato, 0);
  EXPECT_EQ(fs::status(fs::u8path(copia)).permissions() & fs::perms::owner_write, fs::perms::none);
  EXPECT_EQ(Cli({"reveal", copia, "-t"}).out, "x");
#else
  // A mode that the usual umask would change: the copy keeps it all the same.
  ::chmod(c.c_str(), 0666);
  const mode_t maschera = ::umask(022);
  const std::string copia = dir / "copia.bmp", uscita = dir / "uscita";
  const int nascosto = Cli({"hide", c, "-t", "x", "-o", copia}).stato;
  const int rivelato = Cli({"reveal", copia, "-o", uscita}).stato;
  ::umask(maschera);
  ASSERT_EQ(nascosto, 0);
  ASSERT_EQ(rivelato, 0);
  struct stat st;
  ASSERT_EQ(::stat(copia.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0666u);
  ASSERT_EQ(::stat(uscita.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
#endif
}

#ifndef _WIN32
// A file system of 4 MiB, mounted for the test and gone with it.
class Disco {
 public:
  explicit Disco(const std::string& dove) : dove_(dove) {
    std::filesystem::create_directory(dove_);
    montato_ = ::mount("tmpfs", dove_.c_str(), "tmpfs", 0, "size=4m") == 0;
  }
  ~Disco() {
    if (montato_) ::umount(dove_.c_str());
  }
  bool montato_;

 private:
  std::string dove_;
};

#endif

TEST_F(Interruzioni, AFullDiskNeverEndsInAFalseSuccess) {
#ifdef _WIN32
  GTEST_SKIP() << "a small disk to fill is a tmpfs mount, which Windows has not";
#else
  const Disco disco(dir / "m");
  if (!disco.montato_)
    GTEST_SKIP() << "mounting a tmpfs needs root in a mount namespace of its own";
  // A sparse 30 MB carrier costs nothing until the hide fills it.
  Bitmap b;
  b.pixel = 0;
  b.dimensione = 54 + (30u << 20);
  const std::string c = Scrivi(dir, "m/c.bmp", b);
  std::filesystem::resize_file(c, b.dimensione);
  const std::string payload = File("payload", std::string(20u << 20, 'p'));
  const Risultato r = Cli({"hide", c, "-f", payload, "-b", "8"});
  EXPECT_EQ(r.stato, 2);
  EXPECT_NE(r.err.find("spazio su disco esaurito"), std::string::npos) << r.err;
  EXPECT_EQ(Cli({"reveal", c, "-o", dir / "out", "-b", "8"}).stato, 1);
  EXPECT_FALSE(std::filesystem::exists(dir / "out"));
  std::filesystem::remove(c);

  // A reveal onto it gives the output file back as it was, or leaves none.
  const std::string grande = Carrier((4u + (5u << 20)) * 1);
  Opzioni o;
  o.ingresso = std::string(5u << 20, 'g');
  ASSERT_EQ(Cli({"hide", grande, "-", "-b", "8"}, o).stato, 0);
  const std::string esistente = File("m/esistente", "vecchio");
  EXPECT_EQ(Cli({"reveal", grande, "-o", dir / "m/nuovo", "-b", "8"}).stato, 2);
  EXPECT_EQ(Cli({"reveal", grande, "-o", esistente, "-b", "8"}).stato, 2);
  EXPECT_FALSE(std::filesystem::exists(dir / "m/nuovo"));
  EXPECT_EQ(Testo(esistente), "vecchio");
#endif
}

}  // namespace
}  // namespace prova
