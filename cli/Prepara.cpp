// The prepare command: any picture the image library reads becomes a carrier,
// an uncompressed 24-bit bitmap with the 40-byte header, bottom-up rows
// padded to 4 bytes, written under its name only once it is complete and
// never over an existing file. Then the capacity at every bit count.
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <vector>

#include "Comandi.h"
#include "Comune.h"
#include "Esito.h"
#include "Decodifica.h"
#include "Segnali.h"

namespace Cli {

namespace {

constexpr size_t kHeader = 54;
constexpr size_t kBlocco = size_t{1} << 20;  // bytes written at a time
constexpr uint32_t kRisoluzione = 2835;      // pixels per metre: 72 per inch

void Metti(uint8_t* p, uint32_t v, int byte) {
  for (int i = 0; i < byte; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

std::array<uint8_t, kHeader> Intestazione(uint32_t larghezza, uint32_t altezza, uint32_t pixel) {
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

void ForseInterrompi() {
  if (SegnaleRicevuto() != 0)
    throw Crypta::Errore("Operazione interrotta.", Crypta::Genere::Annullata);
}

// The rows in the file's order, bottom first, as B, G, R and padding.
void ScriviPixel(const Immagine& im, const Crypta::File& uscita, size_t riga) {
  const size_t larghezza = size_t(im.larghezza), altezza = size_t(im.altezza);
  const size_t perBlocco = std::max<size_t>(1, kBlocco / riga);
  std::vector<uint8_t> blocco(perBlocco * riga, 0);
  for (size_t primo = 0; primo < altezza; primo += perBlocco) {
    ForseInterrompi();
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

void Capienze(const std::string& path, const Immagine& im) {
  char riga[128];
  std::snprintf(riga, sizeof riga, ": %d x %d pixel, 24 bit.\n", im.larghezza, im.altezza);
  ScriviUscita("Bitmap scritta in " + path + riga);
  for (const int16_t Nbit : {1, 2, 4, 8}) {
    const Crypta::Analisi a = Crypta::Analizza(path, Nbit);
    if (!a.Accettata())
      throw Crypta::Errore("La bitmap scritta non risulta valida.", Crypta::Genere::File);
    std::snprintf(riga, sizeof riga, "Bytes utilizzabili a %d bit: %s\n", Nbit,
                  Numero(a.campi.BytesUtilizzabili).c_str());
    ScriviUscita(riga);
  }
  ChiudiUscita();
}

}  // namespace

void Prepara(const OpzioniPrepara& o) {
  // Before the decoding, which may take a while: the result never replaces a file.
  if (Crypta::File::Esiste(o.uscita)) Crypta::ErroreFile(o.uscita, "creare", EEXIST);
  const Crypta::File ingresso = Crypta::File::Apri(o.immagine, Crypta::File::Modo::Lettura);
  const Immagine im = Decodifica(ingresso);
  ForseInterrompi();
  // A channel that is opaque throughout loses nothing (GIFs always come with one).
  if (im.trasparente)
    std::cerr << "tavelin-cli: Attenzione: l'immagine ha un canale alfa, che la bitmap non "
                 "conserva: i pixel trasparenti diventano opachi, con il loro colore."
              << std::endl;

  const uint64_t riga = (uint64_t(im.larghezza) * 3 + 3) / 4 * 4;
  const uint64_t pixel = riga * uint64_t(im.altezza);
  if (pixel + kHeader > 0xFFFFFFFFu)
    Rifiuta("L'immagine \"" + o.immagine + "\" è troppo grande per una bitmap: oltre 4 GiB.");
  // The picture's permissions, and its owner may always write the carrier,
  // since a hide in place changes it.
  Crypta::File uscita = Crypta::File::Anonimo(o.uscita, ingresso.Permessi() | 0600);
  const auto h = Intestazione(uint32_t(im.larghezza), uint32_t(im.altezza), uint32_t(pixel));
  uscita.ScriviA(0, h.data(), h.size());
  ScriviPixel(im, uscita, size_t(riga));
  uscita.Sincronizza();
  ForseInterrompi();
  uscita.DaiNome();
  Capienze(o.uscita, im);
}

}  // namespace Cli
