// hide --stealth and the reveals that open it, through the real program, for
// what the engine's tests cannot show: the passphrase from a file, the
// stored name written in the current folder and never over a file, the
// fallback of reveal --encrypt, one message for every way of finding
// nothing, and the options that mean nothing here.
#include <filesystem>

#include "Banco.h"

namespace prova {
namespace {

#if TAVELIN_CON_CIFRATURA

// The test's own current folder for a while: the program inherits it.
class Qui {
 public:
  explicit Qui(const std::filesystem::path& p) : prima_(std::filesystem::current_path()) {
    std::filesystem::current_path(p);
  }
  ~Qui() { std::filesystem::current_path(prima_); }

 private:
  std::filesystem::path prima_;
};

class Furtivo : public Banco {
 protected:
  void SetUp() override {
    Banco::SetUp();
    Bitmap b;
    b.larghezza = 80;
    b.altezza = 60;
    b.pixel = b.grandezza = 80 * 3 * 60;
    carrier = Scrivi(dir, "c.bmp", b);
    frase = File("frase", "cavallo batteria graffetta corretta\n");
  }
  std::string carrier, frase;
};

// Six Argon2id derivations, seconds each: one round through every path.
TEST_F(Furtivo, HiddenFileComesBackUnderItsStoredName) {
  std::filesystem::create_directory(dir.Path() / "qui");
  const std::string copia = dir / "s.bmp", dati = "riunione alle 8\n";
  Risultato r = Cli({"hide", carrier, "--stealth", "-f", File("nota.txt", dati), "-o", copia,
                     "--passphrase-file", frase});
  ASSERT_EQ(r.stato, 0) << r.err;
  {
    const Qui qui(dir.Path() / "qui");
    r = Cli({"reveal", copia, "--stealth", "--passphrase-file", frase});
    EXPECT_EQ(r.stato, 0) << r.err;
    EXPECT_EQ(r.out, "nota.txt\n");
  }
  EXPECT_EQ(Testo(dir / "qui/nota.txt"), dati);
  // reveal --encrypt finds nothing encrypted in the design's layout and tries
  // the stealth one; another passphrase finds nothing, as a clean picture.
  r = Cli({"reveal", copia, "-t", "--encrypt", "--passphrase-file", frase});
  EXPECT_EQ(r.stato, 0) << r.err;
  EXPECT_EQ(r.out, dati);
  r = Cli({"reveal", copia, "--stealth", "-", "--passphrase-file", File("altra", "altra\n")});
  EXPECT_EQ(r.stato, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "tavelin-cli: Nessun dato nascosto con questa passphrase.\n");
}

TEST_F(Furtivo, OptionsThatMeanNothingHereAreRefusedBeforeAnyWork) {
  const Byte prima = Leggi(carrier);
  for (const std::vector<std::string>& a :
       {std::vector<std::string>{"hide", carrier, "--stealth", "-t", "x", "-b", "2"},
        {"hide", carrier, "--stealth", "-t", "x", "-k", "chiave"},
        {"hide", carrier, "-t", "x", "--rate", "0.3"},
        {"hide", carrier, "--stealth", "-t", "x", "--rate", "0.6"},
        {"reveal", carrier, "--stealth", "-t", "-b", "1"}}) {
    const Risultato r = Cli(a, {});
    EXPECT_EQ(r.stato, 2) << a[3] << r.err;
  }
  const Risultato r =
      Cli({"hide", carrier, "--stealth", "-t", std::string(2000, 'x'), "--passphrase-file", frase});
  EXPECT_EQ(r.stato, 1);
  EXPECT_NE(r.err.find("capienza furtiva"), std::string::npos) << r.err;
  EXPECT_EQ(Leggi(carrier), prima);
}

#endif

}  // namespace
}  // namespace prova
