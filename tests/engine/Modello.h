// A plain model of the hidden-payload layout, written the slow way: every
// byte through the bit strings of DecToBin and BinToDec, one carrier byte at a
// time, exactly as the format defines it. The fast engine must agree with it.
#pragma once

#include <cstdint>
#include <string>

#include "Supporto.h"

namespace prova {

// Hides `dati` in `carrier` (a whole file's bytes) from `offset` on.
void NascondiModello(Byte& carrier, size_t offset, const Byte& dati, const std::string& chiave,
                     int nbit);
// Reads the length field and `n` payload bytes back (ignoring the capacity).
Byte RivelaModello(const Byte& carrier, size_t offset, size_t n, const std::string& chiave,
                   int nbit, int32_t* lunghezza);

}  // namespace prova
