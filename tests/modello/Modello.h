// The one model of the carrier format for every test: the header reader, the
// hidden-payload layout written and read one bit at a time, and the reveal's
// outcome, spelled out with whole numbers from the file layout and sharing no
// code with the engine. The engine tests, the data test and the fuzz target
// hold the engine's block code against it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace modello {

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

// Writes the length field (`lunghezza`, the payload's length unless given,
// with its lowest byte XOR K) and the payload XOR K into the low nbit bits of
// the carrier bytes from `offset` on; the upper bits stay.
void Nascondi(Byte& carrier, size_t offset, const Byte& dati, uint8_t K, int nbit,
              int64_t lunghezza = -1);
// The stored length field (K applied) and n payload bytes from `offset`,
// whatever the capacity says.
Byte Raccogli(const Byte& carrier, size_t offset, size_t n, uint8_t K, int nbit,
              int64_t* lunghezza);

}  // namespace modello
