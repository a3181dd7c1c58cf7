// The four ways of hiding of the detectability benchmark.
#include "Modi.h"

#include <cmath>
#include <filesystem>
#include <vector>

#include "Costi.h"
#include "Furtivo.h"
#include "Operazioni.h"

namespace Banco {

namespace {

double Uniforme(std::mt19937_64& g) {
  return double(g() >> 11) * 0x1.0p-53;
}

uint8_t Muovi(uint8_t v, bool su) {
  return uint8_t(v == 0 || (v != 255 && su) ? v + 1 : v - 1);
}

// The probabilities of +1 and -1 at cost `rho` and multiplier `lambda`; a
// value at 0 or 255 has only one way to go.
struct Probabilita {
  double su, giu;
};
Probabilita Gibbs(double rho, double lambda, uint8_t v) {
  const double e = std::exp(-lambda * rho);
  const double su = v == 255 ? 0 : e, giu = v == 0 ? 0 : e;
  const double z = 1 + su + giu;
  return {su / z, giu / z};
}

double Entropia(const Probabilita& p) {
  double h = 0;
  for (const double x : {p.su, p.giu, 1 - p.su - p.giu})
    if (x > 0) h -= x * std::log2(x);
  return h;
}

}  // namespace

Canali Progetto(const std::string& tessera, const std::string& cartella, double quota,
                std::mt19937_64& g) {
  const Canali pulita = Crypta::Steganalisi::LeggiCanali(tessera);
  const size_t valori = pulita.piani[0].v.size() * 3;
  const Crypta::Analisi a = Crypta::Analizza(tessera, 1);
  // The payload's bits, less the design's length field, fill `quota` of
  // the values.
  const size_t byte =
      std::min(size_t(quota * double(valori) / 8) - 4, size_t(a.campi.BytesUtilizzabili) - 1);
  std::string carico(byte, '\0');
  for (char& c : carico) c = char(g() & 0xFF);
  const std::string copia = (std::filesystem::path(cartella) / "progetto.bmp").string();
  std::filesystem::remove(copia);
  Crypta::Richiesta r;
  r.carrier = tessera;
  r.chiave = "k";
  r.carico = Crypta::Carico::DiByte(carico);
  r.copia = copia;
  Crypta::Nascondi(r);
  Canali c = Crypta::Steganalisi::LeggiCanali(copia);
  std::filesystem::remove(copia);
  return c;
}

Canali Furtivo(const Canali& pulita, double quota, std::mt19937_64& g) {
  const int w = pulita.piani[0].larghezza, h = pulita.piani[0].altezza;
  const size_t n = size_t(w) * size_t(h);
  std::vector<uint8_t> pixel(n * 3);
  for (size_t i = 0; i < n; ++i)
    for (size_t k = 0; k < 3; ++k) pixel[i * 3 + k] = pulita.piani[k].v[i];
  const Crypta::Furtivo::Pixel px{pixel.data(), w, h, int64_t(w) * 3, 3};
  // Random keys stand for the passphrase's: they only choose the walk and
  // the cipher, whose output is noise either way.
  Crypta::Furtivo::Chiavi k;
  for (auto* a : {&k.cammino, &k.cifratura})
    for (uint8_t& b : *a) b = uint8_t(g());
  for (uint8_t& b : k.sale) b = uint8_t(g());
  // A file as large as the rate allows, of random bytes.
  Crypta::Furtivo::Segreto s;
  s.dati.resize(size_t(Crypta::Furtivo::Capienza(int64_t(n * 3), 0, quota)));
  for (char& c : s.dati) c = char(g() & 0xFF);
  Crypta::Furtivo::Nascondi(px, pixel.data(), k, s, quota);
  Canali c = pulita;
  for (size_t i = 0; i < n; ++i)
    for (size_t j = 0; j < 3; ++j) c.piani[j].v[i] = pixel[i * 3 + j];
  return c;
}

Canali PiuMenoUno(const Canali& pulita, double quota, std::mt19937_64& g) {
  Canali c = pulita;
  for (auto& p : c.piani)
    for (uint8_t& v : p.v)
      if (Uniforme(g) < quota && (g() & 1) != (v & 1)) v = Muovi(v, g() & 1);
  return c;
}

Canali Hill(const Canali& pulita, double quota, std::mt19937_64& g) {
  const int w = pulita.piani[0].larghezza, h = pulita.piani[0].altezza;
  const size_t n = size_t(w) * size_t(h);
  // The channels interleaved as the pixel array holds them.
  std::vector<uint8_t> pixel(n * 3);
  for (size_t i = 0; i < n; ++i)
    for (size_t k = 0; k < 3; ++k) pixel[i * 3 + k] = pulita.piani[k].v[i];
  const Crypta::Furtivo::Pixel px{pixel.data(), w, h, int64_t(w) * 3, 3};
  const std::vector<float> costi = Crypta::Furtivo::CostiHill(px);
  // The multiplier whose changes carry exactly the payload, by bisection on
  // its logarithm: the entropy falls as it grows.
  const double voluti = quota * double(n * 3);
  const auto bit = [&](double lambda) {
    double somma = 0;
    for (size_t j = 0; j < pixel.size(); ++j) somma += Entropia(Gibbs(costi[j], lambda, pixel[j]));
    return somma;
  };
  double basso = -30, alto = 30;
  for (int i = 0; i < 40; ++i) {
    const double mezzo = (basso + alto) / 2;
    (bit(std::exp(mezzo)) > voluti ? basso : alto) = mezzo;
  }
  const double lambda = std::exp((basso + alto) / 2);
  Canali c = pulita;
  for (size_t j = 0; j < pixel.size(); ++j) {
    const Probabilita p = Gibbs(costi[j], lambda, pixel[j]);
    const double u = Uniforme(g);
    uint8_t& v = c.piani[j % 3].v[j / 3];
    if (u < p.su)
      v = uint8_t(v + 1);
    else if (u < p.su + p.giu)
      v = uint8_t(v - 1);
  }
  return c;
}

}  // namespace Banco
