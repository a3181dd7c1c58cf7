#include "Avvisi.h"

#include <iostream>

#include "Avvertimenti.h"

namespace Cli {

void Avvisa(const std::string& testo) {
  std::cerr << "tavelin-cli: Attenzione: " << testo << std::endl;
}

void AvvisaNascondi(const std::string& carrier, const Crypta::Analisi& a, int16_t Nbit,
                    const std::string& chiave, bool cifrato, int64_t lunghezza) {
  for (const std::string& avviso :
       Crypta::AvvisiNascondi(carrier, a, Nbit, chiave, cifrato, lunghezza))
    Avvisa(avviso);
}

}  // namespace Cli
