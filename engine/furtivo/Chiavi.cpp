// Argon2id through libsodium.
#include "Chiavi.h"

#include <sodium.h>

#include "Lingua.h"

namespace Crypta::Furtivo {

namespace {

void Avvia() {
  if (sodium_init() < 0) throw Errore(Tr("La libreria crittografica non si avvia."), Genere::File);
}

Chiave Argon2id(std::string_view passphrase, const uint8_t* sale) {
  static_assert(sizeof(Sale) == crypto_pwhash_SALTBYTES);
  Avvia();
  Chiave k{};
  if (crypto_pwhash(k.data(), k.size(), passphrase.data(), passphrase.size(), sale, kPassate,
                    kMemoria, crypto_pwhash_ALG_ARGON2ID13) != 0)
    throw Errore(Tr("Memoria insufficiente per derivare la chiave dalla passphrase."),
                 Genere::File);
  return k;
}

void Piccolo(uint8_t* p, uint64_t v) {
  for (int i = 0; i < 8; ++i) p[i] = uint8_t(v >> (8 * i));
}

}  // namespace

Chiave ChiaveCammino(std::string_view passphrase, int64_t larghezza, int64_t altezza) {
  Avvia();
  // The application's salt for this size of carrier: a hash, so that every
  // size has a salt of its own and no two programs share one by chance.
  static const char kApplicazione[] = "Tavelin, strato furtivo, versione 1";
  uint8_t misura[16];
  Piccolo(misura, uint64_t(larghezza));
  Piccolo(misura + 8, uint64_t(altezza));
  Sale sale{};
  crypto_generichash_state h;
  crypto_generichash_init(&h, nullptr, 0, sale.size());
  crypto_generichash_update(&h, reinterpret_cast<const uint8_t*>(kApplicazione),
                            sizeof kApplicazione - 1);
  crypto_generichash_update(&h, misura, sizeof misura);
  crypto_generichash_final(&h, sale.data(), sale.size());
  return Argon2id(passphrase, sale.data());
}

Chiave ChiaveCifratura(std::string_view passphrase, const Sale& sale) {
  return Argon2id(passphrase, sale.data());
}

Sale SaleNuovo() {
  Avvia();
  Sale s;
  randombytes_buf(s.data(), s.size());
  return s;
}

}  // namespace Crypta::Furtivo
