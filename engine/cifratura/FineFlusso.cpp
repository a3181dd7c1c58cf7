// Finding a final chunk inside a longer piece. A chunk carries no length, so
// each shorter prefix is a candidate; trying each with the stream's pull
// would cost the square of a chunk. Instead the chunk's authenticator is
// computed as secretstream computes it (Poly1305 over the associated data,
// the tag's block, the ciphertext and their lengths) for all prefixes at
// once, reusing the blocks they share, and a match is then confirmed by the
// real pull on a copy of the state, so that a mistake here can only miss.
#include "FineFlusso.h"

#include <array>
#include <cstring>
#include <vector>

#include "Segreto.h"

namespace Crypta {

namespace {

using Poly = crypto_onetimeauth_poly1305_state;

void Lunghezza(uint8_t* p, uint64_t v) {
  for (int i = 0; i < 8; ++i) p[i] = uint8_t(v >> (8 * i));
}

// Whether the first `lunghezza` bytes are a final chunk, by the real pull.
bool Conferma(const Stream& s, const uint8_t* pezzo, size_t lunghezza, const uint8_t* associati,
              size_t quanti) {
  Stream copia = s;
  Segreto chiaro(lunghezza);
  chiaro.Ridimensiona(lunghezza);
  unsigned long long m = 0;
  uint8_t tag = 0;
  const bool buono = crypto_secretstream_xchacha20poly1305_pull(
                         &copia, chiaro.Dati(), &m, &tag, pezzo, lunghezza, associati, quanti) == 0;
  sodium_memzero(&copia, sizeof copia);
  return buono && tag == crypto_secretstream_xchacha20poly1305_TAG_FINAL;
}

}  // namespace

std::optional<size_t> FineNelPezzo(const Stream& s, const uint8_t* pezzo, size_t n,
                                   const uint8_t* associati, size_t quanti) {
  constexpr size_t kSigillo = crypto_secretstream_xchacha20poly1305_ABYTES;
  if (n <= kSigillo) return std::nullopt;
  static const uint8_t zeri[16] = {};
  std::array<uint8_t, 64> blocco{};
  Poly base;
  crypto_stream_chacha20_ietf(blocco.data(), blocco.size(), s.nonce, s.k);
  crypto_onetimeauth_poly1305_init(&base, blocco.data());
  crypto_onetimeauth_poly1305_update(&base, associati, quanti);
  crypto_onetimeauth_poly1305_update(&base, zeri, (0x10 - quanti) & 0xf);
  blocco.fill(0);
  blocco[0] = pezzo[0];
  crypto_stream_chacha20_ietf_xor_ic(blocco.data(), blocco.data(), blocco.size(), s.nonce, 1U, s.k);
  blocco[0] = pezzo[0];
  crypto_onetimeauth_poly1305_update(&base, blocco.data(), blocco.size());
  const uint8_t* c = pezzo + 1;
  std::optional<size_t> trovato;
  for (size_t m = 0; m + kSigillo < n; ++m) {
    if (m > 0 && m % 16 == 0) crypto_onetimeauth_poly1305_update(&base, c + m - 16, 16);
    Poly prova = base;
    crypto_onetimeauth_poly1305_update(&prova, c + m - m % 16, m % 16);
    // secretstream pads the ciphertext by (16 - 64 + m) mod 16 bytes.
    crypto_onetimeauth_poly1305_update(&prova, zeri, (0x10 - blocco.size() + m) & 0xf);
    uint8_t lunghezze[16];
    Lunghezza(lunghezze, quanti);
    Lunghezza(lunghezze + 8, blocco.size() + m);
    crypto_onetimeauth_poly1305_update(&prova, lunghezze, sizeof lunghezze);
    uint8_t mac[16];
    crypto_onetimeauth_poly1305_final(&prova, mac);
    if (sodium_memcmp(mac, c + m, sizeof mac) == 0 &&
        Conferma(s, pezzo, m + kSigillo, associati, quanti)) {
      trovato = m + kSigillo;
      break;
    }
  }
  sodium_memzero(&base, sizeof base);
  sodium_memzero(blocco.data(), blocco.size());
  return trovato;
}

}  // namespace Crypta
