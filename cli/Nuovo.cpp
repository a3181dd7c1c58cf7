#include "Nuovo.h"

#include <cerrno>

namespace Cli {

void DestinazioneNuova::Apri(const Crypta::File&, int64_t) {
  if (Crypta::File::Esiste(path_)) Crypta::ErroreFile(path_, "creare", EEXIST);
  file_.emplace(Crypta::File::Anonimo(path_, 0600));
}

void DestinazioneNuova::Scrivi(const uint8_t* dati, size_t n) {
  file_->Scrivi(dati, n);
}

void DestinazioneNuova::Completa() {
  file_->Sincronizza();
  file_->DaiNome();
  file_.reset();
}

}  // namespace Cli
