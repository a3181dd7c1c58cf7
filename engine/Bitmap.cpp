// Spreading and gathering stream bytes over carrier bytes, a word at a time.
#include "Bitmap.h"

#include "BitmapSimd.h"

#include <array>
#include <cstring>

namespace Crypta {

namespace {

bool LittleEndian() {
  const uint16_t prova = 1;
  uint8_t primo;
  std::memcpy(&primo, &prova, 1);
  return primo == 1;
}

template <typename W>
W Ripeti(uint8_t byte) {
  W w = 0;
  for (size_t i = 0; i < sizeof(W); ++i) w = static_cast<W>((w << 8) | byte);
  return w;
}

// For each stream byte, its 8/N low-bit groups as they lie in the carrier,
// packed into one word; built through a byte array so that the word's byte
// order matches memory on any machine.
template <int N, typename W>
std::array<W, 256> Tabella() {
  std::array<W, 256> t{};
  for (int b = 0; b < 256; ++b) {
    uint8_t gruppi[sizeof(W)] = {};
    for (int k = 0; k < 8 / N; ++k)
      gruppi[k] = static_cast<uint8_t>((b >> (8 - N * (k + 1))) & ((1 << N) - 1));
    std::memcpy(&t[static_cast<size_t>(b)], gruppi, sizeof(W));
  }
  return t;
}

template <int N, typename W>
void SpargiN(const uint8_t* flusso, size_t n, uint8_t* carrier, uint8_t K) {
  static const std::array<W, 256> tabella = Tabella<N, W>();
  const W alti = Ripeti<W>(static_cast<uint8_t>(0xFF << N));
  for (size_t i = 0; i < n; ++i, carrier += sizeof(W)) {
    W w;
    std::memcpy(&w, carrier, sizeof(W));
    w = static_cast<W>((w & alti) | tabella[flusso[i] ^ K]);
    std::memcpy(carrier, &w, sizeof(W));
  }
}

// Whole carrier bytes: a copy XOR the mask, eight bytes at a time.
void Copia8(const uint8_t* da, size_t n, uint8_t* a, uint8_t K) {
  const uint64_t k8 = Ripeti<uint64_t>(K);
  size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    uint64_t w;
    std::memcpy(&w, da + i, 8);
    w ^= k8;
    std::memcpy(a + i, &w, 8);
  }
  for (; i < n; ++i) a[i] = da[i] ^ K;
}

template <int N>
void RaccogliN(const uint8_t* carrier, size_t n, uint8_t* flusso, uint8_t K) {
  constexpr unsigned basso = (1u << N) - 1;
  for (size_t i = 0; i < n; ++i, carrier += 8 / N) {
    unsigned b = 0;
    for (int k = 0; k < 8 / N; ++k) b = (b << N) | (carrier[k] & basso);
    flusso[i] = static_cast<uint8_t>(b ^ K);
  }
}

// The low bit groups of a little-endian word, multiplied so that the group of
// byte k lands in the top byte at its place in the stream byte. The products
// of different groups never meet in the top byte (checked for every value).
template <int N, typename W, W Molt>
void RaccogliMolt(const uint8_t* carrier, size_t n, uint8_t* flusso, uint8_t K) {
  static const bool ok = LittleEndian();
  if (!ok) return RaccogliN<N>(carrier, n, flusso, K);
  const W basso = Ripeti<W>(static_cast<uint8_t>((1u << N) - 1));
  for (size_t i = 0; i < n; ++i, carrier += sizeof(W)) {
    W w;
    std::memcpy(&w, carrier, sizeof(W));
    flusso[i] = static_cast<uint8_t>((static_cast<W>((w & basso) * Molt) >> (8 * sizeof(W) - 8)) ^ K);
  }
}

}  // namespace

void Spargi(const uint8_t* flusso, size_t n, uint8_t* carrier, int Nbit, uint8_t K) {
  const size_t fatti = SpargiSimd(flusso, n, carrier, Nbit, K);
  flusso += fatti;
  carrier += fatti * size_t(8 / Nbit);
  n -= fatti;
  switch (Nbit) {
    case 1: return SpargiN<1, uint64_t>(flusso, n, carrier, K);
    case 2: return SpargiN<2, uint32_t>(flusso, n, carrier, K);
    case 4: return SpargiN<4, uint16_t>(flusso, n, carrier, K);
    default: return Copia8(flusso, n, carrier, K);
  }
}

void Raccogli(const uint8_t* carrier, size_t n, uint8_t* flusso, int Nbit, uint8_t K) {
  const size_t fatti = RaccogliSimd(carrier, n, flusso, Nbit, K);
  carrier += fatti * size_t(8 / Nbit);
  flusso += fatti;
  n -= fatti;
  switch (Nbit) {
    case 1: return RaccogliMolt<1, uint64_t, 0x8040201008040201ULL>(carrier, n, flusso, K);
    case 2: return RaccogliMolt<2, uint32_t, 0x40100401u>(carrier, n, flusso, K);
    case 4: return RaccogliN<4>(carrier, n, flusso, K);
    default: return Copia8(carrier, n, flusso, K);
  }
}

}  // namespace Crypta
