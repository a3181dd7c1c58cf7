// The engine's English catalog as shipped: installed as the translator, real
// failures read in English and still name their file, and no translation
// loses or invents a %N marker.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Crypta.h"
#include "Lingua.h"
#include "Operazioni.h"
#include "Supporto.h"

namespace {

using Catalogo = std::map<std::string, std::string>;

// The catalog's msgid and msgstr pairs, each possibly over several quoted lines.
const Catalogo& Inglese() {
  static const Catalogo c = [] {
    Catalogo c;
    std::ifstream in(TAVELIN_CATALOGO_CRYPTA);
    std::string riga, id, str, *campo = &id;
    while (std::getline(in, riga)) {
      if (riga.rfind("msgid ", 0) == 0) {
        if (!id.empty()) c[id] = str;
        id.clear();
        str.clear();
        campo = &id;
      } else if (riga.rfind("msgstr ", 0) == 0) {
        campo = &str;
      } else if (riga.empty() || riga[0] != '"') {
        continue;
      }
      for (size_t i = riga.find('"') + 1; i + 1 < riga.size(); ++i)
        *campo += riga[i] == '\\' && riga[i + 1] == 'n' ? (++i, '\n')
                  : riga[i] == '\\'                     ? riga[++i]
                                                        : riga[i];
    }
    if (!id.empty()) c[id] = str;
    return c;
  }();
  return c;
}

std::string Traduci(const char* italiano) {
  const auto i = Inglese().find(italiano);
  return i == Inglese().end() || i->second.empty() ? italiano : i->second;
}

std::vector<std::string> Segni(const std::string& s) {
  std::vector<std::string> v;
  for (size_t i = 0; i + 1 < s.size(); ++i)
    if (s[i] == '%' && s[i + 1] >= '1' && s[i + 1] <= '9') v.push_back(s.substr(i, 2));
  std::sort(v.begin(), v.end());
  return v;
}

TEST(Catalogo, EveryEntryIsTranslatedAndKeepsItsMarkers) {
  ASSERT_GT(Inglese().size(), 100u) << TAVELIN_CATALOGO_CRYPTA;
  for (const auto& [it, en] : Inglese()) {
    EXPECT_NE(en, "") << it;
    EXPECT_NE(en, it) << "a copy of the Italian: " << it;
    EXPECT_EQ(Segni(en), Segni(it)) << it << "\n" << en;
  }
}

struct Guasto {
  const char* nome;
  std::function<void(Crypta::Richiesta&, const prova::Cartella&)> prepara;
  const char* atteso;  // the English, %F standing for the carrier's path
};

void PrintTo(const Guasto& g, std::ostream* os) {
  *os << g.nome;
}

class CatalogoInstallato : public testing::TestWithParam<Guasto> {
 protected:
  void SetUp() override { Crypta::ImpostaTraduttore(Traduci); }
  void TearDown() override { Crypta::ImpostaTraduttore(nullptr); }
};

TEST_P(CatalogoInstallato, FailuresReadInEnglishWithTheirFile) {
  prova::Cartella dir;
  Crypta::Richiesta r;
  r.carrier = prova::Scrivi(dir, "portatore.bmp", prova::Bitmap{});
  r.carico = Crypta::Carico::DiByte("segreto");
  GetParam().prepara(r, dir);
  std::string atteso = GetParam().atteso;
  if (const size_t f = atteso.find("%F"); f != std::string::npos) atteso.replace(f, 2, r.carrier);
  try {
    Crypta::Nascondi(r);
    FAIL() << "no error";
  } catch (const Crypta::Errore& e) {
    std::string m = e.what();
    EXPECT_EQ(m, atteso);
    if (const size_t f = m.find(r.carrier); f != std::string::npos) m.erase(f, r.carrier.size());
    for (const char* parola : {"Impossibile", " il ", " la ", " di ", " è ", "non ", "dati"})
      EXPECT_EQ(m.find(parola), std::string::npos) << parola << " in: " << m;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Guasti, CatalogoInstallato,
    testing::Values(
        Guasto{"FileMancante", [](auto& r, auto& d) { r.carrier = d / "manca.bmp"; },
               "Cannot open the file \"%F\" for writing: no such file or folder."},
        Guasto{"BitmapTroncata",
               [](auto& r, auto& d) {
                 prova::Bitmap b;
                 b.dimensione = 100000;
                 r.carrier = prova::Scrivi(d, "corta.bmp", b);
                 static const std::string kLungo(100, 'x');  // past the 320 bytes there
                 r.carico = Crypta::Carico::DiByte(kLungo);
               },
               "The bitmap \"%F\" is too small for the data to hide: it is shorter than its header "
               "declares."},
        Guasto{"NumeroDiBit", [](auto& r, auto&) { r.Nbit = 3; },
               "Invalid number of bits per byte: use 1, 2, 4 or 8."},
        Guasto{"NonUnaBitmap",
               [](auto& r, auto& d) {
                 prova::Bitmap b;
                 b.firma = "\x89P";
                 r.carrier = prova::Scrivi(d, "foto.png", b);
               },
               "Cannot hide data in the bitmap \"%F\": it is not a bitmap."}),
    [](const testing::TestParamInfo<Guasto>& i) { return std::string(i.param.nome); });

}  // namespace
