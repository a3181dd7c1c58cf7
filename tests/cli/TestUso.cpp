// The command line itself: help, version, and every way of asking wrongly,
// each a usage error (status 2) with an Italian message and nothing written.
#include "Banco.h"
#include "Identita.h"

namespace prova {
namespace {

using Uso = Banco;

bool Contiene(const std::string& testo, const std::string& parte) {
  return testo.find(parte) != std::string::npos;
}

TEST_F(Uso, HelpAndVersion) {
  Risultato r = Cli({"--help"});
  EXPECT_EQ(r.stato, 0);
  EXPECT_TRUE(Contiene(r.out, "Uso: tavelin-cli [OPZIONI] COMANDO")) << r.out;
  for (const char* c : {"info", "prepare", "hide", "reveal", "scan", "decrypt", "Stato di uscita"})
    EXPECT_TRUE(Contiene(r.out, c)) << c;
  // What the key does and does not do, plainly.
  EXPECT_TRUE(Contiene(r.out, "La chiave -k mescola soltanto i dati: chiunque li ritrova con scan"))
      << r.out;
  EXPECT_TRUE(Contiene(r.out, "Per proteggerli usare --encrypt")) << r.out;
  EXPECT_EQ(r.err, "");

  r = Cli({"hide", "-h"});
  EXPECT_EQ(r.stato, 0);
  for (const char* o : {"-t,--text TESTO", "-f,--file FILE", "-k,--key CHIAVE", "--key-file F",
                        "-b,--bits BIT", "-o,--output COPIA", "--encrypt", "--passphrase-file F",
                        "non li protegge", "li protegge davvero"})
    EXPECT_TRUE(Contiene(r.out, o)) << o << "\n" << r.out;
  r = Cli({"reveal", "--help"});
  EXPECT_EQ(r.stato, 0);
  EXPECT_TRUE(Contiene(r.out, "-o,--output FILE")) << r.out;

  r = Cli({"--version"});
  EXPECT_EQ(r.stato, 0);
  EXPECT_EQ(r.out, std::string("tavelin-cli ") + Identita::Versione + "\n");
}

TEST_F(Uso, BitCountOtherThanOneTwoFourEight) {
  const std::string c = Carrier();
  const Byte prima = Leggi(c);
  auto rifiutato = [](const std::vector<std::string>& argomenti, const std::string& bit) {
    const Risultato r = Cli(argomenti);
    EXPECT_EQ(r.stato, 2) << argomenti[0] << " " << bit;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "tavelin-cli: Numero di bit per byte non valido: \"" + bit +
                         "\" (usare 1, 2, 4 o 8).\n");
  };
  for (const std::string bit : {"0", "3", "16", "-1", "abc", "1.0", "01"})
    rifiutato({"hide", c, "-t", "x", "--bits=" + bit}, bit);
  for (const std::string bit : {"0", "16"}) {
    rifiutato({"info", c, "-b", bit}, bit);
    rifiutato({"reveal", c, "-t", "-b", bit}, bit);
  }
  const Risultato r = Cli({"hide", c, "-t", "x", "--bits="});
  EXPECT_EQ(r.stato, 2);
  EXPECT_TRUE(Contiene(r.err, "Manca il valore dell'opzione --bits")) << r.err;
  EXPECT_EQ(Leggi(c), prima);
}

TEST_F(Uso, HideNeedsExactlyOneSource) {
  const std::string c = Carrier();
  const Byte prima = Leggi(c);
  const std::string f = File("f", "x");
  for (const std::vector<std::string>& fonti :
       {std::vector<std::string>{}, {"-t", "x", "-f", f}, {"-t", "x", "-"}, {"-f", f, "-"}}) {
    std::vector<std::string> argomenti{"hide", c};
    argomenti.insert(argomenti.end(), fonti.begin(), fonti.end());
    const Risultato r = Cli(argomenti, Opzioni{"y", {}, false});
    EXPECT_EQ(r.stato, 2) << fonti.size();
    EXPECT_EQ(r.err,
              "tavelin-cli: Indicare una e una sola sorgente: -t TESTO, -f FILE oppure - "
              "(standard input).\n");
  }
  const Risultato r = Cli({"hide", c, f});
  EXPECT_EQ(r.stato, 2);
  EXPECT_TRUE(Contiene(r.err, "Argomento non previsto: \"" + f + "\"")) << r.err;
  EXPECT_EQ(Leggi(c), prima);
}

TEST_F(Uso, RevealNeedsExactlyOneOutput) {
  const std::string c = Carrier();
  const std::string u = dir / "u";
  for (const std::vector<std::string>& uscite :
       {std::vector<std::string>{}, {"-t", "-o", u}, {"-t", "-"}, {"-o", u, "-"}}) {
    std::vector<std::string> argomenti{"reveal", c};
    argomenti.insert(argomenti.end(), uscite.begin(), uscite.end());
    const Risultato r = Cli(argomenti);
    EXPECT_EQ(r.stato, 2) << uscite.size();
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "tavelin-cli: Indicare una e una sola uscita: -t (testo), -o FILE oppure - "
              "(standard output).\n");
  }
  EXPECT_FALSE(std::filesystem::exists(u));
}

TEST_F(Uso, KeyRules) {
  const std::string c = Carrier();
  const Byte prima = Leggi(c);
  const std::string trenta(30, 'k');
  Risultato r = Cli({"hide", c, "-t", "x", "-k", trenta + "k"});
  EXPECT_EQ(r.stato, 2);
  EXPECT_EQ(r.err, "tavelin-cli: La chiave è troppo lunga: al massimo 30 caratteri.\n");
  r = Cli({"hide", c, "-t", "x", "-k", "✓"});
  EXPECT_EQ(r.stato, 2);
  EXPECT_EQ(r.err, "tavelin-cli: La chiave contiene un carattere non ammesso (U+2713).\n");
  r = Cli({"reveal", c, "-t", "-k", "a", "--key-file", File("k", "a")});
  EXPECT_EQ(r.stato, 2);
  EXPECT_TRUE(Contiene(r.err, "non con entrambi")) << r.err;
  r = Cli({"reveal", c, "-t", "--key-file", dir / "manca"});
  EXPECT_EQ(r.stato, 2);
  EXPECT_TRUE(Contiene(r.err, "il file o la cartella non esiste")) << r.err;
  EXPECT_EQ(Leggi(c), prima);
  // Thirty characters, each of two UTF-8 bytes, are still thirty.
  std::string accentata;
  for (int i = 0; i < 30; ++i) accentata += "è";
  EXPECT_EQ(Cli({"hide", c, "-t", "x", "-k", accentata}).stato, 0);
  EXPECT_EQ(Cli({"reveal", c, "-t", "-k", accentata}).out, "x");
}

TEST_F(Uso, ParserErrorsInItalian) {
  const std::string c = Carrier();
  const std::pair<std::vector<std::string>, std::string> casi[] = {
      {{}, "tavelin-cli: Indicare un comando: info, analyze, prepare, hide, reveal, scan o decrypt.\n"},
      {{"nascondi"},
       "tavelin-cli: Comando sconosciuto: nascondi (usare info, analyze, prepare, hide, reveal, scan o "
       "decrypt).\n"},
      {{"info"}, "tavelin-cli: Manca l'argomento obbligatorio BITMAP.\n"},
      {{"hide", c, "-t"}, "tavelin-cli: Manca il valore dell'opzione --text.\n"},
      {{"info", c, "--zitto"}, "tavelin-cli: Argomenti non previsti: --zitto.\n"},
      {{"info", c, "altro"}, "tavelin-cli: Argomenti non previsti: altro.\n"},
  };
  for (const auto& [argomenti, inizio] : casi) {
    const Risultato r = Cli(argomenti);
    EXPECT_EQ(r.stato, 2) << inizio;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.substr(0, inizio.size()), inizio);
    EXPECT_FALSE(Contiene(r.err, "Run with")) << r.err;
  }
}

}  // namespace
}  // namespace prova
