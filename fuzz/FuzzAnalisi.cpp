// The fuzz target of analyze's reading: arbitrary bytes as a carrier, read
// from memory through the file layer's interface and analysed. The only
// outcomes allowed are a report of three channels whose estimates are
// shares between 0 and 1, or a refusal (Crypta::Errore of kind Rifiutata).
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "Accesso.h"
#include "Crypta.h"
#include "Steganalisi.h"

namespace {

class Memoria : public Crypta::Accesso {
 public:
  Memoria(const uint8_t* d, size_t n) : d_(d), n_(n) {}
  const std::string& Nome() const override { return nome_; }
  int64_t Dimensione() const override { return int64_t(n_); }
  size_t LeggiA(int64_t pos, void* buf, size_t n) const override {
    if (pos < 0 || size_t(pos) >= n_) return 0;
    const size_t k = std::min(n, n_ - size_t(pos));
    std::memcpy(buf, d_ + pos, k);
    return k;
  }
  void ScriviA(int64_t, const void*, size_t) const override { std::abort(); }
  void Sincronizza() const override {}

 private:
  const uint8_t* d_;
  size_t n_;
  std::string nome_ = "fuzz.bmp";
};

bool Quota(double q) {
  return std::isfinite(q) && q >= 0 && q <= 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  namespace S = Crypta::Steganalisi;
  try {
    const S::Canali c = S::LeggiCanali(Memoria(data, size));
    if (c.piani.size() != 3) std::abort();
    const S::Referto r = S::Esamina(c);
    for (const S::StimaCanale& s : r.canali)
      for (const double q : {s.chiPrefisso, s.chiIntero, s.rs, s.spa, s.ws, s.wsInizio, s.wsFine})
        if (!Quota(q)) std::abort();
    if (!Quota(r.quota) || S::Descrivi(r).empty()) std::abort();
  } catch (const Crypta::Errore& e) {
    if (e.genere != Crypta::Genere::Rifiutata) std::abort();
  }
  return 0;
}
