// Runs the real tavelin-cli executable as a script would: arguments, standard
// input from a byte string, standard output and error captured, the exit
// status or the signal that ended it. Also on a pseudo-terminal, to see what
// a user at a terminal sees.
#pragma once

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

// A run the test steers: standard input is a pipe the test feeds, so that it
// knows where the program is without any timing.
class Processo {
 public:
  // `ignoraHangup`: started as nohup starts it, with SIGHUP ignored.
  explicit Processo(const std::vector<std::string>& argomenti,
                    const std::map<std::string, std::string>& ambiente = {},
                    bool ignoraHangup = false);
  ~Processo();
  Processo(const Processo&) = delete;
  Processo& operator=(const Processo&) = delete;

  // Writes to its standard input and returns once the program has read it
  // all (true) or has ended without (false).
  bool Dai(const std::string& dati);
  void Segnale(int s);
  Risultato Fine();  // closes its standard input and waits for the end

 private:
  int pid_ = -1, scrivi_ = -1, leggi_ = -1;  // leggi_: our look at the pipe's unread bytes
  int status_ = -1;                          // once it has ended
  std::string cartella_;
};

}  // namespace prova
