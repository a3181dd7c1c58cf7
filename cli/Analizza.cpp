// The analyze command: how detectable a carrier looks. Per colour channel the
// chi-square attack over the sequential prefix and over the whole channel,
// and the RS, SPA and WS estimates of LSB replacement; then the verdict.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "Comandi.h"
#include "Comune.h"
#include "Lingue.h"
#include "Steganalisi.h"

namespace Cli {

const char* const kAnalizza =
    N_("Dice quanto la bitmap (a 24 o 32 bit) sembra contenere dati nascosti: i rivelatori "
       "chi-quadro, RS, SPA e WS per canale, poi un verdetto");

namespace {

// A share as a percentage with one decimal and a decimal comma: "12,5 %".
std::string Percento(double quota) {
  char testo[32];
  std::snprintf(testo, sizeof testo, "%.1f %%", quota * 100);
  std::string s = testo;
  for (char& c : s)
    if (c == '.') c = ',';
  return s;
}

std::string Colonna(const std::string& testo, int larghezza) {
  // Padding counts characters, not bytes: "chi² prefisso" has one of two bytes.
  const int manca = larghezza - int(Caratteri(testo));
  return manca > 0 ? std::string(size_t(manca), ' ') + testo : testo;
}

// The channel's column, on the left, and a blank after it whatever its length.
std::string Nome(const std::string& testo) {
  return testo + std::string(size_t(std::max(1, 7 - int(Caratteri(testo)))), ' ');
}

}  // namespace

void Analizza(const OpzioniAnalizza& o) {
  namespace S = Crypta::Steganalisi;
  const S::Referto r = S::Esamina(S::LeggiCanali(o.bitmap));
  std::string testo = Nome(_("Canale")) + Colonna(_("chi² prefisso"), 15) +
                      Colonna(_("chi² intero"), 13) + Colonna("RS", 9) + Colonna("SPA", 9) +
                      Colonna("WS", 9) + "\n";
  for (const S::StimaCanale& c : r.canali) {
    char p[16];
    std::snprintf(p, sizeof p, "%.3f", c.chiIntero);
    std::string probabilita = p;
    probabilita[1] = ',';
    testo += Nome(c.nome) + Colonna(Percento(c.chiPrefisso), 15) + Colonna(probabilita, 13) +
             Colonna(Percento(c.rs), 9) + Colonna(Percento(c.spa), 9) + Colonna(Percento(c.ws), 9) +
             "\n";
  }
  std::string verdetto = S::Descrivi(r);
  verdetto[0] = char(std::toupper(static_cast<unsigned char>(verdetto[0])));
  testo += std::string("\n") +
           _("chi² prefisso: i valori dall'inizio in cui l'attacco chi-quadro trova bit "
             "sostituiti; chi² intero: la sua probabilità sull'intero canale; RS, SPA, WS: la "
             "quota stimata di valori con il bit meno significativo sostituito.") +
           "\n\n" + verdetto + ".\n";
  ScriviUscita(testo);
  ChiudiUscita();
}

}  // namespace Cli
