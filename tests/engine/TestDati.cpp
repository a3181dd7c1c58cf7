// The broken and borderline carriers under tests/data, each against its line
// in attese.txt: the header reader's verdict at 1 bit, the reveal in text and
// in file mode, and that neither ever changes a carrier or leaves an output
// file behind a refusal. Also the carriers that only exist at run time: a
// folder, a missing path, a FIFO, links.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

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

namespace fs = std::filesystem;
using Crypta::BmpHeader;
using Crypta::DeCryptBitmap;
using Crypta::LeggiHeader;

namespace {

using Byte = std::vector<uint8_t>;

const fs::path kDati = TAVELIN_DATI;
const std::string kBM = "Windows 3.1x,95,98,Me,NT,2000 .... ";

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
void PrintTo(const Attesa& a, std::ostream* os) { *os << a.nome; }

// Splits a line into blank-separated fields; a field in double quotes keeps
// its blanks (TipoBitmap ends in one).
std::vector<std::string> Campi(const std::string& riga) {
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

std::vector<Attesa> CaricaAttese() {
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

std::string DaHex(const std::string& hex) {
  std::string byte;
  for (size_t i = 0; i + 1 < hex.size(); i += 2)
    byte += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return byte;
}

Byte Leggi(const fs::path& path) {
  std::ifstream f(path, std::ios::binary);
  if (!f) throw std::runtime_error("cannot read " + path.string());
  return Byte(std::istreambuf_iterator<char>(f), {});
}

void Scrivi(const fs::path& path, const Byte& dati) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(dati.data()), std::streamsize(dati.size()));
  if (!f) throw std::runtime_error("cannot write " + path.string());
}

// Little-endian number at a 0-based offset; bytes past the end count 0.
double Valore(const Byte& b, size_t inizio, size_t n) {
  double v = 0, peso = 1;
  for (size_t k = 0; k < n; ++k, peso *= 256)
    if (inizio + k < b.size()) v += b[inizio + k] * peso;
  return v;
}

// A valid carrier whose every field differs from the ones in tests/data, so
// that a field a refusal must leave alone is seen to keep its old value.
Byte Sentinella() {
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
// signature: nothing is read, nothing is written, the record keeps the rest.
class DatiNonFile : public Dati {
 protected:
  void Rifiutato(const fs::path& path) {
    SCOPED_TRACE(path.string());
    LeggiSentinella();
    EXPECT_FALSE(LeggiHeader(path.string(), 1));
    EXPECT_EQ(BmpHeader.TipoBitmap, "");
    EXPECT_EQ(BmpHeader.OffsetDati, sentinella_.OffsetDati);
    EXPECT_EQ(BmpHeader.BytesUtilizzabili, sentinella_.BytesUtilizzabili);
    EXPECT_EQ(DeCryptBitmap(path.string(), "", 1, true, ""), "False");
    const fs::path uscita = dir_ / "Crypto.cry";
    EXPECT_EQ(RivelaFile(path, "", 1, uscita), std::optional<std::string>("False"));
    EXPECT_FALSE(fs::exists(uscita));
    FinestraRiabilitata();
  }
};

TEST_F(DatiNonFile, FolderIsRefused) {
  fs::create_directory(dir_ / "cartella.bmp");
  Rifiutato(dir_ / "cartella.bmp");
  EXPECT_TRUE(fs::is_directory(dir_ / "cartella.bmp"));
}

TEST_F(DatiNonFile, MissingFileIsRefused) {
  Rifiutato(dir_ / "manca.bmp");
  EXPECT_FALSE(fs::exists(dir_ / "manca.bmp"));
}

TEST_F(DatiNonFile, PlaceholderPathIsRefused) {
  const fs::path prima = fs::current_path();
  fs::current_path(dir_);
  Rifiutato("CCCCCCCC");
  fs::current_path(prima);
}

TEST_F(DatiNonFile, FifoIsRefusedWithoutBlocking) {
#ifdef _WIN32
  Rifiutato("NUL");  // no FIFOs in Windows' file systems: its null device
#else
  ASSERT_EQ(::mkfifo((dir_ / "fifo.bmp").c_str(), 0600), 0);
  Rifiutato(dir_ / "fifo.bmp");
#endif
}

#ifdef _WIN32
#define SENZA_LINK() GTEST_SKIP() << "a symbolic link on Windows needs a privilege or developer mode"
#else
#define SENZA_LINK() static_cast<void>(0)
#endif

TEST_F(DatiNonFile, BrokenLinkIsRefused) {
  SENZA_LINK();
  fs::create_symlink(dir_ / "nessuno.bmp", dir_ / "rotto.bmp");
  Rifiutato(dir_ / "rotto.bmp");
}

TEST_F(DatiNonFile, UnreadableFileIsRefused) {
#ifdef _WIN32
  GTEST_SKIP() << "a file that its owner cannot read needs an access list, not permission bits";
#else
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
#endif
  fs::copy_file(kDati / "valido_1bit.bmp", dir_ / "chiuso.bmp");
  fs::permissions(dir_ / "chiuso.bmp", fs::perms::none);
  Rifiutato(dir_ / "chiuso.bmp");
}

TEST_F(Dati, LinkToACarrierIsReadThroughAndLeftAlone) {
  SENZA_LINK();
  fs::create_symlink(kDati / "valido_1bit.bmp", dir_ / "link.bmp");
  const Byte prima = Leggi(kDati / "valido_1bit.bmp");
  EXPECT_TRUE(LeggiHeader((dir_ / "link.bmp").string(), 1));
  EXPECT_EQ(BmpHeader.BytesUtilizzabili, 36);
  EXPECT_EQ(DeCryptBitmap((dir_ / "link.bmp").string(), "", 1, true, ""), "Tavelin");
  EXPECT_EQ(Leggi(kDati / "valido_1bit.bmp"), prima);
  FinestraRiabilitata();
}

TEST_F(Dati, FileRevealIntoAFolderFailsAndLeavesItEmpty) {
  fs::create_directory(dir_ / "uscita");
  EXPECT_EQ(RivelaFile(kDati / "valido_1bit.bmp", "", 1, dir_ / "uscita"), std::nullopt);
  EXPECT_TRUE(fs::is_empty(dir_ / "uscita"));
  FinestraRiabilitata();
}

// A file-mode reveal whose output path names the carrier itself would append
// the revealed bytes to the carrier, which a reveal must never change.
TEST_F(Dati, FileRevealIntoTheCarrierItselfLeavesItUnchanged) {
  const fs::path c = dir_ / "c.bmp";
  fs::copy_file(kDati / "valido_1bit.bmp", c);
  const Byte prima = Leggi(c);
  RivelaFile(c, "", 1, c);
  EXPECT_EQ(Leggi(c), prima);
  fs::create_hard_link(c, dir_ / "stesso.bmp");
  RivelaFile(c, "", 1, dir_ / "stesso.bmp");
  EXPECT_EQ(Leggi(c), prima);
  FinestraRiabilitata();
}

// offset_zero.bmp places its pixel data at offset 0, inside its own header: a
// hide there rewrites the low bits of the signature and the sizes, returns as
// if all went well, and the payload can never be revealed again. Either the
// hide is refused with the carrier untouched, or what it hid comes back.
TEST_F(Dati, HideOverTheHeaderIsRefusedOrRevealable) {
  const fs::path c = dir_ / "c.bmp";
  fs::copy_file(kDati / "offset_zero.bmp", c);
  const Byte prima = Leggi(c);
  for (const int16_t nbit : {1, 2, 4, 8}) {
    SCOPED_TRACE(nbit);
    Scrivi(c, prima);
    ASSERT_TRUE(LeggiHeader(c.string(), nbit));
    try {
      Crypta::CryptBitmap(c.string(), BmpHeader.OffsetDati, 7, "Tavelin", true, "", nbit);
    } catch (const Crypta::Errore&) {
      EXPECT_EQ(Leggi(c), prima) << "a refused hide changed the carrier";
      continue;
    }
    EXPECT_EQ(DeCryptBitmap(c.string(), "", nbit, true, ""), "Tavelin");
  }
}

}  // namespace
