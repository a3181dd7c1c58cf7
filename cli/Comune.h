// Pieces that the three commands share: reading the bit count and the key,
// analysing the carrier with the window's messages, the observer that links
// an operation to the progress bar and to Ctrl-C, and standard output.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Operazioni.h"
#include "Segreto.h"

namespace Cli {

class Barra;
struct OpzioniChiave;
struct OpzioniCifra;

// What a build without libsodium says when --encrypt or decrypt is asked for
// (to be passed through _()).
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

// The largest passphrase file; a larger one is refused, never cut.
constexpr size_t kMassimoPassphrase = size_t{1} << 20;
// The largest key file: far more than any kMaxChiave characters with a line end.
constexpr size_t kMassimoFileChiave = 4096;

// The rules of a passphrase or key file: all of it, as bytes, without one
// final LF or CR LF; a file, pipe or terminal of more than `massimo` bytes is
// a usage error with the message `troppo`, and no byte past massimo + 1 is read.
Crypta::Segreto ContenutoDi(const Crypta::File& f, size_t massimo, const std::string& troppo);

// A key file and a passphrase file that are the same file (such as
// /dev/stdin twice, where the first would take what the second needs) are
// a usage error.
void FileDistinti(const OpzioniChiave& chiave, const OpzioniCifra& cifra);

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
