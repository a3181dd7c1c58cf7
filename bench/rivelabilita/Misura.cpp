// The detectability benchmark's measuring program: for each clean tile, and
// for each way of hiding at each rate, the detectors of `analyze` averaged
// over the channels, the verdict, and the SPAM features averaged over the
// channels, one line each, for the classifier and the tables of
// classifica.py.
//
//   misura_rivelabilita ELENCO USCITA CARTELLA [MODI [QUOTE]]
//
// ELENCO holds a line "picture tile-path" for each tile; CARTELLA takes the
// design's hides for the span of one reading. MODI, a list such as
// "progetto,furtivo", measures only those ways (default: all four); QUOTE,
// a list such as "0.15", only those rates.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "Crypta.h"
#include "Furtivo.h"
#include "Modi.h"

namespace {

using namespace Crypta::Steganalisi;

// The rates, the stealth layout's safe one among them.
constexpr double kQuote[] = {0.05, 0.1, Crypta::Furtivo::kRataSicura, 0.2};

void Scrivi(std::ostream& o, const std::string& immagine, size_t tessera, const char* modo,
            double quota, const Canali& c) {
  const Referto r = Esamina(c);
  double chiP = 0, chiI = 0, rs = 0, spa = 0, ws = 0;
  for (const StimaCanale& s : r.canali) {
    chiP += s.chiPrefisso / 3;
    chiI += s.chiIntero / 3;
    rs += s.rs / 3;
    spa += s.spa / 3;
    ws += s.ws / 3;
  }
  std::vector<double> spam(kDimensioneSpam, 0.0);
  for (const Piano& p : c.piani) {
    const std::vector<double> f = Spam(p);
    for (size_t i = 0; i < f.size(); ++i) spam[i] += f[i] / 3;
  }
  o << immagine << ' ' << tessera << ' ' << modo << ' ' << quota << ' ' << int(r.verdetto) << ' '
    << chiP << ' ' << chiI << ' ' << rs << ' ' << spa << ' ' << ws;
  char numero[32];
  for (const double f : spam) {
    std::snprintf(numero, sizeof numero, " %.6g", f);
    o << numero;
  }
  o << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4 || argc > 6) {
    std::cerr << "uso: misura_rivelabilita ELENCO USCITA CARTELLA [MODI [QUOTE]]\n";
    return 2;
  }
  std::ifstream elenco(argv[1]);
  std::ofstream uscita(argv[2]);
  const std::string cartella = argv[3];
  const std::string modi = argc >= 5 ? "," + std::string(argv[4]) + "," : "";
  std::vector<double> quote(std::begin(kQuote), std::end(kQuote));
  if (argc == 6) {
    quote.clear();
    std::istringstream elencoQuote(argv[5]);
    for (std::string q; std::getline(elencoQuote, q, ',');) quote.push_back(std::stod(q));
  }
  const auto misura = [&modi](const char* modo) {
    return modi.empty() || modi.find("," + std::string(modo) + ",") != std::string::npos;
  };
  std::string riga;
  size_t tessera = 0;
  while (std::getline(elenco, riga)) {
    std::istringstream campi(riga);
    std::string immagine, percorso;
    if (!(campi >> immagine >> percorso)) continue;
    try {
      const Canali pulita = LeggiCanali(percorso);
      std::mt19937_64 g(tessera + 1);
      Scrivi(uscita, immagine, tessera, "pulita", 0, pulita);
      for (const double q : quote) {
        if (misura("progetto"))
          Scrivi(uscita, immagine, tessera, "progetto", q,
                 Banco::Progetto(percorso, cartella, q, g));
        if (misura("furtivo"))
          Scrivi(uscita, immagine, tessera, "furtivo", q, Banco::Furtivo(pulita, q, g));
        if (misura("piumenouno"))
          Scrivi(uscita, immagine, tessera, "piumenouno", q, Banco::PiuMenoUno(pulita, q, g));
        if (misura("hill")) Scrivi(uscita, immagine, tessera, "hill", q, Banco::Hill(pulita, q, g));
      }
    } catch (const Crypta::Errore& e) {
      std::cerr << percorso << ": " << e.what() << '\n';
    }
    ++tessera;
    if (tessera % 10 == 0) std::cerr << tessera << " tessere\n";
  }
  return uscita ? 0 : 1;
}
