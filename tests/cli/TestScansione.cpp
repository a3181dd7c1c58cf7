// The scan command: payloads hidden at every bit count with random keys are
// found without them and ranked first, each with a key that reveals it; the
// true mask beats its neighbours on texts; a carrier without a payload has no
// candidate; extraction makes a new file and only that; a carrier in use is
// refused.
#include <sys/stat.h>

#include <random>
#include <regex>
#include <sstream>

#include "Banco.h"
#include "Operazioni.h"
#include "Scansione.h"
#include "Testo.h"

namespace prova {
namespace {

using Scan = Banco;

const int kBit[] = {1, 2, 4, 8};

std::string Binari(size_t n, uint32_t seme) {
  const Byte b = Casuali(n, seme);
  return std::string(b.begin(), b.end());
}

// A key of 1 to 30 characters of Windows-1252 letters, digits and signs.
std::string ChiaveCasuale(std::mt19937& gen) {
  const std::string segni =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!$%&/()=?èéàòù";
  std::vector<std::string> caratteri;
  for (size_t i = 0; i < segni.size();) {
    const size_t n = (uint8_t(segni[i]) & 0x80) ? 2 : 1;
    caratteri.push_back(segni.substr(i, n));
    i += n;
  }
  std::string chiave;
  for (int n = std::uniform_int_distribution<int>(1, 30)(gen); n > 0; --n)
    chiave += caratteri[std::uniform_int_distribution<size_t>(0, caratteri.size() - 1)(gen)];
  return chiave;
}

// Prose of `n` characters or more, with capitals, accents, digits and line ends.
std::string Prosa(std::mt19937& gen, size_t n) {
  const char* const parole[] = {"il",     "treno",    "parte",   "alle",         "8",
                                "domani", "però",     "Anna",    "non",          "sa",
                                "perché", "città",    "è",       "lontana",      "e",
                                "la",     "strada",   "Roma,",   "sempre",       "più",
                                "bella.", "Ci",       "vediamo", "al",           "bar",
                                "della",  "stazione", "(vicino", "all'edicola)."};
  std::string testo;
  while (testo.size() < n) {
    testo += parole[std::uniform_int_distribution<size_t>(0, std::size(parole) - 1)(gen)];
    testo += std::uniform_int_distribution<int>(0, 12)(gen) == 0 ? "\n" : " ";
  }
  return testo;
}

struct Trovato {
  int bit = 0;
  std::string chiave, tipo;
  int64_t lunghezza = 0;
};

// The numbered lines of a scan's output.
std::vector<Trovato> Candidati(const std::string& out) {
  static const std::regex riga(
      R"re((\d+)\. (\d) bit, chiave "([^"]*)" \(maschera 0x[0-9A-F]{2}\), (\d+) byte, ([^:]+): .*)re");
  std::vector<Trovato> trovati;
  std::istringstream righe(out);
  for (std::string r; std::getline(righe, r);) {
    std::smatch m;
    if (!std::regex_match(r, m, riga)) continue;
    EXPECT_EQ(std::stoul(m[1]), trovati.size() + 1) << r;
    trovati.push_back({std::stoi(m[2]), m[3], m[5], std::stoll(m[4])});
  }
  return trovati;
}

uint8_t Maschera(const std::string& chiaveUtf8) {
  return Crypta::MascheraDi(Codici(chiaveUtf8));
}

TEST_F(Scan, FindsPayloadsAtEveryBitCountWithoutTheirKey) {
  std::mt19937 gen(2024);
  struct Carico {
    std::string tipo, dati;
  };
  const std::string pdf =
      "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n1 0 obj\n<< /Type /Catalog >>\nendobj\n"
      "2 0 obj\n<< /Length 300 >>\nstream\n" +
      Binari(300, 1) + "\nendstream\nendobj\n%%EOF\n";
  const Carico carichi[] = {
      {"testo", Prosa(gen, 70)},
      {"PDF", pdf},
      {"PNG", "\x89PNG\r\n\x1A\n" + Binari(400, 2)},
      {"ZIP", "PK\x03\x04" + Binari(400, 3)},
      {"JPEG", "\xFF\xD8\xFF\xE0" + Binari(400, 4)},
      {"GIF", "GIF89a" + Binari(400, 5)},
      {"gzip", std::string("\x1F\x8B\x08\x00", 4) + Binari(400, 6)},
      {"7z", "7z\xBC\xAF\x27\x1C" + Binari(400, 7)},
  };
  uint32_t seme = 100;
  for (const int bit : kBit)
    for (const Carico& carico : carichi) {
      const std::string c = Carrier(size_t(700 * 8 / bit), ++seme);
      const std::string chiave = ChiaveCasuale(gen), b = std::to_string(bit);
      const std::string f = File("carico", carico.dati);
      ASSERT_EQ(Cli({"hide", c, "-f", f, "-k", chiave, "-b", b}).stato, 0);
      const std::string caso = carico.tipo + " at " + b + " bits, key " + chiave;

      Risultato r = Cli({"scan", c});
      ASSERT_EQ(r.stato, 0) << caso << r.err;
      EXPECT_EQ(r.err, "");
      const std::vector<Trovato> trovati = Candidati(r.out);
      ASSERT_FALSE(trovati.empty()) << caso << "\n" << r.out;
      EXPECT_EQ(trovati[0].bit, bit) << caso;
      EXPECT_EQ(trovati[0].tipo, carico.tipo) << caso;
      EXPECT_EQ(trovati[0].lunghezza, int64_t(carico.dati.size())) << caso;
      EXPECT_EQ(Maschera(trovati[0].chiave), Maschera(chiave)) << caso;
      // The key it gives works in a plain reveal.
      r = Cli({"reveal", c, "-", "-k", trovati[0].chiave, "-b", b});
      EXPECT_EQ(r.out, carico.dati) << caso;
      const std::string estratto = dir / ("estratto" + std::to_string(seme));
      r = Cli({"scan", c, "--reveal", "1", "-o", estratto});
      EXPECT_EQ(r.stato, 0) << caso << r.err;
      EXPECT_EQ(Testo(estratto), carico.dati) << caso;
    }
}

// Texts of 64 characters and more: the true mask comes first and its
// neighbours K^0x20 (case swapped, blanks to NUL) and K^0x80 below it or out.
TEST_F(Scan, TheTrueMaskBeatsItsNeighboursOnText) {
  std::mt19937 gen(7);
  for (int prova = 0; prova < 40; ++prova) {
    const int bit = kBit[prova % 4];
    const std::string testo = Prosa(gen, 64 + size_t(prova) * 20);
    const std::string c =
        Carrier(size_t((testo.size() + 300) * 8 / size_t(bit)), uint32_t(prova) + 1);
    const std::string chiave = ChiaveCasuale(gen);
    ASSERT_EQ(Cli({"hide", c, "-t", testo, "-k", chiave, "-b", std::to_string(bit)}).stato, 0);
    const uint8_t K = Maschera(chiave);
    const std::vector<Crypta::Candidato> trovati = Crypta::Scansiona(c);
    ASSERT_FALSE(trovati.empty()) << testo;
    EXPECT_EQ(trovati[0].maschera, K) << testo;
    EXPECT_EQ(trovati[0].Nbit, bit) << testo;
    EXPECT_EQ(trovati[0].tipo, "testo");
    for (const Crypta::Candidato& altro : trovati) {
      if (altro.Nbit == bit && (altro.maschera == (K ^ 0x20) || altro.maschera == (K ^ 0x80))) {
        EXPECT_LT(altro.punteggio, trovati[0].punteggio) << testo;
      }
    }
  }
}

TEST_F(Scan, NoPayloadNoCandidate) {
  // Random pixels, an empty payload, and payloads that are neither text nor
  // a known kind of file.
  std::vector<std::string> carrier{Carrier(5000, 1), Carrier(5000, 2), Carrier(5000, 3)};
  ASSERT_EQ(Cli({"hide", carrier[1], "-t", "", "-k", "x"}).stato, 0);
  ASSERT_EQ(Cli({"hide", carrier[2], "-f", File("rumore", Binari(500, 9)), "-k", "x"}).stato, 0);
  for (const std::string& c : carrier) {
    const Risultato r = Cli({"scan", c});
    EXPECT_EQ(r.stato, 1) << c;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "tavelin-cli: Nessun dato nascosto riconoscibile: a nessun numero di bit e con "
              "nessuna chiave compare un testo o un file di tipo noto.\n");
  }
  // A file that is no carrier is refused as by info.
  const Risultato r = Cli({"scan", File("nota.txt", "ciao")});
  EXPECT_EQ(r.stato, 1);
  EXPECT_EQ(r.err.substr(0, r.err.find('\n')), "tavelin-cli: Formato file non valido");
}

// While a hide holds the carrier, with the lock it takes, a scan is refused
// before it reads or makes anything.
TEST_F(Scan, ACarrierInUseIsRefusedAndNothingIsWritten) {
  const std::string c = Carrier(3000), nuovo = dir / "nuovo";
  ASSERT_EQ(Cli({"hide", c, "-t", "Una stringa abbastanza lunga da riconoscere."}).stato, 0);
  const Byte prima = Leggi(c);
  const Crypta::File altro = Crypta::File::Apri(c, Crypta::File::Modo::LetturaScrittura);
  ASSERT_TRUE(altro.Blocca(Crypta::File::Blocco::Esclusivo));
  for (const std::vector<std::string>& argomenti :
       {std::vector<std::string>{"scan", c}, {"scan", c, "--reveal", "1", "-o", nuovo}}) {
    const Risultato r = Cli(argomenti);
    EXPECT_EQ(r.stato, 1) << argomenti.size();
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("è in uso in un'altra operazione"), std::string::npos) << r.err;
  }
  EXPECT_FALSE(std::filesystem::exists(nuovo));
  EXPECT_EQ(Leggi(c), prima);
}

TEST_F(Scan, ExtractionMakesANewFileOnly) {
  const std::string c = Carrier(3000);
  ASSERT_EQ(Cli({"hide", c, "-t", "Una stringa abbastanza lunga da riconoscere.", "-k", "q"}).stato,
            0);
  const std::string esistente = File("esiste", "mio");
  Risultato r = Cli({"scan", c, "--reveal", "1", "-o", esistente});
  EXPECT_EQ(r.stato, 2);
  EXPECT_EQ(r.err,
            "tavelin-cli: Il file \"" + esistente + "\" esiste già: non viene sovrascritto.\n");
  EXPECT_EQ(Testo(esistente), "mio");
  const std::string nuovo = dir / "nuovo";
  for (const std::vector<std::string>& sbagliato : {std::vector<std::string>{"--reveal", "1"},
                                                    {"-o", nuovo},
                                                    {"--reveal", "0", "-o", nuovo},
                                                    {"--reveal", "2", "-o", nuovo},
                                                    {"--reveal", "x", "-o", nuovo}}) {
    std::vector<std::string> argomenti{"scan", c};
    argomenti.insert(argomenti.end(), sbagliato.begin(), sbagliato.end());
    r = Cli(argomenti);
    EXPECT_EQ(r.stato, 2) << sbagliato[0] << " " << sbagliato[1];
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(std::filesystem::exists(nuovo));
  }
  EXPECT_NE(r.err.find("--reveal"), std::string::npos) << r.err;
  r = Cli({"scan", c, "--reveal", "1", "-o", nuovo});
  EXPECT_EQ(r.stato, 0) << r.err;
  EXPECT_EQ(Testo(nuovo), "Una stringa abbastanza lunga da riconoscere.");
#ifndef _WIN32  // Windows keeps no permission bits
  struct stat st;
  ASSERT_EQ(::stat(nuovo.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
#endif
}

}  // namespace
}  // namespace prova
