#include "Scrittura.h"

#include <algorithm>
#include <chrono>
#include <cstring>

#include "Bitmap.h"
#include "Interno.h"
#include "Lingua.h"

namespace Crypta {

namespace {

constexpr size_t kBlocco = size_t{1} << 20;       // carrier bytes per block
constexpr int64_t kCopia = int64_t{64} << 20;     // bytes copied between two looks at the observer
constexpr uint32_t kSegnaposto = 0x80000000u;     // bit 31: no reveal takes such a length

// Lets window events run at most every few tens of milliseconds.
class Eventi {
 public:
  explicit Eventi(const Osservatore& o) : o_(o) {}
  void Forse() {
    if (!o_.Eventi) return;
    const auto ora = std::chrono::steady_clock::now();
    if (primo_ || ora - ultimo_ >= std::chrono::milliseconds(30)) {
      primo_ = false;
      ultimo_ = ora;
      o_.Eventi();
    }
  }

 private:
  const Osservatore& o_;
  bool primo_ = true;
  std::chrono::steady_clock::time_point ultimo_;
};

Errore Accorciata(const Accesso& carrier) {
  return Errore(Tr("La bitmap \"%1\" si è accorciata durante l'operazione.", {carrier.Nome()}),
                Genere::File);
}

// Spreads the stored length field `campo` over the carrier bytes at `byte`.
// Only its last byte carries the key mask; the others are pre-XORed so that
// the mask Spargi applies cancels out.
void Campo(uint32_t campo, const Piano& p, uint8_t* byte) {
  uint8_t flusso[4];
  for (int j = 0; j < 4; ++j) flusso[j] = static_cast<uint8_t>((campo >> (8 * (3 - j))) ^ p.K);
  Spargi(flusso, 4, byte, p.Nbit, p.K);
}

// The carrier bytes of the length field at the plan's place, with `campo`
// spread over the bits that `origine` holds there.
void BytesCampo(const Piano& p, const Accesso& origine, uint32_t campo, uint8_t* byte) {
  const size_t n = 4 * static_cast<size_t>(8 / p.Nbit);
  std::memset(byte, 0, n);
  if (p.Nbit != 8 && origine.LeggiA(p.inizio, byte, n) != n) throw Accorciata(origine);
  Campo(campo, p, byte);
}

// The payload, block by block from stream byte 4 on: the carrier bytes from
// `origine`, the payload spread over them, written to the same place in
// `dest`. A figure is shown once its block is written; the last block's are
// left to the caller.
void Payload(const Piano& p, const Accesso& origine, const Accesso& dest, Sorgente& dati,
             const Osservatore& o, Eventi& eventi, Avanzamento& avanzamento) {
  const int64_t passi = 8 / p.Nbit;  // carrier bytes per stream byte
  const int64_t totale = 4 + p.L;
  const size_t perBlocco = kBlocco / static_cast<size_t>(passi);
  const size_t primo = static_cast<size_t>(std::min<int64_t>(p.L, int64_t(perBlocco)));
  uint8_t* const blocco = Scorta(0, primo * static_cast<size_t>(passi));
  // With all 8 bits replaced the stream is spread in place.
  uint8_t* const flusso = p.Nbit == 8 ? blocco : Scorta(1, primo);
  for (int64_t scritto = 4; scritto < totale;) {
    ForseAnnulla(o);
    eventi.Forse();
    const size_t n = static_cast<size_t>(std::min<int64_t>(totale - scritto, int64_t(perBlocco)));
    const size_t byte = n * static_cast<size_t>(passi);
    const int64_t pos = p.inizio + scritto * passi;
    dati.Leggi(flusso, n);
    // With all 8 bits replaced the old carrier bytes do not matter.
    if (p.Nbit != 8 && origine.LeggiA(pos, blocco, byte) != byte) throw Accorciata(origine);
    Spargi(flusso, n, blocco, p.Nbit, p.K);
    dest.ScriviA(pos, blocco, byte);
    scritto += int64_t(n);
    if (scritto < totale) avanzamento.Fino(scritto - 4);
  }
}

// Copies bytes da..a of `origine` unchanged, looking at the observer between pieces.
void Copia(const Accesso& origine, const Accesso& copia, int64_t da, int64_t a,
           const Osservatore& o) {
  for (int64_t pos = da; pos < a; pos += kCopia) {
    ForseAnnulla(o);
    copia.CopiaDa(origine, pos, std::min(kCopia, a - pos));
  }
}

}  // namespace

void ForseAnnulla(const Osservatore& o) {
  if (o.Annullare && o.Annullare()) throw Errore(Tr("Operazione interrotta."), Genere::Annullata);
}

void Sorgente::Leggi(uint8_t* dest, size_t n) {
  if (file_) {
    if (file_->LeggiA(pos_, dest, n) != n)
      throw Errore(Tr("Il file \"%1\" si è accorciato durante l'operazione.", {file_->Nome()}),
                   Genere::File);
  } else {
    if (static_cast<size_t>(pos_) + n > byte_.size())
      throw Errore(Tr("I dati da nascondere sono più corti della lunghezza indicata."),
                   Genere::Argomento);
    std::memcpy(dest, byte_.data() + pos_, n);
  }
  pos_ += int64_t(n);
}

void ControllaInvariato(const Piano& p, const Accesso& carrier) {
  std::array<uint8_t, 54> ora{};
  carrier.LeggiA(0, ora.data(), ora.size());
  if (carrier.Dimensione() != p.dimensione || ora != p.header)
    throw Errore(Tr("La bitmap \"%1\" è stata cambiata da un altro programma durante "
                    "l'operazione: i dati non vi sono stati nascosti.",
                    {carrier.Nome()}),
                 Genere::File);
}

void ScriviInPosto(const Piano& p, const Accesso& carrier, Sorgente& dati, const Osservatore& o,
                   Avanzamento& avanzamento) {
  Eventi eventi(o);
  ForseAnnulla(o);
  eventi.Forse();
  const size_t byteCampo = 4 * static_cast<size_t>(8 / p.Nbit);
  const uint32_t campo = static_cast<uint32_t>(p.L) ^ p.K;
  uint8_t segnaposto[32], reale[32];
  BytesCampo(p, carrier, campo | kSegnaposto, segnaposto);
  BytesCampo(p, carrier, campo, reale);

  carrier.ScriviA(p.inizio, segnaposto, byteCampo);
  carrier.Sincronizza();
  Payload(p, carrier, carrier, dati, o, eventi, avanzamento);
  if (p.L > 0) carrier.Sincronizza();
  ForseAnnulla(o);
  ControllaInvariato(p, carrier);
  // Bit 31 lies in the stream's first carrier byte: writing it is the commit.
  carrier.ScriviA(p.inizio, reale, 1);
  carrier.Sincronizza();
  avanzamento.Fino(p.L);
}

void ScriviCopia(const Piano& p, const Accesso& origine, const Accesso& copia, Sorgente& dati,
                 const Osservatore& o, Avanzamento& avanzamento) {
  Eventi eventi(o);
  eventi.Forse();
  const int64_t passi = 8 / p.Nbit;
  const int64_t fine = p.inizio + (4 + p.L) * passi;
  Copia(origine, copia, 0, p.inizio, o);
  uint8_t campo[32];
  BytesCampo(p, origine, static_cast<uint32_t>(p.L) ^ p.K, campo);
  copia.ScriviA(p.inizio, campo, static_cast<size_t>(4 * passi));
  Payload(p, origine, copia, dati, o, eventi, avanzamento);
  Copia(origine, copia, fine, p.dimensione, o);
  copia.Sincronizza();
  ControllaInvariato(p, origine);
}

}  // namespace Crypta
