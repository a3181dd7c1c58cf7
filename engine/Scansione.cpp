#include "Scansione.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "Bitmap.h"
#include "Contenuto.h"
#include "Interno.h"
#include "Scrittura.h"

namespace Crypta {

namespace {

constexpr size_t kBlocco = size_t{1} << 20;  // carrier bytes per read
constexpr size_t kInizio = 64;               // payload bytes kept for signatures and previews
constexpr double kFirma = 1e12;              // a signature outranks any text
constexpr double kMargine = 0.25;  // nats a byte: texts of one bit count kept beside the best

// The stream at one bit count, gathered without a mask: a histogram of the
// bytes every candidate holds, those past the shortest candidate one by one,
// and the first bytes.
struct Flusso {
  std::array<int64_t, 256> conta{};
  std::vector<uint8_t> coda;
  std::vector<uint8_t> inizio;
};

Flusso Raduna(const File& carrier, int64_t primo, int16_t Nbit, int64_t corto, int64_t lungo,
              const Osservatore& o) {
  Flusso f;
  const int64_t passi = 8 / Nbit;
  const size_t perBlocco = kBlocco / size_t(passi);
  std::vector<uint8_t> blocco(std::min<int64_t>(lungo, int64_t(perBlocco)) * passi);
  for (int64_t fatti = 0; fatti < lungo;) {
    ForseAnnulla(o);
    const size_t n = size_t(std::min<int64_t>(lungo - fatti, int64_t(perBlocco)));
    const size_t byte = n * size_t(passi);
    if (carrier.LeggiA(primo + fatti * passi, blocco.data(), byte) != byte)
      throw Errore("La bitmap \"" + carrier.Nome() + "\" si è accorciata durante l'operazione.",
                   Genere::File);
    Raccogli(blocco.data(), n, blocco.data(), Nbit, 0);
    for (size_t i = 0; i < n; ++i) {
      const int64_t pos = fatti + int64_t(i);
      if (pos < corto)
        ++f.conta[blocco[i]];
      else
        f.coda.push_back(blocco[i]);
      if (pos < int64_t(kInizio)) f.inizio.push_back(blocco[i]);
    }
    fatti += int64_t(n);
  }
  return f;
}

// The candidate of mask K, or nothing when its bytes are neither text nor a
// known file.
std::optional<Candidato> Valuta(const Flusso& f, int16_t Nbit, uint8_t K, int64_t L,
                                int64_t corto) {
  Candidato c;
  c.Nbit = Nbit;
  c.maschera = K;
  c.lunghezza = L;
  for (size_t i = 0; i < f.inizio.size() && int64_t(i) < L; ++i)
    c.inizio.push_back(static_cast<char>(f.inizio[i] ^ K));
  const auto* inizio = reinterpret_cast<const uint8_t*>(c.inizio.data());
  if (const char* firma = FirmaDi(inizio, c.inizio.size())) {
    c.tipo = firma;
    c.punteggio = kFirma + double(L);
    return c;
  }
  std::array<int64_t, 256> conta{};
  for (size_t v = 0; v < 256; ++v) conta[v ^ K] = f.conta[v];
  for (int64_t i = 0; i < L - corto; ++i) ++conta[f.coda[size_t(i)] ^ K];
  int64_t strani = 0, ascii = 0, massimo = 0, diversi = 0;
  double peso = 0;
  for (size_t v = 0; v < 256; ++v) {
    const int64_t n = conta[v];
    if (n == 0) continue;
    ++diversi;
    massimo = std::max(massimo, n);
    if (Strano(uint8_t(v))) strani += n;
    if (Ascii(uint8_t(v))) ascii += n;
    peso += double(n) * PesoTesto()[v];
  }
  // A text may hold a stray odd code (UTF-8 quotes read as Windows-1252),
  // never many; it is mostly ASCII, and not one byte over and over, which is
  // what a flat picture's low bits give at every mask.
  const bool testo = strani <= L / 100 && ascii * 10 >= L * 8 &&
                     (L < 8 || (massimo * 2 <= L && diversi >= 4)) && peso >= double(L);
  if (!testo) return std::nullopt;
  c.tipo = "testo";
  c.punteggio = peso;
  return c;
}

void Scandisci(const File& carrier, int16_t Nbit, const Osservatore& o,
               std::vector<Candidato>& trovati) {
  const Analisi a = Analizza(carrier, Nbit);
  if (!a.Accettata()) return;
  const double capienza = a.campi.BytesUtilizzabili;
  const int64_t passi = 8 / Nbit;
  const int64_t inizio = static_cast<int64_t>(a.campi.OffsetDati);
  const int64_t fisica = carrier.Dimensione();
  uint8_t blocco[32], campo[4];
  const size_t byteCampo = 4 * size_t(passi);
  if (capienza < 1 || inizio + int64_t(byteCampo) > fisica ||
      carrier.LeggiA(inizio, blocco, byteCampo) != byteCampo)
    return;
  Raccogli(blocco, 4, campo, Nbit, 0);
  if (campo[0] & 0x80) return;  // no mask reaches the top byte
  const int64_t alto = int64_t{campo[0]} << 24 | int64_t{campo[1]} << 16 | int64_t{campo[2]} << 8;
  // The lengths a reveal would take, within the capacity and the file.
  std::vector<std::pair<uint8_t, int64_t>> maschere;
  for (int K = 0; K < 256; ++K) {
    const int64_t L = alto | (campo[3] ^ K);
    if (L >= 1 && double(L) <= capienza && inizio + (4 + L) * passi <= fisica)
      maschere.emplace_back(uint8_t(K), L);
  }
  if (maschere.empty()) return;
  int64_t corto = maschere[0].second, lungo = corto;
  for (const auto& m : maschere) {
    corto = std::min(corto, m.second);
    lungo = std::max(lungo, m.second);
  }
  const Flusso f = Raduna(carrier, inizio + 4 * passi, Nbit, corto, lungo, o);
  std::vector<Candidato> qui;
  for (const auto& [K, L] : maschere)
    if (std::optional<Candidato> c = Valuta(f, Nbit, K, L, corto)) qui.push_back(std::move(*c));
  // All masks read the same bytes, so one at most is true: a signature
  // settles it; else the best text, and those that score nearly as well
  // (a text of capitals without blanks reads as well in either case).
  const bool firma =
      std::any_of(qui.begin(), qui.end(), [](const Candidato& c) { return c.punteggio >= kFirma; });
  double migliore = -1e300;
  for (const Candidato& c : qui) migliore = std::max(migliore, c.punteggio / double(c.lunghezza));
  for (Candidato& c : qui)
    if (firma ? c.punteggio >= kFirma : c.punteggio / double(c.lunghezza) >= migliore - kMargine)
      trovati.push_back(std::move(c));
}

}  // namespace

std::vector<Candidato> Scansiona(const std::string& path, const Osservatore& o) {
  const File carrier = File::Apri(path, File::Modo::Lettura);
  if (!carrier.Blocca(File::Blocco::Condiviso))
    throw Errore(
        "La bitmap \"" + path + "\" è in uso in un'altra operazione: riprovare quando è finita.",
        Genere::InUso);
  std::vector<Candidato> trovati;
  for (const int16_t Nbit : {1, 2, 4, 8}) Scandisci(carrier, Nbit, o, trovati);
  std::stable_sort(trovati.begin(), trovati.end(), [](const Candidato& a, const Candidato& b) {
    return a.punteggio > b.punteggio;
  });
  return trovati;
}

}  // namespace Crypta
