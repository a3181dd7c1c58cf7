#include "Barra.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace Cli {

namespace {
constexpr int kLarghezza = 40;  // characters of the bar itself
}

Barra::Barra(const char* etichetta, int64_t lunghezza, Gancio& gancio) : etichetta_(etichetta) {
  if (lunghezza <= kSoglia || !::isatty(STDERR_FILENO)) return;
  gancio_ = &gancio;
  vecchio_ = std::move(gancio);
  gancio = [this](const std::string& testo) { Disegna(std::atoi(testo.c_str())); };
}

Barra::~Barra() {
  if (!gancio_) return;
  *gancio_ = std::move(vecchio_);
  if (ultima_ >= 0) std::fputc('\n', stderr);
}

void Barra::Completa() {
  if (gancio_) Disegna(100);
}

void Barra::Disegna(int figura) {
  if (figura < 0) figura = 0;
  if (figura > 100) figura = 100;
  if (figura == ultima_) return;
  ultima_ = figura;
  char barra[kLarghezza + 1];
  const int pieni = figura * kLarghezza / 100;
  for (int i = 0; i < kLarghezza; ++i) barra[i] = i < pieni ? '#' : '.';
  barra[kLarghezza] = '\0';
  std::fprintf(stderr, "\r%s [%s] %3d%%", etichetta_, barra, figura);
  std::fflush(stderr);
}

}  // namespace Cli
