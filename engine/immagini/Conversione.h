// Any picture the decoder reads, made into a carrier: an uncompressed 24-bit
// bitmap with the 40-byte header, bottom-up rows padded to 4 bytes, written
// under its name only once it is complete and never over an existing file.
// Both programs convert through here.
#pragma once

#include <string>

#include "Operazioni.h"

namespace Crypta {

struct Conversione {
  int larghezza = 0, altezza = 0;
  bool trasparente = false;  // an alpha channel was dropped that held a transparent pixel
};

// Decodes `immagine` and writes the carrier `uscita`, with the picture's
// permissions and always writable by its owner, since a hide in place
// changes it. Throws Errore: Rifiutata for a picture that cannot be read or
// is too large, File, Annullata when the observer asks to stop.
Conversione Converti(const std::string& immagine, const std::string& uscita,
                     const Osservatore& o = {});

}  // namespace Crypta
