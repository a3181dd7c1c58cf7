// The reveal operation: gathers the length field and the payload from the
// low bits of the carrier's bytes, a block at a time, into a sink. The
// carrier is only read, under a shared lock.
#include "Anticipo.h"
#include "Avanzamento.h"
#include "Bitmap.h"
#include "Interno.h"
#include "Lingua.h"
#include "Operazioni.h"
#include "Scrittura.h"

namespace Crypta {

namespace {

constexpr size_t kBlocco = size_t{1} << 20;  // carrier bytes per block

Errore Corta(const std::string& path) {
  return Errore(Tr("La bitmap \"%1\" è più corta di quanto dichiara la sua intestazione.", {path}),
                Genere::File);
}

// The payload bytes, gathered a block at a time; the next block of the
// carrier is read in a second thread while this one is gathered and written.
void Estrai(const File& carrier, int64_t inizio, int64_t L, int16_t Nbit, uint8_t K,
            Destinazione& d, const Osservatore& o) {
  const int64_t passi = 8 / Nbit;
  const size_t perBlocco = kBlocco / static_cast<size_t>(passi);
  const size_t massimo =
      static_cast<size_t>(std::min<int64_t>(L, int64_t(perBlocco))) * static_cast<size_t>(passi);
  struct Blocco {
    uint8_t* byte;  // carrier bytes, gathered in place
    size_t n = 0;
  } blocchi[2] = {{Scorta(0, massimo)}, {Scorta(1, massimo)}};
  const auto prepara = [&](Blocco& b, int64_t primo) {
    b.n = static_cast<size_t>(std::min<int64_t>(L - primo, int64_t(perBlocco)));
    const size_t byte = b.n * static_cast<size_t>(passi);
    if (carrier.LeggiA(inizio + (4 + primo) * passi, b.byte, byte) != byte)
      throw Corta(carrier.Nome());
  };

  Avanzamento avanzamento(L, 0, o.Avanzamento);
  avanzamento.Fino(0);
  Anticipo anticipo;  // last: its thread stops before the blocks go
  if (L > 0) anticipo.Avvia([&] { prepara(blocchi[0], 0); });
  for (int64_t fatti = 0, corrente = 0; fatti < L; corrente ^= 1) {
    anticipo.Attendi();
    ForseAnnulla(o);
    Blocco& b = blocchi[corrente];
    const int64_t dopo = fatti + int64_t(b.n);
    if (dopo < L) anticipo.Avvia([&, dopo, corrente] { prepara(blocchi[corrente ^ 1], dopo); });
    Raccogli(b.byte, b.n, b.byte, Nbit, K);
    d.Scrivi(b.byte, b.n);
    fatti = dopo;
    avanzamento.Fino(std::min(dopo, L - 1));
  }
}

}  // namespace

Rivelazione Rivela(const std::string& path, std::string_view chiave, int16_t Nbit,
                   Destinazione& d, const Osservatore& o) {
  if (!NbitValido(Nbit))
    throw Errore(Tr("Numero di bit per byte non valido: usare 1, 2, 4 o 8."), Genere::Argomento);
  const File carrier = File::Apri(path, File::Modo::Lettura);
  if (!carrier.Blocca(File::Blocco::Condiviso))
    throw Errore(
        Tr("La bitmap \"%1\" è in uso in un'altra operazione: riprovare quando è finita.", {path}),
        Genere::InUso);
  const Analisi a = Analizza(carrier, Nbit);
  if (!a.Accettata()) return {};
  const double capienza = a.campi.BytesUtilizzabili;
  if (capienza < 0) return {};  // not even the length field fits

  const uint8_t K = MascheraDi(chiave);
  const int64_t passi = 8 / Nbit;
  const int64_t inizio = static_cast<int64_t>(a.campi.OffsetDati);
  const int64_t fisica = carrier.Dimensione();
  uint8_t blocco[32], campo[4];
  const size_t byteCampo = 4 * static_cast<size_t>(passi);
  if (inizio + int64_t(byteCampo) > fisica || carrier.LeggiA(inizio, blocco, byteCampo) != byteCampo)
    throw Corta(path);
  Raccogli(blocco, 4, campo, Nbit, 0);
  // 2^31 or more is no valid length; an interrupted hide leaves just that.
  if (campo[0] & 0x80) return {};
  const int64_t L = (int64_t{campo[0]} << 24) | (int64_t{campo[1]} << 16) |
                    (int64_t{campo[2]} << 8) | (campo[3] ^ K);
  // A length equal to the capacity still lies within the declared file size.
  if (double(L) > capienza) return {};
  if (inizio + (4 + L) * passi > fisica) throw Corta(path);

  d.Apri(carrier, L);
  try {
    if (o.Inizio) o.Inizio(L);
    Estrai(carrier, inizio, L, Nbit, K, d, o);
    d.Completa();
  } catch (...) {
    d.Annulla();
    throw;
  }
  return {true, L};
}

}  // namespace Crypta
