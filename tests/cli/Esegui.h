// Runs the real tavelin-cli executable as a script would: arguments, standard
// input from a byte string, standard output and error captured, the exit
// status or the signal that ended it. Also on a pseudo-terminal, to see what
// a user at a terminal sees. One implementation per system: Esegui.cpp on
// POSIX, EseguiWindows.cpp on Windows, where the terminal is a console screen
// buffer and the only signal is Ctrl-C.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace prova {

struct Risultato {
  int stato = -1;   // exit status, -1 when a signal ended the program
  int segnale = 0;  // the signal, if one did
  std::string out, err;
  long memoriaKiB = 0;  // the most memory it held at once (resident set)
};

struct Opzioni {
  std::string ingresso;                         // standard input
  std::map<std::string, std::string> ambiente;  // added to the environment
  bool uscitaChiusa = false;                    // standard output is a pipe nobody reads
};

Risultato Cli(const std::vector<std::string>& argomenti, const Opzioni& o = {});

// The same on a pseudo-terminal: everything the terminal shows, and the status.
// Each answer is typed once the terminal shows its prompt, in order.
Risultato CliSuTerminale(const std::vector<std::string>& argomenti,
                         const std::vector<std::pair<std::string, std::string>>& risposte = {});
// On Windows what the console shows at the end: a line rewritten by a carriage
// return shows only as it was last written.

// Whether this test program can give tavelin-cli a terminal and a Ctrl-C:
// always on POSIX; on Windows only with a console, which Wine gives only to a
// program started with a terminal on its standard input.
bool TerminaleDisponibile();

// A run the test steers: standard input is a pipe the test feeds, so that it
// knows where the program is without any timing.
class Processo {
 public:
  // `ignoraHangup`: started as nohup starts it, with SIGHUP ignored; on
  // Windows with Ctrl-C ignored, which its children inherit there.
  explicit Processo(const std::vector<std::string>& argomenti,
                    const std::map<std::string, std::string>& ambiente = {},
                    bool ignoraHangup = false);
  ~Processo();
  Processo(const Processo&) = delete;
  Processo& operator=(const Processo&) = delete;

  // Writes to its standard input and returns once the program has read it
  // all (true) or has ended without (false).
  bool Dai(const std::string& dati);
  void Segnale(int s);  // on Windows SIGINT only, as Ctrl-C on the shared console
  Risultato Fine();     // closes its standard input and waits for the end
  // Waits for the end with its standard input still open: for a program that
  // is to stop by itself.
  Risultato FineDaSolo();
  // Its process id on POSIX (its handle on Windows), to look at it from outside.
  intptr_t Id() const { return pid_; }

 private:
  // A pid and descriptors on POSIX, HANDLEs on Windows; leggi_ is our look
  // at the pipe's unread bytes.
  intptr_t pid_ = -1, scrivi_ = -1, leggi_ = -1;
  int status_ = -1;  // once it has ended
  std::string cartella_;
};

}  // namespace prova
