// Pictures for the tests of prepare: a pattern of the tests' own, written as
// a plain PPM that other programs (ImageMagick, Pillow) turn into the formats
// under test, and a reader of the 24-bit bitmaps that prepare writes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace prova {

struct Figura {
  int larghezza = 0, altezza = 0;
  std::vector<uint8_t> rgb;  // rows top to bottom, R G B
};

// 64 colours in blocks, so that a palette format holds them all; an odd
// width, so that bitmap rows need padding.
Figura Motivo(int larghezza = 37, int altezza = 23);
void ScriviPpm(const std::string& path, const Figura& f);
// The picture as Pillow decodes it (the first frame, colour without alpha):
// a reader that is not ours, for what prepare should find.
Figura SecondoPillow(const std::string& path);

// Runs a shell command; true when it exits 0.
bool Shell(const std::string& comando);

// The pictures come from ImageMagick and Pillow, programs of the build
// machine that a test program built for Windows cannot start.
#ifdef _WIN32
#define SENZA_PROGRAMMI_DI_IMMAGINI() \
  GTEST_SKIP() << "the pictures are made by ImageMagick and Pillow, which Windows has not"
#else
#define SENZA_PROGRAMMI_DI_IMMAGINI() static_cast<void>(0)
#endif
// A path quoted for the shell.
std::string Q(const std::string& path);
// Debian's own Python, the one python3-pil installs for.
extern const char* const kPython;

// A bitmap as prepare writes it. Checks every header field on the way and
// fails the test on anything else; the pixels come back top to bottom.
Figura LeggiBitmap24(const std::string& path);

// The mean absolute difference of two pictures of one size, per sample.
double Differenza(const Figura& a, const Figura& b);

}  // namespace prova
