// Pieces that the three commands share: reading the bit count and the key,
// checking files before the engine sees them, the header check, and writing
// to standard output.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace Cli {

constexpr size_t kMaxChiave = 30;  // the window's key box holds no more

// "1", "2", "4" or "8"; anything else is a usage error.
int16_t LeggiBit(const std::string& testo);

// The key as the engine's character codes: at most kMaxChiave characters of
// Windows-1252, else a usage error.
std::string Chiave(const std::string& utf8);

// A regular file that can be opened (for writing too when `scrittura`);
// otherwise a file error that names it.
void ControllaFile(const std::string& path, bool scrittura);
std::string MessaggioFile(const std::string& nome, const char* azione, int err);

// Reads the carrier's header at Nbit bits; a file that is no carrier is refused
// with the window's message.
void CaricaHeader(const std::string& path, int16_t Nbit);

// A header field as the info panel writes it: whole decimal digits.
std::string Numero(double valore);

// The number of characters of a UTF-8 text (bytes that do not continue one).
size_t Caratteri(std::string_view utf8);

// "U+2713" for a character the conversion refused.
std::string NomeCarattere(char32_t c);

// Writes to standard output; a failed write is a file error.
void ScriviUscita(std::string_view dati);
void ChiudiUscita();

}  // namespace Cli
