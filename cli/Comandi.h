// The commands of tavelin-cli, with the options as the command line
// gave them. Each returns normally on success and throws Cli::Uscita, or lets
// a Crypta::Errore through, whose kind gives the exit status.
#pragma once

#include <string>

#include "Passphrase.h"

namespace Cli {

struct OpzioniInfo {
  std::string bitmap;
  std::string bit = "1";
};

// A key from -k or from --key-file; neither means the empty key.
struct OpzioniChiave {
  std::string testo;
  std::string file;
  bool conTesto = false, conFile = false;
};

struct OpzioniNascondi {
  std::string bitmap;
  std::string testo, file, trattino, copia;
  bool conTesto = false, conFile = false, conTrattino = false, conCopia = false;
  OpzioniChiave chiave;
  OpzioniCifra cifra;
  std::string bit = "1";
  bool conBit = false;
  bool furtivo = false;  // --stealth
  std::string rata;      // --rate, with --stealth only
  bool conRata = false;
};

struct OpzioniRivela {
  std::string bitmap;
  bool testo = false;
  std::string uscita, trattino;
  bool conUscita = false, conTrattino = false;
  OpzioniChiave chiave;
  OpzioniCifra cifra;
  std::string bit = "1";
  bool conBit = false;
  bool furtivo = false;  // --stealth
};

// decrypt: a file that a reveal without --encrypt wrote, into a new file or
// standard output.
struct OpzioniDecifra {
  std::string file, uscita, trattino;
  bool conUscita = false, conTrattino = false;
  OpzioniCifra cifra;
};

// analyze's line in the help.
extern const char* const kAnalizza;
struct OpzioniAnalizza {
  std::string bitmap;
};

struct OpzioniPrepara {
  std::string immagine, uscita;
};

struct OpzioniScan {
  std::string bitmap;
  int rivela = 0;  // the candidate to extract, from 1
  std::string uscita;
  bool conRivela = false, conUscita = false;
};

void Info(const OpzioniInfo& o);
void Analizza(const OpzioniAnalizza& o);
void Prepara(const OpzioniPrepara& o);
void Scansiona(const OpzioniScan& o);
void Decifra(const OpzioniDecifra& o);
void Nascondi(const OpzioniNascondi& o);
void Rivela(const OpzioniRivela& o);

}  // namespace Cli
