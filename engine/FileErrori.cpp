// The one table of file errors: a POSIX error number, whichever system gave
// it (the Windows file layer translates its codes), as a message that names
// the file, written whole for each action so that every language can word it.
#include <cerrno>
#include <cstring>

#include "Crypta.h"
#include "File.h"
#include "Lingua.h"

namespace Crypta {

namespace {

std::string Causa(int err) {
  switch (err) {
    case ENOENT: return Tr("il file o la cartella non esiste");
    case EACCES:
    case EPERM: return Tr("accesso negato");
    case EISDIR: return Tr("è una cartella, non un file");
    case EINVAL: return Tr("non è un file regolare");
    case EROFS: return Tr("il disco è di sola lettura");
    case ENOSPC: return Tr("spazio su disco esaurito");
#ifdef EDQUOT  // not every C library names it
    case EDQUOT: return Tr("quota disco esaurita");
#endif
    case ENOTDIR: return Tr("un elemento del percorso non è una cartella");
    case ENAMETOOLONG: return Tr("percorso troppo lungo");
    case EIO: return Tr("errore di lettura o scrittura sul disco");
    case EFBIG: return Tr("file troppo grande");
    case EPIPE: return Tr("il lettore ha chiuso il flusso");
    case ENOMEM: return Tr("memoria insufficiente");
    case EMFILE:
    case ENFILE: return Tr("troppi file aperti");
    default: return Tr("errore del sistema");
  }
}

bool Vale(const char* azione, const char* nome) {
  return std::strcmp(azione, nome) == 0;
}

}  // namespace

std::string MessaggioErrore(const std::string& nome, const char* azione, int err) {
  if (err == EEXIST) return Tr("Il file \"%1\" esiste già: non viene sovrascritto.", {nome});
  const std::string c = Causa(err);
  // The actions are the file layer's own few verbs; each is a sentence of its own.
  if (Vale(azione, "aprire")) return Tr("Impossibile aprire il file \"%1\": %2.", {nome, c});
  if (Vale(azione, "aprire in scrittura"))
    return Tr("Impossibile aprire in scrittura il file \"%1\": %2.", {nome, c});
  if (Vale(azione, "creare")) return Tr("Impossibile creare il file \"%1\": %2.", {nome, c});
  if (Vale(azione, "leggere")) return Tr("Impossibile leggere il file \"%1\": %2.", {nome, c});
  if (Vale(azione, "scrivere")) return Tr("Impossibile scrivere il file \"%1\": %2.", {nome, c});
  return Tr("Impossibile %1 il file \"%2\": %3.", {azione, nome, c});
}

void ErroreFile(const std::string& nome, const char* azione, int err) {
  throw Errore(MessaggioErrore(nome, azione, err), Genere::File, err);
}

std::string MessaggioTemporaneo(const std::string& cartella, int err) {
  return Tr("Impossibile creare un file temporaneo nella cartella \"%1\": %2.",
            {cartella, Causa(err)});
}

}  // namespace Crypta
