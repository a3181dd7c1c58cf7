#include "Contenuto.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "Lingua.h"

namespace Crypta {

namespace {

// Letter frequencies of a mix of Italian and English, per thousand letters.
constexpr double kLettere[26] = {100, 11, 43, 38, 115, 13, 18, 22, 90, 2, 4, 55, 27,
                                 68,  85, 26, 4,  63,  55, 68, 32, 15, 8, 2, 8,  7};

std::array<double, 256> Modello() {
  std::array<double, 256> w{};
  w.fill(1e-7);  // what no text holds: control codes, the unassigned codes
  for (int c = 0x80; c <= 0xFF; ++c) w[size_t(c)] = 0.005;  // symbols and rare letters
  for (const int c : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) w[size_t(c)] = 1e-7;
  for (int c = 0xC0; c <= 0xFF; ++c) w[size_t(c)] = 0.02;  // accented letters
  for (const unsigned char c : std::string_view("\xE0\xE8\xE9\xEC\xF2\xF9")) w[c] = 0.25;  // àèéìòù
  for (const unsigned char c : std::string_view("\x80\x91\x92\x93\x94\x96\xAB\xBB")) w[c] = 0.05;
  for (int c = 0x21; c <= 0x7E; ++c) w[size_t(c)] = 0.03;  // ASCII punctuation and symbols
  for (int i = 0; i < 26; ++i) {
    w[size_t('a' + i)] = kLettere[i] * 0.058;  // letters are six tenths of a text
    w[size_t('A' + i)] = kLettere[i] * 0.003;
  }
  for (int c = '0'; c <= '9'; ++c) w[size_t(c)] = 0.15;
  w[' '] = 16;
  w['.'] = 1.0;
  w[','] = 1.2;
  w['\''] = 0.4;
  w['"'] = 0.2;
  w['-'] = 0.3;
  w['\n'] = 1.5;
  w['\r'] = 1.2;
  w['\t'] = 0.1;
  double totale = 0;
  for (const double v : w) totale += v;
  std::array<double, 256> peso{};
  for (size_t c = 0; c < 256; ++c) peso[c] = std::log(w[c] / totale) + std::log(256.0);
  return peso;
}

struct Firma {
  const char* nome;
  std::string_view byte;
};

// Each long enough that random bytes match one at some mask only rarely.
const Firma kFirme[] = {
    {"PDF", {"%PDF-", 5}},
    {"ZIP", {"PK\x03\x04", 4}},
    {"ZIP", {"PK\x05\x06", 4}},  // empty
    {"PNG", {"\x89PNG\r\n\x1A\n", 8}},
    {"GIF", {"GIF87a", 6}},
    {"GIF", {"GIF89a", 6}},
    {"7z", {"7z\xBC\xAF\x27\x1C", 6}},
    {nullptr, kMarcaCifrata},  // named in the language spoken
};

}  // namespace

const std::array<double, 256>& PesoTesto() {
  static const std::array<double, 256> peso = Modello();
  return peso;
}

bool Strano(uint8_t c) {
  if (c < 0x20) return c != '\t' && c != '\n' && c != '\r';
  return c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

bool Ascii(uint8_t c) {
  return (c >= 0x20 && c < 0x7F) || c == '\t' || c == '\n' || c == '\r';
}

bool PareTesto(const std::array<int64_t, 256>& conta, int64_t L) {
  int64_t strani = 0, ascii = 0;
  double entropia = 0;
  for (size_t v = 0; v < 256; ++v) {
    if (conta[v] == 0) continue;
    if (Strano(uint8_t(v))) strani += conta[v];
    if (Ascii(uint8_t(v))) ascii += conta[v];
    const double p = double(conta[v]) / double(L);
    entropia -= p * std::log(p);
  }
  // A text's letters carry about 3 nats each; a short one, whose letters are
  // mostly different, at least six tenths of the most that its length allows.
  return strani <= L / 100 && ascii * 10 >= L * 8 &&
         entropia >= std::min(2.0, 0.6 * std::log(double(L)));
}

std::string FirmaDi(const uint8_t* p, size_t n) {
  for (const Firma& f : kFirme)
    if (n >= f.byte.size() && std::memcmp(p, f.byte.data(), f.byte.size()) == 0)
      return f.nome ? f.nome : Tr("Tavelin cifrato");
  // Three fixed bytes, and a fourth from a short list.
  if (n >= 4 && p[0] == 0xFF && p[1] == 0xD8 && p[2] == 0xFF &&
      (p[3] == 0xDB || p[3] == 0xC0 || p[3] == 0xC4 || p[3] == 0xFE || (p[3] & 0xF0) == 0xE0))
    return "JPEG";
  if (n >= 4 && p[0] == 0x1F && p[1] == 0x8B && p[2] == 0x08 && p[3] < 0x20) return "gzip";
  return {};
}

}  // namespace Crypta
