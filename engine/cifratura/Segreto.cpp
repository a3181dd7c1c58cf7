// The secret buffer. With libsodium its memory is locked (sodium_mlock) and
// wiped on unlocking; a lock the system refuses, as RLIMIT_MEMLOCK may, only
// leaves the secret swappable and is no error. Without it, it is wiped alone.
#include "Segreto.h"

#include <algorithm>
#include <cstring>

#if CRYPTA_CON_SODIUM
#include <sodium.h>
#endif

namespace Crypta {

void Cancella(void* p, size_t n) noexcept {
  if (n == 0) return;
#if CRYPTA_CON_SODIUM
  sodium_memzero(p, n);
#else
  volatile uint8_t* v = static_cast<volatile uint8_t*>(p);
  for (size_t i = 0; i < n; ++i) v[i] = 0;
#endif
}

Segreto::Segreto(size_t capienza)
    : byte_(std::make_unique<uint8_t[]>(std::max<size_t>(capienza, 1))), capienza_(capienza) {
#if CRYPTA_CON_SODIUM
  (void)sodium_mlock(byte_.get(), std::max<size_t>(capienza_, 1));
#endif
}

Segreto::Segreto(const void* dati, size_t n) : Segreto(n) {
  Aggiungi(dati, n);
}

Segreto::Segreto(Segreto&& altro) noexcept
    : byte_(std::move(altro.byte_)), capienza_(altro.capienza_), lunghezza_(altro.lunghezza_) {
  altro.capienza_ = altro.lunghezza_ = 0;
}

Segreto& Segreto::operator=(Segreto&& altro) noexcept {
  if (this != &altro) {
    Libera();
    byte_ = std::move(altro.byte_);
    capienza_ = altro.capienza_;
    lunghezza_ = altro.lunghezza_;
    altro.capienza_ = altro.lunghezza_ = 0;
  }
  return *this;
}

Segreto::~Segreto() {
  Libera();
}

void Segreto::Libera() noexcept {
  if (!byte_) return;
  const size_t n = std::max<size_t>(capienza_, 1);
#if CRYPTA_CON_SODIUM
  sodium_munlock(byte_.get(), n);  // wipes, then unlocks
#endif
  Cancella(byte_.get(), n);
  byte_.reset();
  capienza_ = lunghezza_ = 0;
}

bool Segreto::Aggiungi(const void* dati, size_t n) {
  if (n > capienza_ - lunghezza_) return false;
  if (n > 0) std::memcpy(byte_.get() + lunghezza_, dati, n);
  lunghezza_ += n;
  return true;
}

void Segreto::Ridimensiona(size_t n) {
  n = std::min(n, capienza_);
  if (n < lunghezza_)
    Cancella(byte_.get() + n, lunghezza_ - n);
  else if (n > lunghezza_)
    std::memset(byte_.get() + lunghezza_, 0, n - lunghezza_);
  lunghezza_ = n;
}

bool Segreto::Uguale(const Segreto& altro) const {
  if (lunghezza_ != altro.lunghezza_) return false;
  uint8_t diverso = 0;
  for (size_t i = 0; i < lunghezza_; ++i) diverso |= uint8_t(byte_[i] ^ altro.byte_[i]);
  return diverso == 0;
}

}  // namespace Crypta
