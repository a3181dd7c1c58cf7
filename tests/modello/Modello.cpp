// Every rule spelled out with whole numbers, no shortcuts shared with the engine.
#include "Modello.h"

namespace modello {

namespace {

std::string Descrizione(const Byte& dati) {
  if (dati.size() < 2) return "";
  const std::string firma{char(dati[0]), char(dati[1])};
  if (firma == "BM") return "Windows 3.1x,95,98,Me,NT,2000 .... ";
  if (firma == "BA") return "OS/2 Bitmap Array";
  if (firma == "CI") return "OS/2 Color Icon";
  if (firma == "CP") return "OS/2 Color Pointer";
  if (firma == "IC") return "OS/2 Icon";
  if (firma == "PT") return "OS/2 Pointer";
  return "";
}

// n stream bytes from the low nbit bits of the carrier bytes from offset p,
// one bit at a time, most significant first.
std::string Bit(const Byte& dati, int64_t p, int64_t n, int nbit) {
  std::string out;
  int bits = 0, byte = 0;
  for (int64_t q = p; int64_t(out.size()) < n; ++q) {
    for (int b = nbit - 1; b >= 0; --b) {
      byte = (byte << 1) | ((dati[size_t(q)] >> b) & 1);
      if (++bits == 8) {
        out += char(byte);
        bits = byte = 0;
      }
    }
  }
  return out;
}

int64_t FloorDiv8(int64_t x) { return x >= 0 ? x / 8 : -((-x + 7) / 8); }

}  // namespace

double Valore(const Byte& dati, size_t inizio, size_t n) {
  uint64_t v = 0;
  for (size_t k = n; k-- > 0;) v = (v << 8) | (inizio + k < dati.size() ? dati[inizio + k] : 0);
  return double(v);
}

uint8_t Maschera(const std::string& chiave) {
  uint8_t K = 0;
  for (const char c : chiave) K ^= uint8_t(c);
  return K;
}

HeaderAtteso Header(const Byte& dati, int nbit) {
  HeaderAtteso h;
  h.tipo = Descrizione(dati);
  if (h.tipo.empty()) return h;
  h.fase = HeaderAtteso::Dimensioni;
  h.dimensione = Valore(dati, 2, 4);
  h.offset = Valore(dati, 10, 4);
  if (!(h.dimensione > h.offset)) return h;
  h.fase = HeaderAtteso::Lunghezza;
  h.lunghezza = Valore(dati, 14, 4);
  if (h.lunghezza != 40) return h;
  h.fase = HeaderAtteso::Accettato;
  const int64_t D = int64_t(h.dimensione) - int64_t(h.offset);
  h.capienza = double(FloorDiv8(D * nbit - 32));
  return h;
}

int64_t FineFlusso(double offset, int64_t L, int nbit) {
  return int64_t(offset) + (4 + L) * (8 / nbit);
}

RivelazioneAttesa Rivelazione(const Byte& dati, int nbit, uint8_t K) {
  RivelazioneAttesa r;
  const HeaderAtteso h = Header(dati, nbit);
  if (h.fase != HeaderAtteso::Accettato || h.capienza < 0) return r;
  const int64_t fisica = int64_t(dati.size());
  if (FineFlusso(h.offset, 0, nbit) > fisica) {
    r.esito = RivelazioneAttesa::Errore;  // the file ends inside the length field
    return r;
  }
  const std::string campo = Bit(dati, int64_t(h.offset), 4, nbit);
  uint64_t v = 0;
  for (const char c : campo) v = (v << 8) | uint8_t(c);
  if (v >= (uint64_t{1} << 31)) return r;
  const int64_t L = int64_t(v ^ K);
  if (double(L) > h.capienza) return r;  // a length equal to the capacity still fits
  if (FineFlusso(h.offset, L, nbit) > fisica) {
    r.esito = RivelazioneAttesa::Errore;  // the header promises bytes the file lacks
    return r;
  }
  r.esito = RivelazioneAttesa::Dati;
  r.dati = Bit(dati, int64_t(h.offset) + 4 * (8 / nbit), L, nbit);
  for (char& c : r.dati) c = char(uint8_t(c) ^ K);
  return r;
}

void Nascondi(Byte& carrier, size_t offset, const Byte& dati, uint8_t K, int nbit,
              int64_t lunghezza) {
  const uint32_t L = uint32_t(lunghezza < 0 ? int64_t(dati.size()) : lunghezza);
  Byte flusso{uint8_t(L >> 24), uint8_t(L >> 16), uint8_t(L >> 8), uint8_t(L ^ K)};
  for (const uint8_t b : dati) flusso.push_back(uint8_t(b ^ K));
  size_t p = offset;
  int libero = nbit;  // low bits of carrier byte p still to fill
  for (const uint8_t b : flusso)
    for (int bit = 7; bit >= 0; --bit) {
      const int posizione = --libero;
      carrier.at(p) = uint8_t((carrier.at(p) & ~(1 << posizione)) | (((b >> bit) & 1) << posizione));
      if (libero == 0) {
        ++p;
        libero = nbit;
      }
    }
}

Byte Raccogli(const Byte& carrier, size_t offset, size_t n, uint8_t K, int nbit,
              int64_t* lunghezza) {
  const std::string campo = Bit(carrier, int64_t(offset), 4, nbit);
  uint64_t v = 0;
  for (const char c : campo) v = (v << 8) | uint8_t(c);
  *lunghezza = int64_t(v ^ K);
  const std::string dati = Bit(carrier, int64_t(offset) + 4 * (8 / nbit), int64_t(n), nbit);
  Byte out;
  for (const char c : dati) out.push_back(uint8_t(uint8_t(c) ^ K));
  return out;
}

}  // namespace modello
