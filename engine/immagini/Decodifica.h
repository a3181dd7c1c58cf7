// Pictures in the formats they come in (PNG, JPEG, GIF, TGA, BMP of every
// header version but the compressed ones): whether a file is one, what kind
// of file refused carriers are, and its pixels decoded. No decoder of ours:
// stb_image does the reading, from our own file layer.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "File.h"

namespace Crypta {

struct Immagine {
  int larghezza = 0, altezza = 0;
  int canali = 0;            // in the file: 1 grey, 2 grey and alpha, 3 colour, 4 colour and alpha
  bool alfa = false;         // the file has an alpha channel
  bool trasparente = false;  // and some pixel is not fully opaque
  // Colour pixels, rows top to bottom, 3 bytes a pixel (R, G, B).
  std::unique_ptr<uint8_t[], void (*)(uint8_t*)> rgb{nullptr, nullptr};
};

// What the header of a picture says, before any pixel is decoded.
struct Informazioni {
  int larghezza = 0, altezza = 0;
  int canali = 0;
};

// The header of a picture the library recognises, or nothing.
std::optional<Informazioni> Informa(const File& f);
inline bool Leggibile(const File& f) { return Informa(f).has_value(); }

// Decodes the file, the first frame of an animation. A file the library
// cannot read is refused (Errore of kind Rifiutata) with the reason.
Immagine Decodifica(const File& f);

// The kind of picture a file holds from its first bytes ("PNG", "JPEG",
// "GIF", ...), or empty when they name none that is known here.
std::string Formato(const uint8_t* inizio, size_t n);

}  // namespace Crypta
