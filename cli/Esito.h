// How a command ends when it does not succeed: the message for standard error
// and the exit status that scripts see.
#pragma once

#include <stdexcept>
#include <string>

#include "Crypta.h"

namespace Cli {

enum Stato : int {
  kFatto = 0,    // done
  kRifiuto = 1,  // refused: the data or the carrier do not allow the operation
  kUso = 2,      // bad usage, or a file that cannot be read or written
};
constexpr int kSegnale = 128;  // plus the signal's number

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

// The status for an engine error, from its kind; a stop asked by a signal is
// 128 + the signal's number, as a shell reports a program the signal ended.
int StatoDi(const Crypta::Errore& e);

}  // namespace Cli
