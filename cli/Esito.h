// How a command ends when it does not succeed: the message for standard error
// and the exit status that scripts see.
#pragma once

#include <stdexcept>
#include <string>

namespace Cli {

enum Stato : int {
  kFatto = 0,    // done
  kRifiuto = 1,  // refused: the data or the carrier do not allow the operation
  kUso = 2,      // bad usage, or a file that cannot be read or written
};

struct Uscita : std::runtime_error {
  Uscita(Stato s, const std::string& messaggio) : std::runtime_error(messaggio), stato(s) {}
  Stato stato;
};

[[noreturn]] inline void Rifiuta(const std::string& messaggio) {
  throw Uscita(kRifiuto, messaggio);
}
[[noreturn]] inline void ErroreUso(const std::string& messaggio) {
  throw Uscita(kUso, messaggio);
}
[[noreturn]] inline void ErroreFile(const std::string& messaggio) {
  throw Uscita(kUso, messaggio);
}

}  // namespace Cli
