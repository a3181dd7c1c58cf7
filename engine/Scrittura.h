// Writing a hidden stream into a carrier, in the order that keeps an
// interrupted hide from ever reading back as success. Internal to the engine;
// it works on any Accesso, so that tests can watch every write and flush.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Accesso.h"
#include "Avanzamento.h"
#include "Operazioni.h"

namespace Crypta {

// The payload, read in order from its own bytes or from a file's start.
class Sorgente {
 public:
  explicit Sorgente(std::string_view byte) : byte_(byte) {}
  explicit Sorgente(const Accesso& file) : file_(&file) {}
  void Leggi(uint8_t* dest, size_t n);

 private:
  std::string_view byte_;
  const Accesso* file_ = nullptr;
  int64_t pos_ = 0;
};

// Where the stream goes, and the carrier as it was when it was analysed.
struct Piano {
  int64_t inizio = 0;  // the carrier offset of the stream's first byte
  int16_t Nbit = 1;
  uint8_t K = 0;       // the key mask
  int64_t L = 0;       // payload bytes
  int64_t dimensione = 0;            // the carrier's size
  std::array<uint8_t, 54> header{};  // and its header bytes
};

// In place: the length field with its top bit set, a flush, the payload, a
// flush, the check that the carrier is still the one analysed, then the one
// carrier byte that holds the top bit with its real value, and a flush.
// Figures reach the observer after the bytes they stand for are written,
// the last ones after that final byte.
void ScriviInPosto(const Piano& p, const Accesso& carrier, Sorgente& dati, const Osservatore& o,
                   Avanzamento& avanzamento);

// Into a copy: every byte of `origine` goes to the same place in `copia`,
// with the stream spread over its own bytes on the way, in one pass; then a
// flush. The caller names the copy and shows the last figures.
void ScriviCopia(const Piano& p, const Accesso& origine, const Accesso& copia, Sorgente& dati,
                 const Osservatore& o, Avanzamento& avanzamento);

// An error unless `carrier` still has the size and the header of the plan.
void ControllaInvariato(const Piano& p, const Accesso& carrier);

// Throws Errore of kind Annullata when the observer asks to stop.
void ForseAnnulla(const Osservatore& o);

}  // namespace Crypta
