#include "Segnali.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <initializer_list>

namespace Cli {

namespace {

volatile sig_atomic_t ricevuto = 0;
int sveglia[2] = {-1, -1};  // the handler's byte wakes a wait on standard input

void Gestore(int segnale) {
  const int salvato = errno;
  if (sveglia[1] >= 0) {
    const ssize_t n = ::write(sveglia[1], "!", 1);
    static_cast<void>(n);  // a full pipe already wakes the wait
  }
  errno = salvato;
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
  if (::pipe2(sveglia, O_CLOEXEC | O_NONBLOCK) != 0) sveglia[0] = sveglia[1] = -1;
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

bool AttendiIngresso() {
  struct pollfd attesa[2] = {{STDIN_FILENO, POLLIN, 0}, {sveglia[0], POLLIN, 0}};
  const int n = ::poll(attesa, sveglia[0] >= 0 ? 2 : 1, -1);
  if (n < 0) return errno != EINTR;
  return (attesa[1].revents & POLLIN) == 0 && ricevuto == 0;
}

}  // namespace Cli
