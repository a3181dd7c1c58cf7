#include "Memoria.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace Crypta {

namespace {

// The library's allocator macros take no context: the budget of the decode
// under way is found per thread, so that two decodes never share one.
thread_local Bilancio* corrente = nullptr;

// Each block starts with its size, so that a free or a realloc knows it.
constexpr size_t kTesta = alignof(std::max_align_t) > sizeof(size_t) ? alignof(std::max_align_t)
                                                                     : sizeof(size_t);

size_t Misura(void* p) {
  size_t n;
  std::memcpy(&n, static_cast<unsigned char*>(p) - kTesta, sizeof n);
  return n;
}

void* Contrassegna(void* blocco, size_t n) {
  std::memcpy(blocco, &n, sizeof n);
  return static_cast<unsigned char*>(blocco) + kTesta;
}

}  // namespace

Bilancio::Bilancio(uint64_t limite) : limite_(limite), prima_(corrente) {
  corrente = this;
}

Bilancio::~Bilancio() {
  corrente = prima_;
}

bool Bilancio::Concedi(uint64_t in_uso_durante) {
  if (in_uso_durante > limite_) {
    superato_ = true;
    return false;
  }
  return true;
}

void* MemoriaAlloca(size_t n) {
  Bilancio* b = corrente;
  if (n > SIZE_MAX - kTesta || (b && !b->Concedi(b->usati_ + n))) return nullptr;
  void* blocco = std::calloc(1, n + kTesta);
  if (!blocco) {
    if (b) b->esaurito_ = true;
    return nullptr;
  }
  if (b) b->usati_ += n;
  return Contrassegna(blocco, n);
}

void* MemoriaRialloca(void* p, size_t n) {
  if (!p) return MemoriaAlloca(n);
  Bilancio* b = corrente;
  const size_t vecchi = Misura(p);
  // While the block moves, the old one and the new one are both held.
  if (n > SIZE_MAX - kTesta || (b && !b->Concedi(b->usati_ + n))) return nullptr;
  void* blocco = std::realloc(static_cast<unsigned char*>(p) - kTesta, n + kTesta);
  if (!blocco) {
    if (b) b->esaurito_ = true;
    return nullptr;
  }
  if (n > vecchi) std::memset(static_cast<unsigned char*>(blocco) + kTesta + vecchi, 0, n - vecchi);
  if (b) b->usati_ = b->usati_ - vecchi + n;
  return Contrassegna(blocco, n);
}

void MemoriaLibera(void* p) {
  if (!p) return;
  Bilancio* b = corrente;
  if (b) b->usati_ -= std::min<uint64_t>(b->usati_, Misura(p));
  std::free(static_cast<unsigned char*>(p) - kTesta);
}

}  // namespace Crypta
