#include "Segnali.h"

#include <csignal>
#include <initializer_list>

namespace Cli {

namespace {

volatile sig_atomic_t ricevuto = 0;

void Gestore(int segnale) {
  if (ricevuto != 0) {
    // Asked twice: the user means it.
    std::signal(segnale, SIG_DFL);
    std::raise(segnale);
    return;
  }
  ricevuto = segnale;
}

}  // namespace

void InstallaSegnali() {
  for (const int s : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction attuale {};
    if (::sigaction(s, nullptr, &attuale) == 0 && attuale.sa_handler == SIG_IGN) continue;
    struct sigaction sa {};
    sa.sa_handler = Gestore;
    sigemptyset(&sa.sa_mask);
    // No SA_RESTART: a read that waits on standard input returns, and the
    // request to stop is seen at once.
    sa.sa_flags = 0;
    ::sigaction(s, &sa, nullptr);
  }
}

int SegnaleRicevuto() { return ricevuto; }

}  // namespace Cli
