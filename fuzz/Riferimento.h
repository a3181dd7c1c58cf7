// A plain model of the header reader and of the reveal, written from the
// file layout and working one bit at a time, that the fuzz target holds the
// engine's block code against.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

using Byte = std::vector<uint8_t>;

// How far the header reader must get through a file, and what it must find.
struct HeaderAtteso {
  enum Fase { Firma, Dimensioni, Lunghezza, Accettato };
  Fase fase = Firma;  // Firma: unknown signature; Dimensioni: declared size
                      // not above the offset; Lunghezza: info header not 40
  std::string tipo;
  double dimensione = 0, offset = 0, lunghezza = 0;  // read from Dimensioni on
  double capienza = 0;                               // when Accettato
};

struct RivelazioneAttesa {
  enum Esito { False, Errore, Dati };
  Esito esito = False;
  std::string dati;  // the revealed bytes, for Dati
};

// Little-endian number at a 0-based offset; bytes past the end count 0.
double Valore(const Byte& dati, size_t inizio, size_t n);
uint8_t Maschera(const std::string& chiave);

HeaderAtteso Header(const Byte& dati, int nbit);
RivelazioneAttesa Rivelazione(const Byte& dati, int nbit, uint8_t K);

// The first carrier offset past the stream of a payload of L bytes.
int64_t FineFlusso(double offset, int64_t L, int nbit);

}  // namespace fuzz
