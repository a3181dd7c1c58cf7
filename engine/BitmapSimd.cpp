// SSE2 (every x86-64 has it) versions of the bit layout. Byte shifts do not
// exist in SSE2: 16-bit shifts followed by a per-byte mask do the same.
#include "BitmapSimd.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#include <immintrin.h>

#include <cstring>


namespace Crypta {

namespace {

using V = __m128i;

V Carica(const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const V*>(p)); }
void Salva(uint8_t* p, V v) { _mm_storeu_si128(reinterpret_cast<V*>(p), v); }
V Byte(int b) { return _mm_set1_epi8(static_cast<char>(b)); }

// Keeps the carrier's high bits and puts the groups below them.
void Unisci(uint8_t* carrier, V gruppi, V alti) {
  Salva(carrier, _mm_or_si128(_mm_and_si128(Carica(carrier), alti), gruppi));
}

// The N-bit group of each stream byte at shift `s`.
V Gruppo(V s, int spostamento, V basso) {
  return _mm_and_si128(_mm_srli_epi16(s, spostamento), basso);
}

// Each stream byte repeated over eight carrier bytes; carrier byte k keeps
// bit 7 - k, and the unsigned minimum with 1 turns that bit into 0 or 1.
void Spargi1(V s, uint8_t* c) {
  const V scelta = _mm_set1_epi64x(0x0102040810204080LL), uno = Byte(1), alti = Byte(0xFE);
  const V a = _mm_unpacklo_epi8(s, s), b = _mm_unpackhi_epi8(s, s);
  const V quattro[4] = {_mm_unpacklo_epi16(a, a), _mm_unpackhi_epi16(a, a),
                        _mm_unpacklo_epi16(b, b), _mm_unpackhi_epi16(b, b)};
  for (int j = 0; j < 4; ++j) {
    const V x0 = _mm_unpacklo_epi32(quattro[j], quattro[j]);
    const V x1 = _mm_unpackhi_epi32(quattro[j], quattro[j]);
    Unisci(c + 32 * j, _mm_min_epu8(_mm_and_si128(x0, scelta), uno), alti);
    Unisci(c + 32 * j + 16, _mm_min_epu8(_mm_and_si128(x1, scelta), uno), alti);
  }
}

void Spargi2(V s, uint8_t* c) {
  const V tre = Byte(3), alti = Byte(0xFC);
  const V g0 = Gruppo(s, 6, tre), g1 = Gruppo(s, 4, tre), g2 = Gruppo(s, 2, tre),
          g3 = _mm_and_si128(s, tre);
  const V a = _mm_unpacklo_epi8(g0, g1), b = _mm_unpackhi_epi8(g0, g1);
  const V d = _mm_unpacklo_epi8(g2, g3), e = _mm_unpackhi_epi8(g2, g3);
  Unisci(c, _mm_unpacklo_epi16(a, d), alti);
  Unisci(c + 16, _mm_unpackhi_epi16(a, d), alti);
  Unisci(c + 32, _mm_unpacklo_epi16(b, e), alti);
  Unisci(c + 48, _mm_unpackhi_epi16(b, e), alti);
}

void Spargi4(V s, uint8_t* c) {
  const V quindici = Byte(15), alti = Byte(0xF0);
  const V hi = Gruppo(s, 4, quindici), lo = _mm_and_si128(s, quindici);
  Unisci(c, _mm_unpacklo_epi8(hi, lo), alti);
  Unisci(c + 16, _mm_unpackhi_epi8(hi, lo), alti);
}

// Joins neighbouring carrier bytes in pairs: the first one's value, below
// 2^bit, moves up by `bit` and takes the second one's below it. Thirty-two
// bytes in, sixteen out.
V Coppie(V a, V b, int bit) {
  const V basso = _mm_set1_epi16(0x00FF);
  const V ra = _mm_or_si128(_mm_slli_epi16(_mm_and_si128(a, basso), bit), _mm_srli_epi16(a, 8));
  const V rb = _mm_or_si128(_mm_slli_epi16(_mm_and_si128(b, basso), bit), _mm_srli_epi16(b, 8));
  return _mm_packus_epi16(ra, rb);
}

// Sixteen stream bytes from 16 * 8 / N carrier bytes, by joining pairs until
// each byte holds eight bits.
template <int N>
V Raccogli16(const uint8_t* c) {
  const V basso = Byte((1 << N) - 1);
  V v[4 / N];
  for (int j = 0; j < 4 / N; ++j)
    v[j] = Coppie(_mm_and_si128(Carica(c + 32 * j), basso),
                  _mm_and_si128(Carica(c + 32 * j + 16), basso), N);
  int quanti = 4 / N;
  for (int bit = 2 * N; bit < 8; bit *= 2, quanti /= 2)
    for (int j = 0; j < quanti / 2; ++j) v[j] = Coppie(v[2 * j], v[2 * j + 1], bit);
  return v[0];
}

template <int N, void Kernel(V, uint8_t*)>
size_t SpargiTutti(const uint8_t* flusso, size_t n, uint8_t* carrier, uint8_t K) {
  const V k = Byte(K);
  size_t i = 0;
  for (; i + 16 <= n; i += 16) Kernel(_mm_xor_si128(Carica(flusso + i), k), carrier + i * (8 / N));
  return i;
}

void Copia16(V s, uint8_t* c) { Salva(c, s); }

#if defined(__GNUC__) && defined(__x86_64__)
// One bit per carrier byte, where the machine has AVX2: the bytes of each
// group of eight reversed, movemask gathers their low bits straight into
// stream order. Four times fewer instructions than the SSE2 pairing.
__attribute__((target("avx2"))) size_t Raccogli1Avx2(const uint8_t* carrier, size_t n,
                                                     uint8_t* flusso, uint8_t K) {
  const __m256i inverti = _mm256_setr_epi8(7, 6, 5, 4, 3, 2, 1, 0, 15, 14, 13, 12, 11, 10, 9, 8,
                                           7, 6, 5, 4, 3, 2, 1, 0, 15, 14, 13, 12, 11, 10, 9, 8);
  const uint32_t k4 = K * 0x01010101u;
  size_t i = 0;
  for (; i + 16 <= n; i += 16) {
    for (int j = 0; j < 4; ++j) {
      const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(carrier + 8 * i + 32 * j));
      const uint32_t m =
          uint32_t(_mm256_movemask_epi8(_mm256_slli_epi64(_mm256_shuffle_epi8(v, inverti), 7))) ^ k4;
      std::memcpy(flusso + i + 4 * size_t(j), &m, 4);
    }
  }
  return i;
}

// The other way round: each stream byte repeated over eight carrier bytes,
// byte k keeping bit 7 - k, the unsigned minimum with 1 making it 0 or 1.
__attribute__((target("avx2"))) size_t Spargi1Avx2(const uint8_t* flusso, size_t n,
                                                   uint8_t* carrier, uint8_t K) {
  const __m256i ripeti = _mm256_setr_epi8(0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1,
                                          2, 2, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3);
  const __m256i scelta = _mm256_set1_epi64x(0x0102040810204080LL);
  const __m256i uno = _mm256_set1_epi8(1), alti = _mm256_set1_epi8(char(0xFE));
  const uint32_t k4 = K * 0x01010101u;
  size_t i = 0;
  for (; i + 16 <= n; i += 16) {
    for (int j = 0; j < 4; ++j) {
      uint32_t quattro;
      std::memcpy(&quattro, flusso + i + 4 * size_t(j), 4);
      const __m256i s = _mm256_shuffle_epi8(_mm256_set1_epi32(int(quattro ^ k4)), ripeti);
      const __m256i bit = _mm256_min_epu8(_mm256_and_si256(s, scelta), uno);
      auto* c = reinterpret_cast<__m256i*>(carrier + 8 * i + 32 * j);
      _mm256_storeu_si256(c, _mm256_or_si256(_mm256_and_si256(_mm256_loadu_si256(c), alti), bit));
    }
  }
  return i;
}

bool avx2 = [] {
  __builtin_cpu_init();
  return bool(__builtin_cpu_supports("avx2"));
}();
#else
size_t Raccogli1Avx2(const uint8_t*, size_t, uint8_t*, uint8_t) { return 0; }
size_t Spargi1Avx2(const uint8_t*, size_t, uint8_t*, uint8_t) { return 0; }
bool avx2 = false;
#endif

template <int N>
size_t RaccogliTutti(const uint8_t* carrier, size_t n, uint8_t* flusso, uint8_t K) {
  const V k = Byte(K);
  size_t i = 0;
  for (; i + 16 <= n; i += 16) {
    const uint8_t* c = carrier + i * (8 / N);
    if constexpr (N == 8)
      Salva(flusso + i, _mm_xor_si128(Carica(c), k));
    else
      Salva(flusso + i, _mm_xor_si128(Raccogli16<N>(c), k));
  }
  return i;
}

}  // namespace

bool UsaAvx2(bool si) {
#if defined(__GNUC__) && defined(__x86_64__)
  const bool prima = avx2;
  avx2 = si && __builtin_cpu_supports("avx2");
  return prima;
#else
  return si && false;
#endif
}

size_t SpargiSimd(const uint8_t* flusso, size_t n, uint8_t* carrier, int Nbit, uint8_t K) {
  switch (Nbit) {
    case 1: return avx2 ? Spargi1Avx2(flusso, n, carrier, K) : SpargiTutti<1, Spargi1>(flusso, n, carrier, K);
    case 2: return SpargiTutti<2, Spargi2>(flusso, n, carrier, K);
    case 4: return SpargiTutti<4, Spargi4>(flusso, n, carrier, K);
    default: return SpargiTutti<8, Copia16>(flusso, n, carrier, K);
  }
}

size_t RaccogliSimd(const uint8_t* carrier, size_t n, uint8_t* flusso, int Nbit, uint8_t K) {
  switch (Nbit) {
    case 1: return avx2 ? Raccogli1Avx2(carrier, n, flusso, K) : RaccogliTutti<1>(carrier, n, flusso, K);
    case 2: return RaccogliTutti<2>(carrier, n, flusso, K);
    case 4: return RaccogliTutti<4>(carrier, n, flusso, K);
    default: return RaccogliTutti<8>(carrier, n, flusso, K);
  }
}

}  // namespace Crypta

#else

// Other processors (64-bit ARM among them): the scalar code does it all.
namespace Crypta {
bool UsaAvx2(bool) { return false; }
size_t SpargiSimd(const uint8_t*, size_t, uint8_t*, int, uint8_t) { return 0; }
size_t RaccogliSimd(const uint8_t*, size_t, uint8_t*, int, uint8_t) { return 0; }
}  // namespace Crypta

#endif
