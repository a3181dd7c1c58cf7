// The progress bar on standard error, fed with the engine's progress figures.
// Short payloads finish before a bar could be read, and a bar in a log file or
// a pipe is only noise, so it shows only for payloads over 1 MiB while
// standard error is a terminal.
#pragma once

#include <cstdint>

namespace Cli {

class Barra {
 public:
  explicit Barra(const char* etichetta) : etichetta_(etichetta) {}
  ~Barra();  // ends the bar's line
  Barra(const Barra&) = delete;
  Barra& operator=(const Barra&) = delete;

  // The payload's length is known: the bar shows from now on if it is worth it.
  void Inizio(int64_t lunghezza);
  void Figura(int figura);
  void Completa();  // the reveal never reports 100 itself

  static constexpr int64_t kSoglia = int64_t{1} << 20;

 private:
  const char* etichetta_;
  bool mostra_ = false;
  int ultima_ = -1;
};

}  // namespace Cli
