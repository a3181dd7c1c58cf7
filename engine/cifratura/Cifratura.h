// The payload encrypted with a passphrase: a short versioned marker, the key
// derivation's parameters and salt, then an authenticated stream in chunks of
// fixed size, so that neither side ever holds the whole payload and the
// ciphertext's length is known before the hide. Argon2id derives the key;
// XChaCha20-Poly1305 (libsodium's secretstream) seals each chunk, the last
// one with a final tag, so that a cut stream is refused as a changed one is.
//
//   0  "TVLC"                      the marker (Contenuto.h)
//   4  1                           the format's version
//   5  1                           Argon2id v1.3 with secretstream
//   6  log2 of the chunk size      16: 64 KiB of plaintext a chunk
//   7  Argon2 passes               little-endian, 4 bytes
//  11  Argon2 memory in KiB        little-endian, 4 bytes
//  15  salt                        16 random bytes
//  31  the stream's header         24 bytes
//  55  chunks of 2^n + 17 bytes, the last one shorter or not
//
// A header is read before anything is derived from it, and one that asks for
// more than 512 MiB or four times the default's work is refused there.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Operazioni.h"
#include "Segreto.h"

namespace Crypta {

// False in a build without libsodium; then SenzaCifratura says so in the
// language spoken (kSenzaCifratura: the same sentence in Italian, for callers
// that translate it themselves).
bool CifraturaDisponibile();
extern const char* const kSenzaCifratura;
std::string SenzaCifratura();

constexpr size_t kTestata = 55;
constexpr size_t kSigillo = 17;  // what a chunk adds: its tag and the authenticator

struct Parametri {
  int esponente = 16;            // chunks of 2^esponente bytes of plaintext
  uint32_t passate = 3;          // Argon2id's passes over its memory
  uint32_t memoriaKiB = 262144;  // and that memory: 256 MiB
};

struct Testata {
  Parametri parametri;
  std::array<uint8_t, 16> sale{};
  std::array<uint8_t, 24> flusso{};
  std::array<uint8_t, kTestata> byte{};  // as stored
};

// Whether a payload opens with the marker of an encrypted one.
bool Cifrato(const uint8_t* p, size_t n);

// Reads a header; on any field out of its bounds, nothing, with the reason.
std::optional<Testata> LeggiTestata(const uint8_t* p, size_t n, std::string& perche);

// The ciphertext's length for `chiaro` bytes of plaintext.
int64_t LunghezzaCifrata(int64_t chiaro, int esponente = Parametri{}.esponente);
// The most plaintext whose ciphertext takes at most `cifrato` bytes; -1 when
// not even an empty payload fits.
int64_t ChiaroMassimo(int64_t cifrato, int esponente = Parametri{}.esponente);

constexpr size_t kChiaveFlusso = 32;
// Turns a header's parameters and salt into the stream's key, in a Segreto
// of kChiaveFlusso bytes.
using Derivazione = std::function<Segreto(const Testata&)>;
// Argon2id over the passphrase, which it keeps until it goes.
Derivazione DaPassphrase(Segreto passphrase);

// Seals plaintext given a piece at a time, for a payload whose length shows
// only at its end (standard input): the header goes out at once, each chunk
// once a byte after it arrives, the last one at Chiudi with the final tag.
// What it hands to `scrivi` is ciphertext only.
class Sigillatore {
 public:
  using Scrittore = std::function<void(const uint8_t*, size_t)>;
  Sigillatore(const Derivazione& deriva, Scrittore scrivi, Parametri p = {});
  ~Sigillatore();
  void Aggiungi(const uint8_t* dati, size_t n);
  void Chiudi();
  int64_t Chiaro() const;

 private:
  struct Stato;
  std::unique_ptr<Stato> stato_;
};

// Produces the ciphertext of `chiaro` bytes, which `leggi` gives in order,
// a chunk at a time: a hide's payload producer.
class Cifratore {
 public:
  Cifratore(const Derivazione& deriva, int64_t chiaro, std::function<void(uint8_t*, size_t)> leggi,
            Parametri p = {});
  Cifratore(const Cifratore&) = delete;
  Cifratore& operator=(const Cifratore&) = delete;
  int64_t Lunghezza() const { return lunghezza_; }
  void Produci(uint8_t* dest, size_t n);

 private:
  std::function<void(uint8_t*, size_t)> leggi_;
  int64_t rimasto_ = 0, lunghezza_ = 0;
  Segreto chiaro_;               // the chunk being read
  std::vector<uint8_t> uscita_;  // ciphertext made and not yet given
  size_t dato_ = 0;
  bool chiuso_ = false;
  Sigillatore sigillatore_;  // last: it writes the header into uscita_ as it starts
};

// Decrypts a revealed payload into another sink, a chunk at a time: only
// authenticated plaintext reaches it. A wrong passphrase, a changed chunk or
// a stream that stops before its final tag throws Errore of kind Rifiutata,
// and the other sink gives back what it had.
class Decifratore : public Destinazione {
 public:
  Decifratore(Destinazione& uscita, Derivazione deriva);
  ~Decifratore() override;
  void Apri(const File& carrier, int64_t lunghezza) override;
  void Scrivi(const uint8_t* dati, size_t n) override;
  void Completa() override;
  void Annulla() noexcept override;

 private:
  void Testa();
  void Pezzo();
  struct Stato;
  Destinazione& uscita_;
  Derivazione deriva_;
  std::unique_ptr<Stato> stato_;
};

}  // namespace Crypta
