#include "Avvertimenti.h"

#include <cmath>
#include <cstdio>

#include "Lingua.h"
#include "Qualita.h"

namespace Crypta {

std::optional<std::string> AvvisoChiave(std::string_view chiave, bool cifrato) {
  if (cifrato || MascheraDi(chiave) != 0) return std::nullopt;
  return chiave.empty() ? Tr("senza chiave i dati sono nascosti in chiaro: chiunque può leggerli.")
                        : Tr("i caratteri della chiave si annullano a vicenda (maschera 0): i dati "
                             "sono nascosti in chiaro, come senza chiave.");
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
      bpp == 1   ? Tr("la bitmap è in bianco e nero (1 bit per pixel)")
      : bpp <= 8 ? Tr("la bitmap è a tavolozza (%1 bit per pixel)", {std::to_string(bpp)})
                 : Tr("a %1 bit per byte", {std::to_string(Nbit)});
  char db[32];
  std::snprintf(db, sizeof db, "%.1f", psnr);
  return Tr(
      "%1: i dati nascosti si vedranno, con un PSNR atteso di %2 dB sulla parte "
      "dell'immagine che li ospita (sotto i 40 dB la differenza si nota).",
      {perche, db});
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
