// A buffer for secrets (a passphrase, a derived key): kept out of swap where
// the system allows it, wiped before its memory goes back, movable but never
// copied, so that a secret exists once. Both programs hand passphrases to
// the engine in one, whatever they were typed into.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace Crypta {

class Segreto {
 public:
  Segreto() = default;
  // Room for `capienza` bytes, none of them used yet.
  explicit Segreto(size_t capienza);
  // A copy of `n` bytes; the caller wipes its own.
  Segreto(const void* dati, size_t n);
  Segreto(Segreto&& altro) noexcept;
  Segreto& operator=(Segreto&& altro) noexcept;
  Segreto(const Segreto&) = delete;
  Segreto& operator=(const Segreto&) = delete;
  ~Segreto();

  uint8_t* Dati() { return byte_.get(); }
  const uint8_t* Dati() const { return byte_.get(); }
  size_t Lunghezza() const { return lunghezza_; }
  size_t Capienza() const { return capienza_; }
  bool Vuoto() const { return lunghezza_ == 0; }

  // Appends `n` bytes; false, with nothing appended, past the capacity.
  bool Aggiungi(const void* dati, size_t n);
  // Sets the length within the capacity; bytes that leave the end are
  // wiped, bytes that join it are zero.
  void Ridimensiona(size_t n);
  // In a time that does not depend on where two secrets differ.
  bool Uguale(const Segreto& altro) const;

 private:
  void Libera() noexcept;
  std::unique_ptr<uint8_t[]> byte_;
  size_t capienza_ = 0, lunghezza_ = 0;
};

// Zeroes memory in a way the compiler may not leave out.
void Cancella(void* p, size_t n) noexcept;

}  // namespace Crypta
