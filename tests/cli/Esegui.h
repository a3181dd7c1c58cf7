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
};

struct Opzioni {
  std::string ingresso;                         // standard input
  std::map<std::string, std::string> ambiente;  // added to the environment
  bool uscitaChiusa = false;                    // standard output is a pipe nobody reads
};

Risultato Cli(const std::vector<std::string>& argomenti, const Opzioni& o = {});

// The same on a pseudo-terminal: everything the terminal shows, and the status.
Risultato CliSuTerminale(const std::vector<std::string>& argomenti);

}  // namespace prova
