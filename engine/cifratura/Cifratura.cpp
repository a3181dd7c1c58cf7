// The encrypted payload's layout, without the cryptography: the marker, the
// header's fields and their bounds, the lengths. Every field of a header is
// checked before anything is computed from it; a header is input as any
// carrier is, and fuzz/FuzzCifrato.cpp runs over it.
#include "Cifratura.h"

#include <algorithm>
#include <cstring>

#include "Contenuto.h"
#include "Lingua.h"

namespace Crypta {

namespace {

constexpr uint8_t kVersione = 1;
constexpr uint8_t kAlgoritmo = 1;  // Argon2id v1.3, XChaCha20-Poly1305 secretstream
// Bounds that keep a hostile header from asking for minutes or gigabytes:
// at most 512 MiB, and at most four times the default's work (passes times
// memory), both checked before the derivation sets any memory aside.
constexpr int kEsponenteMin = 6, kEsponenteMax = 24;
constexpr uint32_t kPassateMax = 16;
constexpr uint32_t kMemoriaMinKiB = 8, kMemoriaMaxKiB = 1u << 19;
constexpr uint64_t kLavoroMax = 4 * uint64_t{Parametri{}.passate} * Parametri{}.memoriaKiB;

uint32_t U32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

}  // namespace

const char* const kSenzaCifratura =
    "Questa versione di Tavelin è compilata senza cifratura (manca libsodium): la protezione con "
    "passphrase non è disponibile.";

std::string SenzaCifratura() {
  return Tr(
      "Questa versione di Tavelin è compilata senza cifratura (manca libsodium): la protezione con "
      "passphrase non è disponibile.");
}

bool Cifrato(const uint8_t* p, size_t n) {
  return n >= kMarcaCifrata.size() &&
         std::memcmp(p, kMarcaCifrata.data(), kMarcaCifrata.size()) == 0;
}

std::optional<Testata> LeggiTestata(const uint8_t* p, size_t n, std::string& perche) {
  if (!Cifrato(p, n)) {
    perche = Tr("i dati nascosti non sono cifrati con --encrypt");
    return std::nullopt;
  }
  if (n < kTestata) {
    perche = Tr("i dati cifrati sono troppo corti");
    return std::nullopt;
  }
  if (p[4] != kVersione || p[5] != kAlgoritmo) {
    perche = Tr("i dati sono cifrati in una versione %1.%2 che questo programma non conosce",
                {std::to_string(p[4]), std::to_string(p[5])});
    return std::nullopt;
  }
  Testata t;
  t.parametri.esponente = p[6];
  t.parametri.passate = U32(p + 7);
  t.parametri.memoriaKiB = U32(p + 11);
  const Parametri& q = t.parametri;
  if (q.esponente < kEsponenteMin || q.esponente > kEsponenteMax || q.passate < 1 ||
      q.memoriaKiB < kMemoriaMinKiB) {
    perche = Tr("l'intestazione dei dati cifrati è danneggiata");
    return std::nullopt;
  }
  if (q.passate > kPassateMax || q.memoriaKiB > kMemoriaMaxKiB ||
      uint64_t{q.passate} * q.memoriaKiB > kLavoroMax) {
    perche =
        Tr("l'intestazione chiede ad Argon2 %1 passate su %2 MiB di memoria, oltre i limiti "
           "di questo programma (al massimo %3 passate, %4 MiB e 4 volte il lavoro normale)",
           {std::to_string(q.passate), std::to_string(q.memoriaKiB / 1024),
            std::to_string(kPassateMax), std::to_string(kMemoriaMaxKiB / 1024)});
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

int64_t ChiaroMassimo(int64_t cifrato, int esponente) {
  if (cifrato < LunghezzaCifrata(0, esponente)) return -1;
  // The length grows with the plaintext, one byte or a seal at a time.
  int64_t basso = 0, alto = cifrato;
  while (basso < alto) {
    const int64_t medio = basso + (alto - basso + 1) / 2;
    if (LunghezzaCifrata(medio, esponente) <= cifrato)
      basso = medio;
    else
      alto = medio - 1;
  }
  return basso;
}

// The cipher pulls the plaintext a chunk at a time and pushes it into the
// sealer, which answers each chunk once the next one (or the end) is there.
Cifratore::Cifratore(const Derivazione& deriva, int64_t chiaro,
                     std::function<void(uint8_t*, size_t)> leggi, Parametri p)
    : leggi_(std::move(leggi)),
      rimasto_(chiaro),
      lunghezza_(LunghezzaCifrata(chiaro, p.esponente)),
      chiaro_(size_t{1} << p.esponente),
      sigillatore_(
          deriva, [this](const uint8_t* d, size_t n) { uscita_.insert(uscita_.end(), d, d + n); },
          p) {}

void Cifratore::Produci(uint8_t* dest, size_t n) {
  while (n > 0) {
    while (dato_ == uscita_.size()) {
      uscita_.clear();
      dato_ = 0;
      if (rimasto_ > 0) {
        chiaro_.Ridimensiona(size_t(std::min<int64_t>(rimasto_, int64_t(chiaro_.Capienza()))));
        leggi_(chiaro_.Dati(), chiaro_.Lunghezza());
        sigillatore_.Aggiungi(chiaro_.Dati(), chiaro_.Lunghezza());
        rimasto_ -= int64_t(chiaro_.Lunghezza());
      } else if (!chiuso_) {
        sigillatore_.Chiudi();
        chiuso_ = true;
      } else {
        throw Errore(Tr("Cifratura oltre la fine."), Genere::Argomento);
      }
    }
    const size_t k = std::min(n, uscita_.size() - dato_);
    std::memcpy(dest, uscita_.data() + dato_, k);
    dato_ += k;
    dest += k;
    n -= k;
  }
}

}  // namespace Crypta
