// Hiding: the length field and the payload, XOR the key mask, spread over the
// low bits of the carrier's bytes from the data offset on, a block at a time.
#include <chrono>
#include <cmath>
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
constexpr double kHeader = 54;              // file header and 40-byte info header

// Calls the event hook at most every few tens of milliseconds.
class Eventi {
 public:
  void Forse() {
    if (!Finestra.DoEvents) return;
    const auto ora = std::chrono::steady_clock::now();
    if (primo_ || ora - ultimo_ >= std::chrono::milliseconds(30)) {
      primo_ = false;
      ultimo_ = ora;
      Finestra.DoEvents();
    }
  }

 private:
  bool primo_ = true;
  std::chrono::steady_clock::time_point ultimo_;
};

// The payload, from the typed text or from the file, read in order.
class Sorgente {
 public:
  Sorgente(const std::string& dati, bool testo) : dati_(dati) {
    if (!testo) file_.emplace(File::Apri(dati, File::Modo::Lettura));
  }
  const File* file() const { return file_ ? &*file_ : nullptr; }
  void Leggi(uint8_t* dest, size_t n) {
    if (file_) {
      if (file_->Leggi(dest, n) != n)
        throw Errore("Il file \"" + dati_ + "\" si è accorciato durante l'operazione.");
    } else {
      std::copy_n(dati_.data() + pos_, n, dest);
      pos_ += n;
    }
  }

 private:
  const std::string& dati_;
  std::optional<File> file_;
  size_t pos_ = 0;
};

}  // namespace

double DimensioneDichiarata(const File& carrier) {
  uint8_t b[4] = {};
  if (carrier.LeggiA(2, b, 4) < 4) return 0;
  return b[0] + 256.0 * b[1] + 65536.0 * b[2] + 16777216.0 * b[3];
}

void CryptBitmap(const std::string& Path, double Offset, int32_t Lunghezza,
                 const std::string& Dati, bool Testo, const std::string& Chiave, int16_t Nbit) {
  if (!NbitValido(Nbit)) throw Errore("Numero di bit per byte non valido: usare 1, 2, 4 o 8.");
  if (Lunghezza < 0) throw Errore("Lunghezza dei dati da nascondere non valida.");
  if (!(Offset >= 0) || Offset != std::floor(Offset) || Offset > 4294967295.0)
    throw Errore("Offset dei dati della bitmap non valido.");
  // A stream that began inside the two headers would overwrite the very
  // fields a reveal needs to find it again.
  if (Offset < kHeader)
    throw Errore("La bitmap dichiara i dati dentro la propria intestazione: impossibile nascondervi dati.");

  // Every check comes before the first byte is written: a refused hide leaves
  // the carrier exactly as it was.
  Sorgente sorgente(Dati, Testo);
  if (Testo && Dati.size() < static_cast<size_t>(Lunghezza))
    throw Errore("La stringa da nascondere è più corta della lunghezza indicata.");
  if (!Testo && sorgente.file()->Dimensione() < Lunghezza)
    throw Errore("Il file \"" + Dati + "\" è più corto della lunghezza indicata.");

  const File carrier = File::Apri(Path, File::Modo::LetturaScrittura);
  if (!Testo && carrier.StessoFile(*sorgente.file()))
    throw Errore("Il file da nascondere non può essere la bitmap di appoggio stessa.");
  const int64_t passi = 8 / Nbit;  // carrier bytes per stream byte
  const int64_t inizio = static_cast<int64_t>(Offset);
  const int64_t fine = inizio + (4 + int64_t{Lunghezza}) * passi;
  if (double(fine) > DimensioneDichiarata(carrier) || fine > carrier.Dimensione())
    throw Errore("La bitmap \"" + Path + "\" è troppo piccola per i dati da nascondere.");

  PreparaChiave(Chiave);
  const uint8_t K = Maschera();
  const uint32_t campo = static_cast<uint32_t>(Lunghezza) ^ K;

  // Stream bytes: 4 of the length field, then the payload. The next block's
  // payload and carrier bytes are read while this one is spread and written.
  const int64_t totale = 4 + int64_t{Lunghezza};
  const size_t perBlocco = kBlocco / static_cast<size_t>(passi);
  struct Blocco {
    std::vector<uint8_t> flusso, carrier;
    size_t n = 0;
  } blocchi[2];
  const auto prepara = [&](Blocco& b, int64_t primo) {
    b.n = static_cast<size_t>(std::min<int64_t>(totale - primo, int64_t(perBlocco)));
    // No bigger than this hide needs: a short payload costs no megabytes.
    if (b.flusso.size() < b.n) b.flusso.resize(b.n);
    if (b.carrier.size() < b.n * size_t(passi)) b.carrier.resize(b.n * size_t(passi));
    size_t k = 0;
    // The length field goes through the same XOR as the payload; only its
    // last byte carries the mask, so the others are pre-XORed to cancel it.
    for (; primo + int64_t(k) < 4 && k < b.n; ++k)
      b.flusso[k] = static_cast<uint8_t>((campo >> (8 * (3 - (primo + int64_t(k))))) ^ K);
    if (k < b.n) sorgente.Leggi(&b.flusso[k], b.n - k);
    const size_t byte = b.n * static_cast<size_t>(passi);
    // With all 8 bits replaced the old carrier bytes do not matter.
    if (Nbit != 8 && carrier.LeggiA(inizio + primo * passi, b.carrier.data(), byte) != byte)
      throw Errore("La bitmap \"" + Path + "\" si è accorciata durante l'operazione.");
  };

  Avanzamento avanzamento(Lunghezza, 1, Finestra.TxtPerc2);
  Eventi eventi;
  Anticipo anticipo;  // last: its thread stops before the blocks go
  anticipo.Avvia([&] { prepara(blocchi[0], 0); });
  for (int64_t scritto = 0, corrente = 0; scritto < totale; corrente ^= 1) {
    anticipo.Attendi();
    Blocco& b = blocchi[corrente];
    const int64_t dopo = scritto + int64_t(b.n);
    if (dopo < totale) anticipo.Avvia([&, dopo, corrente] { prepara(blocchi[corrente ^ 1], dopo); });
    avanzamento.Fino(dopo - 4);  // payload bytes up to this block's last, 1-based
    eventi.Forse();
    Spargi(b.flusso.data(), b.n, b.carrier.data(), Nbit, K);
    carrier.ScriviA(inizio + scritto * passi, b.carrier.data(), b.n * static_cast<size_t>(passi));
    scritto = dopo;
  }
}

}  // namespace Crypta
