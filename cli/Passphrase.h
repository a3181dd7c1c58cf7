// Where the passphrase of --encrypt comes from: the first line of a file, or
// a prompt on the terminal with the echo off. Never the command line, where
// other users and the shell's history would see it.
#pragma once

#include <string>

namespace Cli {

struct OpzioniCifra {
  bool cifra = false;  // --encrypt
  std::string file;    // --passphrase-file
  bool conFile = false;
};

// The passphrase's bytes. `conferma`: asked twice at a prompt, as a typing
// mistake there would lock the payload away. `datiDaStandardInput`: standard
// input carries the payload and can be neither the file nor the prompt.
std::string Passphrase(const OpzioniCifra& o, bool conferma, bool datiDaStandardInput);

}  // namespace Cli
