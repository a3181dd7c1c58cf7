// Encryption and decryption through libsodium: Argon2id for the key,
// secretstream for the chunks. Keys and plaintext buffers are wiped when
// they go.
#include <sodium.h>

#include <algorithm>
#include <cstring>

#include "Cifratura.h"
#include "Contenuto.h"

namespace Crypta {

namespace {

using Stream = crypto_secretstream_xchacha20poly1305_state;
constexpr size_t kAssociati = 31;  // marker, version, parameters and salt, bound to the first chunk

static_assert(kSigillo == crypto_secretstream_xchacha20poly1305_ABYTES);
static_assert(sizeof(Testata::flusso) == crypto_secretstream_xchacha20poly1305_HEADERBYTES);
static_assert(sizeof(Testata::sale) == crypto_pwhash_SALTBYTES);
static_assert(sizeof(ChiaveFlusso) == crypto_secretstream_xchacha20poly1305_KEYBYTES);

[[noreturn]] void Rifiutata(const std::string& messaggio) {
  throw Errore(messaggio, Genere::Rifiutata);
}

void Avvia() {
  if (sodium_init() < 0)
    throw Errore("Impossibile avviare la libreria di cifratura.", Genere::File);
}

void Metti(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}

// A buffer that is wiped before it goes.
struct Riservato {
  explicit Riservato(size_t n) : byte(n) {}
  ~Riservato() { sodium_memzero(byte.data(), byte.size()); }
  std::vector<uint8_t> byte;
};

}  // namespace

bool CifraturaDisponibile() {
  return true;
}

Derivazione DaPassphrase(std::string passphrase) {
  auto segreto = std::make_shared<Riservato>(passphrase.size());
  std::copy(passphrase.begin(), passphrase.end(), segreto->byte.begin());
  sodium_memzero(passphrase.data(), passphrase.size());
  return [segreto](const Testata& t) {
    Avvia();
    ChiaveFlusso k;
    const auto* p = reinterpret_cast<const char*>(segreto->byte.data());
    if (crypto_pwhash(k.data(), k.size(), p, segreto->byte.size(), t.sale.data(),
                      t.parametri.passate, size_t(t.parametri.memoriaKiB) * 1024,
                      crypto_pwhash_ALG_ARGON2ID13) != 0)
      throw Errore("Memoria insufficiente per derivare la chiave dalla passphrase.",
                           Genere::File);
    return k;
  };
}

struct Cifratore::Stato {
  Stream s;
  Parametri p;
  std::array<uint8_t, kTestata> testata{};
  std::function<void(uint8_t*, size_t)> leggi;
  int64_t rimasto = 0;  // plaintext not yet sealed
  bool primo = true;
  Riservato chiaro{0};
  std::vector<uint8_t> uscita;  // ciphertext made and not yet given
  size_t dato = 0;
};

Cifratore::Cifratore(const Derivazione& deriva, int64_t chiaro,
                     std::function<void(uint8_t*, size_t)> leggi, Parametri p)
    : stato_(std::make_unique<Stato>()), lunghezza_(LunghezzaCifrata(chiaro, p.esponente)) {
  Avvia();
  Stato& s = *stato_;
  s.p = p;
  s.leggi = std::move(leggi);
  s.rimasto = chiaro;
  s.chiaro.byte.resize(size_t{1} << p.esponente);
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
  ChiaveFlusso k = deriva(t);
  crypto_secretstream_xchacha20poly1305_init_push(&s.s, h + 31, k.data());
  sodium_memzero(k.data(), k.size());
  s.uscita.assign(s.testata.begin(), s.testata.end());
}

Cifratore::~Cifratore() {
  if (stato_) sodium_memzero(&stato_->s, sizeof stato_->s);
}

void Cifratore::Produci(uint8_t* dest, size_t n) {
  Stato& s = *stato_;
  while (n > 0) {
    if (s.dato == s.uscita.size()) {
      if (s.rimasto < 0)
        throw Errore("Cifratura oltre la fine.", Genere::Argomento);
      const size_t m = size_t(std::min<int64_t>(s.rimasto, int64_t(s.chiaro.byte.size())));
      if (m > 0) s.leggi(s.chiaro.byte.data(), m);
      s.rimasto -= int64_t(m);
      const uint8_t tag = s.rimasto == 0 ? crypto_secretstream_xchacha20poly1305_TAG_FINAL : 0;
      s.uscita.resize(m + kSigillo);
      crypto_secretstream_xchacha20poly1305_push(
          &s.s, s.uscita.data(), nullptr, s.chiaro.byte.data(), m,
          s.primo ? s.testata.data() : nullptr, s.primo ? kAssociati : 0, tag);
      s.primo = false;
      if (tag != 0) s.rimasto = -1;  // sealed: nothing may follow
      s.dato = 0;
    }
    const size_t k = std::min(n, s.uscita.size() - s.dato);
    std::memcpy(dest, s.uscita.data() + s.dato, k);
    s.dato += k;
    dest += k;
    n -= k;
  }
}

struct Decifratore::Stato {
  Stream s;
  const File* carrier = nullptr;
  int64_t resto = 0;           // ciphertext not yet taken, header included
  std::vector<uint8_t> pezzo;  // the chunk or header being gathered
  size_t atteso = kTestata;    // its full size
  size_t grande = 0;           // a whole chunk's size
  std::array<uint8_t, kTestata> testata{};
  Riservato chiaro{0};
  bool primo = true, finito = false, aperta = false;
};

Decifratore::Decifratore(Destinazione& uscita, Derivazione deriva)
    : uscita_(uscita), deriva_(std::move(deriva)), stato_(std::make_unique<Stato>()) {
  Avvia();
}

Decifratore::~Decifratore() {
  if (stato_) sodium_memzero(&stato_->s, sizeof stato_->s);
}

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
  if (!t) Rifiutata("Impossibile decifrare: " + perche + ".");
  if (s.resto < int64_t(kSigillo))
    Rifiutata("Impossibile decifrare: i dati cifrati sono troppo corti.");
  s.grande = (size_t{1} << t->parametri.esponente) + kSigillo;
  // Every chunk but the last is whole, and the last one holds at least its seal.
  const int64_t ultimo = s.resto % int64_t(s.grande);
  if (ultimo != 0 && ultimo < int64_t(kSigillo))
    Rifiutata("Impossibile decifrare: la lunghezza dei dati cifrati non è valida.");
  const int64_t pezzi = (s.resto + int64_t(s.grande) - 1) / int64_t(s.grande);
  s.testata = t->byte;
  ChiaveFlusso k = deriva_(*t);
  const int esito =
      crypto_secretstream_xchacha20poly1305_init_pull(&s.s, t->flusso.data(), k.data());
  sodium_memzero(k.data(), k.size());
  if (esito != 0)
    Rifiutata("Impossibile decifrare: l'intestazione dei dati cifrati è danneggiata.");
  s.chiaro.byte.resize(s.grande - kSigillo);
  uscita_.Apri(*s.carrier, s.resto - pezzi * int64_t(kSigillo));
  s.aperta = true;
}

void Decifratore::Pezzo() {
  Stato& s = *stato_;
  unsigned long long n = 0;
  uint8_t tag = 0;
  if (crypto_secretstream_xchacha20poly1305_pull(
          &s.s, s.chiaro.byte.data(), &n, &tag, s.pezzo.data(), s.pezzo.size(),
          s.primo ? s.testata.data() : nullptr, s.primo ? kAssociati : 0) != 0)
    Rifiutata(s.primo ? "Passphrase errata, oppure i dati cifrati sono stati alterati: nulla è "
                        "stato estratto."
                      : "I dati cifrati sono stati alterati: l'estrazione è annullata.");
  const bool ultimo = s.resto == 0;
  if (tag == crypto_secretstream_xchacha20poly1305_TAG_FINAL) {
    if (!ultimo)
      Rifiutata("I dati cifrati sono stati alterati: la fine del flusso non è in fondo.");
    s.finito = true;
  } else if (tag != 0) {
    Rifiutata("I dati cifrati sono stati alterati: l'estrazione è annullata.");
  }
  s.primo = false;
  uscita_.Scrivi(s.chiaro.byte.data(), size_t(n));
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
    if (s.resto == 0 && n > 0) Rifiutata("Dati oltre la lunghezza indicata.");
  }
}

void Decifratore::Completa() {
  Stato& s = *stato_;
  if (!s.aperta) {
    // Shorter than any encrypted payload: say what it is.
    std::string perche;
    LeggiTestata(s.pezzo.data(), s.pezzo.size(), perche);
    Rifiutata("Impossibile decifrare: " + perche + ".");
  }
  if (!s.finito)
    Rifiutata(
        "I dati cifrati sono incompleti: manca la fine del flusso, l'estrazione è annullata.");
  uscita_.Completa();
}

void Decifratore::Annulla() noexcept {
  if (stato_->aperta) uscita_.Annulla();
}

}  // namespace Crypta
