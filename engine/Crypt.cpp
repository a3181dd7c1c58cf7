// Hiding: the length field and the payload, XOR the key mask, spread over the
// low bits of the carrier's bytes from the data offset on, a block at a time.
#include <chrono>
#include <cmath>
#include <optional>
#include <vector>

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

  // Stream bytes: 4 of the length field, then the payload, a block at a time.
  const int64_t totale = 4 + int64_t{Lunghezza};
  const size_t perBlocco = kBlocco / static_cast<size_t>(passi);
  const size_t primoBlocco = static_cast<size_t>(std::min<int64_t>(totale, int64_t(perBlocco)));
  uint8_t* const blocco = Scorta(0, primoBlocco * static_cast<size_t>(passi));
  // With all 8 bits replaced the stream is spread in place.
  uint8_t* const flusso = Nbit == 8 ? blocco : Scorta(1, primoBlocco);

  Avanzamento avanzamento(Lunghezza, 1, Finestra.TxtPerc2);
  Eventi eventi;
  for (int64_t scritto = 0; scritto < totale;) {
    const size_t n = static_cast<size_t>(std::min<int64_t>(totale - scritto, int64_t(perBlocco)));
    const size_t byte = n * static_cast<size_t>(passi);
    const int64_t pos = inizio + scritto * passi;
    size_t k = 0;
    // The length field goes through the same XOR as the payload; only its
    // last byte carries the mask, so the others are pre-XORed to cancel it.
    for (; scritto + int64_t(k) < 4 && k < n; ++k)
      flusso[k] = static_cast<uint8_t>((campo >> (8 * (3 - (scritto + int64_t(k))))) ^ K);
    avanzamento.Fino(scritto + int64_t(n) - 4);  // payload bytes up to this block's last, 1-based
    if (k < n) sorgente.Leggi(&flusso[k], n - k);
    eventi.Forse();
    // With all 8 bits replaced the old carrier bytes do not matter.
    if (Nbit != 8 && carrier.LeggiA(pos, blocco, byte) != byte)
      throw Errore("La bitmap \"" + Path + "\" si è accorciata durante l'operazione.");
    Spargi(flusso, n, blocco, Nbit, K);
    carrier.ScriviA(pos, blocco, byte);
    scritto += int64_t(n);
  }
}

}  // namespace Crypta
