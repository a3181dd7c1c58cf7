// Why a file is no carrier, in one line for the user, and the prepare command
// that turns it into one when the image library can read it.
#pragma once

#include <string>

#include "Operazioni.h"

namespace Cli {

// The line that follows "Formato file non valido" for the file at `path`,
// whose analysis `a` refused it.
std::string Diagnosi(const std::string& path, const Crypta::Analisi& a);

// The command that converts `path`, with a new file's name beside it.
std::string ComandoPrepara(const std::string& path);

}  // namespace Cli
