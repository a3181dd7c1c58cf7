// The memory the picture library may take while it decodes one picture: it
// allocates through here, and a request past the decode's budget fails as if
// the system had run out, so that no file, however it is made, makes the
// decoder hold more than its picture's size justifies. Every block comes
// zeroed, so that what a decoder leaves unwritten is never what memory held.
#pragma once

#include <cstddef>
#include <cstdint>

namespace Crypta {

// The budget of the decode running on this thread, from construction to
// destruction; without one, allocations are bounded by the system alone.
class Bilancio {
 public:
  explicit Bilancio(uint64_t limite);
  ~Bilancio();
  Bilancio(const Bilancio&) = delete;
  Bilancio& operator=(const Bilancio&) = delete;

  bool Superato() const { return superato_; }  // some request was refused for the budget
  bool Esaurito() const { return esaurito_; }  // the system itself refused one

 private:
  friend void* MemoriaAlloca(size_t n);
  friend void* MemoriaRialloca(void* p, size_t n);
  friend void MemoriaLibera(void* p);
  bool Concedi(uint64_t in_uso_durante);

  uint64_t limite_, usati_ = 0;
  bool superato_ = false, esaurito_ = false;
  Bilancio* prima_;
};

// The library's allocator (malloc, realloc and free in its terms).
void* MemoriaAlloca(size_t n);
void* MemoriaRialloca(void* p, size_t n);
void MemoriaLibera(void* p);

}  // namespace Crypta
