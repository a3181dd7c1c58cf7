#include "FileTemporanei.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <vector>

#include "Comune.h"
#include "Esito.h"

namespace Cli {

namespace {

// The signal handler may only look at plain memory, so the paths live in
// fixed buffers; a slot is filled before it is marked in use.
struct Voce {
  char path[PATH_MAX];
  volatile sig_atomic_t attiva;
};
Voce voci[4];

void Gestore(int segnale) {
  for (Voce& v : voci)
    if (v.attiva) ::unlink(v.path);
  std::signal(segnale, SIG_DFL);
  std::raise(segnale);
}

int Registra(const std::string& path) {
  if (path.size() >= PATH_MAX) return -1;
  for (int i = 0; i < static_cast<int>(std::size(voci)); ++i) {
    if (voci[i].attiva) continue;
    std::memcpy(voci[i].path, path.c_str(), path.size() + 1);
    voci[i].attiva = 1;
    return i;
  }
  return -1;
}

void Libera(int slot) {
  if (slot >= 0) voci[slot].attiva = 0;
}

// Closes a descriptor on every way out of the copy.
struct Descrittore {
  int fd;
  ~Descrittore() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

void InstallaPulizia() {
  struct sigaction sa {};
  sa.sa_handler = Gestore;
  sigemptyset(&sa.sa_mask);
  for (const int s : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) sigaddset(&sa.sa_mask, s);
  for (const int s : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) ::sigaction(s, &sa, nullptr);
}

FileDaRimuovere::FileDaRimuovere(std::string path)
    : path_(std::move(path)), slot_(Registra(path_)) {}

FileDaRimuovere::FileDaRimuovere(FileDaRimuovere&& altro) noexcept
    : path_(std::move(altro.path_)), slot_(altro.slot_) {
  altro.path_.clear();
  altro.slot_ = -1;
}

FileDaRimuovere::~FileDaRimuovere() {
  if (path_.empty()) return;
  ::unlink(path_.c_str());
  Libera(slot_);
}

void FileDaRimuovere::Tieni() {
  Libera(slot_);
  slot_ = -1;
  path_.clear();
}

FileDaRimuovere CreaTemporaneo() {
  const char* dir = std::getenv("TMPDIR");
  std::string modello = (dir && *dir ? std::string(dir) : std::string("/tmp")) + "/tavelin-XXXXXX";
  const int fd = ::mkstemp(modello.data());
  if (fd < 0) ErroreFile(MessaggioFile(modello, "creare", errno));
  ::close(fd);
  return FileDaRimuovere(modello);
}

FileDaRimuovere CreaCopia(const std::string& da, const std::string& a) {
  const Descrittore sorgente{::open(da.c_str(), O_RDONLY | O_CLOEXEC)};
  if (sorgente.fd < 0) ErroreFile(MessaggioFile(da, "aprire", errno));
  Descrittore copia{::open(a.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666)};
  if (copia.fd < 0 && errno == EEXIST)
    ErroreFile("Il file \"" + a + "\" esiste già: non viene sovrascritto.");
  if (copia.fd < 0) ErroreFile(MessaggioFile(a, "creare", errno));
  FileDaRimuovere risultato(a);

  std::vector<char> blocco(size_t{1} << 20);
  for (;;) {
    const ssize_t letti = ::read(sorgente.fd, blocco.data(), blocco.size());
    if (letti < 0 && errno == EINTR) continue;
    if (letti < 0) ErroreFile(MessaggioFile(da, "leggere", errno));
    if (letti == 0) break;
    for (ssize_t scritti = 0; scritti < letti;) {
      const ssize_t r =
          ::write(copia.fd, blocco.data() + scritti, static_cast<size_t>(letti - scritti));
      if (r < 0 && errno == EINTR) continue;
      if (r < 0) ErroreFile(MessaggioFile(a, "scrivere", errno));
      scritti += r;
    }
  }
  const int fd = copia.fd;
  copia.fd = -1;
  if (::close(fd) != 0) ErroreFile(MessaggioFile(a, "scrivere", errno));
  return risultato;
}

}  // namespace Cli
