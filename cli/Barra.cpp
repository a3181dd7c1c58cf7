// The bar goes back to the start of its line with a carriage return, which a
// terminal and a Windows console both understand.
#include "Barra.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <cstdio>

namespace Cli {

namespace {

constexpr int kLarghezza = 40;  // characters of the bar itself

bool ErroreSuTerminale() {
#ifdef _WIN32
  // A console, not any character device: NUL is one too.
  DWORD modo = 0;
  return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &modo) != 0;
#else
  return ::isatty(STDERR_FILENO) != 0;
#endif
}

}  // namespace

void Barra::Inizio(int64_t lunghezza) {
  mostra_ = lunghezza > kSoglia && ErroreSuTerminale();
}

Barra::~Barra() {
  if (mostra_ && ultima_ >= 0) std::fputc('\n', stderr);
}

void Barra::Completa() {
  Figura(100);
}

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
