// tavelin-cli: the engine of Tavelin for scripts and machines without a
// display. Parses the command line, runs one command, and turns its outcome
// into a message on standard error and an exit status.
#include <CLI/CLI.hpp>
#include <iostream>

#include "Comandi.h"
#include "Console.h"
#include "Crypta.h"
#include "Esito.h"
#include "Identita.h"
#include "Segnali.h"
#include "Sintassi.h"

namespace {

constexpr const char* kNome = "tavelin-cli";
const char* const kGruppo = "Opzioni";

void Messaggio(const std::string& testo) {
  std::cerr << kNome << ": " << testo << std::endl;
}

void Aiuto(CLI::App& app) {
  app.set_help_flag("-h,--help", "Mostra questo aiuto ed esce");
  app.get_help_ptr()->group(kGruppo);
}

void OpzioniChiave(CLI::App& c, Cli::OpzioniChiave& o) {
  c.add_option("-k,--key", o.testo,
               "Chiave che mescola i dati, al massimo 30 caratteri (vuota se omessa): non li "
               "protegge, si riduce a uno di 256 valori che scan ritrova")
      ->type_name("CHIAVE")
      ->group(kGruppo);
  c.add_option("--key-file", o.file,
               "Legge la chiave dal file F, su una riga (senza l'a capo finale)")
      ->type_name("F")
      ->group(kGruppo);
}

void OpzioneFrase(CLI::App& c, Cli::OpzioniCifra& o) {
  c.add_option("--passphrase-file", o.file,
               "Legge la passphrase da tutto il file F, al massimo 1 MiB, senza l'a capo "
               "finale; senza, la chiede al terminale senza mostrarla (mai sulla riga di comando)")
      ->type_name("F")
      ->group(kGruppo);
}

void OpzioniCifratura(CLI::App& c, Cli::OpzioniCifra& o, const char* descrizione) {
  c.add_flag("--encrypt", o.cifra, descrizione)->group(kGruppo);
  OpzioneFrase(c, o);
}

void OpzioneBit(CLI::App& c, std::string& bit) {
  c.add_option("-b,--bits", bit, "Bit usati in ogni byte della bitmap: 1, 2, 4 o 8 (1 se omesso)")
      ->type_name("BIT")
      ->group(kGruppo);
}

void OpzioneFurtivo(CLI::App& c, bool& furtivo, const char* descrizione) {
  c.add_flag("--stealth", furtivo, descrizione)->group(kGruppo);
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
  Cli::Etichette(app);
  Aiuto(app);
  app.set_version_flag("-V,--version", std::string(kNome) + " " + Identita::Versione,
                       "Mostra la versione ed esce")
      ->group(kGruppo);
  app.require_subcommand(1);
  app.failure_message(Cli::ErroreArgomenti);
  app.footer(
      "Stato di uscita: 0 riuscito, 1 rifiutato (per esempio \"False\", o la bitmap "
      "in uso in un'altra operazione), 2 uso errato o errore su un file, 128 + N "
      "interrotto dal segnale N (130 per Ctrl-C).\n\nLa chiave -k mescola soltanto i dati: "
      "chiunque li ritrova con scan, senza conoscerla. Per proteggerli usare --encrypt, che li "
      "cifra con una passphrase.");

  Cli::OpzioniInfo info;
  CLI::App* cInfo =
      app.add_subcommand("info", "Mostra l'intestazione della bitmap e i byte utilizzabili");
  Bitmap(*cInfo, info.bitmap);
  OpzioneBit(*cInfo, info.bit);
  Cli::OpzioniAnalizza analizza;
  CLI::App* cAnalizza = app.add_subcommand("analyze", Cli::kAnalizza);
  Bitmap(*cAnalizza, analizza.bitmap);
  Cli::OpzioniPrepara prepara;
  CLI::App* cPrepara = app.add_subcommand(
      "prepare",
      "Converte un'immagine (PNG, JPEG, GIF, TGA, BMP di ogni versione, ...) in una "
      "bitmap adatta a nascondervi dati");
  cPrepara->add_option("IMMAGINE", prepara.immagine, "L'immagine da convertire")
      ->required()
      ->type_name("");
  cPrepara
      ->add_option("-o,--output", prepara.uscita,
                   "La nuova bitmap, a 24 bit (un file esistente non viene sovrascritto)")
      ->required()
      ->type_name("BITMAP")
      ->group(kGruppo);

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
  OpzioniCifratura(*cNascondi, nascondi.cifra,
                   "Cifra e autentica i dati con una passphrase (Argon2id e XChaCha20-Poly1305): "
                   "li protegge davvero; la chiave -k li mescola ancora");
  OpzioneBit(*cNascondi, nascondi.bit);
  OpzioneFurtivo(*cNascondi, nascondi.furtivo,
                 "Strato furtivo: con una passphrase, cambiamenti di ±1 dove la bitmap ha trama, "
                 "che un'analisi statistica non distingue da una bitmap pulita");
  cNascondi
      ->add_option("--rate", nascondi.rata,
                   "Con --stealth, bit per valore di colore oltre la densità sicura (0,15), fino "
                   "a 0,5: più dati, più facili da scoprire")
      ->type_name("R")
      ->group(kGruppo);
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
  OpzioniCifratura(*cRivela, rivela.cifra,
                   "Decifra dati nascosti con --encrypt; una passphrase errata o dati alterati "
                   "non danno nulla");
  OpzioneBit(*cRivela, rivela.bit);
  OpzioneFurtivo(*cRivela, rivela.furtivo,
                 "Estrae dati nascosti con --stealth; senza uscita scrive il file col nome "
                 "conservato nella cartella corrente (mai sopra un file)");
  Cli::OpzioniScan scan;
  CLI::App* cScan = app.add_subcommand(
      "scan",
      "Cerca dati nascosti senza chiave né numero di bit: prova ogni numero di bit e tutte le 256 "
      "maschere a cui si riduce una chiave, e mostra i candidati più probabili");
  Bitmap(*cScan, scan.bitmap);
  cScan->add_option("--reveal", scan.rivela, "Estrae il candidato N nel nuovo file indicato con -o")
      ->type_name("N")
      ->group(kGruppo);
  cScan
      ->add_option(
          "-o,--output", scan.uscita,
          "Il file in cui estrarre il candidato (un file esistente non viene sovrascritto)")
      ->type_name("FILE")
      ->group(kGruppo);

  Cli::OpzioniDecifra decifra;
  CLI::App* cDecifra = app.add_subcommand(
      "decrypt", "Decifra un file estratto senza --encrypt (per esempio dalla finestra)");
  cDecifra->add_option("FILE", decifra.file, "Il file cifrato; \"-\": lo standard input")
      ->required()
      ->type_name("");
  cDecifra
      ->add_option("STDOUT", decifra.trattino,
                   "\"-\": scrive i byte decifrati sullo standard output")
      ->type_name("");
  cDecifra
      ->add_option("-o,--output", decifra.uscita,
                   "Scrive i byte decifrati nel nuovo file USCITA (un file esistente non viene "
                   "sovrascritto)")
      ->type_name("USCITA")
      ->group(kGruppo);
  OpzioneFrase(*cDecifra, decifra.cifra);

  for (CLI::App* c : {cInfo, cAnalizza, cPrepara, cNascondi, cRivela, cScan, cDecifra}) {
    c->group("Comandi");
    c->get_help_ptr()->group(kGruppo);
  }

  // CLI11 reports an unknown command as a missing one; say what was wrong.
  const auto conosciuto = [&app](const char* nome) {
    for (const CLI::App* c : app.get_subcommands({}))
      if (c->get_name() == nome) return true;
    return false;
  };
  if (argc > 1 && argv[1][0] != '-' && !conosciuto(argv[1])) {
    Messaggio(std::string("Comando sconosciuto: ") + argv[1] + " (usare " + Cli::kComandi + ").");
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
  decifra.conUscita = cDecifra->count("--output") > 0;
  decifra.conTrattino = cDecifra->count("STDOUT") > 0;
  for (auto [c, o] : {std::pair{cNascondi, &nascondi.cifra}, std::pair{cRivela, &rivela.cifra},
                      std::pair{cDecifra, &decifra.cifra}})
    o->conFile = c->count("--passphrase-file") > 0;
  nascondi.conRata = cNascondi->count("--rate") > 0;
  nascondi.conBit = cNascondi->count("--bits") > 0;
  rivela.conBit = cRivela->count("--bits") > 0;
  scan.conRivela = cScan->count("--reveal") > 0;
  scan.conUscita = cScan->count("--output") > 0;
  for (auto [c, o] : {std::pair{cNascondi, &nascondi.chiave}, std::pair{cRivela, &rivela.chiave}}) {
    o->conTesto = c->count("--key") > 0;
    o->conFile = c->count("--key-file") > 0;
  }

  try {
    if (cInfo->parsed()) Cli::Info(info);
    if (cAnalizza->parsed()) Cli::Analizza(analizza);
    if (cPrepara->parsed()) Cli::Prepara(prepara);
    if (cNascondi->parsed()) Cli::Nascondi(nascondi);
    if (cRivela->parsed()) Cli::Rivela(rivela);
    if (cScan->parsed()) Cli::Scansiona(scan);
    if (cDecifra->parsed()) Cli::Decifra(decifra);
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
