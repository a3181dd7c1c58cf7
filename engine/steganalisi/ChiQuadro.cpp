// The chi-square attack of Westfeld and Pfitzmann. LSB replacement with
// random bits evens out the counts of each pair of values (2k, 2k+1); the
// statistic compares the even value's count with the pair's mean, and its
// upper tail probability is near 1 when the pairs are as even as replaced
// bits leave them. Over a growing sample from the start it finds a
// sequential payload and how far it reaches.
#include <cmath>

#include "Steganalisi.h"

namespace Crypta::Steganalisi {

namespace {

// The chi-square test's rule of thumb: a category counts once its expected
// count reaches 5.
constexpr double kAttesoMinimo = 5;
// A sample is taken as replaced from this probability on.
constexpr double kSoglia = 0.95;
// The growing sample's steps: a hundredth of the channel, but never so few
// values that the statistic is mostly noise.
constexpr size_t kPassi = 100;
constexpr size_t kPassoMinimo = 1024;

// The regularised upper incomplete gamma function Q(a, x): by its series
// below a + 1, by its continued fraction (modified Lentz) above.
double GammaSuperiore(double a, double x) {
  if (x <= 0) return 1;
  const double logaritmo = a * std::log(x) - x - std::lgamma(a);
  if (x < a + 1) {
    double termine = 1 / a, somma = termine;
    for (int n = 1; n < 1000 && std::fabs(termine) > std::fabs(somma) * 1e-15; ++n) {
      termine *= x / (a + n);
      somma += termine;
    }
    return 1 - somma * std::exp(logaritmo);
  }
  constexpr double kMinimo = 1e-300;
  double b = x + 1 - a, c = 1 / kMinimo, d = 1 / b, h = d;
  for (int i = 1; i < 1000; ++i) {
    const double an = -i * (i - a);
    b += 2;
    d = an * d + b;
    if (std::fabs(d) < kMinimo) d = kMinimo;
    c = b + an / c;
    if (std::fabs(c) < kMinimo) c = kMinimo;
    d = 1 / d;
    const double delta = d * c;
    h *= delta;
    if (std::fabs(delta - 1) < 1e-15) break;
  }
  return std::exp(logaritmo) * h;
}

double Probabilita(const size_t (&conteggi)[256]) {
  double chi = 0;
  int categorie = 0;
  for (int k = 0; k < 128; ++k) {
    const double atteso = (double(conteggi[2 * k]) + double(conteggi[2 * k + 1])) / 2;
    if (atteso < kAttesoMinimo) continue;
    const double scarto = double(conteggi[2 * k]) - atteso;
    chi += scarto * scarto / atteso;
    ++categorie;
  }
  if (categorie < 2) return 0;  // nothing to compare: no evidence either way
  return GammaSuperiore((categorie - 1) / 2.0, chi / 2);
}

}  // namespace

double ProbabilitaChiQuadro(const uint8_t* v, size_t n) {
  size_t conteggi[256] = {};
  for (size_t i = 0; i < n; ++i) ++conteggi[v[i]];
  return Probabilita(conteggi);
}

double PrefissoSequenziale(const Piano& p) {
  const size_t n = p.v.size();
  if (n == 0) return 0;
  const size_t passo = std::min(n, std::max(kPassoMinimo, n / kPassi));
  size_t conteggi[256] = {};
  size_t letti = 0;
  while (letti < n) {
    const size_t fine = std::min(n, letti + passo);
    for (size_t i = letti; i < fine; ++i) ++conteggi[p.v[i]];
    if (Probabilita(conteggi) < kSoglia) break;
    letti = fine;
  }
  return double(letti) / double(n);
}

}  // namespace Crypta::Steganalisi
