// The engine's operations, for every front end: analyse a carrier once, hide
// from a request, reveal into a sink. Each takes its observer per call and
// touches none of the design's shared state (record, key state, hooks), so
// that two front ends or two windows in one process never meet here.
//
// What they promise, whoever calls them:
// - a refused operation writes nothing;
// - the carrier is locked for the span of an operation, shared for reading,
//   exclusive for a hide in place; a carrier in use is refused at once;
// - a hide in place writes the length field first with its top bit set, which
//   every reveal refuses, and sets that bit last, after the payload is on the
//   device: an interrupted hide reads back as "False", never as wrong bytes;
// - a hide into a copy writes a file without a name and names it only once
//   it is complete, never over an existing file;
// - a reveal into a file gives the file back as it was on every failure.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "Crypta.h"
#include "File.h"

namespace Crypta {

// What the header reader found in a file.
struct Analisi {
  // How far the reading got: the file could not be read, its signature is
  // unknown, its declared size is not above its data offset, its info header
  // is not 40 bytes long, or it is accepted.
  enum class Esito { Illeggibile, Firma, Dimensione, Header, Accettata };
  Esito esito = Esito::Illeggibile;
  int errore = 0;        // the system's error number, for Illeggibile
  Intestazione campi;    // the fields, as far as the reading got; the capacity when accepted
  std::array<uint8_t, 54> byte{};  // the header bytes; those past a short file's end are 0
  size_t letti = 0;                // how many of them the file has

  bool Accettata() const { return esito == Esito::Accettata; }
  uint32_t Compressione() const;
  // Compressed pixel data (every code but 0, none, and 3, bit fields): a
  // hide would write into the compressed stream and break the picture.
  bool Compressa() const;
  // Why the file is no carrier, or why a hide refuses it, as a clause
  // ("l'intestazione è di 124 byte, non di 40"); empty when a hide may use it.
  std::string Perche() const;
};

// What keeps an accepted carrier from taking a hide, as a clause ("i pixel
// sono compressi (compressione 1) e ..."), or nothing: the rule a hide
// applies, for a front end that shows the record.
std::string Ostacolo(const Intestazione& h);

// Reads the header of a file and computes the capacity for Nbit bits per
// carrier byte. A file that cannot be read is Illeggibile, never an error.
Analisi Analizza(const std::string& path, int16_t Nbit);
Analisi Analizza(const Accesso& file, int16_t Nbit);

// The one byte a key reduces to: the XOR of its character codes.
uint8_t MascheraDi(std::string_view chiave);

// What an operation tells its caller while it runs. Unset members do nothing.
struct Osservatore {
  // The stored length of a reveal, once it is known to be valid and before
  // the first payload byte.
  std::function<void(int64_t lunghezza)> Inizio;
  // Each new progress figure, once the bytes it stands for are written:
  // floor(i / L * 100) for payload bytes i = 1..L when hiding, for bytes
  // already revealed i = 0..L-1 when revealing.
  std::function<void(int figura)> Avanzamento;
  // Asked before every block; true stops the operation, which undoes what it
  // can and throws Errore of kind Annullata.
  std::function<bool()> Annullare;
  // Lets pending window events run; called at most every few tens of
  // milliseconds.
  std::function<void()> Eventi;
};

// The payload of a hide: its own bytes, the path of a file, an open file,
// read from its start, or bytes that a function produces in order, such as a
// cipher that works as the hide goes and never holds the whole payload.
struct Carico {
  enum class Tipo { Byte, Percorso, Aperto, Prodotto };
  // Fills `n` bytes at `dest` with the payload's next bytes, or throws.
  using Produttore = std::function<void(uint8_t* dest, size_t n)>;
  Tipo tipo = Tipo::Byte;
  std::string_view byte;
  std::string percorso;
  const File* aperto = nullptr;
  Produttore produttore;

  static Carico DiByte(std::string_view b) { return {Tipo::Byte, b, {}, nullptr, {}}; }
  static Carico DiFile(std::string p) { return {Tipo::Percorso, {}, std::move(p), nullptr, {}}; }
  static Carico DiAperto(const File& f) { return {Tipo::Aperto, {}, {}, &f, {}}; }
  // A produced payload has no size of its own: the request's `lunghezza`
  // says how many bytes the hide asks for.
  static Carico DiProduttore(Produttore p) { return {Tipo::Prodotto, {}, {}, nullptr, std::move(p)}; }
};

struct Richiesta {
  std::string carrier;         // its path
  int16_t Nbit = 1;            // 1, 2, 4 or 8
  std::string chiave;          // character codes; only their XOR counts
  Carico carico;
  int64_t lunghezza = -1;      // bytes to hide; -1: the whole payload (not for a produced one)
  std::optional<double> offset;  // the data offset as the caller read it; else the header's
  std::string copia;           // not empty: the carrier stays as it is, the result is this new file
};

// Hides the payload. Throws Errore: Rifiutata for a file that is no carrier
// or is compressed, TroppoGrande when the stream does not fit, InUso, File,
// Annullata, Argomento.
void Nascondi(const Richiesta& r, const Osservatore& o = {});

// Where a reveal puts the payload.
class Destinazione {
 public:
  virtual ~Destinazione() = default;
  // A payload of `lunghezza` bytes was found; called before any byte, and
  // not at all for "False". `carrier` is open, so that a sink can refuse to
  // be the carrier itself.
  virtual void Apri(const File& carrier, int64_t lunghezza) = 0;
  virtual void Scrivi(const uint8_t* dati, size_t n) = 0;
  virtual void Completa() {}
  // The reveal failed or was cancelled after Apri: undo what can be undone.
  virtual void Annulla() noexcept {}
};

// Appends to a file. A file that is not there yet is made with mode 0600
// (it holds the secret) and named only when the reveal is complete; an
// existing one is locked and cut back to its old length on failure.
class DestinazioneFile : public Destinazione {
 public:
  explicit DestinazioneFile(std::string path) : path_(std::move(path)) {}
  void Apri(const File& carrier, int64_t lunghezza) override;
  void Scrivi(const uint8_t* dati, size_t n) override;
  void Completa() override;
  void Annulla() noexcept override;

 private:
  std::string path_;
  std::optional<File> file_;
  int64_t vecchia_ = 0;  // the length it had
  bool nuovo_ = false;
};

// Makes a new file: it has no name until the payload is whole and on the
// device, it never replaces a file, and it leaves nothing behind a failure.
// Readable by its owner only, as it holds what was hidden.
class DestinazioneNuova : public Destinazione {
 public:
  explicit DestinazioneNuova(std::string path) : path_(std::move(path)) {}
  void Apri(const File& carrier, int64_t lunghezza) override;
  void Scrivi(const uint8_t* dati, size_t n) override;
  void Completa() override;
  void Annulla() noexcept override { file_.reset(); }

 private:
  std::string path_;
  std::optional<File> file_;
};

// Keeps the payload in memory (a revealed text).
class DestinazioneMemoria : public Destinazione {
 public:
  void Apri(const File&, int64_t lunghezza) override;
  void Scrivi(const uint8_t* dati, size_t n) override;
  std::string dati;
};

// Streams the payload to an open descriptor, such as standard output, as it
// is revealed; what has gone out cannot be taken back.
class DestinazioneFlusso : public Destinazione {
 public:
  explicit DestinazioneFlusso(const File& uscita) : uscita_(uscita) {}
  void Apri(const File& carrier, int64_t lunghezza) override;
  void Scrivi(const uint8_t* dati, size_t n) override;

 private:
  const File& uscita_;
};

struct Rivelazione {
  bool trovato = false;    // false: "False", no valid length for this key and bit count
  int64_t lunghezza = 0;
};

// Reveals the payload into `d`. A file that is no carrier, or a stored
// length not below the capacity, is "False" (nothing reaches `d`); a file
// that cannot be read, a carrier shorter than its stream, a failing sink and
// Annullata are errors.
Rivelazione Rivela(const std::string& carrier, std::string_view chiave, int16_t Nbit,
                   Destinazione& d, const Osservatore& o = {});

}  // namespace Crypta
