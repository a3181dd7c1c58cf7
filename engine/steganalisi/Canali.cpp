// Reading a carrier's colour channels through the file layer: the header as
// the engine's analysis reads it, then the pixel rows, one plane a channel.
#include <cstring>

#include "File.h"
#include "Lingua.h"
#include "Operazioni.h"
#include "Steganalisi.h"

namespace Crypta::Steganalisi {

namespace {

// Big enough for any wallpaper, small enough that three planes and the
// detectors' work stay well within memory.
constexpr double kPixelMassimi = double(1 << 27);

[[noreturn]] void Rifiuta(const std::string& nome, const std::string& perche) {
  throw Errore(Tr("Impossibile analizzare %1: %2", {nome, perche}), Genere::Rifiutata);
}

uint32_t U32(const uint8_t* b) {
  return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

// Bit fields name where each channel sits; only the usual layout of a
// 32-bit carrier, one byte each for blue, green and red, is read.
void ControllaCampiDiBit(const Accesso& file, const Analisi& a) {
  if (a.campi.BitPerPixel != 32)
    Rifiuta(file.Nome(), Tr("i campi di bit valgono solo per i pixel a 32 bit"));
  uint8_t m[12];
  if (file.LeggiA(54, m, sizeof m) != sizeof m)
    Rifiuta(file.Nome(), Tr("il file finisce prima delle maschere dei colori"));
  if (U32(m) != 0xFF0000 || U32(m + 4) != 0xFF00 || U32(m + 8) != 0xFF)
    Rifiuta(file.Nome(), Tr("i colori non sono un byte ciascuno nell'ordine blu, verde, rosso"));
}

}  // namespace

Canali LeggiCanali(const Accesso& file) {
  const Analisi a = Analizza(file, 1);
  if (a.esito == Analisi::Esito::Illeggibile)
    throw Errore(MessaggioErrore(file.Nome(), "leggere", a.errore), Genere::File, a.errore);
  if (!a.Accettata()) Rifiuta(file.Nome(), a.Perche());
  const Intestazione& h = a.campi;
  if (h.BitPerPixel != 24 && h.BitPerPixel != 32)
    Rifiuta(file.Nome(), Tr("l'analisi legge solo i pixel a 24 o 32 bit, questa bitmap ne ha %1",
                            {std::to_string(int(h.BitPerPixel))}));
  if (a.Compressa()) Rifiuta(file.Nome(), Ostacolo(h));
  if (a.Compressione() == 3) ControllaCampiDiBit(file, a);
  // A negative height (a top-down picture) reads as a large unsigned one.
  const double altezza = h.Altezza >= 2147483648.0 ? 4294967296.0 - h.Altezza : h.Altezza;
  if (h.Larghezza < 2 || altezza < 2 || h.Larghezza > 1e6 || altezza > 1e6)
    Rifiuta(file.Nome(), Tr("le dimensioni della figura non si possono analizzare"));
  if (h.Larghezza * altezza > kPixelMassimi)
    Rifiuta(file.Nome(), Tr("la figura supera i 134 milioni di pixel"));
  const int w = int(h.Larghezza), ht = int(altezza);
  const size_t passo = size_t(h.BitPerPixel) / 8;
  const size_t riga = (size_t(w) * passo + 3) / 4 * 4;
  if (h.OffsetDati + double(riga) * ht > double(file.Dimensione()))
    Rifiuta(file.Nome(), Tr("il file finisce prima della fine dei pixel"));

  Canali c;
  c.nomi = {Tr("blu"), Tr("verde"), Tr("rosso")};
  c.piani.assign(3, Piano{w, ht, std::vector<uint8_t>(size_t(w) * size_t(ht))});
  std::vector<uint8_t> buf(riga);
  for (int y = 0; y < ht; ++y) {
    const int64_t pos = int64_t(h.OffsetDati) + int64_t(riga) * y;
    if (file.LeggiA(pos, buf.data(), riga) != riga)
      Rifiuta(file.Nome(), Tr("il file finisce prima della fine dei pixel"));
    const size_t base = size_t(y) * size_t(w);
    for (size_t x = 0; x < size_t(w); ++x)
      for (size_t k = 0; k < 3; ++k) c.piani[k].v[base + x] = buf[x * passo + k];
  }
  return c;
}

Canali LeggiCanali(const std::string& path) {
  const File f = File::Apri(path, File::Modo::Lettura);
  return LeggiCanali(f);
}

}  // namespace Crypta::Steganalisi
