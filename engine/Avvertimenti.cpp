#include "Avvertimenti.h"

#include <cmath>
#include <cstdio>

#include "Qualita.h"

namespace Crypta {

std::vector<std::string> AvvisiNascondi(const std::string& carrier, const Analisi& a,
                                        int16_t Nbit, std::string_view chiave, bool cifrato,
                                        int64_t lunghezza) {
  std::vector<std::string> avvisi;
  if (!cifrato && MascheraDi(chiave) == 0)
    avvisi.push_back(chiave.empty()
                         ? "senza chiave i dati sono nascosti in chiaro: chiunque può leggerli."
                         : "i caratteri della chiave si annullano a vicenda (maschera 0): i dati "
                           "sono nascosti in chiaro, come senza chiave.");

  const int bpp = int(a.campi.BitPerPixel);
  if (bpp > 8 && Nbit < 4) return avvisi;
  const std::optional<File> f = File::ProvaApri(carrier);
  if (!f) return avvisi;
  const double psnr = PsnrAtteso(*f, a, Nbit, 4 + lunghezza);
  if (!std::isfinite(psnr)) return avvisi;
  const std::string perche =
      bpp == 1   ? "la bitmap è in bianco e nero (1 bit per pixel)"
      : bpp <= 8 ? "la bitmap è a tavolozza (" + std::to_string(bpp) + " bit per pixel)"
                 : "a " + std::to_string(Nbit) + " bit per byte";
  char db[32];
  std::snprintf(db, sizeof db, "%.1f", psnr);
  avvisi.push_back(perche + ": i dati nascosti si vedranno, con un PSNR atteso di " + db +
                   " dB sulla parte dell'immagine che li ospita (sotto i 40 dB la differenza si "
                   "nota).");
  return avvisi;
}

}  // namespace Crypta
