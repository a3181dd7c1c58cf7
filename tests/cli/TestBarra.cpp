// The progress bar: on a terminal for payloads over 1 MiB, never otherwise.
#include "Banco.h"

namespace prova {
namespace {

using Barra = Banco;

constexpr size_t kGrande = (size_t{1} << 20) + 1000;
const char* const kSenzaConsole = "Wine gives a console only to a program started on a terminal";

#ifdef _WIN32
// A console shows the bar as it was last written, on a line of its own.
TEST_F(Barra, ShowsOnATerminalForALargePayload) {
  if (!TerminaleDisponibile()) GTEST_SKIP() << kSenzaConsole;
  const std::string c = Carrier(kGrande + 100);
  const std::string f = File("grande", std::string(kGrande, 'g'));
  const std::string piena = " [" + std::string(40, '#') + "] 100%\n";
  // The warning on the cost of 8 bits comes first; the bar has the last line.
  const auto finisce = [](const std::string& testo, const std::string& fine) {
    return testo.size() >= fine.size() && testo.compare(testo.size() - fine.size(), fine.size(), fine) == 0;
  };
  Risultato r = CliSuTerminale({"hide", c, "-f", f, "-b", "8", "-k", "k"});
  EXPECT_EQ(r.stato, 0) << r.out;
  EXPECT_TRUE(finisce(r.out, "\nNascondo" + piena)) << r.out;
  const std::string uscita = dir / "uscita";
  r = CliSuTerminale({"reveal", c, "-o", uscita, "-b", "8", "-k", "k"});
  EXPECT_EQ(r.stato, 0) << r.out;
  EXPECT_EQ(r.out, "Estraggo" + piena);
  EXPECT_EQ(Testo(uscita), Testo(f));
}
#else
TEST_F(Barra, ShowsOnATerminalForALargePayload) {
  const std::string c = Carrier(kGrande + 100);
  const std::string f = File("grande", std::string(kGrande, 'g'));
  Risultato r = CliSuTerminale({"hide", c, "-f", f, "-b", "8"});
  EXPECT_EQ(r.stato, 0) << r.out;
  EXPECT_NE(r.out.find("\rNascondo [........................................]   "),
            std::string::npos)
      << r.out.substr(0, 200);
  EXPECT_NE(r.out.find("\rNascondo [########################################] 100%"),
            std::string::npos);
  EXPECT_EQ(r.out.back(), '\n');

  const std::string uscita = dir / "uscita";
  r = CliSuTerminale({"reveal", c, "-o", uscita, "-b", "8"});
  EXPECT_EQ(r.stato, 0) << r.out;
  EXPECT_NE(r.out.find("\rEstraggo [........................................]   0%"),
            std::string::npos)
      << r.out.substr(0, 200);
  EXPECT_NE(r.out.find("\rEstraggo [########################################] 100%"),
            std::string::npos);
  EXPECT_EQ(Testo(uscita), Testo(f));
}
#endif

TEST_F(Barra, NothingForASmallPayloadOnATerminal) {
  if (!TerminaleDisponibile()) GTEST_SKIP() << kSenzaConsole;
  const std::string c = Carrier(4000);
  const std::string f = File("piccolo", std::string(900, 'p'));
  Risultato r = CliSuTerminale({"hide", c, "-f", f, "-b", "2", "-k", "k"});
  EXPECT_EQ(r.stato, 0);
  EXPECT_EQ(r.out, "");
  r = CliSuTerminale({"reveal", c, "-o", dir / "uscita", "-b", "2", "-k", "k"});
  EXPECT_EQ(r.stato, 0);
  EXPECT_EQ(r.out, "");
}

TEST_F(Barra, NothingWhenStandardErrorIsNoTerminal) {
  const std::string c = Carrier(kGrande + 100);
  Opzioni o;
  o.ingresso = std::string(kGrande, 's');
  Risultato r = Cli({"hide", c, "-", "-b", "8", "-k", "k"}, o);
  EXPECT_EQ(r.stato, 0);
  // The warning that 8 bits show, one line, and no bar.
  EXPECT_EQ(r.err.rfind("tavelin-cli: Attenzione: a 8 bit per byte", 0), 0u) << r.err;
  EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
  r = Cli({"reveal", c, "-", "-b", "8", "-k", "k"});
  EXPECT_EQ(r.stato, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, o.ingresso);
}

}  // namespace
}  // namespace prova
