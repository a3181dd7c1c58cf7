// The block engine against the bit-by-bit model on many random carriers,
// payloads, keys and bit counts: the same carrier bytes, the same payload back.
#include <gtest/gtest.h>

#include <random>

#include "Crypta.h"
#include "Modello.h"
#include "Supporto.h"

using namespace prova;

namespace {

TEST(Equivalenza, BlockEngineWritesWhatTheModelWrites) {
  Cartella dir;
  std::mt19937 gen(20261207);
  for (int caso = 0; caso < 160; ++caso) {
    const int16_t n = int16_t(1 << (caso % 4));
    Bitmap b;
    b.offset = 54 + uint32_t(gen() % 200);
    b.pixel = 64 + gen() % 3000;
    b.seme = uint32_t(gen());
    const std::string path = Scrivi(dir, "c.bmp", b);
    Byte atteso = Leggi(path);
    const size_t capienza = (b.pixel * size_t(n) - 32) / 8;
    const size_t L = caso % 7 == 0 ? capienza : gen() % (capienza + 1);
    const Byte dati = Casuali(L, uint32_t(gen()));
    std::string chiave;
    for (size_t k = gen() % 31; k > 0; --k) chiave += char(gen());
    const bool testo = caso % 2 == 0;

    modello::Nascondi(atteso, b.offset, dati, modello::Maschera(chiave), n);
    const std::string payload(dati.begin(), dati.end());
    if (testo) {
      Crypta::CryptBitmap(path, b.offset, int32_t(L), payload, true, chiave, n);
    } else {
      Scrivi(dir / "dati", dati);
      Crypta::CryptBitmap(path, b.offset, int32_t(L), dir / "dati", false, chiave, n);
    }
    ASSERT_EQ(Leggi(path), atteso) << "case " << caso << ", " << n << " bit, L " << L;

    int64_t lunghezza = 0;
    ASSERT_EQ(modello::Raccogli(atteso, b.offset, L, modello::Maschera(chiave), n, &lunghezza),
              dati);
    ASSERT_EQ(lunghezza, int64_t(L));
    ASSERT_EQ(Crypta::DeCryptBitmap(path, chiave, n, true, ""), payload) << "case " << caso;
  }
}

TEST(Equivalenza, RevealReadsWhatTheModelReadsFromNoise) {
  // Carriers that hold no payload: whatever length their first bits give,
  // the engine reveals exactly the model's bytes or refuses with False.
  Cartella dir;
  std::mt19937 gen(7);
  for (int caso = 0; caso < 200; ++caso) {
    const int16_t n = int16_t(1 << (caso % 4));
    Bitmap b;
    b.pixel = 40 + gen() % 600;
    b.seme = uint32_t(gen());
    const std::string path = Scrivi(dir, "c.bmp", b);
    const Byte byte = Leggi(path);
    const std::string chiave(1, char(gen()));
    const modello::RivelazioneAttesa r = modello::Rivelazione(byte, n, modello::Maschera(chiave));
    const std::string rivelato = Crypta::DeCryptBitmap(path, chiave, n, true, "");
    EXPECT_EQ(rivelato, r.esito == modello::RivelazioneAttesa::Dati ? r.dati : "False") << caso;
  }
}

}  // namespace
