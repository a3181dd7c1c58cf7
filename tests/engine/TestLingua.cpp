// Which language the environment asks for, and the engine's translated texts.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "Lingua.h"

namespace {

using Crypta::Lingua;

std::map<std::string, std::string> ambiente;
const char* Leggi(const char* nome) {
  const auto i = ambiente.find(nome);
  return i == ambiente.end() ? nullptr : i->second.c_str();
}

struct Caso {
  std::map<std::string, std::string> variabili;
  Lingua attesa;
};

TEST(Lingua, FirstVariableSetDecidesByName) {
  const Caso casi[] = {
      {{}, Lingua::Italiano},
      {{{"LANG", "C"}}, Lingua::Italiano},
      {{{"LANG", "C.UTF-8"}}, Lingua::Italiano},
      {{{"LANG", "POSIX"}}, Lingua::Italiano},
      {{{"LANG", "it_IT.UTF-8"}}, Lingua::Italiano},
      {{{"LANG", "it_CH"}}, Lingua::Italiano},
      {{{"LANG", "en_US.UTF-8"}}, Lingua::Inglese},
      {{{"LANG", "de_DE.UTF-8"}}, Lingua::Inglese},  // no German yet: English
      {{{"LANG", "Cz"}}, Lingua::Inglese},
      {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "it_IT.UTF-8"}}, Lingua::Italiano},
      {{{"LC_MESSAGES", "it_IT.UTF-8"}, {"LC_ALL", "fr_FR"}}, Lingua::Inglese},
      {{{"LC_ALL", "C"}, {"LANGUAGE", "en:it"}}, Lingua::Inglese},
      {{{"LANGUAGE", "it:en"}, {"LANG", "en_GB"}}, Lingua::Italiano},
      {{{"LANGUAGE", ""}, {"LC_ALL", ""}, {"LANG", "en_GB"}}, Lingua::Inglese},
  };
  for (const Caso& c : casi) {
    ambiente = c.variabili;
    EXPECT_EQ(Crypta::LinguaDellAmbiente(Leggi), c.attesa) << testing::PrintToString(c.variabili);
  }
}

std::string Inglese(const char* italiano) {
  return std::string(italiano) == "Il file %1 manca." ? "File %1 is missing." : italiano;
}

TEST(Lingua, TranslatesThroughTheInstalledHookThenFillsArguments) {
  EXPECT_EQ(Crypta::Tr("Il file %1 manca.", {"a%2"}), "Il file a%2 manca.");
  Crypta::ImpostaTraduttore(Inglese);
  EXPECT_EQ(Crypta::Tr("Il file %1 manca.", {"\"x\""}), "File \"x\" is missing.");
  EXPECT_EQ(Crypta::Tr("Altro"), "Altro");
  EXPECT_EQ(Crypta::Decimale(12.345, 1), "12.3");
  Crypta::ImpostaTraduttore(nullptr);
  EXPECT_EQ(Crypta::Decimale(0.15, 2), "0,15");
  EXPECT_EQ(Crypta::Componi("%2 di %1, 100%", {"a", "b"}), "b di a, 100%");
  EXPECT_EQ(Crypta::Componi("%3", {"a"}), "%3");
}

}  // namespace
