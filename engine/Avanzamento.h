// The progress figure, floor((i / L) * 100) in double precision, handed to an
// observer once per distinct value and in order, without evaluating it per byte.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace Crypta {

class Avanzamento {
 public:
  // Figures for the indices primo..L (hide: 1..L, reveal: 0..L-1).
  Avanzamento(int64_t L, int64_t primo, std::function<void(int)> hook);
  // Shows every new figure of the indices up to `fino`.
  void Fino(int64_t fino);

  static int Figura(int64_t i, int64_t L);
  static std::string Testo(int figura);  // " 33%"

 private:
  int64_t L_, prossimo_;  // the next index whose figure has not been shown
  int ultima_ = -1;
  std::function<void(int)> hook_;
};

}  // namespace Crypta
