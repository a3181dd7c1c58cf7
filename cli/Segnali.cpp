// A request to stop, on POSIX from signals, on Windows from the console's
// control events: Ctrl-C and Ctrl-Break count as SIGINT, a console window
// closed as SIGHUP, so that the exit statuses stay the same everywhere.
#include "Segnali.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdlib>
#else
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <initializer_list>
#endif

namespace Cli {

#ifdef _WIN32

namespace {

constexpr LONG kInterruzione = 2, kChiusura = 1;  // SIGINT's and SIGHUP's numbers

volatile LONG ricevuto = 0;
HANDLE sveglia = nullptr;  // set by the handler: wakes a wait on standard input
HANDLE finito = nullptr;   // set when the program ends

void Finito() {
  SetEvent(finito);
}

// Runs on a thread of its own that the system starts for each event.
BOOL WINAPI Gestore(DWORD evento) {
  LONG segnale = 0;
  switch (evento) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
      segnale = kInterruzione;
      break;
    case CTRL_CLOSE_EVENT:
      segnale = kChiusura;
      break;
    default:
      return FALSE;  // log-off and shut-down concern services only
  }
  // Asked twice: the user means it, and the system's own handler ends the program.
  if (InterlockedCompareExchange(&ricevuto, segnale, 0) != 0) return FALSE;
  SetEvent(sveglia);
  // The system ends the process as soon as a close event's handler returns:
  // this one waits until the operation has been undone and the program ends.
  if (evento == CTRL_CLOSE_EVENT) WaitForSingleObject(finito, INFINITE);
  return TRUE;
}

}  // namespace

void InstallaSegnali() {
  sveglia = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  finito = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::atexit(Finito);
  // A parent that made its children ignore Ctrl-C keeps it so: the system
  // then gives the event to no handler at all.
  SetConsoleCtrlHandler(Gestore, TRUE);
}

int SegnaleRicevuto() {
  return int(ricevuto);
}

bool AttendiIngresso() {
  const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  switch (GetFileType(in)) {
    case FILE_TYPE_PIPE:
      // An anonymous pipe cannot be waited on with an event: look at it
      // between short waits for a request to stop.
      for (;;) {
        DWORD disponibili = 0;
        // A pipe closed by its writer fails here: its end, which the read reports.
        if (!PeekNamedPipe(in, nullptr, 0, nullptr, &disponibili, nullptr) || disponibili > 0)
          break;
        if (WaitForSingleObject(sveglia, 10) == WAIT_OBJECT_0) return false;
      }
      break;
    case FILE_TYPE_CHAR: {
      // A console's handle is signalled while input waits in it.
      const HANDLE attese[2] = {in, sveglia};
      if (WaitForMultipleObjects(2, attese, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) return false;
      break;
    }
    default:
      break;  // a file is always ready
  }
  return ricevuto == 0;
}

#else

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

int SegnaleRicevuto() {
  return ricevuto;
}

bool AttendiIngresso() {
  struct pollfd attesa[2] = {{STDIN_FILENO, POLLIN, 0}, {sveglia[0], POLLIN, 0}};
  const int n = ::poll(attesa, sveglia[0] >= 0 ? 2 : 1, -1);
  if (n < 0) return errno != EINTR;
  return (attesa[1].revents & POLLIN) == 0 && ricevuto == 0;
}

#endif

}  // namespace Cli
