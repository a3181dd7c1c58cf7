// The fuzz target of the stealth reveal: arbitrary bytes read as a carrier
// file, its pixels found and revealed with fixed keys (the passphrase's
// derivation is slow on purpose and parses nothing), which may only give
// nothing or a whole payload; then the bytes hidden as a payload in a fixed
// picture, which must come back whole, and give nothing once one lowest bit
// that the input picks is flipped.
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <vector>

#include "Furtivo.h"
#include "Portatore.h"

namespace {

[[noreturn]] void Fallito(const char* cosa) {
  std::fprintf(stderr, "tavelin fuzz: %s\n", cosa);
  std::abort();
}

// The input as a file.
class Memoria : public Crypta::Accesso {
 public:
  Memoria(const uint8_t* d, size_t n) : d_(d), n_(n) {}
  const std::string& Nome() const override { return nome_; }
  int64_t Dimensione() const override { return int64_t(n_); }
  size_t LeggiA(int64_t pos, void* buf, size_t n) const override {
    if (pos < 0 || size_t(pos) >= n_) return 0;
    const size_t k = std::min(n, n_ - size_t(pos));
    std::copy(d_ + pos, d_ + pos + ptrdiff_t(k), static_cast<uint8_t*>(buf));
    return k;
  }
  void ScriviA(int64_t, const void*, size_t) const override { Fallito("a reveal writes"); }
  void Sincronizza() const override {}

 private:
  const uint8_t* d_;
  size_t n_;
  std::string nome_ = "fuzz";
};

Crypta::Furtivo::Chiavi Chiavi() {
  Crypta::Furtivo::Chiavi k;
  k.cammino.fill(1);
  k.cifratura.fill(2);
  k.sale.fill(3);
  return k;
}

std::optional<Crypta::Furtivo::Segreto> Rivela(const Crypta::Furtivo::Pixel& p) {
  const auto k = Chiavi();
  return Crypta::Furtivo::Rivela(p, k.cammino, [k](const Crypta::Furtivo::Sale& s) {
    auto c = k.cifratura;
    if (s != k.sale) c[0] ^= 1;
    return c;
  });
}

// A fixed textured picture of 64 x 60 pixels, 3 bytes each.
const std::vector<uint8_t>& Quadro() {
  static const std::vector<uint8_t> q = [] {
    std::vector<uint8_t> v(64 * 60 * 3);
    std::mt19937 g(1);
    for (auto& b : v) b = uint8_t(g());
    return v;
  }();
  return q;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Memoria file(data, size);
  std::string perche;
  if (auto g = Crypta::Furtivo::Geometria(Crypta::Analizza(file, 1), file.Dimensione(), &perche)) {
    const std::vector<uint8_t> pixel = Crypta::Furtivo::Leggi(file, *g);
    if (const auto s = Rivela(g->forma); s && s->nome.size() > Crypta::Furtivo::kNomeMassimo)
      Fallito("a name longer than a name may be");
  } else if (perche.empty()) {
    Fallito("a carrier refused without a reason");
  }

  std::vector<uint8_t> q = Quadro();
  const Crypta::Furtivo::Pixel p{q.data(), 64, 60, 64 * 3, 3};
  const int64_t cap = Crypta::Furtivo::Capienza(p.Valori(), 1);
  const Crypta::Furtivo::Segreto in{
      "f", std::string(reinterpret_cast<const char*>(data), std::min<size_t>(size, size_t(cap)))};
  Crypta::Furtivo::Nascondi(p, q.data(), Chiavi(), in);
  const auto out = Rivela(p);
  if (!out || out->nome != in.nome || out->dati != in.dati) Fallito("a payload not back whole");
  const int64_t k = size < 3 ? 0 : (data[0] | data[1] << 8 | data[2] << 16) % p.Valori();
  q[size_t(p.Posizione(k))] ^= 1;
  if (Rivela(p)) Fallito("a flipped bit not noticed");
  return 0;
}
