// What hiding costs a picture: the PSNR that a stream of random bits is
// expected to leave on the pixels it touches, computed from the carrier's own
// pixels and palette and the bit count. A figure for a warning, not a limit.
#pragma once

#include <cstdint>

#include "Accesso.h"
#include "Operazioni.h"

namespace Crypta {

// The expected PSNR in dB over the pixels that the first `flusso` stream
// bytes at Nbit touch; infinity when nothing that shows would change.
double PsnrAtteso(const Accesso& carrier, const Analisi& a, int16_t Nbit, int64_t flusso);

}  // namespace Crypta
