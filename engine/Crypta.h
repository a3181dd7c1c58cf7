// The engine of Tavelin: reads carrier headers, keeps the header record and
// the key state, and hides or reveals a payload in the low bits of a carrier's
// pixel bytes. No Qt here. These are the procedures, the record and the hooks
// of the program's design, kept as they are for every caller that uses them;
// they are thin wrappers over the operations in Operazioni.h, which take
// their observer per call and which the front ends use.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

namespace Crypta {

// The header fields of the carrier read last, and its capacity.
struct Intestazione {
  std::string TipoBitmap;
  double DimensioneFile = 0, OffsetDati = 0, Larghezza = 0, Altezza = 0, LunghezzaHeader = 0,
         NumeroPiani = 0, BitPerPixel = 0;
  std::string Compressione;
  double GrandezzaBitmap = 0, RisoluzioneOrizz = 0, RisoluzioneVert = 0, ColoriUsati = 0,
         ColoriImportanti = 0, BytesUtilizzabili = 0;
};
extern Intestazione BmpHeader;  // the one record, shared by both tabs
extern uint8_t Chiave1, Chiave2;  // the key state; only Chiave1 ^ Chiave2 is ever used

// What the engine tells the window. Unset hooks do nothing.
struct Ganci {
  std::function<void(const std::string&)> TxtPerc2;  // hide progress, e.g. " 33%"
  std::function<void(const std::string&)> TxtPerc;   // reveal progress
  std::function<void(bool)> Abilita;  // reveal: false before the first payload byte,
                                      // true on every way out
  std::function<void()> DoEvents;     // hide: let pending window events run
};
extern Ganci Finestra;

// What kind of failure an error is, so that a front end can act on it (the
// command line's exit status) without reading the message.
enum class Genere {
  File,          // a file could not be opened, read or written; `codice` holds the errno
  Rifiutata,     // the carrier cannot serve: not a bitmap, compressed, shorter than it says
  TroppoGrande,  // the payload does not fit in the carrier
  Annullata,     // the caller's observer asked to stop
  InUso,         // another operation holds the carrier or the output file
  Argomento,     // a value no caller should pass (bit count, length, offset)
};

// A file error or a refused operation, with a message fit to show a user.
struct Errore : std::runtime_error {
  explicit Errore(const std::string& messaggio, Genere g = Genere::File, int c = 0)
      : std::runtime_error(messaggio), genere(g), codice(c) {}
  Genere genere;
  int codice;  // the system's error number for Genere::File, else 0
};
// BinToDec of a bit string worth 2^31 or more.
struct Overflow : Errore {
  Overflow() : Errore("Overflow", Genere::Argomento) {}
};

double LeggiValore(int32_t Inizio, int32_t Fine);
std::string DescriviTipo(const std::string& Firma);
bool LeggiHeader(const std::string& Path, int16_t Nbit);

void PreparaChiave(const std::string& Chiave);
std::string DecToBin(int32_t Valore, int16_t NumByte, bool Cripta);
int32_t BinToDec(const std::string& Bits, bool Cripta);  // throws Overflow

void CryptBitmap(const std::string& Path, double Offset, int32_t Lunghezza,
                 const std::string& Dati, bool Testo, const std::string& Chiave, int16_t Nbit);
std::string DeCryptBitmap(const std::string& Path, const std::string& Chiave, int16_t Nbit,
                          bool Testo, const std::string& Uscita);

}  // namespace Crypta
