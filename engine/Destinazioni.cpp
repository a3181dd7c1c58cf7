// Where a reveal puts the payload: a file it appends to and gives back as it
// was on failure, memory, or an open descriptor.
#include <cerrno>

#include "Lingua.h"
#include "Operazioni.h"

namespace Crypta {

namespace {

// The carrier is only read: writing the payload into it would change it.
void NonLaBitmap(const File& uscita, const File& carrier) {
  if (uscita.StessoFile(carrier))
    throw Errore(
        Tr("Il file di destinazione \"%1\" è la bitmap di appoggio stessa.", {uscita.Nome()}),
        Genere::Argomento);
}

}  // namespace

void DestinazioneFile::Apri(const File& carrier, int64_t) {
  try {
    file_.emplace(File::Apri(path_, File::Modo::Aggiunta));
  } catch (const Errore& e) {
    if (e.codice != ENOENT) throw;
    // It holds the secret: readable by its owner only, and under its name
    // only once it is whole.
    file_.emplace(File::Anonimo(path_, 0600));
    nuovo_ = true;
    return;
  }
  try {
    NonLaBitmap(*file_, carrier);
    if (!file_->Blocca(File::Blocco::Esclusivo))
      throw Errore(
          Tr("Il file \"%1\" è in uso in un'altra operazione: riprovare quando è finita.", {path_}),
          Genere::InUso);
    vecchia_ = file_->Dimensione();
  } catch (...) {
    file_.reset();
    throw;
  }
}

void DestinazioneFile::Scrivi(const uint8_t* dati, size_t n) { file_->Scrivi(dati, n); }

void DestinazioneFile::Completa() {
  if (nuovo_) file_->DaiNome();
  file_.reset();
}

void DestinazioneFile::Annulla() noexcept {
  // A new file has no name yet and goes with its handle.
  try {
    if (file_ && !nuovo_) file_->Tronca(vecchia_);
  } catch (...) {
  }
  file_.reset();
}

void DestinazioneMemoria::Apri(const File&, int64_t lunghezza) {
  dati.clear();
  dati.reserve(static_cast<size_t>(lunghezza));
}

void DestinazioneMemoria::Scrivi(const uint8_t* byte, size_t n) {
  dati.append(reinterpret_cast<const char*>(byte), n);
}

void DestinazioneFlusso::Apri(const File& carrier, int64_t) { NonLaBitmap(uscita_, carrier); }

void DestinazioneFlusso::Scrivi(const uint8_t* dati, size_t n) { uscita_.Scrivi(dati, n); }

}  // namespace Crypta

namespace Crypta {

void DestinazioneNuova::Apri(const File&, int64_t) {
  if (File::Esiste(path_)) ErroreFile(path_, "creare", EEXIST);
  file_.emplace(File::Anonimo(path_, 0600));
}

void DestinazioneNuova::Scrivi(const uint8_t* dati, size_t n) { file_->Scrivi(dati, n); }

void DestinazioneNuova::Completa() {
  file_->Sincronizza();
  file_->DaiNome();
  file_.reset();
}

}  // namespace Crypta
