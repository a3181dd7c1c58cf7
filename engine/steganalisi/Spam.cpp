// SPAM features (Pevný, Bas and Fridrich): the differences between
// neighbours along each of eight directions, clipped to [-T, T], modelled as
// a Markov chain of the second order; the transition probabilities are
// averaged over the straight and over the diagonal directions. Embedding
// changes add noise that these transitions see, whatever the payload's
// positions.
#include <algorithm>
#include <array>

#include "Steganalisi.h"

namespace Crypta::Steganalisi {

namespace {

constexpr int kT = 3;
constexpr int kLato = 2 * kT + 1;  // the values of a clipped difference
constexpr size_t kMatrice = size_t(kLato) * kLato * kLato;

int Taglia(int d) {
  return std::min(kT, std::max(-kT, d)) + kT;
}

// The transition probabilities P(D3 = w | D2 = v, D1 = u) along (dx, dy),
// added to `somma`.
void Transizioni(const Piano& p, int dx, int dy, double* somma) {
  std::array<double, kMatrice> congiunte{};
  std::array<double, size_t(kLato) * kLato> coppie{};
  const int x0 = std::max(0, -3 * dx), x1 = p.larghezza - std::max(0, 3 * dx);
  const int y0 = std::max(0, -3 * dy), y1 = p.altezza - std::max(0, 3 * dy);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      const int a = p(x, y), b = p(x + dx, y + dy), c = p(x + 2 * dx, y + 2 * dy),
                d = p(x + 3 * dx, y + 3 * dy);
      const size_t u = size_t(Taglia(a - b)), v = size_t(Taglia(b - c)), w = size_t(Taglia(c - d));
      congiunte[(u * kLato + v) * kLato + w] += 1;
      coppie[u * kLato + v] += 1;
    }
  for (size_t uv = 0; uv < coppie.size(); ++uv)
    if (coppie[uv] > 0)
      for (size_t w = 0; w < size_t(kLato); ++w)
        somma[uv * kLato + w] += congiunte[uv * kLato + w] / coppie[uv];
}

}  // namespace

std::vector<double> Spam(const Piano& p) {
  static_assert(2 * kMatrice == kDimensioneSpam, "two matrices of 7^3 transitions");
  std::vector<double> f(kDimensioneSpam, 0.0);
  static constexpr int kDritte[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
  static constexpr int kDiagonali[4][2] = {{1, 1}, {-1, -1}, {1, -1}, {-1, 1}};
  for (const auto& d : kDritte) Transizioni(p, d[0], d[1], f.data());
  for (const auto& d : kDiagonali) Transizioni(p, d[0], d[1], f.data() + kMatrice);
  for (double& x : f) x /= 4;
  return f;
}

}  // namespace Crypta::Steganalisi
