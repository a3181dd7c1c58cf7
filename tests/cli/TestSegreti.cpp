// Where tavelin-cli takes its secrets from and what it leaves of them: the
// rules of a passphrase file and of a key file, and standard input hidden
// with --encrypt, which never reaches a disk in clear.
#include <algorithm>
#include <fstream>
#include <iterator>

#include "Banco.h"

namespace prova {
namespace {

namespace fs = std::filesystem;

#if TAVELIN_CON_CIFRATURA

class Segreti : public Banco {
 protected:
  std::string Binari(size_t n, uint32_t seme) {
    const Byte b = Casuali(n, seme);
    return std::string(b.begin(), b.end());
  }
};

// Both files are read whole, as bytes, less one final LF or CR LF; a larger
// file than the limit is refused, never cut, and never read past it. A key
// stays one line of at most 30 characters; a passphrase may hold any byte.
TEST_F(Segreti, PassphraseAndKeyFilesAreReadWholeWithinTheirLimit) {
  // 1 MiB less its line end, with line ends and NULs inside.
  std::string frase = Binari((size_t{1} << 20) - 2, 9);
  frase[100] = '\n';
  frase[4000] = '\0';
  frase.back() = 'z';
  const std::string cifrata = Carrier(2000), chiave = Carrier(2000);
  ASSERT_EQ(Cli({"hide", cifrata, "-t", "ciao", "--encrypt", "--passphrase-file",
                 File("frase", frase + "\n")})
                .stato,
            0);
  ASSERT_EQ(Cli({"hide", chiave, "-t", "ciao", "--key-file", File("chiave", "segreto\n")}).stato,
            0);
  std::string altra = frase;  // the same bytes but one near the end
  altra[altra.size() - 2] ^= 1;
  const struct {
    const char* opzione;
    std::string contenuto;
    int stato;
    const char* messaggio;  // a part of the refusal
  } casi[] = {
      {"--passphrase-file", frase + "\r\n", 0, ""},
      {"--passphrase-file", frase + "\n\n", 1, "Passphrase errata"},
      {"--passphrase-file", altra + "\n", 1, "Passphrase errata"},
      {"--passphrase-file", frase.substr(0, 100) + "\n", 1, "Passphrase errata"},
      {"--passphrase-file", frase + "\nxy", 2, "troppo grande: se ne accettano al massimo 1048576"},
      {"--passphrase-file", "\r\n", 2, "La passphrase è vuota."},
      {"--key-file", "segreto", 0, ""},
      {"--key-file", "segreto\r\n", 0, ""},
      {"--key-file", "segreto\n\n", 2, "ha più di una riga"},
      {"--key-file", "segreto\naltro\n", 2, "ha più di una riga"},
      {"--key-file", std::string(4097, 'x'), 2, "troppo grande: se ne accettano al massimo 4096"},
      {"--key-file", std::string(31, 'x'), 2, "troppo lunga"},
  };
  int n = 0;
  for (const auto& c : casi) {
    const std::string f = File("caso" + std::to_string(++n), c.contenuto);
    const bool frase = std::string(c.opzione) == "--passphrase-file";
    std::vector<std::string> argomenti{"reveal", frase ? cifrata : chiave, "-t", c.opzione, f};
    if (frase) argomenti.push_back("--encrypt");
    const Risultato r = Cli(argomenti);
    EXPECT_EQ(r.stato, c.stato) << n << ": " << r.err;
    EXPECT_EQ(r.out, c.stato == 0 ? "ciao" : "") << n;
    EXPECT_NE(r.err.find(c.messaggio), std::string::npos) << n << ": " << r.err;
  }
  // A file with no end: refused after the limit and one byte, in little more
  // memory than an empty one.
  const long vuota =
      Cli({"reveal", cifrata, "-t", "--encrypt", "--passphrase-file", File("vuota", "\n")})
          .memoriaKiB;
  for (const char* opzione : {"--passphrase-file", "--key-file"}) {
    std::vector<std::string> argomenti{"reveal", cifrata, "-t", opzione, "/dev/zero"};
    if (opzione[2] == 'p') argomenti.push_back("--encrypt");
    const Risultato r = Cli(argomenti);
    EXPECT_EQ(r.stato, 2) << opzione;
    EXPECT_NE(r.err.find("troppo grande"), std::string::npos) << r.err;
    EXPECT_LT(r.memoriaKiB - vuota, 16 * 1024) << opzione;
  }
}

#ifdef __linux__
// What the process holds open in the temporary folder while it reads.
std::string Tenuto(intptr_t pid, const std::string& cartella) {
  std::string tenuto;
  for (const auto& e : fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd")) {
    std::error_code ec;
    if (fs::read_symlink(e.path(), ec).string().rfind(cartella, 0) != 0) continue;
    std::ifstream f(e.path(), std::ios::binary);
    tenuto.append(std::istreambuf_iterator<char>(f), {});
  }
  return tenuto;
}

TEST_F(Segreti, StandardInputWithEncryptIsHeldAsCiphertextOnly) {
  const std::string tmp = dir / "tmp", frase = File("frase", "una frase\n");
  ASSERT_TRUE(fs::create_directory(tmp));
  const std::string c = Carrier(300000);
  const std::string prima = Binari(200000, 4), dopo = "e la fine";
  Processo p({"hide", c, "-", "-b", "8", "--encrypt", "--passphrase-file", frase},
             {{"TMPDIR", tmp}});
  ASSERT_TRUE(p.Dai(prima));
  ASSERT_TRUE(p.Dai(dopo));  // read once the first part has gone where it goes
  const std::string tenuto = Tenuto(p.Id(), tmp);
  EXPECT_GE(tenuto.size(), 3 * 65553u);  // its ciphertext, all but the chunk still open
  for (size_t i = 0; i + 32 <= prima.size(); i += 4096)
    ASSERT_EQ(tenuto.find(prima.substr(i, 32)), std::string::npos) << i;
  const Risultato r = p.Fine();
  EXPECT_EQ(r.stato, 0) << r.err;
  EXPECT_TRUE(fs::is_empty(tmp));
  EXPECT_EQ(Cli({"reveal", c, "-", "-b", "8", "--encrypt", "--passphrase-file", frase}).out,
            prima + dopo);
}
#endif

#endif

}  // namespace
}  // namespace prova
