#include "Comune.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>

#include "Comandi.h"
#include "Crypta.h"
#include "Esito.h"
#include "Testo.h"

namespace Cli {

namespace {

const char* Causa(int err) {
  switch (err) {
    case ENOENT:
      return "il file o la cartella non esiste";
    case EACCES:
    case EPERM:
      return "accesso negato";
    case EISDIR:
      return "è una cartella, non un file";
    case EROFS:
      return "il disco è di sola lettura";
    case ENOSPC:
      return "spazio su disco esaurito";
    case ENOTDIR:
      return "un elemento del percorso non è una cartella";
    case ENAMETOOLONG:
      return "percorso troppo lungo";
    case EIO:
      return "errore di lettura o scrittura sul disco";
    case EINVAL:
      return "non è un file regolare";
    case EPIPE:
      return "il lettore ha chiuso il flusso";
    default:
      return "errore del sistema";
  }
}

// A key file holds the key on its first line; the line end is not part of
// it, as a key box has no line breaks.
std::string PrimaRiga(std::string testo) {
  testo.resize(std::min(testo.size(), testo.find('\n')));
  if (!testo.empty() && testo.back() == '\r') testo.pop_back();
  return testo;
}

// The start of a small file, or of a pipe such as a shell's <(...); more than
// this can never be a valid key, so nothing past it is read.
std::string LeggiPoco(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) ErroreFile(MessaggioFile(path, "leggere", errno));
  std::string letto(4096, '\0');
  size_t n = 0;
  int err = 0;
  struct stat st;
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) err = EISDIR;
  while (err == 0 && n < letto.size()) {
    const ssize_t r = ::read(fd, &letto[n], letto.size() - n);
    if (r < 0 && errno == EINTR) continue;
    if (r < 0) err = errno;
    if (r <= 0) break;
    n += static_cast<size_t>(r);
  }
  ::close(fd);
  if (err != 0) ErroreFile(MessaggioFile(path, "leggere", err));
  letto.resize(n);
  return letto;
}

}  // namespace

std::string MessaggioFile(const std::string& nome, const char* azione, int err) {
  return std::string("Impossibile ") + azione + " il file \"" + nome + "\": " + Causa(err) + ".";
}

int16_t LeggiBit(const std::string& testo) {
  if (testo == "1" || testo == "2" || testo == "4" || testo == "8")
    return static_cast<int16_t>(testo[0] - '0');
  ErroreUso("Numero di bit per byte non valido: \"" + testo + "\" (usare 1, 2, 4 o 8).");
}

std::string Chiave(const std::string& utf8) {
  std::string codici;
  char32_t errato = 0;
  if (!Crypta::Utf8ACodici(utf8, codici, &errato))
    ErroreUso("La chiave contiene un carattere non ammesso (" + NomeCarattere(errato) + ").");
  if (codici.size() > kMaxChiave)
    ErroreUso("La chiave è troppo lunga: al massimo " + std::to_string(kMaxChiave) + " caratteri.");
  return codici;
}

std::string ChiaveDa(const OpzioniChiave& o) {
  if (o.conTesto && o.conFile)
    ErroreUso("Indicare la chiave con -k oppure con --key-file, non con entrambi.");
  return Chiave(o.conFile ? PrimaRiga(LeggiPoco(o.file)) : o.testo);
}

void ControllaFile(const std::string& path, bool scrittura) {
  const char* azione = scrittura ? "aprire in scrittura" : "aprire";
  const int fd = ::open(path.c_str(), (scrittura ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) ErroreFile(MessaggioFile(path, azione, errno));
  struct stat st;
  const int esito = ::fstat(fd, &st);
  const int err = errno;
  ::close(fd);
  if (esito != 0) ErroreFile(MessaggioFile(path, azione, err));
  if (S_ISDIR(st.st_mode)) ErroreFile(MessaggioFile(path, azione, EISDIR));
  if (!S_ISREG(st.st_mode)) ErroreFile(MessaggioFile(path, azione, EINVAL));
}

void CaricaHeader(const std::string& path, int16_t Nbit) {
  if (!Crypta::LeggiHeader(path, Nbit)) Rifiuta("Formato file non valido");
}

std::string Numero(double valore) {
  char testo[64];
  std::snprintf(testo, sizeof testo, "%.0f", valore == 0 ? 0.0 : std::floor(valore));
  return testo;
}

size_t Caratteri(std::string_view utf8) {
  size_t n = 0;
  for (const char c : utf8)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

std::string NomeCarattere(char32_t c) {
  char testo[16];
  std::snprintf(testo, sizeof testo, "U+%04X", static_cast<unsigned>(c));
  return testo;
}

void ScriviUscita(std::string_view dati) {
  if (dati.empty()) return;
  if (std::fwrite(dati.data(), 1, dati.size(), stdout) != dati.size())
    ErroreFile(std::string("Impossibile scrivere sullo standard output: ") + Causa(errno) + ".");
}

void ChiudiUscita() {
  if (std::fflush(stdout) != 0 || std::ferror(stdout))
    ErroreFile(std::string("Impossibile scrivere sullo standard output: ") + Causa(errno) + ".");
}

}  // namespace Cli
