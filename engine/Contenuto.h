// What a run of bytes looks like without a name or a key: text in the
// program's single-byte encoding, or a file that opens with a known
// signature. The scan uses it to tell the true key mask from the 255 others.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace Crypta {

// The marker that opens a payload encrypted by tavelin-cli; a version byte
// follows it.
inline constexpr std::string_view kMarcaCifrata{"TVLC", 4};

// A text model of Windows-1252: for each code, the log-likelihood ratio of
// finding it in a text against finding it in random bytes (in nats).
const std::array<double, 256>& PesoTesto();

// Codes a text has: tab, line ends, printable ASCII and the assigned codes
// from 128 on. Control codes and the five unassigned ones are strange.
bool Strano(uint8_t c);
// Tab, line ends and printable ASCII.
bool Ascii(uint8_t c);

// Whether bytes of these counts (L of them) may be a text at all: a stray odd
// code at most (UTF-8 quotes read as Windows-1252), mostly ASCII, and not a
// few values over and over, which is what a flat or dark stretch of a
// picture gives at every mask however well those values score as letters.
bool PareTesto(const std::array<int64_t, 256>& conta, int64_t L);

// The kind of file whose signature opens `p` ("PDF", "ZIP", ...), or empty.
std::string FirmaDi(const uint8_t* p, size_t n);

}  // namespace Crypta
