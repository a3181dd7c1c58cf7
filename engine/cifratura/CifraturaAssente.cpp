// A build without libsodium: the layout is known, nothing can be encrypted
// or decrypted. The commands ask CifraturaDisponibile before they get here.
#include "Cifratura.h"

namespace Crypta {

namespace {

[[noreturn]] void Manca() {
  throw Errore(SenzaCifratura(), Genere::Argomento);
}

}  // namespace

bool CifraturaDisponibile() {
  return false;
}

Derivazione DaPassphrase(Segreto) {
  Manca();
}

struct Sigillatore::Stato {};
Sigillatore::Sigillatore(const Derivazione&, Scrittore, Parametri) {
  Manca();
}
Sigillatore::~Sigillatore() = default;
void Sigillatore::Aggiungi(const uint8_t*, size_t) {
  Manca();
}
void Sigillatore::Chiudi() {
  Manca();
}
int64_t Sigillatore::Chiaro() const {
  return 0;
}

struct Decifratore::Stato {};
Decifratore::Decifratore(Destinazione& uscita, Derivazione) : uscita_(uscita) {
  Manca();
}
Decifratore::~Decifratore() = default;
void Decifratore::Apri(const File&, int64_t) {
  Manca();
}
void Decifratore::Scrivi(const uint8_t*, size_t) {
  Manca();
}
void Decifratore::Completa() {
  Manca();
}
void Decifratore::Annulla() noexcept {}

}  // namespace Crypta
