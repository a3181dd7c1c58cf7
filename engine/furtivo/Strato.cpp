// The stealth layout in memory: the header and the envelope sealed with
// XChaCha20-Poly1305, their bits coded along the walk piece by piece, and
// the same read back.
#include <sodium.h>

#include <cmath>
#include <cstring>

#include "Furtivo.h"
#include "Lingua.h"
#include "Segmenti.h"
#include "Trellis.h"

namespace Crypta::Furtivo {

namespace {

constexpr uint8_t kVersione = 1;
constexpr int kCampi = 8;  // the payload's sealed length (4 bytes), the version, 3 zeros
constexpr int kTag = crypto_aead_xchacha20poly1305_ietf_ABYTES;
static_assert(sizeof(Sale) + kCampi + kTag == kHeaderByte);
static_assert(kTag + 1 == kSovrappiu);
// The payload needs room for some pieces of its own beside the header.
constexpr int64_t kValoriMinimi = kValoriHeader + 4096;

// One key seals two messages, each under a nonce of its own: the key is new
// with every salt, and so with every hide.
std::array<uint8_t, crypto_aead_xchacha20poly1305_ietf_NPUBBYTES> Nonce(uint8_t quale) {
  std::array<uint8_t, crypto_aead_xchacha20poly1305_ietf_NPUBBYTES> n{};
  n[0] = quale;
  return n;
}

// The header is bound to the carrier's size, so that it means nothing moved
// into another picture.
std::array<uint8_t, 16> Misura(const Pixel& p) {
  std::array<uint8_t, 16> m{};
  for (int i = 0; i < 8; ++i) {
    m[size_t(i)] = uint8_t(uint64_t(p.larghezza) >> (8 * i));
    m[size_t(8 + i)] = uint8_t(uint64_t(p.altezza) >> (8 * i));
  }
  return m;
}

bool Ammesso(const Pixel& p) {
  return p.larghezza > 0 && p.altezza > 0 && p.Valori() >= kValoriMinimi &&
         p.Valori() <= kValoriMassimi;
}

// Payload bytes (sealed) that a rate allows.
int64_t ByteMassimi(int64_t valori, double rata) {
  return int64_t(std::floor(rata * double(valori - kValoriHeader))) / 8;
}

// What the pieces read along the walk: the lowest bits of the channel values
// packed 8 to a byte (small enough to stay in cache, however the walk jumps)
// and, for a hide, the costs.
struct Lettura {
  Lettura(const Pixel& p, const Cammino& c, const uint8_t* costi = nullptr)
      : p(p), c(c), costi(costi), bassi(size_t(p.Valori() + 7) / 8) {
    int64_t k = 0;
    for (int64_t y = 0; y < p.altezza; ++y)
      for (int64_t x = 0; x < p.larghezza; ++x)
        for (int ch = 0; ch < 3; ++ch, ++k)
          bassi[size_t(k >> 3)] |=
              uint8_t((p.byte[y * p.passo + x * p.byte_per_pixel + ch] & 1) << (k & 7));
  }
  // The cover bits of a piece, and its costs when `r` is given. The walk's
  // steps are computed a few dozen ahead, and their costs asked of memory
  // before they are needed.
  void Raccogli(const Segmento& s, uint8_t* x, uint8_t* r) const {
    constexpr int64_t kAvanti = 64;
    uint64_t passo[kAvanti];
    for (int64_t t0 = 0; t0 < s.n; t0 += kAvanti) {
      const int64_t k = std::min(kAvanti, s.n - t0);
      for (int64_t j = 0; j < k; ++j) {
        passo[j] = c(uint64_t(s.inizio + t0 + j));
        if (r) __builtin_prefetch(costi + passo[j]);
      }
      for (int64_t j = 0; j < k; ++j) {
        x[t0 + j] = (bassi[passo[j] >> 3] >> (passo[j] & 7)) & 1;
        if (r) r[t0 + j] = costi[passo[j]];
      }
    }
  }
  const Pixel& p;
  const Cammino& c;
  const uint8_t* costi;
  std::vector<uint8_t> bassi;
};

// Codes the bits of `flusso` that a piece carries into its stretch of walk.
void CodificaPezzo(const Lettura& l, uint8_t* uscita, const Segmento& s, const uint8_t* flusso) {
  if (s.m == 0) return;
  std::vector<uint8_t> x(size_t(s.n)), r(size_t(s.n)), msg(size_t(s.m));
  l.Raccogli(s, x.data(), r.data());
  for (int64_t b = 0; b < s.m; ++b)
    msg[size_t(b)] = (flusso[(s.bit + b) / 8] >> ((s.bit + b) % 8)) & 1;
  const std::vector<uint8_t> y = Codifica(x.data(), r.data(), size_t(s.n), msg.data(), size_t(s.m));
  for (int64_t t = 0; t < s.n; ++t) {
    if (y[size_t(t)] == x[size_t(t)]) continue;
    const uint64_t passo = uint64_t(s.inizio + t);
    const int64_t pos = l.p.Posizione(int64_t(l.c(passo)));
    const uint8_t v = l.p.byte[pos];
    const bool su = v == 0 || (v != 255 && l.c.Su(passo));
    uscita[pos] = su ? uint8_t(v + 1) : uint8_t(v - 1);
  }
}

// The bits a piece carries, into their bytes of `flusso`.
void LeggiPezzo(const Lettura& l, const Segmento& s, uint8_t* flusso) {
  if (s.m == 0) return;
  std::vector<uint8_t> y(size_t(s.n));
  l.Raccogli(s, y.data(), nullptr);
  const std::vector<uint8_t> msg = Sindrome(y.data(), size_t(s.n), size_t(s.m));
  for (int64_t b = 0; b < s.m; ++b)
    flusso[(s.bit + b) / 8] |= uint8_t(msg[size_t(b)] << ((s.bit + b) % 8));
}

void Scrivi32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}
uint32_t Leggi32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

}  // namespace

int64_t Capienza(int64_t valori, size_t nome, double rata) {
  if (valori < kValoriMinimi || valori > kValoriMassimi || !(rata > 0)) return 0;
  return std::max<int64_t>(0, ByteMassimi(valori, rata) - kSovrappiu - int64_t(nome));
}

std::string NomeNonValido(std::string_view nome) {
  if (nome.size() > kNomeMassimo) return Tr("il nome è più lungo di 255 byte");
  if (nome == "." || nome == "..") return Tr("il nome non è quello di un file");
  for (const char ch : nome) {
    if (ch == '/' || ch == '\\') return Tr("il nome contiene una cartella");
    if (uint8_t(ch) < 0x20 || ch == 0x7F) return Tr("il nome contiene un carattere di controllo");
  }
  return {};
}

void Nascondi(const Pixel& p, uint8_t* uscita, const Chiavi& k, const Segreto& s, double rata,
              const Osservatore& o) {
  if (!Ammesso(p))
    throw Errore(Tr("La bitmap è fuori dalle misure dello strato furtivo (da %1 a %2 pixel).",
                    {std::to_string(kValoriMinimi / 3 + 1), std::to_string(kValoriMassimi / 3)}),
                 Genere::Rifiutata);
  if (!(rata > 0 && rata <= kRataMassima))
    throw Errore(Tr("Densità non valida: al massimo 0,5 bit per valore."), Genere::Argomento);
  if (const std::string perche = NomeNonValido(s.nome); !perche.empty())
    throw Errore(Tr("Nome del file da nascondere non valido: %1.", {perche}), Genere::Argomento);
  if (int64_t(s.dati.size()) > Capienza(p.Valori(), s.nome.size(), rata))
    throw Errore(Tr("I dati da nascondere superano la capienza furtiva della bitmap (%1 byte).",
                    {std::to_string(Capienza(p.Valori(), s.nome.size(), rata))}),
                 Genere::TroppoGrande);
  if (sodium_init() < 0) throw Errore(Tr("La libreria crittografica non si avvia."), Genere::File);

  // The envelope: the name's length, the name, the bytes.
  std::vector<uint8_t> chiaro(1 + s.nome.size() + s.dati.size());
  chiaro[0] = uint8_t(s.nome.size());
  std::memcpy(chiaro.data() + 1, s.nome.data(), s.nome.size());
  std::memcpy(chiaro.data() + 1 + s.nome.size(), s.dati.data(), s.dati.size());
  std::vector<uint8_t> sigillato(chiaro.size() + kTag);

  std::array<uint8_t, kHeaderByte> header{};
  std::memcpy(header.data(), k.sale.data(), k.sale.size());
  std::array<uint8_t, kCampi> campi{};
  Scrivi32(campi.data(), uint32_t(sigillato.size()));
  campi[4] = kVersione;
  const auto misura = Misura(p);
  crypto_aead_xchacha20poly1305_ietf_encrypt(header.data() + sizeof(Sale), nullptr, campi.data(),
                                             campi.size(), misura.data(), misura.size(), nullptr,
                                             Nonce(0).data(), k.cifratura.data());
  crypto_aead_xchacha20poly1305_ietf_encrypt(sigillato.data(), nullptr, chiaro.data(),
                                             chiaro.size(), header.data(), header.size(), nullptr,
                                             Nonce(1).data(), k.cifratura.data());
  sodium_memzero(chiaro.data(), chiaro.size());

  const Cammino cammino(k.cammino, uint64_t(p.Valori()));
  const std::vector<uint8_t> costi = CostiQuantizzati(p);
  const std::vector<Segmento> pezzi = Segmenti(p.Valori(), int64_t(sigillato.size()));
  const Lettura l(p, cammino, costi.data());
  PerOgni(
      pezzi.size(),
      [&](size_t i) {
        CodificaPezzo(l, uscita, pezzi[i], i == 0 ? header.data() : sigillato.data());
      },
      o);
}

std::optional<Segreto> Rivela(const Pixel& p, const Chiave& cammino, const Derivazione& cifratura,
                              const Osservatore& o) {
  if (!Ammesso(p) || sodium_init() < 0) return std::nullopt;
  const Cammino c(cammino, uint64_t(p.Valori()));
  std::vector<Segmento> pezzi = Segmenti(p.Valori(), 0);
  std::array<uint8_t, kHeaderByte> header{};
  const Lettura l(p, c);
  LeggiPezzo(l, pezzi[0], header.data());
  Sale sale;
  std::memcpy(sale.data(), header.data(), sale.size());
  const Chiave chiave = cifratura(sale);
  std::array<uint8_t, kCampi> campi{};
  const auto misura = Misura(p);
  if (crypto_aead_xchacha20poly1305_ietf_decrypt(
          campi.data(), nullptr, nullptr, header.data() + sizeof(Sale), kCampi + kTag,
          misura.data(), misura.size(), Nonce(0).data(), chiave.data()) != 0)
    return std::nullopt;
  const int64_t lunghezza = Leggi32(campi.data());
  if (campi[4] != kVersione || campi[5] || campi[6] || campi[7] || lunghezza < kSovrappiu ||
      lunghezza > ByteMassimi(p.Valori(), kRataMassima))
    return std::nullopt;

  pezzi = Segmenti(p.Valori(), lunghezza);
  std::vector<uint8_t> sigillato(size_t(lunghezza), 0);
  PerOgni(
      pezzi.size() - 1, [&](size_t i) { LeggiPezzo(l, pezzi[i + 1], sigillato.data()); }, o);
  std::vector<uint8_t> chiaro(sigillato.size() - kTag);
  if (crypto_aead_xchacha20poly1305_ietf_decrypt(chiaro.data(), nullptr, nullptr, sigillato.data(),
                                                 sigillato.size(), header.data(), header.size(),
                                                 Nonce(1).data(), chiave.data()) != 0 ||
      size_t(chiaro[0]) + 1 > chiaro.size())
    return std::nullopt;
  Segreto s;
  s.nome.assign(reinterpret_cast<const char*>(chiaro.data()) + 1, chiaro[0]);
  s.dati.assign(reinterpret_cast<const char*>(chiaro.data()) + 1 + chiaro[0],
                chiaro.size() - 1 - chiaro[0]);
  sodium_memzero(chiaro.data(), chiaro.size());
  return s;
}

}  // namespace Crypta::Furtivo
