// The pieces of the walk and the threads that code them.
#include "Segmenti.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>

#include "Avanzamento.h"
#include "Furtivo.h"
#include "Lingua.h"

namespace Crypta::Furtivo {

std::vector<Segmento> Segmenti(int64_t valori, int64_t byte) {
  std::vector<Segmento> s{{0, kValoriHeader, 0, int64_t(kHeaderByte) * 8}};
  const int64_t resto = valori - kValoriHeader;
  if (resto <= 0) return s;
  const int64_t pezzi = (resto + kSegmento - 1) / kSegmento;
  for (int64_t k = 0; k < pezzi; ++k) {
    const int64_t a = resto * k / pezzi, b = resto * (k + 1) / pezzi;
    const int64_t da = byte * k / pezzi, fino = byte * (k + 1) / pezzi;
    s.push_back({kValoriHeader + a, b - a, 8 * da, 8 * (fino - da)});
  }
  return s;
}

void PerOgni(size_t quanti, const std::function<void(size_t)>& lavoro, const Osservatore& o) {
  std::atomic<size_t> prossimo{0}, fatti{0};
  std::atomic<bool> basta{false};
  std::exception_ptr errore;
  std::mutex guardia;
  // Takes the next piece and codes it; false when none is left.
  auto uno = [&] {
    const size_t i = prossimo++;
    if (i >= quanti) return false;
    try {
      lavoro(i);
    } catch (...) {
      const std::lock_guard<std::mutex> l(guardia);
      if (!errore) errore = std::current_exception();
      basta = true;
    }
    ++fatti;
    return true;
  };
  auto lavora = [&] {
    while (!basta && uno()) {
    }
  };
  const unsigned core = std::max(1u, std::thread::hardware_concurrency());
  const size_t altri = std::min<size_t>({core, 4, quanti}) - (quanti > 0 ? 1 : 0);
  std::vector<std::thread> fili;
  for (size_t k = 0; k < altri; ++k) fili.emplace_back(lavora);
  Avanzamento avanzamento(int64_t(quanti), 1, o.Avanzamento);
  bool annullata = false;
  while (!basta) {
    if (o.Annullare && o.Annullare()) {
      annullata = basta = true;
      break;
    }
    if (!uno()) break;
    avanzamento.Fino(int64_t(fatti));
    if (o.Eventi) o.Eventi();
  }
  for (auto& f : fili) f.join();
  if (errore) std::rethrow_exception(errore);
  if (annullata) throw Errore(Tr("Operazione interrotta."), Genere::Annullata);
  avanzamento.Fino(int64_t(quanti));
}

}  // namespace Crypta::Furtivo
