// The stealth layout on the command line, where the build has it: hide
// --stealth, the reveal that tries it with a passphrase, and its capacity
// for info. A build without libsodium has none of it (FurtivoAssente.cpp).
#pragma once

#include <string>

#include "Comandi.h"
#include "Operazioni.h"

namespace Cli {

bool FurtivoDisponibile();
// What a build without it says when --stealth is asked for.
extern const char* const kSenzaFurtivo;

// hide --stealth.
void NascondiFurtivo(const OpzioniNascondi& o);

// What a stealth reveal that finds nothing says, for every reason alike.
extern const char* const kNienteFurtivo;

// Reveals the stealth layout of `bitmap` with the passphrase into `d`, or,
// without `d`, into a new file in the current folder named as the stored
// name, which must be a bare file name. False when there is nothing for
// this passphrase (a clean picture, another passphrase, a changed bit, a
// carrier the layout cannot use).
bool RivelaFurtivo(const std::string& bitmap, const std::string& passphrase,
                   Crypta::Destinazione* d);

// A rate as the messages write it: "0,15".
std::string Rata(double r);

// Whether `path` is a carrier the stealth layout can use.
bool PortatoreFurtivo(const std::string& path);

// The stealth capacity as info shows it, or nothing in a build without it.
std::string CapienzaFurtiva(const Crypta::Analisi& a);

}  // namespace Cli
