// Revealing: gathers the length field and the payload from the low bits of the
// carrier's bytes, a block at a time, and returns the text or appends the bytes
// to the output file. The carrier is only read.
#include <optional>
#include <vector>

#include "Anticipo.h"
#include "Avanzamento.h"
#include "Bitmap.h"
#include "Crypta.h"
#include "File.h"
#include "Interno.h"

namespace Crypta {

namespace {

constexpr size_t kBlocco = size_t{1} << 20;  // carrier bytes per block

// Gives the window back on every way out of the reveal.
struct RiabilitaFinestra {
  ~RiabilitaFinestra() {
    if (Finestra.Abilita) Finestra.Abilita(true);
  }
};

std::string Corta(const std::string& path) {
  return "La bitmap \"" + path + "\" è più corta di quanto dichiara la sua intestazione.";
}

}  // namespace

std::string DeCryptBitmap(const std::string& Path, const std::string& Chiave, int16_t Nbit,
                          bool Testo, const std::string& Uscita) {
  const RiabilitaFinestra riabilita;
  if (!NbitValido(Nbit)) throw Errore("Numero di bit per byte non valido: usare 1, 2, 4 o 8.");

  // A file that is no carrier reveals nothing, rather than reading at the
  // offset and capacity that another carrier left in the record.
  if (!LeggiHeader(Path, Nbit)) return "False";
  PreparaChiave(Chiave);
  const uint8_t K = Maschera();
  const double capienza = BmpHeader.BytesUtilizzabili;
  if (capienza < 0) return "False";  // not even the length field fits

  const File carrier = File::Apri(Path, File::Modo::Lettura);
  const int64_t passi = 8 / Nbit;
  const int64_t inizio = static_cast<int64_t>(BmpHeader.OffsetDati);
  const int64_t fisica = carrier.Dimensione();

  uint8_t blocco[32], campo[4];
  const size_t byteCampo = 4 * static_cast<size_t>(passi);
  if (inizio + int64_t(byteCampo) > fisica || carrier.LeggiA(inizio, blocco, byteCampo) != byteCampo)
    throw Errore(Corta(Path));
  Raccogli(blocco, 4, campo, Nbit, 0);
  if (campo[0] & 0x80) return "False";  // 2^31 or more: no valid length
  const int32_t L = static_cast<int32_t>((uint32_t{campo[0]} << 24) | (uint32_t{campo[1]} << 16) |
                                         (uint32_t{campo[2]} << 8) | (campo[3] ^ K));
  // A length equal to the capacity still lies within the declared file size.
  if (L > capienza) return "False";

  const int64_t fine = inizio + (4 + int64_t{L}) * passi;
  if (fine > fisica) throw Errore(Corta(Path));

  std::optional<File> uscita;
  if (!Testo) {
    uscita.emplace(File::Apri(Uscita, File::Modo::Aggiunta));
    // The carrier is only read: appending to it would change it.
    if (uscita->StessoFile(carrier))
      throw Errore("Il file di destinazione \"" + Uscita + "\" è la bitmap di appoggio stessa.");
  }
  std::string testo;
  if (Testo) testo.reserve(static_cast<size_t>(L));

  // The next block of the carrier is read while this one is gathered and written.
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
      throw Errore(Corta(Path));
  };

  Avanzamento avanzamento(L, 0, Finestra.TxtPerc);
  if (L > 0 && Finestra.Abilita) Finestra.Abilita(false);
  Anticipo anticipo;  // last: its thread stops before the blocks go
  if (L > 0) anticipo.Avvia([&] { prepara(blocchi[0], 0); });
  for (int64_t fatti = 0, corrente = 0; fatti < L; corrente ^= 1) {
    anticipo.Attendi();
    Blocco& b = blocchi[corrente];
    const int64_t dopo = fatti + int64_t(b.n);
    if (dopo < L) anticipo.Avvia([&, dopo, corrente] { prepara(blocchi[corrente ^ 1], dopo); });
    avanzamento.Fino(dopo - 1);
    Raccogli(b.byte, b.n, b.byte, Nbit, K);
    if (uscita)
      uscita->Scrivi(b.byte, b.n);
    else
      testo.append(reinterpret_cast<const char*>(b.byte), b.n);
    fatti = dopo;
  }
  return Testo ? testo : "True";
}

}  // namespace Crypta
