// Vector kernels for spreading and gathering: each handles as many whole
// groups of 16 stream bytes as it can and returns how many it handled; the
// scalar code in Bitmap.cpp does the rest. Without SSE2 (on ARM, say) they
// handle nothing.
#pragma once

#include <cstddef>
#include <cstdint>

namespace Crypta {

// Whether the one-bit kernels may use AVX2 where the machine has it (they do
// by default); gives back the previous setting. For tests of both paths.
bool UsaAvx2(bool si);

size_t SpargiSimd(const uint8_t* flusso, size_t n, uint8_t* carrier, int Nbit, uint8_t K);
size_t RaccogliSimd(const uint8_t* carrier, size_t n, uint8_t* flusso, int Nbit, uint8_t K);

}  // namespace Crypta
