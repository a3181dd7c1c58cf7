// The detectors over every channel, and what they add up to for a user.
#include <algorithm>
#include <cmath>

#include "Lingua.h"
#include "Steganalisi.h"

namespace Crypta::Steganalisi {

namespace {

// A sequential payload: the first rows of the file replaced, the last ones
// clean, in most channels.
constexpr double kInizioMinimo = 0.5;
constexpr double kScartoMinimo = 0.4;
// Rows a band holds: a thirty-second of the picture, but enough values for
// a steady estimate.
constexpr int kBande = 32;
constexpr int kRigheMinime = 8;
// Replacement at random places: the estimated share that no clean tile of
// the detectability benchmark's wallpapers reached.
constexpr double kQuotaMinima = 0.03;

double Mediana(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The WS estimate over rows [da, a) of the file.
double StimaRighe(const Piano& p, int da, int a) {
  const size_t w = size_t(p.larghezza);
  return StimaWS(Piano{p.larghezza, a - da,
                       std::vector<uint8_t>(p.v.begin() + std::ptrdiff_t(size_t(da) * w),
                                            p.v.begin() + std::ptrdiff_t(size_t(a) * w))});
}

}  // namespace

Referto Esamina(const Canali& c) {
  Referto r;
  std::vector<double> inizi, scarti, quote;
  for (size_t k = 0; k < c.piani.size(); ++k) {
    const Piano& p = c.piani[k];
    StimaCanale s;
    s.nome = k < c.nomi.size() ? c.nomi[k] : std::to_string(k + 1);
    s.chiPrefisso = PrefissoSequenziale(p);
    s.chiIntero = ProbabilitaChiQuadro(p.v.data(), p.v.size());
    s.rs = StimaRS(p);
    s.spa = StimaSPA(p);
    s.ws = StimaWS(p);
    // A hide that writes from the start leaves the first rows replaced and
    // the last ones clean; at random places every band looks alike.
    const int banda = std::min(p.altezza, std::max(kRigheMinime, p.altezza / kBande));
    s.wsInizio = StimaRighe(p, 0, banda);
    s.wsFine = StimaRighe(p, p.altezza - banda, p.altezza);
    inizi.push_back(s.wsInizio);
    scarti.push_back(s.wsInizio - s.wsFine);
    // The least of the three: replacement moves them all alike, while a
    // picture's content throws RS and SPA together (both count pairs of
    // neighbours) more often than any of them alone.
    quote.push_back(std::min({s.rs, s.spa, s.ws}));
    r.canali.push_back(s);
  }
  const double quota = Mediana(quote);
  r.quota = quota;
  if (c.piani.empty() || double(c.piani[0].v.size()) < kPixelMinimi) {
    r.verdetto = Verdetto::TroppoPiccola;
    r.quota = 0;
  } else if (Mediana(inizi) >= kInizioMinimo && Mediana(scarti) >= kScartoMinimo)
    r.verdetto = Verdetto::Sequenziale;
  else if (quota >= kQuotaMinima)
    r.verdetto = Verdetto::Tracce;
  else
    r.quota = 0;
  return r;
}

std::string Descrivi(const Referto& r) {
  const std::string percento = std::to_string(std::lround(r.quota * 100)) + " %";
  switch (r.verdetto) {
    case Verdetto::NessunSegno:
      return Tr("nessun segno di dati nascosti");
    case Verdetto::TroppoPiccola:
      return Tr(
          "la figura è troppo piccola perché i rivelatori dicano qualcosa (servono almeno 4096 "
          "pixel)");
    case Verdetto::Tracce:
      return Tr("tracce di sostituzione LSB su circa il %1 dei valori", {percento});
    case Verdetto::Sequenziale:
      return Tr("un carico sequenziale all'inizio dei pixel, su circa il %1 dei valori",
                {percento});
  }
  return "";
}

}  // namespace Crypta::Steganalisi
