// Encryption and decryption through libsodium: Argon2id for the key,
// secretstream for the chunks. Keys live in locked memory (Segreto), the
// streams' states too, and plaintext buffers are wiped when they go.
#include <sodium.h>

#include <algorithm>
#include <cstring>

#include "Cifratura.h"
#include "Contenuto.h"
#include "FineFlusso.h"
#include "Lingua.h"

namespace Crypta {

namespace {

constexpr size_t kAssociati = 31;  // marker, version, parameters and salt, bound to the first chunk

static_assert(kSigillo == crypto_secretstream_xchacha20poly1305_ABYTES);
static_assert(sizeof(Testata::flusso) == crypto_secretstream_xchacha20poly1305_HEADERBYTES);
static_assert(sizeof(Testata::sale) == crypto_pwhash_SALTBYTES);
static_assert(kChiaveFlusso == crypto_secretstream_xchacha20poly1305_KEYBYTES);

[[noreturn]] void Rifiutata(const std::string& messaggio) {
  throw Errore(messaggio, Genere::Rifiutata);
}

void Avvia() {
  if (sodium_init() < 0)
    throw Errore(Tr("Impossibile avviare la libreria di cifratura."), Genere::File);
}

void Metti(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}

// A stream's state holds its key: locked while it lives, wiped as it goes.
struct Flusso {
  Flusso() { (void)sodium_mlock(&s, sizeof s); }
  ~Flusso() { sodium_munlock(&s, sizeof s); }
  Flusso(const Flusso&) = delete;
  Flusso& operator=(const Flusso&) = delete;
  Stream s{};
};

// A key that a derivation gave, checked for its size.
Segreto Chiave(const Derivazione& deriva, const Testata& t) {
  Segreto k = deriva(t);
  if (k.Lunghezza() != kChiaveFlusso)
    throw Errore(Tr("Chiave di cifratura di lunghezza errata."), Genere::Argomento);
  return k;
}

}  // namespace

bool CifraturaDisponibile() {
  return true;
}

Derivazione DaPassphrase(Segreto passphrase) {
  auto segreto = std::make_shared<Segreto>(std::move(passphrase));
  return [segreto](const Testata& t) {
    Avvia();
    Segreto k(kChiaveFlusso);
    k.Ridimensiona(kChiaveFlusso);
    const auto* p = reinterpret_cast<const char*>(segreto->Dati());
    if (crypto_pwhash(k.Dati(), k.Lunghezza(), p, segreto->Lunghezza(), t.sale.data(),
                      t.parametri.passate, size_t(t.parametri.memoriaKiB) * 1024,
                      crypto_pwhash_ALG_ARGON2ID13) != 0)
      throw Errore(Tr("Memoria insufficiente per derivare la chiave dalla passphrase."),
                   Genere::File);
    return k;
  };
}

struct Sigillatore::Stato {
  Flusso f;
  std::array<uint8_t, kTestata> testata{};
  Scrittore scrivi;
  Segreto chiaro;               // the chunk not yet sealed
  std::vector<uint8_t> uscita;  // a sealed chunk
  int64_t totale = 0;
  bool primo = true, chiuso = false;

  void Sigilla(uint8_t tag) {
    const size_t m = chiaro.Lunghezza();
    uscita.resize(m + kSigillo);
    crypto_secretstream_xchacha20poly1305_push(&f.s, uscita.data(), nullptr, chiaro.Dati(), m,
                                               primo ? testata.data() : nullptr,
                                               primo ? kAssociati : 0, tag);
    primo = false;
    chiaro.Ridimensiona(0);
    scrivi(uscita.data(), uscita.size());
  }
};

Sigillatore::Sigillatore(const Derivazione& deriva, Scrittore scrivi, Parametri p)
    : stato_(std::make_unique<Stato>()) {
  Avvia();
  Stato& s = *stato_;
  s.scrivi = std::move(scrivi);
  s.chiaro = Segreto(size_t{1} << p.esponente);
  Testata t;
  t.parametri = p;
  randombytes_buf(t.sale.data(), t.sale.size());
  uint8_t* h = s.testata.data();
  std::memcpy(h, kMarcaCifrata.data(), 4);
  h[4] = 1;
  h[5] = 1;
  h[6] = uint8_t(p.esponente);
  Metti(h + 7, p.passate);
  Metti(h + 11, p.memoriaKiB);
  std::memcpy(h + 15, t.sale.data(), t.sale.size());
  const Segreto k = Chiave(deriva, t);
  crypto_secretstream_xchacha20poly1305_init_push(&s.f.s, h + 31, k.Dati());
  s.scrivi(h, kTestata);
}

Sigillatore::~Sigillatore() = default;

void Sigillatore::Aggiungi(const uint8_t* dati, size_t n) {
  Stato& s = *stato_;
  if (s.chiuso) throw Errore(Tr("Cifratura oltre la fine."), Genere::Argomento);
  while (n > 0) {
    // A full chunk is sealed only now, once a byte shows it is not the last.
    if (s.chiaro.Lunghezza() == s.chiaro.Capienza()) s.Sigilla(0);
    const size_t k = std::min(n, s.chiaro.Capienza() - s.chiaro.Lunghezza());
    s.chiaro.Aggiungi(dati, k);
    s.totale += int64_t(k);
    dati += k;
    n -= k;
  }
}

void Sigillatore::Chiudi() {
  Stato& s = *stato_;
  if (s.chiuso) throw Errore(Tr("Cifratura oltre la fine."), Genere::Argomento);
  s.Sigilla(crypto_secretstream_xchacha20poly1305_TAG_FINAL);
  s.chiuso = true;
}

int64_t Sigillatore::Chiaro() const {
  return stato_->totale;
}

struct Decifratore::Stato {
  Flusso f;
  const File* carrier = nullptr;
  int64_t resto = 0;           // ciphertext not yet taken, header included
  std::vector<uint8_t> pezzo;  // the chunk or header being gathered
  size_t atteso = kTestata;    // its full size
  size_t grande = 0;           // a whole chunk's size
  std::array<uint8_t, kTestata> testata{};
  Segreto chiaro;
  bool primo = true, finito = false, aperta = false;
  bool storta = false;  // the length cannot be whole chunks: said if nothing better explains it
};

Decifratore::Decifratore(Destinazione& uscita, Derivazione deriva)
    : uscita_(uscita), deriva_(std::move(deriva)), stato_(std::make_unique<Stato>()) {
  Avvia();
}

Decifratore::~Decifratore() = default;

void Decifratore::Apri(const File& carrier, int64_t lunghezza) {
  Stato& s = *stato_;
  s.carrier = &carrier;
  s.resto = lunghezza;
  if (lunghezza < int64_t(kTestata + kSigillo)) {
    // Too short for a header and a chunk; the first bytes may still show
    // whether it was meant to be encrypted at all.
    s.atteso = size_t(lunghezza);
  }
}

// The header is whole: the key, the stream, and the plaintext's length.
void Decifratore::Testa() {
  Stato& s = *stato_;
  std::string perche;
  const std::optional<Testata> t = LeggiTestata(s.pezzo.data(), s.pezzo.size(), perche);
  if (!t) Rifiutata(Tr("Impossibile decifrare: %1.", {perche}));
  if (s.resto < int64_t(kSigillo))
    Rifiutata(Tr("Impossibile decifrare: i dati cifrati sono troppo corti."));
  s.grande = (size_t{1} << t->parametri.esponente) + kSigillo;
  // Every chunk but the last is whole, and the last one holds at least its
  // seal. A length that breaks this may still be a whole stream with bytes
  // after it, which only the chunks can show.
  const int64_t ultimo = s.resto % int64_t(s.grande);
  s.storta = ultimo != 0 && ultimo < int64_t(kSigillo);
  const int64_t pezzi = (s.resto + int64_t(s.grande) - 1) / int64_t(s.grande);
  s.testata = t->byte;
  const Segreto k = Chiave(deriva_, *t);
  if (crypto_secretstream_xchacha20poly1305_init_pull(&s.f.s, t->flusso.data(), k.Dati()) != 0)
    Rifiutata(Tr("Impossibile decifrare: l'intestazione dei dati cifrati è danneggiata."));
  s.chiaro = Segreto(s.grande - kSigillo);
  s.chiaro.Ridimensiona(s.chiaro.Capienza());
  uscita_.Apri(*s.carrier, std::max<int64_t>(0, s.resto - pezzi * int64_t(kSigillo)));
  s.aperta = true;
}

namespace {

[[noreturn]] void Oltre(int64_t n) {
  Rifiutata(
      Tr("Impossibile decifrare: la passphrase è giusta, ma dopo la fine dei dati cifrati seguono "
         "altri %1 byte, che non ne fanno parte.",
         {std::to_string(n)}));
}

}  // namespace

void Decifratore::Pezzo() {
  Stato& s = *stato_;
  unsigned long long n = 0;
  uint8_t tag = 0;
  const uint8_t* associati = s.primo ? s.testata.data() : nullptr;
  const size_t quanti = s.primo ? kAssociati : 0;
  if (crypto_secretstream_xchacha20poly1305_pull(&s.f.s, s.chiaro.Dati(), &n, &tag, s.pezzo.data(),
                                                 s.pezzo.size(), associati, quanti) != 0) {
    // A stream that ends inside this chunk, followed by other bytes, is
    // whole: say so rather than blame the passphrase.
    if (const std::optional<size_t> fine =
            FineNelPezzo(s.f.s, s.pezzo.data(), s.pezzo.size(), associati, quanti))
      Oltre(int64_t(s.pezzo.size() - *fine) + s.resto);
    if (s.storta)
      Rifiutata(Tr("Impossibile decifrare: la lunghezza dei dati cifrati non è valida."));
    Rifiutata(s.primo ? Tr("Passphrase errata, oppure i dati cifrati sono stati alterati: nulla è "
                           "stato estratto.")
                      : Tr("I dati cifrati sono stati alterati: l'estrazione è annullata."));
  }
  const bool ultimo = s.resto == 0;
  if (tag == crypto_secretstream_xchacha20poly1305_TAG_FINAL) {
    if (!ultimo) Oltre(s.resto);
    s.finito = true;
  } else if (tag != 0) {
    Rifiutata(Tr("I dati cifrati sono stati alterati: l'estrazione è annullata."));
  } else if (ultimo) {
    // Cut where a chunk ends: this chunk is not the last one, and goes nowhere.
    Rifiutata(
        Tr("I dati cifrati sono incompleti: manca la fine del flusso, l'estrazione è annullata."));
  }
  s.primo = false;
  uscita_.Scrivi(s.chiaro.Dati(), size_t(n));
}

void Decifratore::Scrivi(const uint8_t* dati, size_t n) {
  Stato& s = *stato_;
  while (n > 0) {
    const size_t k = std::min(n, s.atteso - s.pezzo.size());
    s.pezzo.insert(s.pezzo.end(), dati, dati + k);
    dati += k;
    n -= k;
    if (s.pezzo.size() < s.atteso) break;
    s.resto -= int64_t(s.pezzo.size());
    if (!s.aperta)
      Testa();
    else
      Pezzo();
    s.pezzo.clear();
    s.atteso = size_t(std::min<int64_t>(s.resto, int64_t(s.grande)));
    if (s.resto == 0 && n > 0) Rifiutata(Tr("Dati oltre la lunghezza indicata."));
  }
}

void Decifratore::Completa() {
  Stato& s = *stato_;
  if (!s.aperta) {
    // Shorter than any encrypted payload: say what it is.
    std::string perche;
    LeggiTestata(s.pezzo.data(), s.pezzo.size(), perche);
    Rifiutata(Tr("Impossibile decifrare: %1.", {perche}));
  }
  if (!s.finito)
    Rifiutata(
        Tr("I dati cifrati sono incompleti: manca la fine del flusso, l'estrazione è annullata."));
  uscita_.Completa();
}

void Decifratore::Annulla() noexcept {
  if (stato_->aperta) uscita_.Annulla();
}

}  // namespace Crypta
