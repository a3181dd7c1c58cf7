// The stealth layout over files, for every front end, with the promises of
// the other operations (Operazioni.h): a refused hide writes nothing; the
// carrier is locked for the span, exclusively for a hide in place; a copy is
// named only when complete and never over a file; a reveal into a file gives
// it back as it was on every failure. Both derive their keys from the
// passphrase by Argon2id (Chiavi.h): about a second each on a desktop, and
// 256 MiB while they run, before the carrier's pixels are read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "Furtivo.h"
#include "Operazioni.h"

namespace Crypta {

// What keeps a carrier from the stealth layout, as a clause ("la bitmap ha
// 8 bit per pixel"), or nothing.
std::string OstacoloFurtivo(const Analisi& a);

// The file bytes a hide can take with a name of `nome` bytes at `rata`; 0
// when OstacoloFurtivo names a reason.
int64_t CapienzaFurtiva(const Analisi& a, size_t nome = 0, double rata = Furtivo::kRataSicura);

struct RichiestaFurtiva {
  std::string carrier;
  std::string passphrase;  // its bytes as typed
  Carico carico;           // its own bytes, a path or an open file (not a produced one)
  std::string nome;        // the name to store; empty for a path: the path's last element
  std::string copia;       // not empty: the carrier stays as it is, the result is this new file
  double rata = Furtivo::kRataSicura;  // above it only when the user asks, with a warning
};

// Hides the payload. Throws Errore: Rifiutata for a carrier the layout cannot
// use (with OstacoloFurtivo's reason), TroppoGrande beyond the capacity at
// the request's rate, Argomento for a rate or a name out of range, InUso,
// File, Annullata.
void NascondiFurtivo(const RichiestaFurtiva& r, const Osservatore& o = {});

struct RivelazioneFurtiva {
  bool trovato = false;   // false: nothing for this passphrase, or no stealth carrier at all
  int64_t lunghezza = 0;  // the file's bytes
  std::string nome;       // the stored name, as it was stored: check it before using it
};

// Reveals into `d`. A clean picture, a wrong passphrase, a changed bit and a
// file that cannot hold the layout all give trovato = false, with nothing
// written to `d`. Errors: a file that cannot be read, InUso, a failing sink,
// Annullata.
RivelazioneFurtiva RivelaFurtivo(const std::string& carrier, std::string_view passphrase,
                                 Destinazione& d, const Osservatore& o = {});

}  // namespace Crypta
