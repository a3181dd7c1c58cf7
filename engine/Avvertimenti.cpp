#include "Avvertimenti.h"

#include <cmath>
#include <cstdio>

#include "Qualita.h"

namespace Crypta {

std::optional<std::string> AvvisoChiave(std::string_view chiave, bool cifrato) {
  if (cifrato || MascheraDi(chiave) != 0) return std::nullopt;
  return chiave.empty() ? "senza chiave i dati sono nascosti in chiaro: chiunque può leggerli."
                        : "i caratteri della chiave si annullano a vicenda (maschera 0): i dati "
                          "sono nascosti in chiaro, come senza chiave.";
}

std::optional<std::string> AvvisoImmagine(const std::string& carrier, const Analisi& a,
                                          int16_t Nbit, int64_t flusso) {
  const int bpp = int(a.campi.BitPerPixel);
  if (bpp > 8 && Nbit < 4) return std::nullopt;
  const std::optional<File> f = File::ProvaApri(carrier);
  if (!f) return std::nullopt;
  const double psnr = PsnrAtteso(*f, a, Nbit, flusso);
  if (!std::isfinite(psnr)) return std::nullopt;
  const std::string perche =
      bpp == 1   ? "la bitmap è in bianco e nero (1 bit per pixel)"
      : bpp <= 8 ? "la bitmap è a tavolozza (" + std::to_string(bpp) + " bit per pixel)"
                 : "a " + std::to_string(Nbit) + " bit per byte";
  char db[32];
  std::snprintf(db, sizeof db, "%.1f", psnr);
  return perche + ": i dati nascosti si vedranno, con un PSNR atteso di " + db +
         " dB sulla parte dell'immagine che li ospita (sotto i 40 dB la differenza si nota).";
}

std::vector<std::string> AvvisiNascondi(const std::string& carrier, const Analisi& a, int16_t Nbit,
                                        std::string_view chiave, bool cifrato, int64_t lunghezza) {
  std::vector<std::string> avvisi;
  if (std::optional<std::string> c = AvvisoChiave(chiave, cifrato)) avvisi.push_back(*c);
  if (std::optional<std::string> i = AvvisoImmagine(carrier, a, Nbit, 4 + lunghezza))
    avvisi.push_back(*i);
  return avvisi;
}

}  // namespace Crypta
