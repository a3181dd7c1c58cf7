// The line under "Formato file non valido" on the command line: the engine's
// reason, and the prepare command that converts the file when it can.
#pragma once

#include <string>

#include "Operazioni.h"

namespace Cli {

std::string Spiega(const std::string& path, const Crypta::Analisi& a);

}  // namespace Cli
