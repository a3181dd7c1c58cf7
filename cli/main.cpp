// tavelin-cli: the engine of Tavelin for scripts and machines without a
// display. Parses the command line, runs one command, and turns its outcome
// into a message on standard error and an exit status.
#include <CLI/CLI.hpp>
#include <cstring>
#include <iostream>

#include "Comandi.h"
#include "Console.h"
#include "Crypta.h"
#include "Esito.h"
#include "Identita.h"
#include "Segnali.h"

namespace {

constexpr const char* kNome = "tavelin-cli";
const char* const kGruppo = "Opzioni";

void Messaggio(const std::string& testo) {
  std::cerr << kNome << ": " << testo << std::endl;
}

// CLI11 words its own errors in English; these are the ones a user can cause.
std::string ErroreArgomenti(const CLI::App*, const CLI::Error& e) {
  std::string testo = e.what();
  std::string messaggio;
  if (dynamic_cast<const CLI::ExtrasError*>(&e)) {
    const size_t due = testo.find(": ");
    messaggio =
        "Argomenti non previsti: " + (due == std::string::npos ? testo : testo.substr(due + 2));
  } else if (dynamic_cast<const CLI::RequiredError*>(&e)) {
    const size_t fine = testo.find(" is required");
    const std::string nome = testo.substr(0, fine);
    messaggio = nome == "A subcommand" ? "Indicare un comando: info, hide o reveal"
                                       : "Manca l'argomento obbligatorio " + nome;
  } else if (dynamic_cast<const CLI::ArgumentMismatch*>(&e)) {
    messaggio = "Manca il valore dell'opzione " + testo.substr(0, testo.find(':'));
  } else {
    messaggio = "Argomenti non validi (" + testo + ")";
  }
  return std::string(kNome) + ": " + messaggio + ".\nUsare " + kNome +
         " --help per le istruzioni.\n";
}

void Etichette(CLI::App& app) {
  auto f = app.get_formatter();
  f->label("Usage", "Uso");
  f->label("OPTIONS", "OPZIONI");
  f->label("SUBCOMMAND", "COMANDO");
  f->label("Positionals", "Argomenti");
  f->label("REQUIRED", "(obbligatorio)");
  f->label("TEXT", "");
  f->column_width(28);
}

void Aiuto(CLI::App& app) {
  app.set_help_flag("-h,--help", "Mostra questo aiuto ed esce");
  app.get_help_ptr()->group(kGruppo);
}

void OpzioniChiave(CLI::App& c, Cli::OpzioniChiave& o) {
  c.add_option("-k,--key", o.testo, "Chiave, al massimo 30 caratteri (vuota se omessa)")
      ->type_name("CHIAVE")
      ->group(kGruppo);
  c.add_option("--key-file", o.file, "Legge la chiave dalla prima riga del file F")
      ->type_name("F")
      ->group(kGruppo);
}

void OpzioneBit(CLI::App& c, std::string& bit) {
  c.add_option("-b,--bits", bit, "Bit usati in ogni byte della bitmap: 1, 2, 4 o 8 (1 se omesso)")
      ->type_name("BIT")
      ->group(kGruppo);
}

CLI::Option* Bitmap(CLI::App& c, std::string& bitmap) {
  return c.add_option("BITMAP", bitmap, "La bitmap di appoggio")->required()->type_name("");
}

}  // namespace

int main(int argc, char** argv) {
  const Cli::Console console(argc, argv);
  Cli::InstallaSegnali();
  CLI::App app{
      "Nasconde una stringa o un intero file nei bit meno significativi dei pixel di "
      "una bitmap, mescolati con una chiave, e li estrae di nuovo.",
      kNome};
  Etichette(app);
  Aiuto(app);
  app.set_version_flag("-V,--version", std::string(kNome) + " " + Identita::Versione,
                       "Mostra la versione ed esce")
      ->group(kGruppo);
  app.require_subcommand(1);
  app.failure_message(ErroreArgomenti);
  app.footer(
      "Stato di uscita: 0 riuscito, 1 rifiutato (per esempio \"False\", o la bitmap "
      "in uso in un'altra operazione), 2 uso errato o errore su un file, 128 + N "
      "interrotto dal segnale N (130 per Ctrl-C).");

  Cli::OpzioniInfo info;
  CLI::App* cInfo =
      app.add_subcommand("info", "Mostra l'intestazione della bitmap e i byte utilizzabili");
  Bitmap(*cInfo, info.bitmap);
  OpzioneBit(*cInfo, info.bit);

  Cli::OpzioniNascondi nascondi;
  CLI::App* cNascondi =
      app.add_subcommand("hide", "Nasconde una stringa, un file o lo standard input nella bitmap");
  Bitmap(*cNascondi, nascondi.bitmap);
  cNascondi
      ->add_option("STDIN", nascondi.trattino, "\"-\": nasconde i byte letti dallo standard input")
      ->type_name("");
  cNascondi->add_option("-t,--text", nascondi.testo, "Nasconde la stringa TESTO")
      ->type_name("TESTO")
      ->group(kGruppo);
  cNascondi->add_option("-f,--file", nascondi.file, "Nasconde il file FILE")
      ->type_name("FILE")
      ->group(kGruppo);
  OpzioniChiave(*cNascondi, nascondi.chiave);
  OpzioneBit(*cNascondi, nascondi.bit);
  cNascondi
      ->add_option("-o,--output", nascondi.copia,
                   "Lascia intatta la bitmap e scrive il risultato nel nuovo file COPIA "
                   "(un file esistente non viene sovrascritto)")
      ->type_name("COPIA")
      ->group(kGruppo);

  Cli::OpzioniRivela rivela;
  CLI::App* cRivela = app.add_subcommand("reveal", "Estrae i dati nascosti nella bitmap");
  Bitmap(*cRivela, rivela.bitmap);
  cRivela
      ->add_option("STDOUT", rivela.trattino, "\"-\": scrive i byte estratti sullo standard output")
      ->type_name("");
  cRivela
      ->add_flag("-t,--text", rivela.testo,
                 "Scrive la stringa estratta sullo standard output, in UTF-8")
      ->group(kGruppo);
  cRivela
      ->add_option("-o,--output", rivela.uscita,
                   "Aggiunge i byte estratti in fondo al file FILE (creato se non esiste)")
      ->type_name("FILE")
      ->group(kGruppo);
  OpzioniChiave(*cRivela, rivela.chiave);
  OpzioneBit(*cRivela, rivela.bit);
  for (CLI::App* c : {cInfo, cNascondi, cRivela}) {
    c->group("Comandi");
    c->get_help_ptr()->group(kGruppo);
  }

  // CLI11 reports an unknown command as a missing one; say what was wrong.
  if (argc > 1 && argv[1][0] != '-' && std::strcmp(argv[1], "info") != 0 &&
      std::strcmp(argv[1], "hide") != 0 && std::strcmp(argv[1], "reveal") != 0) {
    Messaggio(std::string("Comando sconosciuto: ") + argv[1] + " (usare info, hide o reveal).");
    return Cli::kUso;
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? Cli::kFatto : Cli::kUso;
  }

  // An option given with an empty value still counts as given.
  nascondi.conTesto = cNascondi->count("--text") > 0;
  nascondi.conFile = cNascondi->count("--file") > 0;
  nascondi.conTrattino = cNascondi->count("STDIN") > 0;
  nascondi.conCopia = cNascondi->count("--output") > 0;
  rivela.conUscita = cRivela->count("--output") > 0;
  rivela.conTrattino = cRivela->count("STDOUT") > 0;
  for (auto [c, o] : {std::pair{cNascondi, &nascondi.chiave}, std::pair{cRivela, &rivela.chiave}}) {
    o->conTesto = c->count("--key") > 0;
    o->conFile = c->count("--key-file") > 0;
  }

  try {
    if (cInfo->parsed()) Cli::Info(info);
    if (cNascondi->parsed()) Cli::Nascondi(nascondi);
    if (cRivela->parsed()) Cli::Rivela(rivela);
  } catch (const Cli::Uscita& u) {
    Messaggio(u.what());
    return u.stato;
  } catch (const Crypta::Errore& e) {
    Messaggio(e.what());
    return Cli::StatoDi(e);
  } catch (const std::bad_alloc&) {
    Messaggio("Memoria insufficiente.");
    return Cli::kUso;
  } catch (const std::exception& e) {
    Messaggio(std::string("Errore imprevisto: ") + e.what());
    return Cli::kUso;
  }
  return Cli::kFatto;
}
