#include "Avanzamento.h"

#include <cmath>

#include "Crypta.h"

namespace Crypta {

Ganci Finestra;  // installed by the window; empty hooks do nothing

Avanzamento::Avanzamento(int64_t L, int64_t primo, std::function<void(int)> hook)
    : L_(L), prossimo_(primo), hook_(std::move(hook)) {}

int Avanzamento::Figura(int64_t i, int64_t L) {
  return static_cast<int>(std::floor((double(i) / double(L)) * 100));
}

std::string Avanzamento::Testo(int figura) { return " " + std::to_string(figura) + "%"; }

void Avanzamento::Fino(int64_t fino) {
  if (!hook_ || L_ <= 0) return;
  while (prossimo_ <= fino) {
    const int f = Figura(prossimo_, L_);
    if (f != ultima_) {
      ultima_ = f;
      hook_(f);
    }
    // The figure never falls as i grows: find the first index past this
    // figure by bisection instead of stepping through every byte.
    int64_t basso = prossimo_, alto = L_ + 1;
    while (alto - basso > 1) {
      const int64_t medio = basso + (alto - basso) / 2;
      (Figura(medio, L_) > f ? alto : basso) = medio;
    }
    prossimo_ = alto;
  }
}

}  // namespace Crypta
