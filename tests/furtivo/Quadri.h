// Pictures for the stealth tests, built in memory: a textured left half and
// a smooth right half, 3 or 4 bytes a pixel with rows padded to 4 bytes, and
// cheap fixed keys in place of Argon2id.
#pragma once

#include <random>
#include <vector>

#include "Furtivo.h"

namespace prova {

struct Quadro {
  Quadro(int64_t w, int64_t h, int bpp, uint32_t seme = 1) : w(w), h(h), bpp(bpp) {
    passo = (w * bpp + 3) / 4 * 4;
    byte.assign(size_t(passo * h), 0xA5);  // padding and alpha: a mark the hide must keep
    std::mt19937 g(seme);
    for (int64_t y = 0; y < h; ++y)
      for (int64_t x = 0; x < w; ++x)
        for (int c = 0; c < 3; ++c)
          byte[size_t(y * passo + x * bpp + c)] =
              x < w / 2 ? uint8_t(g()) : uint8_t(40 + (x + y + 9 * c) / 4);
  }
  Crypta::Furtivo::Pixel Vista() const { return {byte.data(), w, h, passo, bpp}; }
  int64_t w, h, passo;
  int bpp;
  std::vector<uint8_t> byte;
};

inline Crypta::Furtivo::Chiavi ChiaviProva(uint8_t seme = 1) {
  Crypta::Furtivo::Chiavi k;
  k.cammino.fill(seme);
  k.cifratura.fill(uint8_t(seme + 1));
  k.sale.fill(uint8_t(seme + 2));
  return k;
}

// The cipher key the test keys give for their own salt, and another for any
// other salt, as Argon2id would.
inline Crypta::Furtivo::Derivazione DerivazioneProva(const Crypta::Furtivo::Chiavi& k) {
  return [k](const Crypta::Furtivo::Sale& s) {
    Crypta::Furtivo::Chiave c = k.cifratura;
    if (s != k.sale) c[0] ^= 0xFF;
    return c;
  };
}

}  // namespace prova
