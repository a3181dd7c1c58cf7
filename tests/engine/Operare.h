// What the tests of the operations share: a hide and a reveal in one call
// each with the key "k", the kind of error a call raises, and carriers that
// already hold a payload.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "Operazioni.h"
#include "Supporto.h"

namespace prova {

inline std::string Testo(const Byte& b) { return std::string(b.begin(), b.end()); }

inline std::optional<std::string> Rivela(const std::string& c, int nbit, const Crypta::Osservatore& o = {}) {
  Crypta::DestinazioneMemoria m;
  if (!Crypta::Rivela(c, "k", int16_t(nbit), m, o).trovato) return std::nullopt;
  return m.dati;
}

inline void Nascondi(const std::string& c, const std::string& dati, int nbit, const std::string& copia = "",
              const Crypta::Osservatore& o = {}) {
  Crypta::Richiesta r;
  r.carrier = c;
  r.Nbit = int16_t(nbit);
  r.chiave = "k";
  r.carico = Crypta::Carico::DiByte(dati);
  r.copia = copia;
  Crypta::Nascondi(r, o);
}

inline Crypta::Genere GenereDi(const std::function<void()>& f) {
  try {
    f();
  } catch (const Crypta::Errore& e) {
    return e.genere;
  }
  ADD_FAILURE() << "no error";
  return Crypta::Genere::Argomento;
}


// A carrier with room for `L` bytes at `nbit`, holding the payload "vecchio".
inline std::string Carrier(const Cartella& dir, int64_t L, int nbit) {
  Bitmap b;
  b.pixel = size_t((4 + L) * (8 / nbit));
  const std::string c = Scrivi(dir, "c.bmp", b);
  Nascondi(c, "vecchio", nbit);
  return c;
}

struct Caso {
  int nbit;
  int64_t L;
};
inline const Caso kCasi[] = {{1, 300000}, {8, 3000000}};  // three blocks and more


}  // namespace prova
