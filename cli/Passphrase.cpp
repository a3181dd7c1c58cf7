#include "Passphrase.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <termios.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <iostream>

#include "Comune.h"
#include "Esito.h"
#include "Lingua.h"
#include "Lingue.h"
#include "Segnali.h"

namespace Cli {

namespace {

bool Terminale() {
#ifdef _WIN32
  return _isatty(0) != 0;
#else
  return ::isatty(0) != 0;
#endif
}

// The terminal's echo off for as long as it lives, whatever way it ends.
class SenzaEco {
 public:
  SenzaEco() {
#ifdef _WIN32
    h_ = ::GetStdHandle(STD_INPUT_HANDLE);
    attivo_ =
        ::GetConsoleMode(h_, &modo_) && ::SetConsoleMode(h_, modo_ & ~DWORD{ENABLE_ECHO_INPUT});
#else
    if (::tcgetattr(0, &prima_) == 0) {
      termios senza = prima_;
      senza.c_lflag &= ~tcflag_t(ECHO);
      senza.c_lflag |= ECHONL;
      attivo_ = ::tcsetattr(0, TCSAFLUSH, &senza) == 0;
    }
#endif
  }
  ~SenzaEco() {
    if (!attivo_) return;
#ifdef _WIN32
    ::SetConsoleMode(h_, modo_);
#else
    ::tcsetattr(0, TCSAFLUSH, &prima_);
#endif
  }
  SenzaEco(const SenzaEco&) = delete;
  SenzaEco& operator=(const SenzaEco&) = delete;

 private:
#ifdef _WIN32
  HANDLE h_;
  DWORD modo_ = 0;
#else
  termios prima_{};
#endif
  bool attivo_ = false;
};

// One line typed at the terminal; Ctrl-C while waiting stops the program
// with the echo back on. What is typed goes straight into locked memory.
Crypta::Segreto Chiedi(const char* invito) {
  // The echo goes off before the prompt shows: what is typed after it is never seen.
  const SenzaEco senza;
  std::cerr << invito << std::flush;
  Crypta::Segreto riga(kMassimoPassphrase);
  char c = 0;
  for (;;) {
    if (SegnaleRicevuto() != 0)
      throw Crypta::Errore(_("Operazione interrotta."), Crypta::Genere::Annullata);
    if (!AttendiIngresso()) continue;
    const std::optional<size_t> n = StandardInput().LeggiParte(&c, 1);
    if (!n) continue;
    if (*n == 0 || c == '\n') break;
    if (!riga.Aggiungi(&c, 1)) {
      Crypta::Cancella(&c, 1);
      ErroreUso(Crypta::Componi(_("La passphrase è troppo lunga: al massimo %1 byte."),
                                {std::to_string(kMassimoPassphrase)}));
    }
  }
  Crypta::Cancella(&c, 1);
  if (!riga.Vuoto() && riga.Dati()[riga.Lunghezza() - 1] == '\r')
    riga.Ridimensiona(riga.Lunghezza() - 1);
  return riga;
}

}  // namespace

Crypta::Segreto Passphrase(const OpzioniCifra& o, bool conferma, bool datiDaStandardInput) {
  Crypta::Segreto p;
  if (o.conFile) {
    const Crypta::File f = Crypta::File::ApriFlusso(o.file);
    if (datiDaStandardInput && f.StessoFile(StandardInput()))
      ErroreUso(Crypta::Componi(conferma ? _("Il file della passphrase \"%1\" è lo standard "
                                             "input, che porta già i dati da nascondere.")
                                         : _("Il file della passphrase \"%1\" è lo standard "
                                             "input, che porta già i dati cifrati."),
                                {o.file}));
    p = ContenutoDi(f, kMassimoPassphrase,
                    Crypta::Componi(_("Il file della passphrase \"%1\" è troppo grande: se ne "
                                      "accettano al massimo %2 byte."),
                                    {o.file, std::to_string(kMassimoPassphrase)}));
  } else if (datiDaStandardInput) {
    ErroreUso(
        _("Con i dati dallo standard input la passphrase si indica con --passphrase-file F."));
  } else if (!Terminale()) {
    ErroreUso(
        _("Indicare la passphrase con --passphrase-file F, oppure digitarla a un terminale "
          "(mai sulla riga di comando)."));
  } else {
    p = Chiedi(_("Passphrase: "));
    if (conferma && !Chiedi(_("Ripetere la passphrase: ")).Uguale(p))
      ErroreUso(_("Le due passphrase non coincidono."));
  }
  if (p.Vuoto()) ErroreUso(_("La passphrase è vuota."));
  return p;
}

std::string Testo(const Crypta::Segreto& s) {
  return std::string(reinterpret_cast<const char*>(s.Dati()), s.Lunghezza());
}

}  // namespace Cli
