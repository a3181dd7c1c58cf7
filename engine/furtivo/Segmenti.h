// How the walk is cut for coding, and the work on the pieces. The header is
// the first piece; the payload's bits spread evenly over pieces of at most
// kSegmento steps each, so that the coder's memory stays bounded and the
// pieces run on several threads at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "Operazioni.h"

namespace Crypta::Furtivo {

struct Segmento {
  int64_t inizio = 0, n = 0;  // the walk's steps inizio .. inizio + n - 1
  int64_t bit = 0, m = 0;     // the stream's bits bit .. bit + m - 1
};

// The header's piece, then the payload's, for `byte` payload bytes; every
// piece takes whole bytes of the stream, so that pieces revealed at once
// never write into one byte.
std::vector<Segmento> Segmenti(int64_t valori, int64_t byte);

// Runs lavoro(i) for i = 0 .. quanti - 1 on up to four threads. The calling
// thread works too, and alone talks to the observer: progress by pieces done,
// and a request to stop, which lets the running pieces end and throws
// Annullata. An exception in a piece stops the rest and is thrown here.
void PerOgni(size_t quanti, const std::function<void(size_t)>& lavoro, const Osservatore& o);

}  // namespace Crypta::Furtivo
