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
#include "Lingua.h"
#include "Lingue.h"
#include "Segnali.h"
#include "Sintassi.h"

namespace Cli {
namespace {

constexpr const char* kNome = "tavelin-cli";

const char* Gruppo() {
  return _("Opzioni");
}

void Messaggio(const std::string& testo) {
  std::cerr << kNome << ": " << testo << std::endl;
}

void Aiuto(CLI::App& app) {
  app.set_help_flag("-h,--help", _("Mostra questo aiuto ed esce"));
  app.get_help_ptr()->group(Gruppo());
}

void AggiungiChiave(CLI::App& c, OpzioniChiave& o) {
  c.add_option("-k,--key", o.testo,
               _("Chiave che mescola i dati, al massimo 30 caratteri (vuota se omessa): non li "
                 "protegge, si riduce a uno di 256 valori che scan ritrova"))
      ->type_name(_("CHIAVE"))
      ->group(Gruppo());
  c.add_option("--key-file", o.file,
               _("Legge la chiave dal file F, su una riga (senza l'a capo finale)"))
      ->type_name("F")
      ->group(Gruppo());
}

void OpzioneFrase(CLI::App& c, OpzioniCifra& o) {
  c.add_option("--passphrase-file", o.file,
               _("Legge la passphrase da tutto il file F, al massimo 1 MiB, senza l'a capo "
                 "finale; senza, la chiede al terminale senza mostrarla (mai sulla riga di "
                 "comando)"))
      ->type_name("F")
      ->group(Gruppo());
}

void OpzioniCifratura(CLI::App& c, OpzioniCifra& o, const char* descrizione) {
  c.add_flag("--encrypt", o.cifra, descrizione)->group(Gruppo());
  OpzioneFrase(c, o);
}

void OpzioneBit(CLI::App& c, std::string& bit) {
  c.add_option("-b,--bits", bit,
               _("Bit usati in ogni byte della bitmap: 1, 2, 4 o 8 (1 se omesso)"))
      ->type_name(_("BIT"))
      ->group(Gruppo());
}

void OpzioneFurtivo(CLI::App& c, bool& furtivo, const char* descrizione) {
  c.add_flag("--stealth", furtivo, descrizione)->group(Gruppo());
}

CLI::Option* Bitmap(CLI::App& c, std::string& bitmap) {
  return c.add_option("BITMAP", bitmap, _("La bitmap di appoggio"))->required()->type_name("");
}

}  // namespace
}  // namespace Cli

int main(int argc, char** argv) {
  using Cli::_;
  Cli::ImpostaLingua();
  const Cli::Console console(argc, argv);
  Cli::InstallaSegnali();
  CLI::App app{_("Nasconde una stringa o un intero file nei bit meno significativi dei pixel di "
                 "una bitmap, mescolati con una chiave, e li estrae di nuovo."),
               Cli::kNome};
  Cli::Etichette(app);
  Cli::Aiuto(app);
  app.set_version_flag("-V,--version", std::string(Cli::kNome) + " " + Identita::Versione,
                       _("Mostra la versione ed esce"))
      ->group(Cli::Gruppo());
  app.require_subcommand(1);
  app.failure_message(Cli::ErroreArgomenti);
  app.footer(
      _("Stato di uscita: 0 riuscito, 1 rifiutato (per esempio \"False\", o la bitmap "
        "in uso in un'altra operazione), 2 uso errato o errore su un file, 128 + N "
        "interrotto dal segnale N (130 per Ctrl-C).\n\nLa chiave -k mescola soltanto i dati: "
        "chiunque li ritrova con scan, senza conoscerla. Per proteggerli usare --encrypt, che li "
        "cifra con una passphrase."));

  Cli::OpzioniInfo info;
  CLI::App* cInfo =
      app.add_subcommand("info", _("Mostra l'intestazione della bitmap e i byte utilizzabili"));
  Cli::Bitmap(*cInfo, info.bitmap);
  Cli::OpzioneBit(*cInfo, info.bit);
  Cli::OpzioniAnalizza analizza;
  CLI::App* cAnalizza = app.add_subcommand("analyze", _(Cli::kAnalizza));
  Cli::Bitmap(*cAnalizza, analizza.bitmap);
  Cli::OpzioniPrepara prepara;
  CLI::App* cPrepara = app.add_subcommand(
      "prepare", _("Converte un'immagine (PNG, JPEG, GIF, TGA, BMP di ogni versione, ...) in una "
                   "bitmap adatta a nascondervi dati"));
  cPrepara->add_option("IMMAGINE", prepara.immagine, _("L'immagine da convertire"))
      ->required()
      ->type_name("");
  cPrepara
      ->add_option("-o,--output", prepara.uscita,
                   _("La nuova bitmap, a 24 bit (un file esistente non viene sovrascritto)"))
      ->required()
      ->type_name("BITMAP")
      ->group(Cli::Gruppo());

  Cli::OpzioniNascondi nascondi;
  CLI::App* cNascondi = app.add_subcommand(
      "hide", _("Nasconde una stringa, un file o lo standard input nella bitmap"));
  Cli::Bitmap(*cNascondi, nascondi.bitmap);
  cNascondi
      ->add_option("STDIN", nascondi.trattino,
                   _("\"-\": nasconde i byte letti dallo standard input"))
      ->type_name("");
  cNascondi->add_option("-t,--text", nascondi.testo, _("Nasconde la stringa TESTO"))
      ->type_name(_("TESTO"))
      ->group(Cli::Gruppo());
  cNascondi->add_option("-f,--file", nascondi.file, _("Nasconde il file FILE"))
      ->type_name("FILE")
      ->group(Cli::Gruppo());
  Cli::AggiungiChiave(*cNascondi, nascondi.chiave);
  Cli::OpzioniCifratura(
      *cNascondi, nascondi.cifra,
      _("Cifra e autentica i dati con una passphrase (Argon2id e "
        "XChaCha20-Poly1305): li protegge davvero; la chiave -k li mescola ancora"));
  Cli::OpzioneBit(*cNascondi, nascondi.bit);
  Cli::OpzioneFurtivo(*cNascondi, nascondi.furtivo,
                      _("Strato furtivo: con una passphrase, cambiamenti di ±1 dove la bitmap ha "
                        "trama, che un'analisi statistica non distingue da una bitmap pulita"));
  cNascondi
      ->add_option("--rate", nascondi.rata,
                   _("Con --stealth, bit per valore di colore oltre la densità sicura (0,15), "
                     "fino a 0,5: più dati, più facili da scoprire"))
      ->type_name("R")
      ->group(Cli::Gruppo());
  cNascondi
      ->add_option("-o,--output", nascondi.copia,
                   _("Lascia intatta la bitmap e scrive il risultato nel nuovo file COPIA "
                     "(un file esistente non viene sovrascritto)"))
      ->type_name(_("COPIA"))
      ->group(Cli::Gruppo());

  Cli::OpzioniRivela rivela;
  CLI::App* cRivela = app.add_subcommand("reveal", _("Estrae i dati nascosti nella bitmap"));
  Cli::Bitmap(*cRivela, rivela.bitmap);
  cRivela
      ->add_option("STDOUT", rivela.trattino,
                   _("\"-\": scrive i byte estratti sullo standard output"))
      ->type_name("");
  cRivela
      ->add_flag("-t,--text", rivela.testo,
                 _("Scrive la stringa estratta sullo standard output, in UTF-8"))
      ->group(Cli::Gruppo());
  cRivela
      ->add_option("-o,--output", rivela.uscita,
                   _("Aggiunge i byte estratti in fondo al file FILE (creato se non esiste)"))
      ->type_name("FILE")
      ->group(Cli::Gruppo());
  Cli::AggiungiChiave(*cRivela, rivela.chiave);
  Cli::OpzioniCifratura(*cRivela, rivela.cifra,
                        _("Decifra dati nascosti con --encrypt; una passphrase errata o dati "
                          "alterati non danno nulla"));
  Cli::OpzioneBit(*cRivela, rivela.bit);
  Cli::OpzioneFurtivo(*cRivela, rivela.furtivo,
                      _("Estrae dati nascosti con --stealth; senza uscita scrive il file col nome "
                        "conservato nella cartella corrente (mai sopra un file)"));
  Cli::OpzioniScan scan;
  CLI::App* cScan = app.add_subcommand(
      "scan",
      _("Cerca dati nascosti senza chiave né numero di bit: prova ogni numero di bit e tutte le "
        "256 maschere a cui si riduce una chiave, e mostra i candidati più probabili"));
  Cli::Bitmap(*cScan, scan.bitmap);
  cScan
      ->add_option("--reveal", scan.rivela,
                   _("Estrae il candidato N nel nuovo file indicato con -o"))
      ->type_name("N")
      ->group(Cli::Gruppo());
  cScan
      ->add_option(
          "-o,--output", scan.uscita,
          _("Il file in cui estrarre il candidato (un file esistente non viene sovrascritto)"))
      ->type_name("FILE")
      ->group(Cli::Gruppo());

  Cli::OpzioniDecifra decifra;
  CLI::App* cDecifra = app.add_subcommand(
      "decrypt", _("Decifra un file estratto senza --encrypt (per esempio dalla finestra)"));
  cDecifra->add_option("FILE", decifra.file, _("Il file cifrato; \"-\": lo standard input"))
      ->required()
      ->type_name("");
  cDecifra
      ->add_option("STDOUT", decifra.trattino,
                   _("\"-\": scrive i byte decifrati sullo standard output"))
      ->type_name("");
  cDecifra
      ->add_option("-o,--output", decifra.uscita,
                   _("Scrive i byte decifrati nel nuovo file USCITA (un file esistente non "
                     "viene sovrascritto)"))
      ->type_name(_("USCITA"))
      ->group(Cli::Gruppo());
  Cli::OpzioneFrase(*cDecifra, decifra.cifra);

  for (CLI::App* c : {cInfo, cAnalizza, cPrepara, cNascondi, cRivela, cScan, cDecifra}) {
    c->group(_("Comandi"));
    c->get_help_ptr()->group(Cli::Gruppo());
  }

  // CLI11 reports an unknown command as a missing one; say what was wrong.
  const auto conosciuto = [&app](const char* nome) {
    for (const CLI::App* c : app.get_subcommands({}))
      if (c->get_name() == nome) return true;
    return false;
  };
  if (argc > 1 && argv[1][0] != '-' && !conosciuto(argv[1])) {
    Cli::Messaggio(
        Crypta::Componi(_("Comando sconosciuto: %1 (usare %2)."), {argv[1], _(Cli::kComandi)}));
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
    Cli::Messaggio(u.what());
    return u.stato;
  } catch (const Crypta::Errore& e) {
    Cli::Messaggio(e.what());
    return Cli::StatoDi(e);
  } catch (const std::bad_alloc&) {
    Cli::Messaggio(_("Memoria insufficiente."));
    return Cli::kUso;
  } catch (const std::exception& e) {
    Cli::Messaggio(Crypta::Componi(_("Errore imprevisto: %1"), {e.what()}));
    return Cli::kUso;
  }
  return Cli::kFatto;
}
