// The GIF's blocks walked up to its first frame, and the frame's coded data
// counted in pixels, without a colour looked up: each code's string is one
// longer than the string before it, so its length is all that is kept.
#include <array>

#include "Controlli.h"
#include "Lingua.h"

namespace Crypta {

namespace {

std::string Corta() {
  return Tr("i dati finiscono prima dell'ultimo pixel (è troncato)");
}

int Due(Flusso& b) {
  const int basso = b.Prossimo(), alto = b.Prossimo();
  return alto < 0 ? -1 : alto << 8 | basso;
}

// Skips sub-blocks up to the empty one; false when the file ends first.
bool SaltaBlocchi(Flusso& b) {
  for (int n = b.Prossimo(); n != 0; n = b.Prossimo())
    if (n < 0 || !b.Salta(n)) return false;
  return true;
}

// The bits of the frame's sub-blocks, least significant first.
class Bit {
 public:
  explicit Bit(Flusso& b) : b_(b) {}
  // The next code of `n` bits, or -1 where the data ends.
  int Codice(int n) {
    while (quanti_ < n) {
      if (resto_ == 0 && (resto_ = b_.Prossimo()) <= 0) return -1;
      const int c = b_.Prossimo();
      if (c < 0) return -1;
      --resto_;
      riserva_ |= uint32_t(c) << quanti_;
      quanti_ += 8;
    }
    const int codice = int(riserva_ & ((1u << n) - 1));
    riserva_ >>= n;
    quanti_ -= n;
    return codice;
  }

 private:
  Flusso& b_;
  int resto_ = 0, quanti_ = 0;
  uint32_t riserva_ = 0;
};

// The pixels the frame's codes give, up to `bisogno`, as the library reads
// them, and no more once a code is one the library would refuse: it clears
// the whole screen before it reads a code, so a broken frame counts short.
uint64_t Pixel(Flusso& b, int minimo, uint64_t bisogno) {
  if (minimo < 1 || minimo > 11) return 0;
  const int pulisci = 1 << minimo, fine = pulisci + 1;
  std::array<uint32_t, 4096> lunghezza{};
  Bit bit(b);
  int ampiezza = minimo + 1, prossimo = pulisci + 2, prima = -1;
  bool iniziato = false;
  uint64_t pixel = 0;
  while (pixel < bisogno) {
    const int codice = bit.Codice(ampiezza);
    if (codice < 0 || codice == fine) return pixel;
    if (codice == pulisci) {
      ampiezza = minimo + 1;
      prossimo = pulisci + 2;
      prima = -1;
      iniziato = true;
      continue;
    }
    if (!iniziato || codice > prossimo || (prima < 0 && codice >= pulisci)) return pixel;
    const auto Lunga = [&](int k) { return k < pulisci ? 1u : lunghezza[size_t(k)]; };
    if (prima >= 0) {
      if (prossimo < 4096) lunghezza[size_t(prossimo)] = Lunga(prima) + 1;
      ++prossimo;
      if ((prossimo & ((1 << ampiezza) - 1)) == 0 && prossimo <= 0x0FFF) ++ampiezza;
    } else if (codice == prossimo) {
      return pixel;
    }
    pixel += Lunga(codice);
    prima = codice;
  }
  return pixel;
}

}  // namespace

std::optional<std::string> DifettoGif(const File& f) {
  Flusso b(f);
  // A file that ends anywhere before its first frame's last pixel is cut.
  if (!b.Salta(6)) return std::nullopt;
  const int larghezza = Due(b), altezza = Due(b), campi = b.Prossimo();
  if (!b.Salta(2) || campi < 0 || (campi & 0x80 && !b.Salta(3 << ((campi & 7) + 1))))
    return Corta();
  for (;;) {
    const int blocco = b.Prossimo();
    if (blocco == 0x21) {
      if (b.Prossimo() < 0 || !SaltaBlocchi(b)) break;
      continue;
    }
    if (blocco != 0x2C) break;
    const int x = Due(b), y = Due(b), w = Due(b), h = Due(b), propri = b.Prossimo();
    if (propri < 0) break;
    if (x != 0 || y != 0 || w != larghezza || h != altezza)
      return Tr("il primo fotogramma copre solo %1 x %2 dei %3 x %4 pixel dell'immagine",
                {std::to_string(w), std::to_string(h), std::to_string(larghezza),
                 std::to_string(altezza)});
    if (propri & 0x80 && !b.Salta(3 << ((propri & 7) + 1))) break;
    const uint64_t bisogno = uint64_t(w) * uint64_t(h);
    if (Pixel(b, b.Prossimo(), bisogno) < bisogno) break;
    return std::nullopt;
  }
  return Corta();
}

}  // namespace Crypta
