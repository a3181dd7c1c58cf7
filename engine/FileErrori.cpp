// The one table of file errors: a POSIX error number, whichever system gave
// it (the Windows file layer translates its codes), as an Italian message
// that names the file.
#include <cerrno>

#include "Crypta.h"
#include "File.h"

namespace Crypta {

namespace {

const char* Causa(int err) {
  switch (err) {
    case ENOENT: return "il file o la cartella non esiste";
    case EACCES:
    case EPERM: return "accesso negato";
    case EISDIR: return "è una cartella, non un file";
    case EINVAL: return "non è un file regolare";
    case EROFS: return "il disco è di sola lettura";
    case ENOSPC: return "spazio su disco esaurito";
#ifdef EDQUOT  // not every C library names it
    case EDQUOT: return "quota disco esaurita";
#endif
    case ENOTDIR: return "un elemento del percorso non è una cartella";
    case ENAMETOOLONG: return "percorso troppo lungo";
    case EIO: return "errore di lettura o scrittura sul disco";
    case EFBIG: return "file troppo grande";
    case EPIPE: return "il lettore ha chiuso il flusso";
    case ENOMEM: return "memoria insufficiente";
    case EMFILE:
    case ENFILE: return "troppi file aperti";
    default: return "errore del sistema";
  }
}

}  // namespace

std::string MessaggioErrore(const std::string& nome, const char* azione, int err) {
  if (err == EEXIST) return "Il file \"" + nome + "\" esiste già: non viene sovrascritto.";
  return std::string("Impossibile ") + azione + " il file \"" + nome + "\": " + Causa(err) + ".";
}

void ErroreFile(const std::string& nome, const char* azione, int err) {
  throw Errore(MessaggioErrore(nome, azione, err), Genere::File, err);
}

std::string MessaggioTemporaneo(const std::string& cartella, int err) {
  return "Impossibile creare un file temporaneo nella cartella \"" + cartella + "\": " + Causa(err) +
         ".";
}

}  // namespace Crypta
