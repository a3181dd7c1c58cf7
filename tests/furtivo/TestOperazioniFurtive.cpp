// The stealth layout over files: refusals write nothing and cost no key
// derivation; a hide and a reveal through the passphrase; the search without
// a key finds nothing in a stealth carrier.
#include <gtest/gtest.h>

#include "../engine/Supporto.h"
#include "OperazioniFurtive.h"
#include "Quadri.h"
#include "Scansione.h"

namespace {

using namespace Crypta;

// A 24- or 32-bit bitmap file with the test picture as its pixels.
prova::Byte File_(const prova::Quadro& q) {
  prova::Bitmap b;
  b.larghezza = uint32_t(q.w);
  b.altezza = uint32_t(q.h);
  b.bpp = uint16_t(q.bpp * 8);
  b.pixel = q.byte.size();
  b.grandezza = uint32_t(q.byte.size());
  prova::Byte f = b.Byte_();
  std::copy(q.byte.begin(), q.byte.end(), f.begin() + 54);
  return f;
}

class FileFurtivi : public ::testing::Test {
 protected:
  void SetUp() override {
    prova::Scrivi(carrier, File_(quadro));
    prova::Scrivi(dati, prova::Casuali(300, 8));
  }
  prova::Cartella dir;
  const prova::Quadro quadro{120, 100, 3, 2};
  const std::string carrier = dir / "c.bmp", dati = dir / "dati.bin", copia = dir / "s.bmp";
};

Genere GenereDi(const RichiestaFurtiva& r) {
  try {
    NascondiFurtivo(r);
  } catch (const Errore& e) {
    return e.genere;
  }
  ADD_FAILURE() << "accepted";
  return Genere::File;
}

TEST_F(FileFurtivi, RefusedHidesWriteNothing) {
  const prova::Byte prima = prova::Leggi(carrier);
  RichiestaFurtiva r{carrier, "pw", Carico::DiFile(dati), "", "", Furtivo::kRataSicura};
  const int64_t cap = CapienzaFurtiva(Analizza(carrier, 1), 0);
  r.carico = Carico::DiByte(std::string(size_t(cap) + 1, 'x'));
  EXPECT_EQ(GenereDi(r), Genere::TroppoGrande);
  r.carico = Carico::DiFile(dati);
  r.nome = "a/b";
  EXPECT_EQ(GenereDi(r), Genere::Argomento);
  r.nome.clear();
  r.rata = 0.6;
  EXPECT_EQ(GenereDi(r), Genere::Argomento);
  r.rata = Furtivo::kRataSicura;
  prova::Scrivi(copia, {1, 2, 3});
  r.copia = copia;
  EXPECT_EQ(GenereDi(r), Genere::File);
  EXPECT_EQ(prova::Leggi(copia), (prova::Byte{1, 2, 3}));
  prova::Bitmap otto;
  otto.bpp = 8;
  const std::string palette = prova::Scrivi(dir, "p.bmp", otto);
  r = {palette, "pw", Carico::DiFile(dati), "", "", Furtivo::kRataSicura};
  EXPECT_EQ(GenereDi(r), Genere::Rifiutata);
  EXPECT_EQ(prova::Leggi(carrier), prima);
  EXPECT_EQ(prova::Leggi(palette), otto.Byte_());
}

TEST_F(FileFurtivi, CapacityAndItsObstacles) {
  const Analisi a = Analizza(carrier, 1);
  EXPECT_EQ(OstacoloFurtivo(a), "");
  EXPECT_EQ(CapienzaFurtiva(a, 5), Furtivo::Capienza(120 * 100 * 3, 5));
  prova::Bitmap b;
  b.bpp = 8;
  EXPECT_NE(OstacoloFurtivo(Analizza(prova::Scrivi(dir, "8.bmp", b), 1)).find("8"),
            std::string::npos);
  b = {};
  b.larghezza = 60000;
  b.altezza = 60000;
  EXPECT_NE(OstacoloFurtivo(Analizza(prova::Scrivi(dir, "g.bmp", b), 1)).find("troppo grande"),
            std::string::npos);
  b.larghezza = 100;
  b.altezza = 100;  // 30,000 pixel bytes declared, 320 there
  EXPECT_NE(OstacoloFurtivo(Analizza(prova::Scrivi(dir, "t.bmp", b), 1)).find("più corta"),
            std::string::npos);
  DestinazioneMemoria m;
  EXPECT_FALSE(RivelaFurtivo(dir / "t.bmp", "pw", m).trovato);
}

// Built with the in-memory entry, so that no key derivation is needed.
TEST_F(FileFurtivi, TheKeylessSearchFindsNothing) {
  prova::Quadro s = quadro;
  Furtivo::Nascondi(s.Vista(), s.byte.data(), prova::ChiaviProva(),
                    {"", std::string(size_t(Furtivo::Capienza(36000, 0)), 'A')});
  prova::Scrivi(copia, File_(s));
  EXPECT_TRUE(Scansiona(copia).empty());
}

// The one test through Argon2id (four derivations, seconds each): a file
// into a copy and back with the passphrase. Wrong keys are the in-memory
// tests' business.
TEST_F(FileFurtivi, AFileGoesInAndComesBackWithThePassphrase) {
  const prova::Byte prima = prova::Leggi(carrier);
  NascondiFurtivo({carrier, "parola d'ordine", Carico::DiFile(dati), "", copia});
  EXPECT_EQ(prova::Leggi(carrier), prima);
  const prova::Byte dopo = prova::Leggi(copia);
  ASSERT_EQ(dopo.size(), prima.size());
  EXPECT_TRUE(std::equal(prima.begin(), prima.begin() + 54, dopo.begin()));
  EXPECT_NE(dopo, prima);
  DestinazioneMemoria m;
  const RivelazioneFurtiva r = RivelaFurtivo(copia, "parola d'ordine", m);
  ASSERT_TRUE(r.trovato);
  EXPECT_EQ(r.nome, "dati.bin");
  EXPECT_EQ(r.lunghezza, 300);
  EXPECT_EQ(prova::Byte(m.dati.begin(), m.dati.end()), prova::Leggi(dati));
}

}  // namespace
