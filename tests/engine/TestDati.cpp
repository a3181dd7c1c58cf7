// The broken and borderline carriers under tests/data, each against its line
// in attese.txt: the header reader's verdict at 1 bit, the reveal in text and
// in file mode, and that neither ever changes a carrier or leaves an output
// file behind a refusal. Also the carriers that only exist at run time: a
// folder, a missing path, a FIFO, links.
#include <cctype>
#include <set>
#include <string>

#include "BancoDati.h"

namespace {

using namespace dati;

class DatiFile : public Dati, public ::testing::WithParamInterface<Attesa> {};

TEST_P(DatiFile, HeaderReaderGivesTheStatedVerdictAndKeepsLaterFields) {
  const Attesa& a = GetParam();
  LeggiSentinella();
  const Byte prima = Leggi(kDati / a.nome);
  EXPECT_EQ(LeggiHeader((kDati / a.nome).string(), 1), a.header);
  EXPECT_EQ(BmpHeader.TipoBitmap, a.tipo);
  EXPECT_EQ(Leggi(kDati / a.nome), prima) << "the header reader changed the file";

  // The fields up to the point of refusal come from this file, the rest from
  // the carrier read before.
  const Crypta::Intestazione& s = sentinella_;
  const Crypta::Intestazione& h = BmpHeader;
  const bool firma = !a.tipo.empty();
  const bool dimensioni = firma && Valore(prima, 2, 4) > Valore(prima, 10, 4);
  EXPECT_EQ(h.DimensioneFile, firma ? Valore(prima, 2, 4) : s.DimensioneFile);
  EXPECT_EQ(h.OffsetDati, firma ? Valore(prima, 10, 4) : s.OffsetDati);
  EXPECT_EQ(h.LunghezzaHeader, dimensioni ? Valore(prima, 14, 4) : s.LunghezzaHeader);
  EXPECT_EQ(a.header, dimensioni && h.LunghezzaHeader == 40);
  EXPECT_EQ(h.Larghezza, a.header ? Valore(prima, 18, 4) : s.Larghezza);
  EXPECT_EQ(h.Altezza, a.header ? Valore(prima, 22, 4) : s.Altezza);
  EXPECT_EQ(h.BitPerPixel, a.header ? Valore(prima, 28, 2) : s.BitPerPixel);
  EXPECT_EQ(h.Compressione,
            a.header ? std::to_string(uint32_t(Valore(prima, 30, 4))) : s.Compressione);
  EXPECT_EQ(h.ColoriImportanti, a.header ? Valore(prima, 50, 4) : s.ColoriImportanti);
  EXPECT_EQ(h.BytesUtilizzabili, a.capienza ? *a.capienza : s.BytesUtilizzabili);
}

// The stated outcome is a statement by hand; the model must come to it too,
// so that a slip in either cannot pass unseen.
TEST_P(DatiFile, TheModelComesToTheStatedOutcome) {
  const Attesa& a = GetParam();
  const Byte dati = Leggi(kDati / a.nome);
  const modello::HeaderAtteso h = modello::Header(dati, 1);
  EXPECT_EQ(h.fase == modello::HeaderAtteso::Accettato, a.header);
  EXPECT_EQ(h.tipo, a.tipo);
  if (a.capienza) {
    EXPECT_EQ(h.capienza, *a.capienza);
  }
  const modello::RivelazioneAttesa r = modello::Rivelazione(dati, a.nbit, modello::Maschera(a.chiave));
  switch (r.esito) {
    case modello::RivelazioneAttesa::False: EXPECT_EQ(a.rivela, "False"); break;
    case modello::RivelazioneAttesa::Errore: EXPECT_EQ(a.rivela, "Errore"); break;
    case modello::RivelazioneAttesa::Dati: EXPECT_EQ("hex:" + DaHex(a.rivela.substr(4)), "hex:" + r.dati);
  }
}

TEST_P(DatiFile, TextRevealGivesTheStatedOutcome) {
  const Attesa& a = GetParam();
  const Byte prima = Leggi(kDati / a.nome);
  const std::string path = (kDati / a.nome).string();
  if (a.rivela == "Errore") {
    EXPECT_THROW(DeCryptBitmap(path, a.chiave, a.nbit, true, ""), Crypta::Errore);
  } else {
    const std::string atteso = a.rivela == "False" ? "False" : DaHex(a.rivela.substr(4));
    ASSERT_TRUE(a.rivela == "False" || a.rivela.rfind("hex:", 0) == 0) << a.rivela;
    EXPECT_EQ(DeCryptBitmap(path, a.chiave, a.nbit, true, ""), atteso);
  }
  FinestraRiabilitata();
  EXPECT_EQ(Leggi(kDati / a.nome), prima) << "the reveal changed the carrier";
}

TEST_P(DatiFile, FileRevealWritesOnlyWhatItReveals) {
  const Attesa& a = GetParam();
  const Byte prima = Leggi(kDati / a.nome);
  const fs::path uscita = dir_ / "Crypto.cry";
  const std::optional<std::string> r = RivelaFile(kDati / a.nome, a.chiave, a.nbit, uscita);
  FinestraRiabilitata();
  EXPECT_EQ(Leggi(kDati / a.nome), prima) << "the reveal changed the carrier";
  if (a.rivela == "Errore" || a.rivela == "False") {
    EXPECT_EQ(r, a.rivela == "False" ? std::optional<std::string>("False") : std::nullopt);
    EXPECT_FALSE(fs::exists(uscita)) << "a refused reveal left an output file";
    return;
  }
  EXPECT_EQ(r, std::optional<std::string>("True"));
  const std::string atteso = DaHex(a.rivela.substr(4));
  if (atteso.empty() && !fs::exists(uscita)) return;  // nothing revealed, nothing made
  const Byte scritto = Leggi(uscita);
  EXPECT_EQ(std::string(scritto.begin(), scritto.end()), atteso);
}

TEST_P(DatiFile, EveryBitCountEndsCleanlyAndBothModesAgree) {
  const Attesa& a = GetParam();
  const Byte prima = Leggi(kDati / a.nome);
  const std::string path = (kDati / a.nome).string();
  for (const int16_t nbit : {1, 2, 4, 8}) {
    for (const std::string chiave : {"", "Tavelin"}) {
      SCOPED_TRACE("Nbit " + std::to_string(nbit) + ", key \"" + chiave + "\"");
      std::optional<std::string> testo;
      try {
        testo = DeCryptBitmap(path, chiave, nbit, true, "");
      } catch (const Crypta::Errore&) {
      }
      FinestraRiabilitata();
      const fs::path uscita = dir_ / ("out" + std::to_string(nbit) + chiave);
      const std::optional<std::string> file = RivelaFile(path, chiave, nbit, uscita);
      FinestraRiabilitata();
      EXPECT_EQ(testo.has_value(), file.has_value()) << "only one mode threw";
      if (file == "True") {
        const Byte scritto = fs::exists(uscita) ? Leggi(uscita) : Byte{};
        EXPECT_EQ(std::string(scritto.begin(), scritto.end()), testo.value_or("?"));
      } else {
        EXPECT_TRUE(!file || *file == "False") << *file;
        EXPECT_FALSE(fs::exists(uscita)) << "a refused reveal left an output file";
      }
    }
  }
  EXPECT_EQ(Leggi(kDati / a.nome), prima) << "a reveal changed the carrier";
}

std::string NomeTest(const ::testing::TestParamInfo<Attesa>& info) {
  std::string nome = info.param.nome;
  for (char& c : nome)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return nome;
}

INSTANTIATE_TEST_SUITE_P(Attese, DatiFile, ::testing::ValuesIn(CaricaAttese()), NomeTest);

TEST(DatiElenco, EveryBitmapHasOneOutcomeAndEveryOutcomeAFile) {
  std::set<std::string> file, attese;
  for (const auto& e : fs::directory_iterator(kDati))
    if (e.path().extension() == ".bmp") file.insert(e.path().filename().string());
  for (const Attesa& a : CaricaAttese()) EXPECT_TRUE(attese.insert(a.nome).second) << a.nome;
  EXPECT_EQ(file, attese);
  EXPECT_GE(attese.size(), 40u);
}

// Paths that name no readable regular file are refused like an unknown

}  // namespace
