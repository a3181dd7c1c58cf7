#include "Conversione.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <vector>

#include "Decodifica.h"
#include "Lingua.h"

namespace Crypta {

namespace {

constexpr size_t kHeader = 54;
constexpr size_t kBlocco = size_t{1} << 20;  // bytes written at a time
constexpr uint32_t kRisoluzione = 2835;      // pixels per metre: 72 per inch

void Metti(uint8_t* p, uint32_t v, int byte) {
  for (int i = 0; i < byte; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

std::array<uint8_t, kHeader> Testata(uint32_t larghezza, uint32_t altezza, uint32_t pixel) {
  std::array<uint8_t, kHeader> h{};
  h[0] = 'B';
  h[1] = 'M';
  Metti(&h[2], uint32_t(kHeader) + pixel, 4);
  Metti(&h[10], uint32_t(kHeader), 4);
  Metti(&h[14], 40, 4);
  Metti(&h[18], larghezza, 4);
  Metti(&h[22], altezza, 4);  // positive: rows from the bottom up
  Metti(&h[26], 1, 2);
  Metti(&h[28], 24, 2);
  Metti(&h[34], pixel, 4);
  Metti(&h[38], kRisoluzione, 4);
  Metti(&h[42], kRisoluzione, 4);
  return h;
}

void ForseAnnulla(const Osservatore& o) {
  if (o.Annullare && o.Annullare()) throw Errore(Tr("Operazione interrotta."), Genere::Annullata);
}

// The rows in the file's order, bottom first, as B, G, R and padding.
void ScriviPixel(const Immagine& im, const File& uscita, size_t riga, const Osservatore& o) {
  const size_t larghezza = size_t(im.larghezza), altezza = size_t(im.altezza);
  const size_t perBlocco = std::max<size_t>(1, kBlocco / riga);
  std::vector<uint8_t> blocco(perBlocco * riga, 0);
  for (size_t primo = 0; primo < altezza; primo += perBlocco) {
    ForseAnnulla(o);
    const size_t righe = std::min(perBlocco, altezza - primo);
    for (size_t r = 0; r < righe; ++r) {
      const uint8_t* da = im.rgb.get() + (altezza - 1 - primo - r) * larghezza * 3;
      uint8_t* a = blocco.data() + r * riga;
      for (size_t x = 0; x < larghezza; ++x, da += 3, a += 3) {
        a[0] = da[2];
        a[1] = da[1];
        a[2] = da[0];
      }
    }
    uscita.ScriviA(int64_t(kHeader + primo * riga), blocco.data(), righe * riga);
  }
}

}  // namespace

Conversione Converti(const std::string& immagine, const std::string& uscita, const Osservatore& o) {
  // Before the decoding, which may take a while: the result never replaces a file.
  if (File::Esiste(uscita)) ErroreFile(uscita, "creare", EEXIST);
  const File ingresso = File::Apri(immagine, File::Modo::Lettura);
  const Immagine im = Decodifica(ingresso);
  ForseAnnulla(o);
  const uint64_t riga = (uint64_t(im.larghezza) * 3 + 3) / 4 * 4;
  const uint64_t pixel = riga * uint64_t(im.altezza);
  if (pixel + kHeader > 0xFFFFFFFFu)
    throw Errore(Tr("L'immagine \"%1\" è troppo grande per una bitmap: oltre 4 GiB.", {immagine}),
                 Genere::Rifiutata);
  File nuovo = File::Anonimo(uscita, ingresso.Permessi() | 0600);
  const auto h = Testata(uint32_t(im.larghezza), uint32_t(im.altezza), uint32_t(pixel));
  nuovo.ScriviA(0, h.data(), h.size());
  ScriviPixel(im, nuovo, size_t(riga), o);
  nuovo.Sincronizza();
  ForseAnnulla(o);
  nuovo.DaiNome();
  return {im.larghezza, im.altezza, im.trasparente};
}

}  // namespace Crypta
