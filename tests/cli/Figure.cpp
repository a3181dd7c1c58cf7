#include "Figure.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "Supporto.h"

namespace prova {

const char* const kPython = "/usr/bin/python3";

namespace {

uint32_t U(const Byte& b, size_t pos, int n) {
  uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = v << 8 | b.at(pos + size_t(i));
  return v;
}

}  // namespace

Figura Motivo(int larghezza, int altezza) {
  Figura f{larghezza, altezza, {}};
  for (int y = 0; y < altezza; ++y)
    for (int x = 0; x < larghezza; ++x) {
      f.rgb.push_back(uint8_t((x / 3 % 4) * 85));
      f.rgb.push_back(uint8_t((y / 2 % 4) * 85));
      f.rgb.push_back(uint8_t(((x / 5 + y / 4) % 4) * 85));
    }
  return f;
}

void ScriviPpm(const std::string& path, const Figura& f) {
  std::ofstream o(path, std::ios::binary);
  o << "P6\n" << f.larghezza << " " << f.altezza << "\n255\n";
  o.write(reinterpret_cast<const char*>(f.rgb.data()), std::streamsize(f.rgb.size()));
}

Figura SecondoPillow(const std::string& path) {
  const std::string ppm = path + ".pillow.ppm";
  const std::string codice =
      "import sys; from PIL import Image; Image.open(sys.argv[1]).convert('RGB').save(sys.argv[2])";
  Figura f;
  if (!Shell(std::string(kPython) + " -c " + Q(codice) + " " + Q(path) + " " + Q(ppm))) {
    ADD_FAILURE() << "Pillow cannot read " << path;
    return f;
  }
  const Byte b = Leggi(ppm);
  std::filesystem::remove(ppm);
  // Pillow writes "P6\n<w> <h>\n255\n" and the samples.
  const std::string testa(b.begin(),
                          b.begin() + std::min<std::ptrdiff_t>(32, std::ptrdiff_t(b.size())));
  int massimo = 0, letti = 0;
  if (std::sscanf(testa.c_str(), "P6 %d %d %d%n", &f.larghezza, &f.altezza, &massimo, &letti) !=
      3) {
    ADD_FAILURE() << "not a PPM from Pillow: " << path;
    return f;
  }
  f.rgb.assign(b.begin() + letti + 1, b.end());
  EXPECT_EQ(f.rgb.size(), size_t(f.larghezza) * size_t(f.altezza) * 3);
  return f;
}

bool Shell(const std::string& comando) {
  return std::system((comando + " 2>&1").c_str()) == 0;
}

std::string Q(const std::string& path) {
  std::string q = "'";
  for (const char c : path) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

Figura LeggiBitmap24(const std::string& path) {
  const Byte b = Leggi(path);
  Figura f;
  if (b.size() < 54) {
    ADD_FAILURE() << path << ": " << b.size() << " bytes";
    return f;
  }
  f.larghezza = int(U(b, 18, 4));
  f.altezza = int(U(b, 22, 4));
  const size_t riga = (size_t(f.larghezza) * 3 + 3) / 4 * 4;
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(U(b, 2, 4), b.size());
  EXPECT_EQ(U(b, 10, 4), 54u);
  EXPECT_EQ(U(b, 14, 4), 40u);
  EXPECT_GT(f.larghezza, 0);
  EXPECT_GT(f.altezza, 0);  // bottom-up
  EXPECT_EQ(U(b, 26, 2), 1u);
  EXPECT_EQ(U(b, 28, 2), 24u);
  EXPECT_EQ(U(b, 30, 4), 0u);
  EXPECT_EQ(U(b, 34, 4), riga * size_t(f.altezza));
  EXPECT_EQ(b.size(), 54 + riga * size_t(f.altezza));
  if (f.larghezza <= 0 || f.altezza <= 0 || b.size() != 54 + riga * size_t(f.altezza)) return f;
  for (int y = 0; y < f.altezza; ++y) {
    const size_t inizio = 54 + size_t(f.altezza - 1 - y) * riga;
    for (int x = 0; x < f.larghezza; ++x) {
      const size_t p = inizio + size_t(x) * 3;
      f.rgb.insert(f.rgb.end(), {b[p + 2], b[p + 1], b[p]});
    }
    for (size_t p = inizio + size_t(f.larghezza) * 3; p < inizio + riga; ++p)
      EXPECT_EQ(b[p], 0) << "padding, row " << y;
  }
  return f;
}

double Differenza(const Figura& a, const Figura& b) {
  if (a.rgb.size() != b.rgb.size() || a.rgb.empty()) return 1e9;
  double somma = 0;
  for (size_t i = 0; i < a.rgb.size(); ++i) somma += std::abs(int(a.rgb[i]) - int(b.rgb[i]));
  return somma / double(a.rgb.size());
}

}  // namespace prova
