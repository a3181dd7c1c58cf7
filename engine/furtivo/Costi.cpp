// HILL costs: the KB high-pass residual (separable as [1 -2 1] by rows and by
// columns), a 3x3 mean of its magnitude, the reciprocal, a 15x15 mean. Edges
// are padded by mirroring, so that a border pixel is judged by a neighbourhood
// as large as an inner one.
#include "Costi.h"

#include <algorithm>
#include <cmath>

namespace Crypta::Furtivo {

namespace {

// The mirrored index of i in [0, n): ... 1 0 | 0 1 ... n-1 | n-1 n-2 ...
int64_t Specchio(int64_t i, int64_t n) {
  if (i >= 0 && i < n) return i;
  const int64_t periodo = 2 * n;
  i %= periodo;
  if (i < 0) i += periodo;
  return i < n ? i : periodo - 1 - i;
}

// One row filtered by a kernel of odd size given by its taps.
template <typename Riga>
void FiltraRighe(std::vector<float>& piano, int64_t w, int64_t h, int raggio, Riga riga) {
  std::vector<double> pad(size_t(w + 2 * raggio));
  for (int64_t y = 0; y < h; ++y) {
    float* r = &piano[size_t(y * w)];
    for (int64_t x = -raggio; x < w + raggio; ++x) pad[size_t(x + raggio)] = r[Specchio(x, w)];
    riga(pad.data(), r, w);
  }
}

// The mean over a (2r+1) window along each row, with a running sum.
void MediaRighe(std::vector<float>& piano, int64_t w, int64_t h, int r) {
  FiltraRighe(piano, w, h, r, [r](const double* pad, float* out, int64_t n) {
    double s = 0;
    for (int i = 0; i < 2 * r + 1; ++i) s += pad[i];
    const double k = 1.0 / (2 * r + 1);
    for (int64_t x = 0; x < n; ++x) {
      out[x] = float(s * k);
      if (x + 1 < n) s += pad[x + 2 * r + 1] - pad[x];
    }
  });
}

// The mean over a (2r+1) window along each column of `da` into `a`: whole
// rows enter and leave a running sum, so that the picture is read row by row.
void MediaColonne(const float* da, float* a, int64_t w, int64_t h, int r) {
  std::vector<double> s(size_t(w), 0.0);
  auto riga = [&](int64_t y) { return da + Specchio(y, h) * w; };
  for (int64_t y = -r; y <= r; ++y)
    for (int64_t x = 0; x < w; ++x) s[size_t(x)] += riga(y)[x];
  const double k = 1.0 / (2 * r + 1);
  for (int64_t y = 0; y < h; ++y) {
    for (int64_t x = 0; x < w; ++x) a[y * w + x] = float(s[size_t(x)] * k);
    if (y + 1 == h) break;
    const float* entra = riga(y + r + 1);
    const float* esce = riga(y - r);
    for (int64_t x = 0; x < w; ++x) s[size_t(x)] += double(entra[x]) - esce[x];
  }
}

// [1 -2 1] down the columns of `da` into `a`, as magnitudes.
void SecondaColonne(const float* da, float* a, int64_t w, int64_t h) {
  for (int64_t y = 0; y < h; ++y) {
    const float* su = da + Specchio(y - 1, h) * w;
    const float* qui = da + y * w;
    const float* giu = da + Specchio(y + 1, h) * w;
    for (int64_t x = 0; x < w; ++x) a[y * w + x] = std::fabs(su[x] - 2 * qui[x] + giu[x]);
  }
}

// One plane's costs, left in `b`, through two planes of memory that the
// caller keeps from plane to plane: fresh memory for every step costs more
// in page faults than the filters themselves.
void Piano(const Pixel& p, int canale, std::vector<float>& a, std::vector<float>& b) {
  const int64_t w = p.larghezza, h = p.altezza;
  a.resize(size_t(w * h));
  b.resize(size_t(w * h));
  for (int64_t y = 0; y < h; ++y)
    for (int64_t x = 0; x < w; ++x)
      a[size_t(y * w + x)] = p.byte[y * p.passo + x * p.byte_per_pixel + canale];
  FiltraRighe(a, w, h, 1, [](const double* pad, float* out, int64_t n) {
    for (int64_t x = 0; x < n; ++x) out[x] = float(pad[x] - 2 * pad[x + 1] + pad[x + 2]);
  });
  SecondaColonne(a.data(), b.data(), w, h);
  MediaRighe(b, w, h, 1);
  MediaColonne(b.data(), a.data(), w, h, 1);
  // A flat neighbourhood has no residual at all: its cost is large but
  // finite, so that the 15x15 mean still ranks its surroundings.
  for (float& v : a) v = 1.0f / (std::max(v, 0.0f) + 1e-6f);
  MediaRighe(a, w, h, 7);
  MediaColonne(a.data(), b.data(), w, h, 7);
}

}  // namespace

void CostiPiano(const Pixel& p, int canale, float* costi) {
  std::vector<float> a, b;
  Piano(p, canale, a, b);
  std::copy(b.begin(), b.end(), costi);
}

std::vector<float> CostiHill(const Pixel& p) {
  const int64_t n = p.larghezza * p.altezza;
  std::vector<float> costi(size_t(n * 3));
  std::vector<float> a, b;
  for (int c = 0; c < 3; ++c) {
    Piano(p, c, a, b);
    for (int64_t i = 0; i < n; ++i) costi[size_t(i * 3 + c)] = b[size_t(i)];
  }
  return costi;
}

std::vector<uint8_t> CostiQuantizzati(const Pixel& p) {
  const std::vector<float> costi = CostiHill(p);
  // The quartile of an even sample of at most 2^16 values, which is as good
  // as the exact one for a scale and costs no sort of the whole picture.
  const size_t passo = std::max<size_t>(1, costi.size() >> 16);
  std::vector<float> campione;
  for (size_t i = 0; i < costi.size(); i += passo) campione.push_back(costi[i]);
  std::vector<uint8_t> q(costi.size(), 255);
  if (campione.empty()) return q;
  auto quartile = campione.begin() + ptrdiff_t(campione.size() / 4);
  std::nth_element(campione.begin(), quartile, campione.end());
  const double scala = kQuartile / std::max(double(*quartile), 1e-30);
  for (size_t i = 0; i < costi.size(); ++i)
    q[i] = uint8_t(std::clamp(double(costi[i]) * scala + 0.5, 1.0, 255.0));
  return q;
}

}  // namespace Crypta::Furtivo
