// A build without libspng: PNGs go to stb_image with the other formats.
#include "Png.h"

namespace Crypta {

bool PngRigaPerRiga() {
  return false;
}

std::optional<EsitoPng> DecodificaPng(const File&, int) {
  return std::nullopt;
}

}  // namespace Crypta
