#include "Scansione.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "Bitmap.h"
#include "Contenuto.h"
#include "Interno.h"
#include "Lingua.h"
#include "Scrittura.h"

namespace Crypta {

namespace {

using Conta = std::array<int64_t, 256>;

constexpr int64_t kBlocco = int64_t{1} << 20;  // carrier bytes per read, a multiple of 8
constexpr size_t kInizio = 64;                 // payload bytes kept for signatures and previews
constexpr double kFirma = 1e12;                // a signature outranks any text
constexpr double kMargine = 0.25;  // nats a byte: texts of one bit count kept beside the best

// When a text is claimed. Its evidence is the log of how much likelier the
// carrier's bytes are with the text hidden in them than as the carrier's own
// statistics make them (Sorprese). Were the carrier's bytes drawn from
// those statistics, the evidence would reach t with a chance of at most e^-t
// at one mask and bit count (Markov's inequality: the ratio's mean is 1), so
// at most 1024 e^-t over the 4 x 256 tried, 2 in a million for t = 20. A
// picture is no such draw: its statistics drift from one region to the next,
// and over a long stretch even a slight drift adds up; a claim also needs a
// nat a byte, where a true text has two or three against a noisy picture's
// low bits and more against a flat one's.
constexpr double kSoglia = 20;    // nats
constexpr double kPerByte = 1.0;  // nats a payload byte

// One bit count's view of the carrier: the stream without a mask (a
// histogram of the bytes every candidate holds, those past the shortest one
// by one, and the first bytes); the carrier bytes under the candidates, each
// paired with the same colour's byte in the pixel before, counted the same
// way; and the steps and bytes past the longest candidate, the reference
// for every candidate of this bit count: were it each one's own
// surroundings, a longer one would swallow the pixels that explain it.
struct Flusso {
  Conta conta{};
  std::vector<uint8_t> coda;
  std::vector<uint8_t> inizio;
  std::vector<int64_t> sotto = std::vector<int64_t>(65536);  // pairs under the shortest
  std::vector<uint16_t> codaSotto;                           // those of the longest past it
  std::array<int64_t, 511> altrove{};                        // steps past the longest, + 255
  Conta valori{};                                            // their bytes
};

// The steps (+ 255) and the bytes of the whole pixel area, the same at
// every bit count: counted once.
struct Area {
  std::array<int64_t, 511> passi{};
  Conta valori{};
};

struct Misure {
  int64_t inizio, fine;  // the pixel area in the file
  int64_t passi;         // carrier bytes a stream byte
  int64_t corto, lungo;  // the shortest and the longest candidate
};

// Reads the first `fino` bytes of the pixel area a block at a time, each
// block handed to `fai` with where it starts and the bytes of the pixel
// before its first.
template <typename Fai>
void PerBlocchi(const File& carrier, const Misure& m, int64_t fino, const Osservatore& o, Fai fai) {
  std::vector<uint8_t> blocco(size_t(std::min(kBlocco, fino)));
  uint8_t prima[3] = {0, 0, 0};
  for (int64_t fatti = 0; fatti < fino;) {
    ForseAnnulla(o);
    const size_t n = size_t(std::min(fino - fatti, kBlocco));
    if (carrier.LeggiA(m.inizio + fatti, blocco.data(), n) != n)
      throw Errore(Tr("La bitmap \"%1\" si è accorciata durante l'operazione.", {carrier.Nome()}),
                   Genere::File);
    uint8_t dopo[3] = {0, 0, 0};  // kept before `fai` may write over the block
    if (n >= 3) std::copy(blocco.data() + n - 3, blocco.data() + n, dopo);
    fai(fatti, blocco.data(), n, prima);
    std::copy(dopo, dopo + 3, prima);
    fatti += int64_t(n);
  }
}

Area ContaArea(const File& carrier, const Misure& m, const Osservatore& o) {
  Area a;
  PerBlocchi(carrier, m, m.fine - m.inizio, o,
             [&](int64_t, const uint8_t* b, size_t n, const uint8_t* prima) {
               for (size_t i = 0; i < n; ++i) {
                 ++a.passi[size_t(b[i] - (i < 3 ? prima[i] : b[i - 3]) + 255)];
                 ++a.valori[b[i]];
               }
             });
  return a;
}

// The area's counts, less those of the candidates' bytes, are the reference.
Flusso Raduna(const File& carrier, int16_t Nbit, const Misure& m, const Area& area,
              const Osservatore& o) {
  Flusso f;
  f.altrove = area.passi;
  f.valori = area.valori;
  const int64_t finoCampo = 4 * m.passi, finoCorto = (4 + m.corto) * m.passi,
                finoLungo = (4 + m.lungo) * m.passi;
  PerBlocchi(carrier, m, finoLungo, o,
             [&](int64_t fatti, uint8_t* blocco, size_t n, const uint8_t* prima) {
               for (size_t i = 0; i < n; ++i) {
                 const int64_t pos = fatti + int64_t(i);
                 const int precedente = i < 3 ? prima[i] : blocco[i - 3],
                           coppia = precedente << 8 | blocco[i];
                 --f.altrove[size_t(blocco[i] - precedente + 255)];
                 --f.valori[blocco[i]];
                 if (pos >= finoCorto)
                   f.codaSotto.push_back(uint16_t(coppia));
                 else if (pos >= finoCampo)    // the length field is no evidence: only
                   ++f.sotto[size_t(coppia)];  // candidates whose length fits are tried
               }
               // The payload's stream, from the carrier bytes past the length field;
               // blocks start on a multiple of 8, so stream bytes never straddle two.
               const int64_t da = std::max(fatti, finoCampo),
                             a = std::min(fatti + int64_t(n), finoLungo);
               if (da < a) {
                 uint8_t* const p = blocco + (da - fatti);
                 const size_t byte = size_t((a - da) / m.passi);
                 Raccogli(p, byte, p, Nbit, 0);
                 for (size_t i = 0; i < byte; ++i) {
                   const int64_t pos = (da - finoCampo) / m.passi + int64_t(i);
                   if (pos < m.corto)
                     ++f.conta[p[i]];
                   else
                     f.coda.push_back(p[i]);
                   if (pos < int64_t(kInizio)) f.inizio.push_back(p[i]);
                 }
               }
             });
  return f;
}

// In nats, -log of the chance of each pair's low Nbit bits as the rest of
// the carrier makes them, given their other bits. Two views of the carrier
// are mixed half and half, so that a byte costs at most log 2 more than under
// the one that suits it: its steps from the byte before, small in a smooth or
// flat stretch wherever it lies and whatever its colour; and its values, few
// in a dark picture, which also tell that a byte after a payload's last one
// is ordinary. Half a count is added to each step and value.
std::vector<double> Sorprese(const Flusso& f, int Nbit) {
  double totale = 0;
  for (const int64_t n : f.altrove) totale += double(n);
  std::array<double, 511> passo{};
  for (size_t r = 0; r < passo.size(); ++r)
    passo[r] = (double(f.altrove[r]) + 0.5) / (totale + 0.5 * 511);
  const int quanti = 1 << Nbit;
  std::vector<double> costo(65536);
  for (int alto = 0; alto < 256; alto += quanti) {
    double zv = 0;
    for (int v = alto; v < alto + quanti; ++v) zv += double(f.valori[size_t(v)]) + 0.5;
    for (int prima = 0; prima < 256; ++prima) {
      double zp = 0;
      for (int v = alto; v < alto + quanti; ++v) zp += passo[size_t(v - prima + 255)];
      for (int v = alto; v < alto + quanti; ++v)
        costo[size_t(prima << 8 | v)] = -std::log(0.5 * passo[size_t(v - prima + 255)] / zp +
                                                  0.5 * (double(f.valori[size_t(v)]) + 0.5) / zv);
    }
  }
  return costo;
}

// The candidate of mask K, or nothing when its bytes are neither a known
// file nor a text the carrier's statistics do not explain.
std::optional<Candidato> Valuta(const Flusso& f, int16_t Nbit, uint8_t K, int64_t L,
                                const Misure& m, double sorpresa) {
  Candidato c;
  c.Nbit = Nbit;
  c.maschera = K;
  c.lunghezza = L;
  for (size_t i = 0; i < f.inizio.size() && int64_t(i) < L; ++i)
    c.inizio.push_back(static_cast<char>(f.inizio[i] ^ K));
  const auto* inizio = reinterpret_cast<const uint8_t*>(c.inizio.data());
  if (std::string firma = FirmaDi(inizio, c.inizio.size()); !firma.empty()) {
    c.tipo = std::move(firma);
    c.punteggio = kFirma + double(L);
    return c;
  }
  Conta conta{};
  for (size_t v = 0; v < 256; ++v) conta[v ^ K] = f.conta[v];
  for (int64_t i = 0; i < L - m.corto; ++i) ++conta[f.coda[size_t(i)] ^ K];
  if (!PareTesto(conta, L)) return std::nullopt;
  double testo = 0;
  for (size_t v = 0; v < 256; ++v) testo += double(conta[v]) * (PesoTesto()[v] - std::log(256.0));
  c.punteggio = testo + sorpresa;
  if (c.punteggio < kSoglia || c.punteggio < kPerByte * double(L)) return std::nullopt;
  c.tipo = Tr("testo");
  return c;
}

void Scandisci(const File& carrier, int16_t Nbit, const Osservatore& o, std::optional<Area>& area,
               std::vector<Candidato>& trovati) {
  const Analisi a = Analizza(carrier, Nbit);
  if (!a.Accettata()) return;
  const double capienza = a.campi.BytesUtilizzabili;
  Misure m{};
  m.passi = 8 / Nbit;
  m.inizio = static_cast<int64_t>(a.campi.OffsetDati);
  const int64_t fisica = carrier.Dimensione();
  m.fine = std::min<int64_t>(fisica, static_cast<int64_t>(a.campi.DimensioneFile));
  uint8_t blocco[32], campo[4];
  const size_t byteCampo = 4 * size_t(m.passi);
  if (capienza < 1 || m.inizio + int64_t(byteCampo) > fisica ||
      carrier.LeggiA(m.inizio, blocco, byteCampo) != byteCampo)
    return;
  Raccogli(blocco, 4, campo, Nbit, 0);
  if (campo[0] & 0x80) return;  // no mask reaches the top byte
  const int64_t alto = int64_t{campo[0]} << 24 | int64_t{campo[1]} << 16 | int64_t{campo[2]} << 8;
  // The lengths a reveal would take, within the capacity and the file.
  std::vector<std::pair<uint8_t, int64_t>> maschere;
  for (int K = 0; K < 256; ++K) {
    const int64_t L = alto | (campo[3] ^ K);
    if (L >= 1 && double(L) <= capienza && m.inizio + (4 + L) * m.passi <= m.fine)
      maschere.emplace_back(uint8_t(K), L);
  }
  if (maschere.empty()) return;
  m.corto = m.lungo = maschere[0].second;
  for (const auto& k : maschere) {
    m.corto = std::min(m.corto, k.second);
    m.lungo = std::max(m.lungo, k.second);
  }
  if (!area) area = ContaArea(carrier, m, o);  // the area is the same at every bit count
  const Flusso f = Raduna(carrier, Nbit, m, *area, o);
  const std::vector<double> costo = Sorprese(f, Nbit);
  std::vector<double> sorpresa{0};  // under the shortest candidate, then one more byte at a time
  for (size_t i = 0; i < costo.size(); ++i) sorpresa[0] += double(f.sotto[i]) * costo[i];
  for (const uint16_t coppia : f.codaSotto) sorpresa.push_back(sorpresa.back() + costo[coppia]);
  std::vector<Candidato> qui;
  for (const auto& [K, L] : maschere)
    if (std::optional<Candidato> c =
            Valuta(f, Nbit, K, L, m, sorpresa[size_t((L - m.corto) * m.passi)]))
      qui.push_back(std::move(*c));
  // All masks read the same bytes, so one at most is true: a signature
  // settles it; else the text of most evidence, and those that have nearly
  // as much a byte (a text of capitals without blanks reads as well in
  // either case), not the other masks' readings of the same text.
  const auto meglio = std::max_element(
      qui.begin(), qui.end(),
      [](const Candidato& a, const Candidato& b) { return a.punteggio < b.punteggio; });
  if (meglio == qui.end()) return;
  const bool firma = meglio->punteggio >= kFirma;
  const double aByte = meglio->punteggio / double(meglio->lunghezza);
  for (Candidato& c : qui)
    if (firma ? c.punteggio >= kFirma : c.punteggio / double(c.lunghezza) >= aByte - kMargine)
      trovati.push_back(std::move(c));
}

}  // namespace

std::vector<Candidato> Scansiona(const std::string& path, const Osservatore& o) {
  const File carrier = File::Apri(path, File::Modo::Lettura);
  if (!carrier.Blocca(File::Blocco::Condiviso))
    throw Errore(
        Tr("La bitmap \"%1\" è in uso in un'altra operazione: riprovare quando è finita.", {path}),
        Genere::InUso);
  std::vector<Candidato> trovati;
  std::optional<Area> area;
  for (const int16_t Nbit : {1, 2, 4, 8}) Scandisci(carrier, Nbit, o, area, trovati);
  // The evidence of every text is a log-ratio of the same carrier bytes'
  // chances, each bit count's null being its share of one model of the
  // carrier (see Sorprese), so it ranks texts of any length and bit count
  // against each other: a shorter payload or one at fewer bits that explains
  // the same unusual bits with fewer text bytes wins, as the junk that a
  // payload shows when read at another bit count costs more text for no more.
  std::stable_sort(trovati.begin(), trovati.end(), [](const Candidato& a, const Candidato& b) {
    return a.punteggio > b.punteggio;
  });
  return trovati;
}

std::string ChiaveDi(uint8_t K) {
  if (K == 0) return "";
  std::string facili;
  for (char c = 'a'; c <= 'z'; ++c) facili += c;
  for (char c = 'A'; c <= 'Z'; ++c) facili += c;
  for (char c = '0'; c <= '9'; ++c) facili += c;
  for (const char c : facili)
    if (uint8_t(c) == K) return std::string(1, c);
  for (const char a : facili)
    for (const char b : facili)
      if (uint8_t(a ^ b) == K) return std::string{a, b};
  for (int l = 0xC0; l <= 0xFF; ++l) {
    if (l == 0xD7 || l == 0xF7) continue;  // × and ÷
    if (l == K) return std::string(1, char(l));
    for (const char a : facili)
      if (uint8_t(a ^ l) == K) return std::string{a, char(l)};
  }
  return std::string(1, char(K));
}

}  // namespace Crypta
