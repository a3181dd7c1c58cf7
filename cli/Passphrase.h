// Where the passphrase of --encrypt comes from: a file, all of it but one
// final line end, or a prompt on the terminal with the echo off. Never the
// command line, where other users and the shell's history would see it.
#pragma once

#include <string>

#include "Segreto.h"

namespace Cli {

struct OpzioniCifra {
  bool cifra = false;  // --encrypt
  std::string file;    // --passphrase-file
  bool conFile = false;
};

// The passphrase's bytes. `conferma`: asked twice at a prompt, as a typing
// mistake there would lock the payload away. `datiDaStandardInput`: standard
// input carries the payload and can be neither the file nor the prompt.
// It is held in locked memory, and every copy made on the way is wiped.
Crypta::Segreto Passphrase(const OpzioniCifra& o, bool conferma, bool datiDaStandardInput);
// Its bytes as a string, for the stealth layout, which takes them so.
std::string Testo(const Crypta::Segreto& s);

}  // namespace Cli
