// Texts between a front end (UTF-8) and the engine (one byte per character).
// The single-byte encoding is Windows-1252, with its five unassigned codes
// taken as the C1 controls of the same value, so that all 256 codes round-trip.
#pragma once

#include <string>
#include <string_view>

namespace Crypta {

// Converts UTF-8 to character codes. On a character the encoding lacks (or
// malformed UTF-8) it returns false and puts that character in `errato`.
bool Utf8ACodici(std::string_view utf8, std::string& codici, char32_t* errato = nullptr);
std::string CodiciAUtf8(std::string_view codici);

// Line breaks: a text box here ends its lines with LF, the stored text with
// CR LF, as a Windows text box holds it.
std::string CapoCRLF(std::string_view testo);  // each lone LF becomes CR LF
std::string CapoLF(std::string_view testo);    // each CR LF becomes LF

}  // namespace Crypta
