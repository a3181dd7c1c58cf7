// Pieces that the three commands share: reading the bit count and the key,
// analysing the carrier with the window's messages, the observer that links
// an operation to the progress bar and to Ctrl-C, and standard output.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Operazioni.h"

namespace Cli {

class Barra;
struct OpzioniChiave;

// What a build without libsodium says when --encrypt or decrypt is asked for.
extern const char* const kSenzaCifratura;

constexpr size_t kMaxChiave = 30;                     // the window's key box holds no more
constexpr int64_t kMassimoNascondibile = 2147483647;  // the length field's largest value

// "1", "2", "4" or "8"; anything else is a usage error.
int16_t LeggiBit(const std::string& testo);

// The key as the engine's character codes: at most kMaxChiave characters of
// Windows-1252, else a usage error. A key file that is standard input, while
// standard input carries the payload, is a usage error too.
std::string Chiave(const std::string& utf8);
std::string ChiaveDa(const OpzioniChiave& o, bool datiDaStandardInput);
// The first line of a small file, a pipe or a terminal, without its line end.
std::string PrimaRigaDi(const Crypta::File& f);

// The carrier's header at Nbit bits: a file that cannot be read is a file
// error, one that is no carrier is refused with the window's message, and
// with `spiega` a second line that says why and how to convert it.
Crypta::Analisi Carica(const std::string& path, int16_t Nbit, bool spiega = false);

// Progress to `barra`, and a stop when a signal came.
Crypta::Osservatore Osserva(Barra& barra);

// A header field as the info panel writes it: whole decimal digits.
std::string Numero(double valore);

// The number of characters of a UTF-8 text (bytes that do not continue one).
size_t Caratteri(std::string_view utf8);

// "U+2713" for a character the conversion refused.
std::string NomeCarattere(char32_t c);

// Writes to standard output through stdio; a failed write is a file error.
void ScriviUscita(std::string_view dati);
void ChiudiUscita();

// Standard input and output as the engine's files.
const Crypta::File& StandardInput();
const Crypta::File& StandardOutput();

}  // namespace Cli
