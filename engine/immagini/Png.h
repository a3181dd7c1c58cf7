// PNGs decoded row by row through libspng where the build has it: the
// inflated data are never held whole, so a 16-bit picture needs no more than
// its 8-bit samples. A build without it (the cross builds) leaves PNGs to
// stb_image, which holds them whole.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "File.h"

namespace Crypta {

struct EsitoPng {
  uint8_t* pixel = nullptr;  // from MemoriaAlloca, rows top to bottom; null on failure
  bool troncato = false;     // the file ends before the picture does
  std::string errore;        // else the decoder's reason, in its own words
};

// Whether PNGs are decoded row by row in this build.
bool PngRigaPerRiga();

// The PNG `f` at `canali` (3 or 4) samples a pixel, each of 8 bits; 16-bit
// samples keep their high byte. Allocates through Memoria.h, within the
// decode's budget. Nothing in a build without libspng.
std::optional<EsitoPng> DecodificaPng(const File& f, int canali);

}  // namespace Crypta
