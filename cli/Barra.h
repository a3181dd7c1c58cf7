// The progress bar on standard error, fed by the engine's progress hook
// (texts like " 33%"). Short payloads finish before a bar could be read, and
// a bar in a log file or a pipe is only noise, so it shows only for payloads
// over 1 MiB while standard error is a terminal.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace Cli {

class Barra {
 public:
  using Gancio = std::function<void(const std::string&)>;

  // Installs itself in `gancio` (one of Crypta::Finestra's hooks) when it shows.
  Barra(const char* etichetta, int64_t lunghezza, Gancio& gancio);
  ~Barra();  // gives the hook back and ends the bar's line
  Barra(const Barra&) = delete;
  Barra& operator=(const Barra&) = delete;

  void Completa();  // the reveal never reports 100 itself

  static constexpr int64_t kSoglia = int64_t{1} << 20;

 private:
  void Disegna(int figura);

  const char* etichetta_;
  Gancio* gancio_ = nullptr;  // set only while the bar shows
  Gancio vecchio_;
  int ultima_ = -1;
};

}  // namespace Cli
