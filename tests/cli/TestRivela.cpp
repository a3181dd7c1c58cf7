// The reveal command: refusals, the output file, and text conversion.
#include <csignal>

#include "Banco.h"
#include "Testo.h"

namespace prova {
namespace {

using Reveal = Banco;

TEST_F(Reveal, FalseIsARefusalThatWritesNothing) {
  const std::string c = Carrier();
  ASSERT_EQ(Cli({"hide", c, "-t", std::string(30, 'x'), "-k", "a"}).stato, 0);
  // Read at 8 bits, the length field is whole pixel bytes: far above the capacity.
  const std::string uscita = dir / "uscita";
  for (const std::vector<std::string>& modo :
       {std::vector<std::string>{"-t"}, {"-"}, {"-o", uscita}}) {
    std::vector<std::string> argomenti{"reveal", c, "-b", "8"};
    argomenti.insert(argomenti.end(), modo.begin(), modo.end());
    const Risultato r = Cli(argomenti);
    EXPECT_EQ(r.stato, 1) << modo[0];
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "tavelin-cli: False: nessun dato nascosto leggibile con questa chiave e questo "
              "numero di bit.\n");
  }
  EXPECT_FALSE(std::filesystem::exists(uscita));
}

TEST_F(Reveal, HiddenTextFalseIsNotARefusal) {
  const std::string c = Carrier();
  ASSERT_EQ(Cli({"hide", c, "-t", "False"}).stato, 0);
  const Risultato r = Cli({"reveal", c, "-t"});
  EXPECT_EQ(r.stato, 0);
  EXPECT_EQ(r.out, "False");
  EXPECT_EQ(r.err, "");
}

TEST_F(Reveal, OutputFileGrowsWithEveryReveal) {
  const std::string c = Carrier();
  ASSERT_EQ(Cli({"hide", c, "-t", "due"}).stato, 0);
  const std::string uscita = dir / "Crypto.cry";
  EXPECT_EQ(Cli({"reveal", c, "-o", uscita}).stato, 0);
  EXPECT_EQ(Cli({"reveal", c, "-o", uscita}).stato, 0);
  EXPECT_EQ(Testo(uscita), "duedue");
}

TEST_F(Reveal, OutputIsNeverTheCarrier) {
  const std::string c = Carrier();
  ASSERT_EQ(Cli({"hide", c, "-t", "x"}).stato, 0);
  const Byte prima = Leggi(c);
  const Risultato r = Cli({"reveal", c, "-o", c});
  EXPECT_EQ(r.stato, 2);
  EXPECT_EQ(r.err,
            "tavelin-cli: Il file di destinazione \"" + c + "\" è la bitmap di appoggio stessa.\n");
  EXPECT_EQ(Leggi(c), prima);
}

TEST_F(Reveal, OutputInAMissingFolderIsAFileError) {
  const std::string c = Carrier();
  ASSERT_EQ(Cli({"hide", c, "-t", "x"}).stato, 0);
  const Risultato r = Cli({"reveal", c, "-o", dir / "manca/out"});
  EXPECT_EQ(r.stato, 2);
  EXPECT_NE(r.err.find("manca/out"), std::string::npos) << r.err;
}

TEST_F(Reveal, TextBecomesUtf8WithLfLineEnds) {
  std::string tutti;  // every code, CR LF pairs included
  for (int i = 0; i < 256; ++i) tutti += char(i);
  tutti += "\r\nfine\r";
  const std::string c = Carrier(600);
  const std::string f = File("codici", tutti);
  ASSERT_EQ(Cli({"hide", c, "-f", f, "-b", "8"}).stato, 0);
  Risultato r = Cli({"reveal", c, "-", "-b", "8"});
  EXPECT_EQ(r.out, tutti);
  r = Cli({"reveal", c, "-t", "-b", "8"});
  EXPECT_EQ(r.stato, 0);
  EXPECT_EQ(r.out, Crypta::CodiciAUtf8(Crypta::CapoLF(tutti)));
  EXPECT_NE(r.out.find("€"), std::string::npos);
  EXPECT_NE(r.out.find("\nfine\r"), std::string::npos);
}

TEST_F(Reveal, CrLfSplitAcrossReadBlocksStillBecomesLf) {
  // The text is streamed in blocks of 1 MiB: put a CR last in the first one.
  std::string testo(size_t{1} << 20, 'a');
  testo.back() = '\r';
  testo += "\nb";
  const std::string c = Carrier(testo.size() + 100);
  ASSERT_EQ(Cli({"hide", c, "-f", File("t", testo), "-b", "8"}).stato, 0);
  const Risultato r = Cli({"reveal", c, "-t", "-b", "8"});
  EXPECT_EQ(r.stato, 0) << r.err;
  EXPECT_EQ(r.out.size(), testo.size() - 1);
  EXPECT_EQ(r.out.substr(r.out.size() - 3), "a\nb");
}

TEST_F(Reveal, CarrierShorterThanItsStreamIsAFileError) {
  const std::string c = Carrier(2000);
  ASSERT_EQ(Cli({"hide", c, "-t", std::string(1000, 'x'), "-b", "8"}).stato, 0);
  std::filesystem::resize_file(c, 600);
  const Risultato r = Cli({"reveal", c, "-t", "-b", "8"});
  EXPECT_EQ(r.stato, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("è più corta di quanto dichiara"), std::string::npos) << r.err;
}

TEST_F(Reveal, ClosedPipeEndsLikeAnyFilterAndLeavesNoTemporaryFile) {
  const std::string tmp = dir / "tmp";
  ASSERT_TRUE(std::filesystem::create_directory(tmp));
  const std::string c = Carrier(4000);
  ASSERT_EQ(Cli({"hide", c, "-t", std::string(3000, 'x'), "-b", "8"}).stato, 0);
  Opzioni o;
  o.ambiente["TMPDIR"] = tmp;
  o.uscitaChiusa = true;
  const Risultato r = Cli({"reveal", c, "-", "-b", "8"}, o);
#ifdef _WIN32
  // No SIGPIPE on Windows: the failed write is a file error.
  EXPECT_EQ(r.stato, 2);
  EXPECT_NE(r.err.find("il lettore ha chiuso il flusso"), std::string::npos) << r.err;
#else
  EXPECT_EQ(r.segnale, SIGPIPE) << r.stato << r.err;
#endif
  EXPECT_TRUE(std::filesystem::is_empty(tmp));
}

}  // namespace
}  // namespace prova
