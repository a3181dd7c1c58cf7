// The stealth layout in a build without libsodium: asked for, it says what
// the build lacks; tried as a fallback, it finds nothing.
#include "Esito.h"
#include "Furtivo.h"
#include "Lingua.h"
#include "Lingue.h"

namespace Cli {

const char* const kNienteFurtivo = N_("Nessun dato nascosto con questa passphrase.");

const char* const kSenzaFurtivo =
    N_("Questa versione di tavelin-cli è compilata senza libsodium: --stealth non è disponibile.");

bool FurtivoDisponibile() {
  return false;
}

void NascondiFurtivo(const OpzioniNascondi&) {
  ErroreUso(_(kSenzaFurtivo));
}

bool PortatoreFurtivo(const std::string&) {
  return false;
}

std::string Rata(double r) {
  return std::to_string(r);
}

bool RivelaFurtivo(const std::string&, const std::string&, Crypta::Destinazione*) {
  return false;
}

std::string CapienzaFurtiva(const Crypta::Analisi&) {
  return {};
}

}  // namespace Cli
