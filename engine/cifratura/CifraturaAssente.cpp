// A build without libsodium: the layout is known, nothing can be encrypted
// or decrypted. The commands ask CifraturaDisponibile before they get here.
#include "Cifratura.h"

namespace Crypta {

namespace {

[[noreturn]] void Manca() {
  throw Errore(kSenzaCifratura, Genere::Argomento);
}

}  // namespace

bool CifraturaDisponibile() {
  return false;
}

Derivazione DaPassphrase(std::string) {
  Manca();
}

struct Cifratore::Stato {};
Cifratore::Cifratore(const Derivazione&, int64_t, std::function<void(uint8_t*, size_t)>,
                     Parametri) {
  Manca();
}
Cifratore::~Cifratore() = default;
void Cifratore::Produci(uint8_t*, size_t) {
  Manca();
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
