// Why a file is no carrier, in one sentence for the user, and whether the
// picture converter reads it: both programs offer the conversion, each in
// its own way (a command to type, a question to answer).
#pragma once

#include <string>

#include "Operazioni.h"

namespace Crypta {

struct Diagnosi {
  std::string perche;         // the sentence that follows "Formato file non valido"
  bool convertibile = false;  // the converter reads the picture
  std::string formato;        // "JPEG", "PNG", "GIF", "TGA", "BMP", ... or empty
  int larghezza = 0, altezza = 0;  // the picture's size, when it is convertible
};

// The diagnosis of the file at `path`, whose analysis `a` refused it.
Diagnosi Diagnostica(const std::string& path, const Analisi& a);

// The picture's name with ".bmp" in its folder, or a name beside it that is
// not taken ("foto-appoggio.bmp", "foto-appoggio-2.bmp", ...).
std::string NomeBitmap(const std::string& path);

}  // namespace Crypta
