// --encrypt and decrypt on the command line: round trips through every
// output with the key on top, wrong passphrases, a changed carrier and cut
// streams leaving no output, payloads of several MiB in flat memory, where
// the passphrase may come from, and the build without libsodium.
#include <sys/stat.h>

#include "Banco.h"

namespace prova {
namespace {

using Cifratura = Banco;

#if TAVELIN_CON_CIFRATURA

std::string Binari(size_t n, uint32_t seme) {
  const Byte b = Casuali(n, seme);
  return std::string(b.begin(), b.end());
}

class Cifrata : public Banco {
 protected:
  void SetUp() override {
    Banco::SetUp();
    frase = File("frase", "cavallo batteria graffetta corretta\n");
    sbagliata = File("sbagliata", "cavallo batteria graffetta sbagliata\n");
  }
  std::string frase, sbagliata;
};

TEST_F(Cifrata, RoundTripThroughEveryOutputWithTheKeyOnTop) {
  const std::string testo = "Ci vediamo alle 8, però non dirlo a nessuno.\nA domani.";
  const std::string c = Carrier(20000);
  Risultato r = Cli(
      {"hide", c, "-t", testo, "-k", "chiave", "-b", "2", "--encrypt", "--passphrase-file", frase});
  ASSERT_EQ(r.stato, 0) << r.err;
  EXPECT_EQ(r.err, "");
  r = Cli({"reveal", c, "-t", "-k", "chiave", "-b", "2", "--encrypt", "--passphrase-file", frase});
  EXPECT_EQ(r.stato, 0) << r.err;
  EXPECT_EQ(r.out, testo);

  // A file into a copy at 8 bits, revealed into a file and onto standard output.
  const std::string dati = Binari(3000, 5), copia = dir / "copia.bmp", uscita = dir / "uscita";
  ASSERT_EQ(Cli({"hide", c, "-f", File("dati", dati), "-b", "8", "-k", "k", "-o", copia,
                 "--encrypt", "--passphrase-file", frase})
                .stato,
            0);
  r = Cli({"reveal", copia, "-o", uscita, "-b", "8", "-k", "k", "--encrypt", "--passphrase-file",
           frase});
  EXPECT_EQ(r.stato, 0) << r.err;
  EXPECT_EQ(Testo(uscita), dati);
  r = Cli({"reveal", copia, "-", "-b", "8", "-k", "k", "--encrypt", "--passphrase-file", frase});
  EXPECT_EQ(r.out, dati);

  // The length field counts the ciphertext: a reveal without --encrypt gives
  // it, says what it is, and decrypt opens it.
  const std::string cifrato = dir / "Crypto.cry";
  r = Cli({"reveal", copia, "-o", cifrato, "-b", "8", "-k", "k"});
  EXPECT_EQ(r.stato, 0);
  EXPECT_EQ(r.err,
            "tavelin-cli: Attenzione: i dati estratti sono cifrati: per leggerli usare reveal "
            "--encrypt, oppure tavelin-cli decrypt sul file estratto.\n");
  EXPECT_EQ(Leggi(cifrato).size(), 55 + 3000 + 17u);
  r = Cli({"decrypt", cifrato, "-o", dir / "decifrato", "--passphrase-file", frase});
  EXPECT_EQ(r.stato, 0) << r.err;
  EXPECT_EQ(Testo(dir / "decifrato"), dati);
}

TEST_F(Cifrata, WrongPassphraseOrKeyLeavesNoOutput) {
  const std::string c = Carrier(20000);
  ASSERT_EQ(Cli({"hide", c, "-t", std::string(500, 'x'), "-k", "k", "--encrypt",
                 "--passphrase-file", frase})
                .stato,
            0);
  const std::string nuova = dir / "nuova", vecchia = File("vecchia", "prima|");
  for (const std::vector<std::string>& uscita :
       {std::vector<std::string>{"-o", nuova}, {"-o", vecchia}, {"-"}, {"-t"}}) {
    std::vector<std::string> argomenti{"reveal", c, "-k", "k", "--encrypt", "--passphrase-file",
                                       sbagliata};
    argomenti.insert(argomenti.end(), uscita.begin(), uscita.end());
    const Risultato r = Cli(argomenti);
    EXPECT_EQ(r.stato, 1) << uscita[0];
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "tavelin-cli: Passphrase errata, oppure i dati cifrati sono stati alterati: nulla è "
              "stato estratto.\n");
  }
  EXPECT_FALSE(std::filesystem::exists(nuova));
  EXPECT_EQ(Testo(vecchia), "prima|");
  // The right passphrase with the wrong key: the stream is not found at all.
  const Risultato r =
      Cli({"reveal", c, "-o", nuova, "-k", "j", "--encrypt", "--passphrase-file", frase});
  EXPECT_EQ(r.stato, 1);
  EXPECT_FALSE(std::filesystem::exists(nuova));
}

// One carrier bit changed in the header, the first chunk or the last: the
// reveal is refused; onto standard output only chunks before the change go.
TEST_F(Cifrata, AFlippedBitInTheCarrierIsRefused) {
  const std::string dati = Binari(150000, 8);  // three chunks
  Bitmap b;
  b.pixel = (4 + 150200) * 8;
  const std::string c = Scrivi(dir, "c.bmp", b);
  ASSERT_EQ(
      Cli({"hide", c, "-f", File("dati", dati), "--encrypt", "--passphrase-file", frase}).stato, 0);
  const Byte intatto = Leggi(c);
  const size_t primoChunk = 55 + 100, ultimo = 55 + 2 * 65553 + 10;  // payload byte positions
  for (const size_t byte : {size_t{20}, primoChunk, ultimo}) {
    Byte alterato = intatto;
    alterato[54 + (4 + byte) * 8 + 3] ^= 1;  // one bit of that payload byte
    Scrivi(c, alterato);
    const std::string uscita = dir / "uscita";
    Risultato r = Cli({"reveal", c, "-o", uscita, "--encrypt", "--passphrase-file", frase});
    EXPECT_EQ(r.stato, 1) << byte;
    EXPECT_FALSE(std::filesystem::exists(uscita)) << byte;
    r = Cli({"reveal", c, "-", "--encrypt", "--passphrase-file", frase});
    EXPECT_EQ(r.stato, 1) << byte;
    const size_t attesi = byte == ultimo ? 2 * 65536 : 0;
    EXPECT_EQ(r.out, dati.substr(0, attesi)) << byte;
  }
}

TEST_F(Cifrata, SeveralMebibytesInFlatMemory) {
  const size_t grande = size_t{6} << 20;
  const std::string dati = Binari(grande, 3);
  Bitmap b;
  b.pixel = grande + (1 << 16);
  const std::string c = Scrivi(dir, "c.bmp", b), f = File("dati", dati);
  const std::string poco = File("poco", Binari(1000, 4));
  const auto memoria = [&](const std::string& payload, const std::string& uscita) {
    const Risultato h =
        Cli({"hide", c, "-f", payload, "-b", "8", "--encrypt", "--passphrase-file", frase});
    EXPECT_EQ(h.stato, 0) << h.err;
    const Risultato r =
        Cli({"reveal", c, "-o", uscita, "-b", "8", "--encrypt", "--passphrase-file", frase});
    EXPECT_EQ(r.stato, 0) << r.err;
    return std::pair{h.memoriaKiB, r.memoriaKiB};
  };
  const auto [nascondePoco, rivelaPoco] = memoria(poco, dir / "poco.out");
  const auto [nascondeMolto, rivelaMolto] = memoria(f, dir / "molto.out");
  EXPECT_EQ(Testo(dir / "molto.out"), dati);
  // Six MiB more payload, under four MiB more memory (the engine's two blocks
  // of 1 MiB, which a short payload does not need): neither side holds it.
  EXPECT_LT(nascondeMolto - nascondePoco, 4096) << nascondePoco << " " << nascondeMolto;
  EXPECT_LT(rivelaMolto - rivelaPoco, 4096) << rivelaPoco << " " << rivelaMolto;
}

TEST_F(Cifrata, DecryptRefusesWhatItCannotOpenAndNeverOverwrites) {
  const std::string chiaro =
      File("chiaro", "non sono cifrato, e sono abbastanza lungo da sembrarlo forse");
  Risultato r = Cli({"decrypt", chiaro, "-o", dir / "x", "--passphrase-file", frase});
  EXPECT_EQ(r.stato, 1);
  EXPECT_EQ(
      r.err,
      "tavelin-cli: Impossibile decifrare: i dati nascosti non sono cifrati con --encrypt.\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "x"));
  const std::string c = Carrier(5000), cry = dir / "Crypto.cry";
  ASSERT_EQ(Cli({"hide", c, "-t", "segreto", "--encrypt", "--passphrase-file", frase}).stato, 0);
  ASSERT_EQ(Cli({"reveal", c, "-o", cry}).stato, 0);
  r = Cli({"decrypt", cry, "-o", dir / "x", "--passphrase-file", sbagliata});
  EXPECT_EQ(r.stato, 1);
  EXPECT_FALSE(std::filesystem::exists(dir / "x"));
  const std::string esiste = File("esiste", "mio");
  r = Cli({"decrypt", cry, "-o", esiste, "--passphrase-file", frase});
  EXPECT_EQ(r.stato, 2);
  EXPECT_EQ(Testo(esiste), "mio");
  r = Cli({"decrypt", cry, "-", "--passphrase-file", frase});
  EXPECT_EQ(r.stato, 0) << r.err;
  EXPECT_EQ(r.out, "segreto");
}

TEST_F(Cifrata, ThePassphraseNeverComesFromTheCommandLine) {
  const std::string c = Carrier(5000);
  const Byte prima = Leggi(c);
  const std::pair<std::vector<std::string>, std::string> casi[] = {
      {{"hide", c, "-t", "x", "--encrypt"},
       "Indicare la passphrase con --passphrase-file F, oppure digitarla a un terminale (mai "
       "sulla riga di comando)."},
      {{"hide", c, "-", "--encrypt"},
       "Con i dati dallo standard input la passphrase si indica con --passphrase-file F."},
      {{"hide", c, "-", "--encrypt", "--passphrase-file", "/dev/stdin"},
       "Il file della passphrase \"/dev/stdin\" è lo standard input, che porta già i dati da "
       "nascondere."},
      {{"hide", c, "-t", "x", "--encrypt", "--passphrase-file", File("vuota", "\n")},
       "La passphrase è vuota."},
      {{"hide", c, "-t", "x", "--passphrase-file", frase},
       "--passphrase-file vale solo con --encrypt o --stealth."},
      {{"reveal", c, "-t", "--encrypt"},
       "Indicare la passphrase con --passphrase-file F, oppure digitarla a un terminale (mai "
       "sulla riga di comando)."},
  };
  for (const auto& [argomenti, messaggio] : casi) {
    const Risultato r = Cli(argomenti, Opzioni{"dati", {}, false});
    EXPECT_EQ(r.stato, 2) << messaggio;
    EXPECT_EQ(r.err, "tavelin-cli: " + messaggio + "\n");
  }
  EXPECT_EQ(Leggi(c), prima);
  EXPECT_NE(Cli({"hide", c, "-t", "x", "--encrypt", "--passphrase", "p"}).err.find("--passphrase"),
            std::string::npos);
}

TEST_F(Cifrata, AtATerminalThePassphraseIsAskedTwiceAndNotShown) {
  const std::string c = Carrier(5000);
  Risultato r = CliSuTerminale(
      {"hide", c, "-t", "al terminale", "--encrypt"},
      {{"Passphrase: ", "parola d'ordine\n"}, {"Ripetere la passphrase: ", "parola d'ordine\n"}});
  EXPECT_EQ(r.stato, 0) << r.out;
  EXPECT_EQ(r.out.find("parola"), std::string::npos) << r.out;
  EXPECT_EQ(
      Cli({"reveal", c, "-t", "--encrypt", "--passphrase-file", File("p", "parola d'ordine")}).out,
      "al terminale");
  r = CliSuTerminale({"hide", c, "-t", "altro", "--encrypt"},
                     {{"Passphrase: ", "una\n"}, {"Ripetere la passphrase: ", "due\n"}});
  EXPECT_EQ(r.stato, 2);
  EXPECT_NE(r.out.find("Le due passphrase non coincidono."), std::string::npos) << r.out;
  r = CliSuTerminale({"reveal", c, "-t", "--encrypt"}, {{"Passphrase: ", "parola d'ordine\n"}});
  EXPECT_EQ(r.stato, 0);
  EXPECT_NE(r.out.find("al terminale"), std::string::npos) << r.out;
}

#else

TEST_F(Cifratura, ABuildWithoutLibsodiumSaysSo) {
  const std::string c = Carrier();
  const Byte prima = Leggi(c);
  for (const std::vector<std::string>& argomenti :
       {std::vector<std::string>{"hide", c, "-t", "x", "--encrypt"},
        {"reveal", c, "-t", "--encrypt"},
        {"decrypt", c, "-o", dir / "x"}}) {
    const Risultato r = Cli(argomenti);
    EXPECT_EQ(r.stato, 2) << argomenti[0];
    EXPECT_EQ(r.err,
              "tavelin-cli: Questa versione di tavelin-cli è compilata senza cifratura (manca "
              "libsodium): --encrypt e decrypt non sono disponibili.\n");
  }
  EXPECT_EQ(Leggi(c), prima);
}

#endif

}  // namespace
}  // namespace prova
