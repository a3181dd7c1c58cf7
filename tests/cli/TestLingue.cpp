// tavelin-cli's language: chosen by the rule both programs share, whatever
// locales the system has installed, and never changing an exit status.
#include "Banco.h"

namespace prova {
namespace {

using Lingue = Banco;

struct Caso {
  std::map<std::string, std::string> ambiente;
  bool inglese;  // where the build has gettext; else every run is Italian
};

std::string PrimaRiga(const std::string& testo) {
  return testo.substr(0, testo.find('\n'));
}

TEST_F(Lingue, HelpAndMessagesFollowTheEnvironmentAndStatusesDoNot) {
  // None of these locales need be installed; LANGUAGE's first entry counts.
  const std::vector<Caso> casi{
      {{{"LANG", "en_US.UTF-8"}}, true},
      {{{"LANGUAGE", "de"}, {"LC_ALL", "C"}}, true},
      {{{"LC_ALL", "C"}}, false},
      {{{"LANG", "it_IT.UTF-8"}}, false},
      {{{"LANG", "C.UTF-8"}}, false},
      {{{"LANGUAGE", "it:en"}, {"LANG", "en_US.UTF-8"}}, false},
      {{{"LC_MESSAGES", "fr_FR.UTF-8"}, {"LANG", "it_IT.UTF-8"}}, true},
  };
  const std::string c = Carrier();
  ASSERT_EQ(Cli({"hide", c, "-t", std::string(30, 'x'), "-k", "a"}).stato, 0);
  // Done, refused ("False": read at 8 bits the length is far too large), a
  // file error worded by the engine, and bad usage: the program's own, the
  // parser's, an unknown command. Where a message is given, its first line.
  struct Comando {
    std::vector<std::string> argomenti;
    int stato;
    std::string italiano, inglese;
  };
  const std::vector<Comando> comandi{
      {{"info", c}, 0, "", ""},
      {{"reveal", c, "-b", "8", "-t"},
       1,
       "False: nessun dato nascosto leggibile con questa chiave e questo numero di bit.",
       "False: no hidden data readable with this key and this number of bits."},
      {{"info", "assente.bmp"},
       2,
       "Impossibile aprire il file \"assente.bmp\": il file o la cartella non esiste.",
       "Cannot open the file \"assente.bmp\": no such file or folder."},
      {{"info", c, "-b", "3"},
       2,
       "Numero di bit per byte non valido: \"3\" (usare 1, 2, 4 o 8).",
       "Invalid number of bits per byte: \"3\" (use 1, 2, 4 or 8)."},
      {{"hide", c, "-t"}, 2, "", ""},
      {{"frobnicate"}, 2, "", ""}};
  for (const Caso& caso : casi) {
    const bool inglese = caso.inglese && TAVELIN_CON_GETTEXT;
    std::string nome;
    for (const auto& [variabile, valore] : caso.ambiente) nome += variabile + "=" + valore + " ";
    Opzioni o;
    o.ambiente = caso.ambiente;

    const Risultato aiuto = Cli({"--help"}, o);
    EXPECT_EQ(aiuto.stato, 0) << nome;
    EXPECT_EQ(PrimaRiga(aiuto.out),
              inglese ? "Hides a string or a whole file in the least significant bits of a "
                        "bitmap's pixels, scrambled with a key, and extracts them again."
                      : "Nasconde una stringa o un intero file nei bit meno significativi dei "
                        "pixel di una bitmap, mescolati con una chiave, e li estrae di nuovo.")
        << nome;
    for (const Comando& comando : comandi) {
      const Risultato r = Cli(comando.argomenti, o);
      EXPECT_EQ(r.stato, comando.stato) << nome << comando.argomenti[0] << " " << r.err;
      if (!comando.italiano.empty()) {
        EXPECT_EQ(PrimaRiga(r.err),
                  "tavelin-cli: " + (inglese ? comando.inglese : comando.italiano))
            << nome;
      }
    }
  }
}

}  // namespace
}  // namespace prova
