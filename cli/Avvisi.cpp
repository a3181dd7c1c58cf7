#include "Avvisi.h"

#include <cmath>
#include <cstdio>
#include <iostream>

#include "Comune.h"
#include "Qualita.h"

namespace Cli {

void Avvisa(const std::string& testo) {
  std::cerr << "tavelin-cli: Attenzione: " << testo << std::endl;
}

void AvvisaNascondi(const std::string& carrier, const Crypta::Analisi& a, int16_t Nbit,
                    const std::string& chiave, bool cifrato, int64_t lunghezza) {
  if (!cifrato && Crypta::MascheraDi(chiave) == 0)
    Avvisa(chiave.empty()
               ? "senza chiave i dati sono nascosti in chiaro: chiunque può leggerli."
               : "i caratteri della chiave si annullano a vicenda (maschera 0): i dati sono "
                 "nascosti in chiaro, come senza chiave.");

  const int bpp = int(a.campi.BitPerPixel);
  if (bpp > 8 && Nbit < 4) return;
  const Crypta::File f = Crypta::File::Apri(carrier, Crypta::File::Modo::Lettura);
  const double psnr = Crypta::PsnrAtteso(f, a, Nbit, 4 + lunghezza);
  if (!std::isfinite(psnr)) return;
  const std::string perche =
      bpp == 1   ? "la bitmap è in bianco e nero (1 bit per pixel)"
      : bpp <= 8 ? "la bitmap è a tavolozza (" + std::to_string(bpp) + " bit per pixel)"
                 : "a " + std::to_string(Nbit) + " bit per byte";
  char db[32];
  std::snprintf(db, sizeof db, "%.1f", psnr);
  Avvisa(perche + ": i dati nascosti si vedranno, con un PSNR atteso di " + db +
         " dB sulla parte dell'immagine che li ospita (sotto i 40 dB la differenza si nota).");
}

}  // namespace Cli
