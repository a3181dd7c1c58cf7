// How detectable a carrier looks: its colour channels read through the file
// layer, and per channel the classic structural detectors of LSB
// replacement, each as its paper has it (Westfeld and Pfitzmann's
// chi-square attack, Fridrich, Goljan and Du's RS analysis, Dumitrescu, Wu
// and Wang's sample pair analysis, Fridrich and Goljan's weighted stego
// image with Ker and Böhme's improvements), then a plain verdict.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Accesso.h"

namespace Crypta::Steganalisi {

// One colour channel, one byte a value, rows in the order of the file (the
// first row a hide writes into comes first), left to right.
struct Piano {
  int larghezza = 0, altezza = 0;
  std::vector<uint8_t> v;
  uint8_t operator()(int x, int y) const { return v[size_t(y) * size_t(larghezza) + size_t(x)]; }
};

// The colour channels of a 24- or 32-bit carrier, blue, green and red as the
// file stores them; a 32-bit carrier's fourth byte (alpha, or nothing) is
// never read. Every other carrier (palette, 16-bit, compressed, bit fields
// other than 8 bits per channel) is refused with its reason, as Errore of
// kind Rifiutata; a file that cannot be read is Errore of kind File.
struct Canali {
  std::vector<Piano> piani;
  std::vector<std::string> nomi;  // "blu", "verde", "rosso"
};
Canali LeggiCanali(const Accesso& file);
Canali LeggiCanali(const std::string& path);

// Chi-square attack: the probability that the values' pairs of values
// (2k, 2k+1) are as even as full LSB replacement leaves them; near 1 for
// a run of replaced bits, near 0 for a clean picture.
double ProbabilitaChiQuadro(const uint8_t* v, size_t n);
// The share of the values from the start of the channel over which the
// attack keeps finding replaced bits: a sequential payload's length, 0 when
// the first sample is already clean.
double PrefissoSequenziale(const Piano& p);

// Estimates of the share of the values that carry a bit of LSB replacement
// at random places (bits per value), clamped to [0, 1].
double StimaRS(const Piano& p);
double StimaSPA(const Piano& p);
double StimaWS(const Piano& p);

struct StimaCanale {
  std::string nome;
  double chiPrefisso = 0;  // PrefissoSequenziale
  double chiIntero = 0;    // ProbabilitaChiQuadro over the whole channel
  double rs = 0, spa = 0, ws = 0;
  // WS over the first and the last rows of the file, a thirty-second of
  // the picture each (at least 8 rows): where a sequential hide starts, and
  // where it has not reached.
  double wsInizio = 0, wsFine = 0;
};

// Below kPixelMinimi pixels the estimates are mostly noise: no verdict.
constexpr double kPixelMinimi = 64 * 64;
enum class Verdetto { NessunSegno, Tracce, Sequenziale, TroppoPiccola };

struct Referto {
  std::vector<StimaCanale> canali;
  Verdetto verdetto = Verdetto::NessunSegno;
  double quota = 0;  // the estimated share of values with replaced bits; 0 for no sign
};

Referto Esamina(const Canali& c);
// The verdict in a sentence for a user, e.g. "tracce di sostituzione LSB su
// circa il 12 % dei valori".
std::string Descrivi(const Referto& r);

// SPAM features of the second order with T = 3 (Pevný, Bas and Fridrich):
// 686 values, the Markov transitions of neighbour differences averaged over
// the four straight and over the four diagonal directions.
constexpr size_t kDimensioneSpam = 686;
std::vector<double> Spam(const Piano& p);

}  // namespace Crypta::Steganalisi
