// Carriers travel between tavelin-cli and the window: the window's way of
// calling the engine reads what the command line hid, and the reverse, and
// the same payload makes the same bytes whichever way it comes in.
#include "Banco.h"
#include "Testo.h"

namespace prova {
namespace {

using Scambio = Banco;

const std::string kTesto = "Città: «Tavelin»\nprezzo 12 €\n\tfine";
const std::string kChiave = "Chiave è €";

TEST_F(Scambio, WindowRevealsWhatTheCommandLineHid) {
  for (const int16_t n : {1, 2, 4, 8}) {
    const std::string c = Carrier(1500);
    ASSERT_EQ(Cli({"hide", c, "-t", kTesto, "-k", kChiave, "-b", std::to_string(n)}).stato, 0);
    EXPECT_EQ(Crypta::DeCryptBitmap(c, Codici(kChiave), n, true, ""),
              Codici(Crypta::CapoCRLF(kTesto)))
        << n;
    EXPECT_EQ(FinestraRivela(c, kChiave, n), kTesto) << n;
  }
}

TEST_F(Scambio, CommandLineRevealsWhatTheWindowHid) {
  for (const int16_t n : {1, 2, 4, 8}) {
    const std::string c = Carrier(1500);
    FinestraNascondi(c, kTesto, kChiave, n);
    const Risultato r = Cli({"reveal", c, "-t", "-k", kChiave, "-b", std::to_string(n)});
    EXPECT_EQ(r.stato, 0) << n << r.err;
    EXPECT_EQ(r.out, kTesto) << n;
  }
}

TEST_F(Scambio, SameCarrierBytesAsTheWindow) {
  for (const int16_t n : {1, 2, 4, 8}) {
    const uint32_t seme = uint32_t(n) + 40;
    const std::string finestra = Carrier(1500, seme), riga = Carrier(1500, seme);
    FinestraNascondi(finestra, kTesto, kChiave, n);
    ASSERT_EQ(Cli({"hide", riga, "-t", kTesto, "-k", kChiave, "-b", std::to_string(n)}).stato, 0);
    EXPECT_EQ(Leggi(riga), Leggi(finestra)) << n;
  }
}

TEST_F(Scambio, FileStandardInputAndTextWriteTheSameBytes) {
  const std::string dati = Codici(Crypta::CapoCRLF(kTesto));
  const std::string f = File("dati", dati);
  const std::string a = Carrier(1500, 9), b = Carrier(1500, 9), t = Carrier(1500, 9),
                    motore = Carrier(1500, 9);
  ASSERT_EQ(Cli({"hide", a, "-f", f, "-k", kChiave, "-b", "4"}).stato, 0);
  Opzioni o;
  o.ingresso = dati;
  ASSERT_EQ(Cli({"hide", b, "-", "-k", kChiave, "-b", "4"}, o).stato, 0);
  ASSERT_EQ(Cli({"hide", t, "-t", kTesto, "-k", kChiave, "-b", "4"}).stato, 0);
  Crypta::CryptBitmap(motore, 54, int32_t(dati.size()), f, false, Codici(kChiave), 4);
  const Byte atteso = Leggi(motore);
  EXPECT_NE(atteso, Leggi(Carrier(1500, 9)));
  EXPECT_EQ(Leggi(a), atteso);
  EXPECT_EQ(Leggi(b), atteso);
  EXPECT_EQ(Leggi(t), atteso);
}

TEST_F(Scambio, WindowFileRevealsToTheSameBytes) {
  const std::string c = Carrier(3000);
  const Byte dati = Casuali(700, 5);
  Scrivi(dir / "dati", dati);
  Crypta::CryptBitmap(c, 54, 700, dir / "dati", false, Codici(kChiave), 2);
  const Risultato r = Cli({"reveal", c, "-", "-k", kChiave, "-b", "2"});
  EXPECT_EQ(r.stato, 0) << r.err;
  EXPECT_EQ(r.out, std::string(dati.begin(), dati.end()));
}

}  // namespace
}  // namespace prova
