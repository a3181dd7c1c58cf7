// The two structural estimates that count groups of neighbouring values:
// RS analysis (Fridrich, Goljan and Du) and sample pair analysis
// (Dumitrescu, Wu and Wang). Each solves a quadratic in the share of values
// that carry a bit of LSB replacement, from counts that are in balance in a
// clean picture and that the replacement moves in a known way.
#include <cmath>
#include <cstdlib>

#include "Steganalisi.h"

namespace Crypta::Steganalisi {

namespace {

double Limita(double p) {
  return std::isfinite(p) ? std::min(1.0, std::max(0.0, p)) : 0.0;
}

// The root of a x^2 + b x + c = 0 nearest zero; a double root, or the
// vertex when the counts' noise leaves no real root.
double RadiceMinima(double a, double b, double c) {
  if (std::fabs(a) < 1e-12) return std::fabs(b) < 1e-12 ? 0.0 : -c / b;
  const double d = b * b - 4 * a * c;
  if (d < 0) return -b / (2 * a);
  const double r1 = (-b + std::sqrt(d)) / (2 * a), r2 = (-b - std::sqrt(d)) / (2 * a);
  return std::fabs(r1) < std::fabs(r2) ? r1 : r2;
}

// F1 swaps 2k and 2k+1 (what replacement does), F-1 swaps 2k-1 and 2k.
int Gira(int x, int m) {
  if (m == 0) return x;
  if (m > 0) return x ^ 1;
  return (x & 1) ? x + 1 : x - 1;
}

// The noise of a group: the sum of its neighbours' absolute differences.
int Rumore(const int (&g)[4]) {
  return std::abs(g[1] - g[0]) + std::abs(g[2] - g[1]) + std::abs(g[3] - g[2]);
}

// R - S for the mask M = (0 1 1 0) and for -M, over the groups of four
// values side by side in each row; `inverti` flips every LSB first.
struct Differenze {
  double m = 0, menoM = 0;
};
Differenze ContaRS(const Piano& p, bool inverti) {
  static constexpr int kMaschera[4] = {0, 1, 1, 0};
  long regolari[2] = {}, singolari[2] = {}, gruppi = 0;
  for (int y = 0; y < p.altezza; ++y)
    for (int x = 0; x + 4 <= p.larghezza; x += 4) {
      int g[4];
      for (int i = 0; i < 4; ++i) g[i] = inverti ? p(x + i, y) ^ 1 : p(x + i, y);
      const int f = Rumore(g);
      for (int segno = 0; segno < 2; ++segno) {
        int h[4];
        for (int i = 0; i < 4; ++i) h[i] = Gira(g[i], segno == 0 ? kMaschera[i] : -kMaschera[i]);
        const int fh = Rumore(h);
        regolari[segno] += fh > f;
        singolari[segno] += fh < f;
      }
      ++gruppi;
    }
  if (gruppi == 0) return {};
  return {double(regolari[0] - singolari[0]) / double(gruppi),
          double(regolari[1] - singolari[1]) / double(gruppi)};
}

}  // namespace

double StimaRS(const Piano& p) {
  // The picture as it is stands at p/2 flipped LSBs, with every LSB flipped
  // at 1 - p/2; in between R - S is a parabola for M and a line for -M,
  // which meet at the clean picture.
  const Differenze d0 = ContaRS(p, false), d1 = ContaRS(p, true);
  const double z =
      RadiceMinima(2 * (d1.m + d0.m), d0.menoM - d1.menoM - d1.m - 3 * d0.m, d0.m - d0.menoM);
  return Limita(z / (z - 0.5));
}

double StimaSPA(const Piano& p) {
  // Over pairs of neighbours (u, v) side by side and one above the other:
  // X holds those with v even and u < v or v odd and u > v, Y the reverse,
  // which a clean picture has in equal numbers; C0 those with equal values
  // but for the LSB.
  double x = 0, y = 0, c0 = 0, coppie = 0;
  const auto coppia = [&](int u, int v) {
    const bool pari = (v & 1) == 0;
    x += (pari && u < v) || (!pari && u > v);
    y += (pari && u > v) || (!pari && u < v);
    c0 += (u >> 1) == (v >> 1);
    ++coppie;
  };
  for (int r = 0; r < p.altezza; ++r)
    for (int c = 0; c < p.larghezza; ++c) {
      if (c + 1 < p.larghezza) coppia(p(c, r), p(c + 1, r));
      if (r + 1 < p.altezza) coppia(p(c, r), p(c, r + 1));
    }
  // With a share p of values replaced: (|C0| / 2) p^2 + (2|X| - |P|) p
  // + |Y| - |X| = 0.
  return Limita(RadiceMinima(c0 / 2, 2 * x - coppie, y - x));
}

}  // namespace Crypta::Steganalisi
