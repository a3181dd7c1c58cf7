// The encrypted payload's stream, through the library with a cheap key (the
// passphrase's derivation is libsodium's, and slow on purpose): round trips at
// chunk boundaries, every flipped bit and every cut refused, only whole
// authenticated chunks passed on, and headers out of bounds read as such.
#include <gtest/gtest.h>

#include <cstring>

#include "Cifratura.h"
#include "Supporto.h"

#if TAVELIN_CON_CIFRATURA

namespace prova {
namespace {

using Crypta::Parametri;

// The same key from any header, as a wrong passphrase gives another one.
Crypta::Derivazione Fissa(uint8_t valore) {
  return [valore](const Crypta::Testata&) {
    Crypta::ChiaveFlusso k;
    k.fill(valore);
    return k;
  };
}

constexpr Parametri kPiccoli{6, 1, 8};  // chunks of 64 bytes

std::string Cifra(const std::string& chiaro, const Parametri& p = kPiccoli, uint8_t chiave = 1) {
  size_t pos = 0;
  Crypta::Cifratore c(
      Fissa(chiave), int64_t(chiaro.size()),
      [&](uint8_t* d, size_t n) {
        std::memcpy(d, chiaro.data() + pos, n);
        pos += n;
      },
      p);
  std::string cifrato(size_t(c.Lunghezza()), '\0');
  // Asked for in uneven pieces, as the engine's blocks fall.
  for (size_t fatto = 0, pezzo = 1; fatto < cifrato.size(); pezzo = pezzo * 3 + 1) {
    const size_t n = std::min(pezzo, cifrato.size() - fatto);
    c.Produci(reinterpret_cast<uint8_t*>(&cifrato[fatto]), n);
    fatto += n;
  }
  EXPECT_EQ(pos, chiaro.size());
  return cifrato;
}

// What a sink gets, and whether it was completed or given back.
struct Registro : Crypta::Destinazione {
  void Apri(const Crypta::File&, int64_t n) override { annunciati = n; }
  void Scrivi(const uint8_t* d, size_t n) override {
    dati.append(reinterpret_cast<const char*>(d), n);
  }
  void Completa() override { completo = true; }
  void Annulla() noexcept override { annullato = true; }
  int64_t annunciati = -1;
  std::string dati;
  bool completo = false, annullato = false;
};

// Decrypts as a reveal would, in blocks of `blocco`; the error's kind, if one.
std::optional<Crypta::Genere> Decifra(const std::string& cifrato, Registro& r, uint8_t chiave = 1,
                                      size_t blocco = 1000) {
  static const Crypta::File nulla = Crypta::File::Descrittore(0, "prova");
  Crypta::Decifratore d(r, Fissa(chiave));
  try {
    d.Apri(nulla, int64_t(cifrato.size()));
    for (size_t i = 0; i < cifrato.size(); i += blocco)
      d.Scrivi(reinterpret_cast<const uint8_t*>(cifrato.data() + i),
               std::min(blocco, cifrato.size() - i));
    d.Completa();
  } catch (const Crypta::Errore& e) {
    d.Annulla();
    return e.genere;
  }
  return std::nullopt;
}

std::string Chiaro(size_t n) {
  const Byte b = Casuali(n, uint32_t(n) + 1);
  return std::string(b.begin(), b.end());
}

TEST(FlussoCifrato, RoundTripsAtChunkBoundaries) {
  for (const size_t n : {0, 1, 63, 64, 65, 128, 1000}) {
    const std::string chiaro = Chiaro(n);
    const std::string cifrato = Cifra(chiaro);
    EXPECT_EQ(int64_t(cifrato.size()), Crypta::LunghezzaCifrata(int64_t(n), 6)) << n;
    EXPECT_TRUE(Crypta::Cifrato(reinterpret_cast<const uint8_t*>(cifrato.data()), cifrato.size()));
    for (const size_t blocco : {size_t{1}, size_t{7}, size_t{4096}}) {
      Registro r;
      EXPECT_EQ(Decifra(cifrato, r, 1, blocco), std::nullopt) << n;
      EXPECT_EQ(r.dati, chiaro) << n;
      EXPECT_EQ(r.annunciati, int64_t(n));
      EXPECT_TRUE(r.completo);
    }
  }
  // The same plaintext twice gives two ciphertexts: a fresh salt and stream.
  EXPECT_NE(Cifra("uguale"), Cifra("uguale"));
}

TEST(FlussoCifrato, EveryFlippedBitAndEveryCutIsRefused) {
  const std::string chiaro = Chiaro(200);  // four chunks, the last one short
  const std::string cifrato = Cifra(chiaro);
  for (size_t bit = 0; bit < cifrato.size() * 8; ++bit) {
    std::string alterato = cifrato;
    alterato[bit / 8] = char(alterato[bit / 8] ^ (1 << (bit % 8)));
    Registro r;
    ASSERT_EQ(Decifra(alterato, r), Crypta::Genere::Rifiutata) << "bit " << bit;
    EXPECT_FALSE(r.completo);
    // What got through is whole chunks of the true plaintext.
    EXPECT_EQ(r.dati, chiaro.substr(0, r.dati.size())) << "bit " << bit;
    EXPECT_EQ(r.dati.size() % 64, 0u) << "bit " << bit;
  }
  for (size_t n = 0; n < cifrato.size(); ++n) {
    Registro r;
    ASSERT_EQ(Decifra(cifrato.substr(0, n), r), Crypta::Genere::Rifiutata) << "cut at " << n;
    EXPECT_FALSE(r.completo);
  }
  // Chunks moved about, or a final chunk in the middle, are refused too.
  std::string scambiato = cifrato;
  std::swap_ranges(scambiato.begin() + 55 + 81, scambiato.begin() + 55 + 162,
                   scambiato.begin() + 55 + 162);
  Registro r;
  EXPECT_EQ(Decifra(scambiato, r), Crypta::Genere::Rifiutata);
  const std::string corto = Cifra(Chiaro(10));
  EXPECT_EQ(Decifra(corto + cifrato.substr(55), r), Crypta::Genere::Rifiutata);
}

TEST(FlussoCifrato, WrongKeyGivesNothing) {
  Registro r;
  EXPECT_EQ(Decifra(Cifra(Chiaro(300)), r, 2), Crypta::Genere::Rifiutata);
  EXPECT_EQ(r.dati, "");
  EXPECT_TRUE(r.annullato);
}

TEST(FlussoCifrato, HeadersOutOfBoundsAreRefusedWithTheirReason) {
  const std::string buono = Cifra("x", Parametri{16, 3, 262144});
  std::string perche;
  const auto leggi = [&](std::string t) {
    perche.clear();
    return Crypta::LeggiTestata(reinterpret_cast<const uint8_t*>(t.data()), t.size(), perche);
  };
  const std::optional<Crypta::Testata> t = leggi(buono);
  ASSERT_TRUE(t);
  EXPECT_EQ(t->parametri.esponente, 16);
  EXPECT_EQ(t->parametri.passate, 3u);
  EXPECT_EQ(t->parametri.memoriaKiB, 262144u);
  const std::pair<size_t, uint8_t> guasti[] = {
      {0, 'X'}, {4, 2}, {5, 9}, {6, 5}, {6, 25}, {7, 0}, {7, 17}, {11, 7}, {13, 0x11},
  };
  for (const auto& [pos, valore] : guasti) {
    std::string h = buono;
    h[pos] = char(valore);
    if (pos == 7) h[8] = h[9] = h[10] = 0;
    if (pos == 11) h[12] = h[13] = h[14] = 0;
    EXPECT_FALSE(leggi(h)) << pos;
    EXPECT_FALSE(perche.empty());
  }
  EXPECT_FALSE(leggi(buono.substr(0, 54)));
  EXPECT_EQ(perche, "i dati cifrati sono troppo corti");
  EXPECT_FALSE(leggi("ciao, sono un testo"));
  EXPECT_EQ(perche, "i dati nascosti non sono cifrati con --encrypt");
}

}  // namespace
}  // namespace prova

#endif
