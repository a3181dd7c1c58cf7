#include "Barra.h"

#include <unistd.h>

#include <cstdio>

namespace Cli {

namespace {
constexpr int kLarghezza = 40;  // characters of the bar itself
}

void Barra::Inizio(int64_t lunghezza) {
  mostra_ = lunghezza > kSoglia && ::isatty(STDERR_FILENO);
}

Barra::~Barra() {
  if (mostra_ && ultima_ >= 0) std::fputc('\n', stderr);
}

void Barra::Completa() { Figura(100); }

void Barra::Figura(int figura) {
  if (!mostra_) return;
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
