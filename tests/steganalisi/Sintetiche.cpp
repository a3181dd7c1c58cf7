#include "Sintetiche.h"

#include <cmath>
#include <random>
#include <vector>

namespace prova {

using Crypta::Steganalisi::Canali;
using Crypta::Steganalisi::Piano;

namespace {

double Uniforme(std::mt19937_64& g) {
  return double(g() >> 11) * 0x1.0p-53;
}

// Value noise in octaves, each half as strong as the one before: a
// landscape of smooth slopes with detail at every scale.
std::vector<double> Frattale(int w, int h, std::mt19937_64& g) {
  std::vector<double> f(size_t(w) * size_t(h), 0.0);
  double ampiezza = 1;
  for (int cella = 128; cella >= 2; cella /= 2, ampiezza *= 0.55) {
    const int gw = w / cella + 2, gh = h / cella + 2;
    std::vector<double> griglia(size_t(gw) * size_t(gh));
    for (double& v : griglia) v = Uniforme(g) * 2 - 1;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const double fx = double(x) / cella, fy = double(y) / cella;
        const int ix = int(fx), iy = int(fy);
        // Smoothstep between the grid's corners.
        double tx = fx - ix, ty = fy - iy;
        tx = tx * tx * (3 - 2 * tx);
        ty = ty * ty * (3 - 2 * ty);
        const auto n = [&](int a, int b) { return griglia[size_t(b) * size_t(gw) + size_t(a)]; };
        const double alto = n(ix, iy) * (1 - tx) + n(ix + 1, iy) * tx;
        const double basso = n(ix, iy + 1) * (1 - tx) + n(ix + 1, iy + 1) * tx;
        f[size_t(y) * size_t(w) + size_t(x)] += ampiezza * (alto * (1 - ty) + basso * ty);
      }
  }
  return f;
}

}  // namespace

Canali Scena(int w, int h, uint32_t seme) {
  std::mt19937_64 g(seme);
  const std::vector<double> luce = Frattale(w, h, g);
  Canali c;
  c.nomi = {"blu", "verde", "rosso"};
  std::normal_distribution<double> rumore(0, 1.2);
  for (int k = 0; k < 3; ++k) {
    // The channels share the scene's light and differ in their tint.
    const std::vector<double> tinta = Frattale(w, h, g);
    Piano p{w, h, std::vector<uint8_t>(size_t(w) * size_t(h))};
    for (size_t i = 0; i < p.v.size(); ++i) {
      const double v = 125 + 70 * luce[i] + 25 * tinta[i] + rumore(g);
      p.v[i] = uint8_t(std::lround(std::min(255.0, std::max(0.0, v))));
    }
    c.piani.push_back(std::move(p));
  }
  return c;
}

void SostituisciACaso(Canali& c, double quota, uint32_t seme) {
  std::mt19937_64 g(seme);
  for (Piano& p : c.piani)
    for (uint8_t& v : p.v)
      if (Uniforme(g) < quota) v = uint8_t((v & 0xFE) | (g() & 1));
}

void PiuMenoUno(Canali& c, double quota, uint32_t seme) {
  std::mt19937_64 g(seme);
  for (Piano& p : c.piani)
    for (uint8_t& v : p.v)
      if (Uniforme(g) < quota) {
        const bool su = v == 0 || (v != 255 && (g() & 1));
        v = uint8_t(su ? v + 1 : v - 1);
      }
}

std::string Carrier(const Canali& c, int bit, bool altoInBasso) {
  const int w = c.piani[0].larghezza, h = c.piani[0].altezza;
  const size_t passo = size_t(bit) / 8, riga = (size_t(w) * passo + 3) / 4 * 4;
  const size_t dimensione = 54 + riga * size_t(h);
  std::string b(dimensione, '\0');
  const auto u32 = [&](size_t pos, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[pos + size_t(i)] = char(v >> (8 * i) & 0xFF);
  };
  b[0] = 'B';
  b[1] = 'M';
  u32(2, uint32_t(dimensione));
  u32(10, 54);
  u32(14, 40);
  u32(18, uint32_t(w));
  u32(22, altoInBasso ? uint32_t(-h) : uint32_t(h));
  b[26] = 1;
  b[28] = char(bit);
  u32(34, uint32_t(riga * size_t(h)));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      for (size_t k = 0; k < passo; ++k)
        b[54 + size_t(y) * riga + size_t(x) * passo + k] = char(k < 3 ? c.piani[k](x, y) : 255);
  return b;
}

}  // namespace prova
