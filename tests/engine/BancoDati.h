// What the tests of tests/data share: the stated outcomes of attese.txt, the
// whole-file helpers, a sentinel carrier whose fields differ from every
// carrier there, and the fixture with a temporary folder and the window hook
// that must always end with the window enabled again.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "Crypta.h"
#include "Modello.h"

namespace dati {

namespace fs = std::filesystem;
using Crypta::BmpHeader;
using Crypta::DeCryptBitmap;
using Crypta::LeggiHeader;

using Byte = std::vector<uint8_t>;

inline const fs::path kDati = TAVELIN_DATI;
inline const std::string kBM = "Windows 3.1x,95,98,Me,NT,2000 .... ";

struct Attesa {
  std::string nome;
  bool header = false;
  std::string tipo;
  std::optional<double> capienza;  // none when the file is refused
  int16_t nbit = 1;
  std::string chiave;
  std::string rivela;  // "False", "Errore" or "hex:" and the bytes
};

// Names the case in test output instead of dumping its bytes.
inline void PrintTo(const Attesa& a, std::ostream* os) { *os << a.nome; }

// Splits a line into blank-separated fields; a field in double quotes keeps
// its blanks (TipoBitmap ends in one).
inline std::vector<std::string> Campi(const std::string& riga) {
  std::vector<std::string> campi;
  size_t i = 0;
  while (true) {
    i = riga.find_first_not_of(' ', i);
    if (i == std::string::npos) return campi;
    if (riga[i] == '"') {
      const size_t fine = riga.find('"', i + 1);
      if (fine == std::string::npos) throw std::runtime_error("unclosed quote: " + riga);
      campi.push_back(riga.substr(i + 1, fine - i - 1));
      i = fine + 1;
    } else {
      const size_t fine = std::min(riga.find(' ', i), riga.size());
      campi.push_back(riga.substr(i, fine - i));
      i = fine;
    }
  }
}

inline std::vector<Attesa> CaricaAttese() {
  std::ifstream f(kDati / "attese.txt");
  if (!f) throw std::runtime_error("cannot read attese.txt in " + kDati.string());
  std::vector<Attesa> attese;
  std::string riga;
  while (std::getline(f, riga)) {
    if (riga.empty() || riga[0] == '#') continue;
    const std::vector<std::string> c = Campi(riga);
    if (c.size() != 7) throw std::runtime_error("malformed line: " + riga);
    Attesa a;
    a.nome = c[0];
    a.header = c[1] == "True";
    a.tipo = c[2];
    if (c[3] != "-") a.capienza = std::stod(c[3]);
    a.nbit = static_cast<int16_t>(std::stoi(c[4]));
    a.chiave = c[5];
    a.rivela = c[6];
    attese.push_back(a);
  }
  return attese;
}

inline std::string DaHex(const std::string& hex) {
  std::string byte;
  for (size_t i = 0; i + 1 < hex.size(); i += 2)
    byte += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return byte;
}

inline Byte Leggi(const fs::path& path) {
  std::ifstream f(path, std::ios::binary);
  if (!f) throw std::runtime_error("cannot read " + path.string());
  return Byte(std::istreambuf_iterator<char>(f), {});
}

inline void Scrivi(const fs::path& path, const Byte& dati) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(dati.data()), std::streamsize(dati.size()));
  if (!f) throw std::runtime_error("cannot write " + path.string());
}

// Little-endian number at a 0-based offset; bytes past the end count 0.
inline double Valore(const Byte& b, size_t inizio, size_t n) {
  double v = 0, peso = 1;
  for (size_t k = 0; k < n; ++k, peso *= 256)
    if (inizio + k < b.size()) v += b[inizio + k] * peso;
  return v;
}

// A valid carrier whose every field differs from the ones in tests/data, so
// that a field a refusal must leave alone is seen to keep its old value.
inline Byte Sentinella() {
  Byte b(54 + 800, 0x5A);
  const auto metti = [&](size_t pos, uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b[pos + size_t(i)] = uint8_t(v >> (8 * i));
  };
  b[0] = 'B';
  b[1] = 'M';
  metti(2, uint32_t(b.size()), 4);
  metti(10, 54, 4);
  metti(14, 40, 4);
  metti(18, 777, 4);
  metti(22, 555, 4);
  metti(26, 3, 2);
  metti(28, 32, 2);
  metti(30, 9, 4);
  metti(34, 1234, 4);
  metti(38, 11, 4);
  metti(42, 22, 4);
  metti(46, 33, 4);
  metti(50, 44, 4);
  return b;
}

// A temporary folder per test, and the window hook that must always end
// with the window enabled again.
class Dati : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device caso;
    do dir_ = fs::temp_directory_path() / ("tavelin-dati-" + std::to_string(caso()));
    while (!fs::create_directory(dir_));
    abilitazioni_.clear();
    Crypta::Finestra = {};
    Crypta::Finestra.Abilita = [this](bool si) { abilitazioni_.push_back(si); };
  }
  void TearDown() override {
    Crypta::Finestra = {};
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  // Reads the sentinel carrier at 8 bits, so that BmpHeader holds known values.
  void LeggiSentinella() {
    Scrivi(dir_ / "sentinella.bmp", Sentinella());
    ASSERT_TRUE(LeggiHeader((dir_ / "sentinella.bmp").string(), 8));
    sentinella_ = BmpHeader;
    ASSERT_EQ(sentinella_.BytesUtilizzabili, 796);
  }

  // A reveal in file mode into a fresh path; nullopt when it threw Errore.
  std::optional<std::string> RivelaFile(const fs::path& carrier, const std::string& chiave,
                                        int16_t nbit, const fs::path& uscita) {
    try {
      return DeCryptBitmap(carrier.string(), chiave, nbit, false, uscita.string());
    } catch (const Crypta::Errore& e) {
      EXPECT_STRNE(e.what(), "");
      return std::nullopt;
    }
  }

  void FinestraRiabilitata() {
    if (!abilitazioni_.empty()) {
      EXPECT_TRUE(abilitazioni_.back()) << "window left disabled";
    }
    abilitazioni_.clear();
  }

  fs::path dir_;
  Crypta::Intestazione sentinella_;
  std::vector<bool> abilitazioni_;
};


}  // namespace dati
