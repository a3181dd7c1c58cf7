// The fuzz target of the encrypted payload: arbitrary bytes decrypted as a
// revealed payload, which may only be refused with Crypta::Errore and never
// reach the sink's completion unless whole; then the same bytes as plaintext,
// encrypted in chunks of 64 bytes, decrypted back, and refused once one bit
// that the input picks is flipped and once it is cut where the input says.
// A fixed key stands in for the passphrase's derivation, which is slow on
// purpose; the header's bounds are checked all the same.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "Cifratura.h"

namespace {

[[noreturn]] void Fallito(const char* cosa) {
  std::fprintf(stderr, "tavelin fuzz: %s\n", cosa);
  std::abort();
}

Crypta::Derivazione Fissa() {
  return [](const Crypta::Testata&) {
    Crypta::ChiaveFlusso k;
    k.fill(7);
    return k;
  };
}

struct Registro : Crypta::Destinazione {
  void Apri(const Crypta::File&, int64_t n) override {
    if (aperto) Fallito("opened twice");
    aperto = true;
    annunciati = n;
  }
  void Scrivi(const uint8_t* d, size_t n) override {
    if (!aperto || completo) Fallito("write outside an open payload");
    dati.append(reinterpret_cast<const char*>(d), n);
  }
  void Completa() override { completo = true; }
  void Annulla() noexcept override { annullato = true; }
  bool aperto = false, completo = false, annullato = false;
  int64_t annunciati = -1;
  std::string dati;
};

const Crypta::File& Nulla() {
  static const Crypta::File f = Crypta::File::Descrittore(0, "fuzz");
  return f;
}

// True when the bytes decrypt whole; a refusal must leave the sink given back.
bool Decifra(const uint8_t* p, size_t n, Registro& r) {
  Crypta::Decifratore d(r, Fissa());
  try {
    d.Apri(Nulla(), int64_t(n));
    // In two writes, where the input's first byte says, as blocks fall.
    const size_t taglio = n == 0 ? 0 : p[0] % (n + 1);
    d.Scrivi(p, taglio);
    d.Scrivi(p + taglio, n - taglio);
    d.Completa();
  } catch (const Crypta::Errore& e) {
    if (e.genere != Crypta::Genere::Rifiutata) Fallito("an error of another kind");
    d.Annulla();
    if (r.completo || (r.aperto && !r.annullato)) Fallito("a refused payload not given back");
    return false;
  }
  if (!r.completo || int64_t(r.dati.size()) != r.annunciati) Fallito("a whole payload not whole");
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Registro qualsiasi;
  Decifra(data, size, qualsiasi);

  const std::string chiaro(reinterpret_cast<const char*>(data), size);
  size_t letto = 0;
  Crypta::Cifratore c(
      Fissa(), int64_t(size),
      [&](uint8_t* d, size_t n) {
        std::memcpy(d, chiaro.data() + letto, n);
        letto += n;
      },
      Crypta::Parametri{6, 1, 8});
  std::string cifrato(size_t(c.Lunghezza()), '\0');
  c.Produci(reinterpret_cast<uint8_t*>(cifrato.data()), cifrato.size());
  const auto* byte = reinterpret_cast<const uint8_t*>(cifrato.data());
  Registro giusto;
  if (!Decifra(byte, cifrato.size(), giusto) || giusto.dati != chiaro) Fallito("round trip");

  size_t h = 5381;
  for (size_t i = 0; i < size; ++i) h = h * 33 + data[i];
  std::string alterato = cifrato;
  const size_t bit = h % (cifrato.size() * 8);
  alterato[bit / 8] = char(alterato[bit / 8] ^ (1 << (bit % 8)));
  Registro r1, r2;
  if (Decifra(reinterpret_cast<const uint8_t*>(alterato.data()), alterato.size(), r1))
    Fallito("a flipped bit went through");
  if (chiaro.compare(0, r1.dati.size(), r1.dati) != 0) Fallito("unauthenticated bytes went out");
  if (Decifra(byte, (h / 7) % cifrato.size(), r2)) Fallito("a cut stream went through");
  return 0;
}
