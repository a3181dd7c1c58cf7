// What the window program takes on its command line: --help and --version,
// which print and end before any window or display is needed, and at most
// one file to open.
#pragma once

#include <optional>
#include <string>

namespace Argomenti {

struct Scelta {
  enum class Cosa { Finestra, Aiuto, Versione, Errore } cosa = Cosa::Finestra;
  std::optional<std::string> file;  // the file to open, for Finestra
  std::string messaggio;            // for Errore
};

Scelta Leggi(int argc, char** argv);

// The help text, for standard output.
std::string Aiuto();

}  // namespace Argomenti
