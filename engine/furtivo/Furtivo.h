// The stealth layout, in memory: a header of fixed size and the payload,
// both coded by syndrome-trellis codes into the lowest bits of the colour
// channel values along a keyed walk, with changes of +1 or -1 where HILL
// costs are lowest. Nothing is stored in clear: the header is a random salt
// and an authenticated, encrypted record of the payload's length; the
// payload is the hidden file's name and bytes, encrypted and authenticated
// with the header. Without the keys every bit read looks like noise, and a
// wrong key, a changed bit and a clean picture give the same: nothing.
//
// Keys: the walk's from the passphrase and the carrier's width and height;
// the cipher's from the passphrase and the salt hidden in the header, so
// that a reveal needs both derivations before it can tell anything.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "Cammino.h"
#include "Costi.h"
#include "Operazioni.h"

namespace Crypta::Furtivo {

// Bits hidden per channel value that the detectors measured so far cannot
// tell from a clean picture: the capacity a hide keeps to unless a higher
// rate is asked for explicitly, up to kRataMassima.
constexpr double kRataSicura = 0.15;
constexpr double kRataMassima = 0.5;
// The largest carrier, in channel values (89 million pixels): the hide holds
// about 8 bytes per value at its peak.
constexpr int64_t kValoriMassimi = int64_t(1) << 28;
// The header: 16 bytes of salt, 8 of encrypted fields, 16 of tag, coded at
// rate 1/16 into the walk's first kValoriHeader steps; the payload takes the
// rest of the walk, in segments of at most kSegmento steps coded apart.
constexpr int kHeaderByte = 40;
constexpr int64_t kValoriHeader = int64_t(kHeaderByte) * 8 * 16;
constexpr int64_t kSegmento = int64_t(1) << 19;
// Bytes the envelope adds to the file's: the tag and the name's length.
constexpr int kSovrappiu = 16 + 1;
constexpr size_t kNomeMassimo = 255;

using Sale = std::array<uint8_t, 16>;
// A carrier's keys: the walk's, and the cipher's with the salt it came from.
struct Chiavi {
  Chiave cammino{};
  Chiave cifratura{};
  Sale sale{};
};
// The cipher's key for a salt read from a carrier.
using Derivazione = std::function<Chiave(const Sale&)>;

// What a stealth carrier holds: the hidden file's name (no folders; empty
// for a text) and its bytes.
struct Segreto {
  std::string nome;
  std::string dati;
};

// File bytes that fit in a carrier of `valori` channel values with a name of
// `nome` bytes at `rata` bits per value; 0 when nothing fits or the carrier
// is out of range.
int64_t Capienza(int64_t valori, size_t nome, double rata = kRataSicura);

// Why a name cannot be stored (a folder in it, a control character, too
// long), as a clause; empty when it can.
std::string NomeNonValido(std::string_view nome);

// Hides `s` into the pixels `p`, writing the changed channel values into
// `uscita`, a buffer laid out as p (it may be p.byte itself). Throws Errore:
// TroppoGrande past the capacity at `rata`, Argomento for a rate above
// kRataMassima or a name NomeNonValido refuses, Rifiutata for a carrier out
// of range, Annullata when the observer asks (uscita then holds part of the
// changes). Progress figures follow the coded segments.
void Nascondi(const Pixel& p, uint8_t* uscita, const Chiavi& k, const Segreto& s,
              double rata = kRataSicura, const Osservatore& o = {});

// What `p` holds for these keys, or nothing: a clean picture, another key
// and a changed bit are all alike. `cifratura` is asked once, for the salt
// the header gives. Throws only Annullata.
std::optional<Segreto> Rivela(const Pixel& p, const Chiave& cammino, const Derivazione& cifratura,
                              const Osservatore& o = {});

}  // namespace Crypta::Furtivo
