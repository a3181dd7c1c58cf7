// The file layer on POSIX systems (Linux first: open-file-description locks,
// O_TMPFILE, copy_file_range, each with a fallback where it is missing).
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "Crypta.h"
#include "File.h"
#include "Lingua.h"

namespace Crypta {

namespace {

int Flag(File::Modo modo) {
  switch (modo) {
    case File::Modo::Lettura: return O_RDONLY;
    case File::Modo::LetturaScrittura: return O_RDWR;
    case File::Modo::Aggiunta: return O_WRONLY | O_APPEND;
  }
  return O_RDONLY;
}

// Opens without blocking on a FIFO and refuses everything but a regular file.
int ApriRegolare(const std::string& path, int flag, int& err) {
  const int fd = ::open(path.c_str(), flag | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    err = errno;
    return -1;
  }
  struct stat st;
  if (::fstat(fd, &st) != 0) {
    err = errno;
    ::close(fd);
    return -1;
  }
  if (!S_ISREG(st.st_mode)) {
    err = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    ::close(fd);
    return -1;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

// The name of an Anonimo that the system keeps as a hidden file.
std::string Nascosto(const std::string& path) {
  const std::string cartella = CartellaDi(path);
  return cartella + "/.tavelin-XXXXXX";
}

}  // namespace

std::string CartellaDi(const std::string& path) {
  const size_t barra = path.find_last_of('/');
  if (barra == std::string::npos) return ".";
  if (barra == 0) return "/";
  return path.substr(0, barra);
}

std::string NomeDi(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

std::string CartellaTemporanea() {
  const char* tmp = std::getenv("TMPDIR");
  return tmp && *tmp ? tmp : "/tmp";
}

File File::Apri(const std::string& path, Modo modo) {
  int err = 0;
  const int fd = ApriRegolare(path, Flag(modo), err);
  if (fd < 0) ErroreFile(path, modo == Modo::Lettura ? "aprire" : "aprire in scrittura", err);
  return File(fd, path);
}

std::optional<File> File::ProvaApri(const std::string& path, int* err) {
  int e = 0;
  const int fd = ApriRegolare(path, O_RDONLY, e);
  if (err) *err = e;
  if (fd < 0) return std::nullopt;
  return File(fd, path);
}

File File::Anonimo(const std::string& path, unsigned permessi) {
  const mode_t modo = permessi & 0777;
  int fd = ::open(CartellaDi(path).c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, modo);
  std::string nascosto;
  if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
    // No unnamed files on this file system: a hidden name, removed again by
    // the handle unless the file gets its own.
    nascosto = Nascosto(path);
    fd = ::mkostemp(nascosto.data(), O_CLOEXEC);
  }
  if (fd < 0) ErroreFile(path, "creare", errno);
  File f(fd, path);
  f.nascosto_ = nascosto;
  f.anonimo_ = true;
  // The mode asked for, whatever the umask takes away.
  if (::fchmod(fd, modo) != 0) f.Fallito("creare", errno);
  return f;
}

File File::Temporaneo(const std::string& cartella) {
  int fd = ::open(cartella.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
    // The name goes again before a byte is written: a kill in between
    // leaves at most an empty file.
    std::string nome = cartella + "/.tavelin-XXXXXX";
    fd = ::mkostemp(nome.data(), O_CLOEXEC);
    if (fd >= 0) ::unlink(nome.c_str());
  }
  if (fd < 0) {
    const int err = errno;
    throw Errore(MessaggioTemporaneo(cartella, err), Genere::File, err);
  }
  return File(fd, Tr("file temporaneo"));
}

File File::ApriFlusso(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) ErroreFile(path, "leggere", errno);
  File f(fd, path);
  struct stat st;
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) f.Fallito("leggere", EISDIR);
  return f;
}

File File::Descrittore(int fd, std::string nome) { return File(fd, std::move(nome), false); }

bool File::Esiste(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

File::File(File&& altro) noexcept
    : fd_(altro.fd_),
      proprio_(altro.proprio_),
      nome_(std::move(altro.nome_)),
      nascosto_(std::move(altro.nascosto_)),
      anonimo_(altro.anonimo_) {
  altro.fd_ = -1;
  altro.nascosto_.clear();
}

File::~File() {
  if (!nascosto_.empty()) ::unlink(nascosto_.c_str());
  if (fd_ >= 0 && proprio_) ::close(fd_);
}

void File::Fallito(const char* azione, int err) const { ErroreFile(nome_, azione, err); }

int64_t File::Dimensione() const {
  struct stat st;
  if (::fstat(fd_, &st) != 0) Fallito("leggere", errno);
  return st.st_size;
}

unsigned File::Permessi() const {
  struct stat st;
  if (::fstat(fd_, &st) != 0) Fallito("leggere", errno);
  return st.st_mode & 0777;
}

bool File::StessoFile(const File& altro) const {
  struct stat a, b;
  return ::fstat(fd_, &a) == 0 && ::fstat(altro.fd_, &b) == 0 && a.st_dev == b.st_dev &&
         a.st_ino == b.st_ino;
}

// Repeats a system call until `n` bytes are done, through interruptions and
// partial transfers. `op(fatti)` moves the bytes from `fatti` on. A read
// stops early at the end of the file; a write that moves nothing is an error.
template <typename Op>
size_t File::Tutti(size_t n, bool lettura, Op op) const {
  size_t fatti = 0;
  while (fatti < n) {
    const ssize_t r = op(fatti);
    if (r < 0) {
      if (errno == EINTR) continue;
      Fallito(lettura ? "leggere" : "scrivere", errno);
    }
    if (r == 0) {
      if (lettura) break;
      Fallito("scrivere", EIO);
    }
    fatti += static_cast<size_t>(r);
  }
  return fatti;
}

size_t File::LeggiA(int64_t pos, void* buf, size_t n) const {
  return Tutti(n, true, [&](size_t fatti) {
    return ::pread(fd_, static_cast<char*>(buf) + fatti, n - fatti,
                   static_cast<off_t>(pos + static_cast<int64_t>(fatti)));
  });
}

void File::ScriviA(int64_t pos, const void* buf, size_t n) const {
  Tutti(n, false, [&](size_t fatti) {
    return ::pwrite(fd_, static_cast<const char*>(buf) + fatti, n - fatti,
                    static_cast<off_t>(pos + static_cast<int64_t>(fatti)));
  });
}

std::optional<size_t> File::LeggiParte(void* buf, size_t n) const {
  const ssize_t r = ::read(fd_, buf, n);
  if (r < 0 && errno == EINTR) return std::nullopt;
  if (r < 0) Fallito("leggere", errno);
  return static_cast<size_t>(r);
}

void File::Scrivi(const void* buf, size_t n) const {
  Tutti(n, false, [&](size_t fatti) {
    return ::write(fd_, static_cast<const char*>(buf) + fatti, n - fatti);
  });
}

void File::Sincronizza() const {
  while (::fdatasync(fd_) != 0) {
    if (errno == EINTR) continue;
    if (errno == EINVAL) return;  // a pipe or a terminal: nothing to flush
    Fallito("scrivere", errno);
  }
}

void File::Tronca(int64_t n) const {
  while (::ftruncate(fd_, static_cast<off_t>(n)) != 0)
    if (errno != EINTR) Fallito("scrivere", errno);
}

void File::CopiaDa(const Accesso& da, int64_t pos, int64_t n) const {
  const File* sorgente = dynamic_cast<const File*>(&da);
  loff_t in = pos, out = pos;
  // In the kernel, without a trip through our memory, where it can.
  while (sorgente && n > 0) {
    const ssize_t r = ::copy_file_range(sorgente->fd_, &in, fd_, &out,
                                        static_cast<size_t>(std::min<int64_t>(n, 1 << 30)), 0);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) break;  // not between these files, or a short source: the plain way says which
    n -= r;
  }
  if (n > 0) Accesso::CopiaDa(da, in, n);
}

bool File::Blocca(Blocco tipo) const {
  struct flock fl {};
  fl.l_type = tipo == Blocco::Esclusivo ? F_WRLCK : F_RDLCK;
  fl.l_whence = SEEK_SET;
  // Locks of the open file description: a plain fcntl lock would go as soon
  // as any descriptor of the file closes, and flock does not see these.
  for (;;) {
    if (::fcntl(fd_, F_OFD_SETLK, &fl) == 0) return true;
    if (errno == EINTR) continue;
    if (errno == EAGAIN || errno == EACCES) return false;
    return true;  // no locks on this system or file system
  }
}

void File::DaiNome() {
  if (!anonimo_) return;
  if (nascosto_.empty()) {
    const std::string proprio = "/proc/self/fd/" + std::to_string(fd_);
    int esito = ::linkat(AT_FDCWD, proprio.c_str(), AT_FDCWD, nome_.c_str(), AT_SYMLINK_FOLLOW);
    // Without /proc, the same through the descriptor itself.
    if (esito != 0 && errno == ENOENT && ::access("/proc/self/fd", F_OK) != 0)
      esito = ::linkat(fd_, "", AT_FDCWD, nome_.c_str(), AT_EMPTY_PATH);
    if (esito != 0) Fallito("creare", errno);
  } else if (::link(nascosto_.c_str(), nome_.c_str()) == 0) {
    ::unlink(nascosto_.c_str());
  } else {
    // File systems without hard links still rename without replacing.
    if (errno == EEXIST ||
        ::renameat2(AT_FDCWD, nascosto_.c_str(), AT_FDCWD, nome_.c_str(), RENAME_NOREPLACE) != 0)
      Fallito("creare", errno);
  }
  nascosto_.clear();
  anonimo_ = false;
}

}  // namespace Crypta
