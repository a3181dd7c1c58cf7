#include "Testo.h"

#include <cstdint>

namespace Crypta {

namespace {

// Codes 0x80 to 0x9F; every other code is the character of the same value.
constexpr char32_t kAlti[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t Carattere(uint8_t codice) {
  return codice >= 0x80 && codice <= 0x9F ? kAlti[codice - 0x80] : codice;
}

int Codice(char32_t c) {
  for (int i = 0; i < 32; ++i)
    if (kAlti[i] == c) return 0x80 + i;
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  return -1;
}

// Decodes one UTF-8 character at `i`; returns 0xFFFFFFFF when malformed.
char32_t Decodifica(std::string_view s, size_t& i) {
  const auto b0 = static_cast<uint8_t>(s[i++]);
  if (b0 < 0x80) return b0;
  int seguenti;
  char32_t c, minimo;
  if ((b0 & 0xE0) == 0xC0) {
    seguenti = 1, c = b0 & 0x1F, minimo = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    seguenti = 2, c = b0 & 0x0F, minimo = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    seguenti = 3, c = b0 & 0x07, minimo = 0x10000;
  } else {
    return 0xFFFFFFFF;
  }
  for (int k = 0; k < seguenti; ++k) {
    if (i >= s.size() || (static_cast<uint8_t>(s[i]) & 0xC0) != 0x80) return 0xFFFFFFFF;
    c = (c << 6) | (static_cast<uint8_t>(s[i++]) & 0x3F);
  }
  if (c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0xFFFFFFFF;
  return c;
}

void Codifica(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

bool Utf8ACodici(std::string_view utf8, std::string& codici, char32_t* errato) {
  codici.clear();
  codici.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const char32_t c = Decodifica(utf8, i);
    const int codice = c == 0xFFFFFFFF ? -1 : Codice(c);
    if (codice < 0) {
      if (errato) *errato = c == 0xFFFFFFFF ? 0xFFFD : c;
      return false;
    }
    codici += static_cast<char>(codice);
  }
  return true;
}

std::string CodiciAUtf8(std::string_view codici) {
  std::string out;
  out.reserve(codici.size() * 2);
  for (const char b : codici) Codifica(Carattere(static_cast<uint8_t>(b)), out);
  return out;
}

std::string CapoCRLF(std::string_view testo) {
  std::string out;
  out.reserve(testo.size());
  for (size_t i = 0; i < testo.size(); ++i) {
    if (testo[i] == '\n' && (i == 0 || testo[i - 1] != '\r')) out += '\r';
    out += testo[i];
  }
  return out;
}

std::string CapoLF(std::string_view testo) {
  std::string out;
  out.reserve(testo.size());
  for (size_t i = 0; i < testo.size(); ++i)
    if (!(testo[i] == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n')) out += testo[i];
  return out;
}

}  // namespace Crypta
