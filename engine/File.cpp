// POSIX implementation of the engine's file handle.
#include "File.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "Crypta.h"

namespace Crypta {

namespace {

const char* Causa(int err) {
  switch (err) {
    case ENOENT: return "il file o la cartella non esiste";
    case EACCES:
    case EPERM: return "accesso negato";
    case EISDIR: return "è una cartella, non un file";
    case EROFS: return "il disco è di sola lettura";
    case ENOSPC: return "spazio su disco esaurito";
    case EDQUOT: return "quota disco esaurita";
    case ENOTDIR: return "un elemento del percorso non è una cartella";
    case ENAMETOOLONG: return "percorso troppo lungo";
    case EIO: return "errore di lettura o scrittura sul disco";
    case EFBIG: return "file troppo grande";
    default: return "errore del sistema";
  }
}

int Flag(File::Modo modo) {
  switch (modo) {
    case File::Modo::Lettura: return O_RDONLY;
    case File::Modo::LetturaScrittura: return O_RDWR;
    case File::Modo::Aggiunta: return O_WRONLY | O_APPEND | O_CREAT;
  }
  return O_RDONLY;
}

// Opens without blocking on a FIFO and refuses everything but a regular file.
int ApriRegolare(const std::string& path, int flag, int& err) {
  const int fd = ::open(path.c_str(), flag | O_CLOEXEC | O_NONBLOCK, 0644);
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

}  // namespace

std::string MessaggioErrore(const std::string& nome, const char* azione, int err) {
  return std::string("Impossibile ") + azione + " il file \"" + nome + "\": " +
         (err == EINVAL ? "non è un file regolare" : Causa(err)) + ".";
}

File File::Apri(const std::string& path, Modo modo) {
  int err = 0;
  const int fd = ApriRegolare(path, Flag(modo), err);
  if (fd < 0) {
    const char* azione = modo == Modo::Lettura ? "aprire" : "aprire in scrittura";
    throw Errore(MessaggioErrore(path, azione, err));
  }
  return File(fd, path);
}

std::optional<File> File::ProvaApri(const std::string& path) {
  int err = 0;
  const int fd = ApriRegolare(path, O_RDONLY, err);
  if (fd < 0) return std::nullopt;
  return File(fd, path);
}

File::File(File&& altro) noexcept : fd_(altro.fd_), nome_(std::move(altro.nome_)) {
  altro.fd_ = -1;
}

File::~File() {
  if (fd_ >= 0) ::close(fd_);
}

void File::Fallito(const char* azione, int err) const {
  throw Errore(MessaggioErrore(nome_, azione, err));
}

int64_t File::Dimensione() const {
  struct stat st;
  if (::fstat(fd_, &st) != 0) Fallito("leggere", errno);
  return st.st_size;
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

size_t File::Leggi(void* buf, size_t n) const {
  return Tutti(n, true,
               [&](size_t fatti) { return ::read(fd_, static_cast<char*>(buf) + fatti, n - fatti); });
}

void File::Scrivi(const void* buf, size_t n) const {
  Tutti(n, false, [&](size_t fatti) {
    return ::write(fd_, static_cast<const char*>(buf) + fatti, n - fatti);
  });
}

}  // namespace Crypta
