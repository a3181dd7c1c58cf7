#include "Argomenti.h"

#include <QtGlobal>
#include <cstring>

#include "Avvio.h"

namespace Argomenti {

Scelta Leggi(int argc, char** argv) {
  Scelta s;
  bool soloFile = false;  // after "--" every argument is a file
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    if (!soloFile && std::strcmp(a, "--") == 0) {
      soloFile = true;
    } else if (!soloFile && (std::strcmp(a, "-h") == 0 || std::strcmp(a, "--help") == 0)) {
      s.cosa = Scelta::Cosa::Aiuto;
      return s;
    } else if (!soloFile && (std::strcmp(a, "-V") == 0 || std::strcmp(a, "--version") == 0)) {
      s.cosa = Scelta::Cosa::Versione;
      return s;
    } else if (!soloFile && a[0] == '-' && a[1] != '\0') {
      s.cosa = Scelta::Cosa::Errore;
      s.messaggio = Avvio::Testo("Argomenti", QT_TRANSLATE_NOOP("Argomenti",
                                                                "Opzione sconosciuta: %1 (usare "
                                                                "tavelin --help)."))
                        .arg(QString::fromLocal8Bit(a))
                        .toStdString();
      return s;
    } else if (s.file) {
      s.cosa = Scelta::Cosa::Errore;
      s.messaggio = Avvio::Testo("Argomenti", QT_TRANSLATE_NOOP("Argomenti",
                                                                "Si può aprire un solo file alla "
                                                                "volta."))
                        .toStdString();
      return s;
    } else {
      s.file = a;
    }
  }
  return s;
}

std::string Aiuto() {
  return Avvio::Testo(
             "Argomenti",
             QT_TRANSLATE_NOOP(
                 "Argomenti",
                 "Uso: tavelin [FILE]\n\n"
                 "Nasconde una stringa o un intero file nei bit meno significativi dei pixel di "
                 "una\n"
                 "bitmap, mescolati con una chiave, e li estrae di nuovo, in una finestra.\n\n"
                 "  FILE            apre FILE nella scheda Crypt come con Apri...; un'immagine di\n"
                 "                  un altro formato si può convertire in una bitmap di appoggio\n"
                 "  -h, --help      mostra questo aiuto ed esce\n"
                 "  -V, --version   mostra la versione ed esce\n\n"
                 "Per gli script e le macchine senza schermo: tavelin-cli "
                 "--help.\n"))
      .toStdString();
}

}  // namespace Argomenti
