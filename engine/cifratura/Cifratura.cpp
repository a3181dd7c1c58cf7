// The encrypted payload's layout, without the cryptography: the marker, the
// header's fields and their bounds, the lengths. Every field of a header is
// checked before anything is computed from it; a header is input as any
// carrier is, and fuzz/FuzzCifrato.cpp runs over it.
#include "Cifratura.h"

#include <cstring>

#include "Contenuto.h"

namespace Crypta {

namespace {

constexpr uint8_t kVersione = 1;
constexpr uint8_t kAlgoritmo = 1;  // Argon2id v1.3, XChaCha20-Poly1305 secretstream
// Bounds that keep a hostile header from asking for hours or gigabytes.
constexpr int kEsponenteMin = 6, kEsponenteMax = 24;
constexpr uint32_t kPassateMax = 16;
constexpr uint32_t kMemoriaMinKiB = 8, kMemoriaMaxKiB = 1u << 20;  // 8 KiB to 1 GiB

uint32_t U32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

}  // namespace

const char* const kSenzaCifratura =
    "Questa versione di Tavelin è compilata senza cifratura (manca libsodium): la protezione con "
    "passphrase non è disponibile.";

bool Cifrato(const uint8_t* p, size_t n) {
  return n >= kMarcaCifrata.size() &&
         std::memcmp(p, kMarcaCifrata.data(), kMarcaCifrata.size()) == 0;
}

std::optional<Testata> LeggiTestata(const uint8_t* p, size_t n, std::string& perche) {
  if (!Cifrato(p, n)) {
    perche = "i dati nascosti non sono cifrati con --encrypt";
    return std::nullopt;
  }
  if (n < kTestata) {
    perche = "i dati cifrati sono troppo corti";
    return std::nullopt;
  }
  if (p[4] != kVersione || p[5] != kAlgoritmo) {
    perche = "i dati sono cifrati in una versione " + std::to_string(p[4]) + "." +
             std::to_string(p[5]) + " che questo programma non conosce";
    return std::nullopt;
  }
  Testata t;
  t.parametri.esponente = p[6];
  t.parametri.passate = U32(p + 7);
  t.parametri.memoriaKiB = U32(p + 11);
  const Parametri& q = t.parametri;
  if (q.esponente < kEsponenteMin || q.esponente > kEsponenteMax || q.passate < 1 ||
      q.passate > kPassateMax || q.memoriaKiB < kMemoriaMinKiB || q.memoriaKiB > kMemoriaMaxKiB) {
    perche = "l'intestazione dei dati cifrati è danneggiata";
    return std::nullopt;
  }
  std::memcpy(t.sale.data(), p + 15, t.sale.size());
  std::memcpy(t.flusso.data(), p + 31, t.flusso.size());
  std::memcpy(t.byte.data(), p, kTestata);
  return t;
}

int64_t LunghezzaCifrata(int64_t chiaro, int esponente) {
  const int64_t pezzo = int64_t{1} << esponente;
  const int64_t pezzi = chiaro == 0 ? 1 : (chiaro + pezzo - 1) / pezzo;
  return int64_t(kTestata) + chiaro + pezzi * int64_t(kSigillo);
}

}  // namespace Crypta
