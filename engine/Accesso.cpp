#include "Accesso.h"

#include <algorithm>
#include <vector>

#include "Crypta.h"
#include "Lingua.h"

namespace Crypta {

void Accesso::CopiaDa(const Accesso& da, int64_t pos, int64_t n) const {
  std::vector<char> blocco(static_cast<size_t>(std::min<int64_t>(n, int64_t{1} << 20)));
  while (n > 0) {
    const size_t k = static_cast<size_t>(std::min<int64_t>(n, int64_t(blocco.size())));
    if (da.LeggiA(pos, blocco.data(), k) != k)
      throw Errore(Tr("Il file \"%1\" si è accorciato durante l'operazione.", {da.Nome()}),
                   Genere::File);
    ScriviA(pos, blocco.data(), k);
    pos += int64_t(k);
    n -= int64_t(k);
  }
}

}  // namespace Crypta
