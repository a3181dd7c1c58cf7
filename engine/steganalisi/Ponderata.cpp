// Weighted stego image (Fridrich and Goljan), with the improvements of Ker
// and Böhme: the clean picture is predicted from its neighbours, and the
// share of replaced values is twice the weighted mean of (s - s̄)(s - ĉ),
// where s̄ is s with its LSB flipped and ĉ the prediction. Flat areas, where
// the prediction is good, weigh most.
#include <cmath>

#include "Steganalisi.h"

namespace Crypta::Steganalisi {

double StimaWS(const Piano& p) {
  const int w = p.larghezza, h = p.altezza;
  double pesi = 0, somma = 0, distorsione = 0;
  // s - s̄: +1 for an odd value, -1 for an even one.
  const auto parita = [&](int x, int y) { return (p(x, y) & 1) ? 1.0 : -1.0; };
  for (int y = 1; y + 1 < h; ++y)
    for (int x = 1; x + 1 < w; ++x) {
      const int s = p(x, y);
      // Saturated values: a picture clipped at 0 or 255 breaks the model,
      // so the pairs (0, 1) and (254, 255) stay out, either way they flip.
      if (s <= 1 || s >= 254) continue;
      const double n = p(x, y - 1), sud = p(x, y + 1), e = p(x + 1, y), o = p(x - 1, y);
      const double diagonali =
          double(p(x - 1, y - 1)) + p(x + 1, y - 1) + p(x - 1, y + 1) + p(x + 1, y + 1);
      // Ker and Böhme's predictor, the kernel (-1 2 -1; 2 0 2; -1 2 -1) / 4.
      const double previsto = (2 * (n + sud + e + o) - diagonali) / 4;
      const double media = (n + sud + e + o) / 4;
      const double varianza = ((n - media) * (n - media) + (sud - media) * (sud - media) +
                               (e - media) * (e - media) + (o - media) * (o - media)) /
                              4;
      const double peso = 1 / (5 + varianza);
      const double pi = parita(x, y);
      pesi += peso;
      somma += peso * pi * (s - previsto);
      // The prediction is made of values that were replaced too: a flipped
      // neighbour j moves it by k_j (s_j - s̄_j), each with probability p/2,
      // which pulls the estimate to p (1 - B). B is measured here.
      const double vicini =
          0.5 * (parita(x, y - 1) + parita(x, y + 1) + parita(x + 1, y) + parita(x - 1, y)) -
          0.25 * (parita(x - 1, y - 1) + parita(x + 1, y - 1) + parita(x - 1, y + 1) +
                  parita(x + 1, y + 1));
      distorsione += peso * pi * vicini;
    }
  if (pesi <= 0) return 0;
  const double stima = 2 * somma / pesi;
  const double b = distorsione / pesi;
  const double corretta = std::fabs(b) < 0.5 ? stima / (1 - b) : stima;
  return std::isfinite(corretta) ? std::min(1.0, std::max(0.0, corretta)) : 0.0;
}

}  // namespace Crypta::Steganalisi
